// The menu painter's rules that need no window: colour blends, the working
// colours of a paint, the size of an item, the gradient of the icon column and
// the record of the highlighted item.
#pragma once

#include <cstdint>

namespace xpmenu {

// A colour as 0x00BBGGRR (the Windows COLORREF layout).
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int r, int g, int b) {
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColorRef c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColorRef c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr ColorRef kWhite = Rgb(255, 255, 255), kSilver = Rgb(192, 192, 192), kBlack = 0;

// Each channel moves towards 255 by (255 - channel) * percent / 100 (percent at most 100).
ColorRef NewColor(ColorRef color, int percent);
// Red and blue minus the amount, green minus the amount plus 2, each kept in 0..255.
ColorRef ShadeColor(ColorRef color, int amount);
// The mean of the channels plus the amount (at most 100), at most 240, as a grey.
ColorRef GrayColor(ColorRef color, int amount);

// The system colours a paint starts from.
struct SystemColors {
    ColorRef btnFace = 0, highlight = 0, btnShadow = 0;
};

// The painter's colour properties (already turned into colours).
struct ColorProperties {
    ColorRef color = 0, iconBack = 0, menuBar = 0, select = 0, selectBorder = 0, disabled = 0, separator = 0,
             checked = 0;
};

// The colours one paint of an item works with.
struct WorkingColors {
    ColorRef menuBack = 0, iconBack = 0, menuBar = 0, selectFill = 0, selectBorder = 0, checkedBorder = 0,
             disabled = 0, separator = 0;
    // The lighter and the darker tint of the selection (fills of check marks).
    ColorRef tintLight = 0, tintDark = 0;
    // Two shades of the button face (a selected menu-bar item).
    ColorRef faceShadeLight = 0, faceShadeDark = 0;
};

// highColor: the screen has 16 or more bits per pixel.
WorkingColors ComputeWorkingColors(const ColorProperties& props, const SystemColors& sys, bool highColor,
                                   bool useSystemColors);

// The colour level (0..96) of a pixel column of the gradient background,
// counted from the item's near edge: 3 per column over the icon column's first
// iconWidth + 5 columns, 1 per column after them.
int GradientLevel(int column, int iconWidth);

// What measuring an item needs, in pixels.
struct ItemMeasure {
    bool separator = false;  // caption "-"
    bool inMenuBar = false;  // a top item of a form's menu bar
    int textWidth = 0;       // caption (and "WWW" and the shortcut text when it has one)
    int ampersandWidth = 0;  // width of "&" when the text holds one, else 0
    int textHeight = 0;
    int imageWidth = 0, imageHeight = 0;
    int iconWidth = 24;  // the painter's IconWidth
};

// Raises width and height to what the item needs; a separator is 4 high.
void MeasureItem(const ItemMeasure& m, int& width, int& height);

// The record of the highlighted item, kept from the item paints: an item drawn
// selected becomes the selected one; an item drawn unselected, while another
// item lost the selection before, makes its parent the selected one, so that
// an open submenu without a highlighted item reports the item that owns it.
template <class Item>
class SelectionRecord {
  public:
    void ItemDrawn(const Item* item, const Item* parent, bool selected) {
        if (selected) {
            selected_ = last_ = item;
        } else if (selected_ != last_) {
            selected_ = parent;
            last_ = nullptr;
        } else {
            selected_ = nullptr;
        }
    }
    const Item* Selected() const { return selected_; }
    void Clear() { selected_ = last_ = nullptr; }

  private:
    const Item* selected_ = nullptr;
    const Item* last_ = nullptr;
};

}  // namespace xpmenu
