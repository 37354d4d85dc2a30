#include "options/screen_cursors.h"

#include <map>

#include "ui/application.h"

namespace options {

namespace {

std::map<int, ui::CursorHandle>& Cursors() {
    static std::map<int, ui::CursorHandle> cursors;
    return cursors;
}

int& WideNumber() {
    static int number = 0;
    return number;
}

}  // namespace

void SetScreenCursor(int number, ui::CursorHandle cursor) {
    // The screen-wide cursor never shows a cursor that is gone.
    if (number == WideNumber()) ui::Application().SetCursor(cursor.Get());
    Cursors()[number] = std::move(cursor);
}

void SetScreenWideCursor(int number) {
    WideNumber() = number;
    ui::Application().SetCursor(number ? ScreenCursor(number) : nullptr);
}

int ScreenWideCursor() {
    return WideNumber();
}

HCURSOR ScreenCursor(int number) {
    const auto it = Cursors().find(number);
    return it == Cursors().end() ? nullptr : it->second.Get();
}

ui::CursorHandle LoadCursorResource(const wchar_t* name) {
    return ui::CursorHandle(static_cast<HCURSOR>(
        LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
}

}  // namespace options
