#include "options/screen_cursors.h"

#include <map>

namespace options {

namespace {

std::map<int, ui::CursorHandle>& Cursors() {
    static std::map<int, ui::CursorHandle> cursors;
    return cursors;
}

}  // namespace

void SetScreenCursor(int number, ui::CursorHandle cursor) {
    Cursors()[number] = std::move(cursor);
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
