// The colour list of the colour sub-pages: a drop-down list of the colour
// items (the custom entry first, then the standard, extended and system
// colours), each drawn with its colour. Choosing a colour from code selects
// its first entry, or puts it into the custom entry when none holds it.
#pragma once

#include <array>

#include "options/color_items.h"
#include "ui/graphics.h"
#include "ui/lists.h"

namespace options {

class TColorList : public ui::ComboBox {
  public:
    TColorList(ui::Container* parent, std::wstring name);

    // The colour of an entry (system colours as their numbers).
    ui::TColor EntryColor(int index) const;
    // The selected entry's colour (black when none is selected).
    ui::TColor Selected() const;
    // Selects the first entry of that colour, or sets the custom entry to it.
    // No event, as any choice from code.
    void SetSelected(ui::TColor color);
    // The selected colour moves into the custom entry, which is selected.
    void SelectCustom();

  private:
    void Draw(int index, HDC dc, const RECT& rect, UINT state);
    std::array<ui::TColor, kColorItemCount> colors_;
};

}  // namespace options
