// The font of the settings window and of the dialogs it opens.
#pragma once

#include <windows.h>

#include "ui/graphics.h"

namespace options {

// MS Sans Serif, 13 pixels high, with the Russian letters.
inline ui::Font DialogFont() {
    ui::Font font;
    font.name = L"MS Sans Serif";
    font.height = -13;
    font.charset = RUSSIAN_CHARSET;
    return font;
}

// The play and run buttons show a right-pointing triangle: the letter "4" of
// the Marlett symbol font (the dialog font has no triangle sign).
inline constexpr const wchar_t* kPlayTriangle = L"4";
inline ui::Font PlayTriangleFont() {
    ui::Font font;
    font.name = L"Marlett";
    font.height = -16;
    font.charset = SYMBOL_CHARSET;
    return font;
}

}  // namespace options
