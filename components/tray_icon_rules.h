// The notification-area icon's rules that need no window: what a mouse message
// on the icon sets off, the animation's next icon, and the limits of hint,
// balloon and tooltip texts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace trayicon {

// The mouse action that restores the application or shows the popup menu.
enum TGTrayIconMessage {
    imClick,
    imDoubleClick,
    imMouseDown,
    imMouseUp,
    imLeftClickUp,
    imLeftDoubleClick,
    imRightClickUp,
    imRightDoubleClick,
    imNone
};

// The mouse buttons, numbered as ui::MouseButton numbers them.
constexpr int kLeft = 0, kRight = 1, kMiddle = 2;

// One thing a mouse message sets off, in order.
struct Step {
    enum Kind { Restore, ShowMenu, Click, DblClick, MouseDown, MouseUp, MouseMove } kind;
    int button = kLeft;
    bool operator==(const Step&) const = default;
};

// The steps for the mouse message (WM_MOUSEMOVE..WM_MBUTTONDBLCLK) that the
// shell passes with the icon's callback; hasOnClick tells whether the click
// event is assigned (without it neither clicks nor moves are reported).
std::vector<Step> StepsForMouseMessage(unsigned mouseMessage, TGTrayIconMessage restoreOn,
                                       TGTrayIconMessage popupMenuOn, bool hasOnClick);

// The animation's next icon: 0, 1, ..., count - 1, 0, ...
int NextIconIndex(int index, int count);

// The icon keeps hints shorter than 64 characters; longer ones are dropped.
constexpr std::size_t kMaxHintLength = 63;
bool HintAccepted(const std::wstring& hint);

// The text cut to at most max characters.
std::wstring CutText(const std::wstring& text, std::size_t max);

// A balloon's title icon: 0 none, 1 information, 2 warning, 3 error; any
// other value shows none.
int BalloonTitleIcon(int icon);

}  // namespace trayicon
