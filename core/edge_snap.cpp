#include "core/edge_snap.h"

#include <cstdlib>

namespace core {

namespace {

bool Near(int a, int b, int distance) {
    return std::abs(a - b) <= distance;
}

}  // namespace

WindowPoint SnapToEdges(WindowPoint pos, int width, int height, const SnapArea& area) {
    const int d = area.distance;
    const int w = area.screenWidth, h = area.screenHeight;
    if (Near(pos.left, 0, d)) pos.left = 0;
    if (Near(pos.top, 0, d)) pos.top = 0;
    if (Near(pos.left + width, w, d)) pos.left = w - width;
    if (Near(pos.top + height, h, d)) pos.top = h - height;
    if (!area.taskbar) return pos;
    const EdgeRect& t = *area.taskbar;
    if (t.bottom >= h && t.top > 0) {
        if (Near(pos.top + height, t.top, d)) pos.top = t.top - height;
    } else if (t.top <= 0 && t.bottom < h) {
        if (Near(pos.top, t.bottom, d)) pos.top = t.bottom;
    } else if (t.left <= 0) {
        if (Near(pos.left, t.right, d)) pos.left = t.right;
    } else if (t.right >= w) {
        if (Near(pos.left + width, t.left, d)) pos.left = t.left - width;
    }
    return pos;
}

}  // namespace core
