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

}  // namespace options
