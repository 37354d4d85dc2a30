// Event types of the class library. Every handler gets the component that
// raised the event (the sender) as its first argument.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

class Component;

enum MouseButton { mbLeft, mbRight, mbMiddle };

// Shift state bits of mouse and key events.
using ShiftState = unsigned;
constexpr ShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                     ssDouble = 64;

// What a form does after it was closed.
enum CloseAction { caNone, caHide, caFree, caMinimize };

using NotifyEvent = std::function<void(Component& sender)>;
using MouseEvent = std::function<void(Component& sender, MouseButton button, ShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(Component& sender, ShiftState shift, int x, int y)>;
// Setting key to 0 swallows the key.
using KeyEvent = std::function<void(Component& sender, WORD& key, ShiftState shift)>;
using KeyPressEvent = std::function<void(Component& sender, wchar_t& key)>;
// mousePos is in client coordinates, (-1, -1) when the menu key was used.
using ContextPopupEvent = std::function<void(Component& sender, POINT mousePos, bool& handled)>;
using CloseEvent = std::function<void(Component& sender, CloseAction& action)>;
using CloseQueryEvent = std::function<void(Component& sender, bool& canClose)>;
using AllowChangeEvent = std::function<void(Component& sender, bool& allowChange)>;
// Owner-drawn items of lists and combo boxes: state holds the ODS_* bits.
using DrawItemEvent = std::function<void(Component& sender, int index, HDC dc, const RECT& rect, UINT state)>;
using MeasureItemEvent = std::function<void(Component& sender, int index, int& height)>;

// The shift state now (keyboard only) and from the key bits of a mouse message.
ShiftState KeyboardShiftState();
ShiftState MouseShiftState(WPARAM keys);

}  // namespace ui
