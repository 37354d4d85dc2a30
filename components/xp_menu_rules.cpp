#include "components/xp_menu_rules.h"

#include <algorithm>

#include "components/rounding.h"

namespace xpmenu {

using components::RoundHalfEven;

ColorRef NewColor(ColorRef color, int percent) {
    percent = std::min(percent, 100);
    auto lift = [percent](int channel) {
        return std::clamp(channel + RoundHalfEven((255 - channel) * percent / 100.0), 0, 255);
    };
    return Rgb(lift(RedOf(color)), lift(GreenOf(color)), lift(BlueOf(color)));
}

ColorRef ShadeColor(ColorRef color, int amount) {
    auto shade = [](int v) { return std::clamp(v, 0, 255); };
    return Rgb(shade(RedOf(color) - amount), shade(GreenOf(color) - amount + 2),
               shade(BlueOf(color) - amount));
}

ColorRef GrayColor(ColorRef color, int amount) {
    amount = std::min(amount, 100);
    const int grey = std::clamp((RedOf(color) + GreenOf(color) + BlueOf(color)) / 3 + amount, 0, 240);
    return Rgb(grey, grey, grey);
}

WorkingColors ComputeWorkingColors(const ColorProperties& props, const SystemColors& sys, bool highColor,
                                   bool useSystemColors) {
    WorkingColors w;
    if (useSystemColors) {
        w.selectBorder = w.checkedBorder = sys.highlight;
        w.menuBar = sys.btnFace;
        if (highColor) {
            w.menuBack = NewColor(sys.btnFace, 86);
            w.iconBack = NewColor(sys.btnFace, 16);
            w.selectFill = NewColor(sys.highlight, 68);
            w.disabled = NewColor(sys.btnShadow, 10);
            w.separator = NewColor(sys.btnShadow, 25);
            w.tintLight = NewColor(sys.highlight, 75);
            w.tintDark = NewColor(sys.highlight, 50);
        } else {
            w.menuBack = kWhite;
            w.iconBack = sys.btnFace;
            w.selectFill = kWhite;
            w.disabled = w.separator = sys.btnShadow;
            w.tintLight = w.tintDark = kWhite;
        }
    } else {
        w.menuBack = props.color;
        w.iconBack = props.iconBack;
        w.menuBar = props.menuBar;
        w.selectFill = props.select;
        w.selectBorder = props.selectBorder;
        w.checkedBorder = props.checked;
        w.disabled = props.disabled;
        w.separator = props.separator;
        if (highColor) {
            w.tintLight = NewColor(props.select, 75);
            w.tintDark = NewColor(props.select, 50);
        } else {
            w.tintLight = kWhite;
            w.tintDark = kSilver;
        }
    }
    if (highColor) {
        w.faceShadeLight = ShadeColor(sys.btnFace, 76);
        w.faceShadeDark = ShadeColor(sys.btnFace, 90);
    } else {
        w.faceShadeLight = w.faceShadeDark = sys.btnShadow;
    }
    return w;
}

int GradientLevel(int column, int iconWidth) {
    const int inIcon = iconWidth + 5;
    const int level = column < inIcon ? 3 * column : 3 * inIcon + (column - inIcon);
    return std::clamp(level, 0, 96);
}

void MeasureItem(const ItemMeasure& m, int& width, int& height) {
    if (m.separator) {
        height = 4;
        return;
    }
    int imageWidth = m.imageWidth;
    if (!m.inMenuBar) imageWidth = std::max(imageWidth, m.iconWidth);
    width = std::max(width, m.textWidth - m.ampersandWidth + imageWidth + 10);
    const int needed = std::max(m.textHeight + RoundHalfEven(m.textHeight * 0.75), m.imageHeight + 4);
    height = std::max(height, needed);
}

}  // namespace xpmenu
