// Small helpers shared by the skin, colour and font sub-pages of the pages
// "Окно" and "Системные".
#pragma once

#include <cstdint>

#include "ui/graphics.h"

class TfrmOptions;

namespace options {

// 0x00RRGGBB of a colour number (system colours resolved), and back.
std::uint32_t RgbOfColor(ui::TColor color);
ui::TColor ColorOfRgb(std::uint32_t rgb);

// The clock window's font, which its text label follows.
void SetMainWindowFont(const ui::Font& font);

// The settings window's Tag held at 1 for a while, then back at 1 when it was
// not 0, else 0, so that the handlers that run meanwhile store nothing.
class TagHold {
  public:
    explicit TagHold(TfrmOptions& options);
    ~TagHold();
    TagHold(const TagHold&) = delete;
    TagHold& operator=(const TagHold&) = delete;

  private:
    TfrmOptions& options_;
    int saved_;
};

}  // namespace options
