#include "face/display_rules.h"

#include <algorithm>
#include <cstdlib>

namespace face {

int LayeredAlpha(bool mouseTimerRunning, bool transparentOnMouseMove, int valueOnMouseMove, bool transparency,
                 int levelTransparency) {
    if (mouseTimerRunning && transparentOnMouseMove) return std::clamp(valueOnMouseMove, 0, 255);
    if (transparency && levelTransparency < 255) return std::clamp(levelTransparency, 0, 255);
    return 255;
}

bool TextWindowNeedsRebuild(bool reload, int labelWidth, int labelHeight, int textWidth, int textHeight) {
    return reload || std::abs(labelWidth - textWidth) > 2 || std::abs(labelHeight - textHeight) > 2;
}

}  // namespace face
