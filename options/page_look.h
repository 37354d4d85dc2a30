// Small helpers shared by the skin, colour and font sub-pages of the pages
// "Окно" and "Системные".
#pragma once

#include <cstdint>

#include "components/font_combo_box.h"
#include "options/color_list.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/graphics.h"
#include "ui/image.h"
#include "ui/lists.h"
#include "ui/panels.h"
#include "ui/ranges.h"

class TfrmOptions;

namespace options {

// 0x00RRGGBB of a colour number (system colours resolved), and back.
std::uint32_t RgbOfColor(ui::TColor color);
ui::TColor ColorOfRgb(std::uint32_t rgb);

// The "Шрифт" sub-pages of the clock window and of the taskbar clock are laid
// out alike; their controls have names of their own.
struct FontSubPage {
    TFontComboBox& font;
    ui::Label& sizeLabel;
    ui::SpinEdit& size;
    ui::TrackBar& sizeBar;
    ui::Control& stylePanel;
    ui::CheckBox& italic;
    ui::CheckBox& bold;
    ui::CheckBox& underline;
    ui::CheckBox& strikeOut;
    ui::Panel& alignPanel;
    ui::RadioButton& alignLeft;
    ui::RadioButton& alignCenter;
    ui::Panel& sourcePanel;
    ui::RadioButton& useSkinFont;
    ui::RadioButton& changeFont;
};
void LayOutFontSubPage(const FontSubPage& page);

// The parts the two "Цвет" sub-pages share: what is coloured, the palette, the
// colour list and the (hidden) opacity bar.
void LayOutColorSubPage(ui::ComboBox& object, ui::Image& palette, TColorList& colors, ui::TrackBar& opacity);

// A skin chooser: the list in `list` (left, top, right, bottom) and its add,
// delete and edit buttons side by side from `buttonsLeft`.
void LayOutSkinChooser(ui::ComboBox& skins, ui::SpeedButton& add, ui::SpeedButton& remove,
                       ui::SpeedButton& edit, RECT list, int buttonsLeft);

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
