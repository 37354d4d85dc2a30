#include "core/window_placement.h"

namespace core {

WindowPoint PullBackOnScreen(WindowPoint pos, int width, int height, int screenWidth, int screenHeight) {
    if (pos.left >= screenWidth)
        pos.left = screenWidth - width;
    else if (pos.left + width <= 0)
        pos.left = 0;
    if (pos.top >= screenHeight)
        pos.top = screenHeight - height;
    else if (pos.top + height <= 0)
        pos.top = 0;
    return pos;
}

}  // namespace core
