// Snapping the clock window to the primary screen's edges and to the inner
// edge of the taskbar while it is moved.
#pragma once

#include <optional>

#include "core/window_placement.h"

namespace core {

struct EdgeRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct SnapArea {
    int screenWidth = 0;
    int screenHeight = 0;
    // The taskbar window's rectangle, when there is one.
    std::optional<EdgeRect> taskbar;
    // How near (in pixels, inclusive) an edge pulls the window.
    int distance = 5;
};

// The window's position after snapping: each screen edge in turn (left, top,
// right, bottom), then the first taskbar case that applies (taskbar at the
// bottom, top, left, right). A snapped position snaps to itself.
WindowPoint SnapToEdges(WindowPoint pos, int width, int height, const SnapArea& area);

}  // namespace core
