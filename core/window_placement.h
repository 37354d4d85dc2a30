// Bringing a stored window position back onto the screen.
#pragma once

namespace core {

struct WindowPoint {
    int left = 0;
    int top = 0;
    bool operator==(const WindowPoint&) const = default;
};

// A window whose left edge lies at or beyond the screen's width ends at the
// right edge, one whose top lies at or beyond its height ends at the bottom;
// one lying wholly left of or above the screen moves to 0. A window that is
// partly visible keeps its place.
WindowPoint PullBackOnScreen(WindowPoint pos, int width, int height, int screenWidth, int screenHeight);

}  // namespace core
