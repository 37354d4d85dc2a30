#include "face/taskbar_layout.h"

#include <algorithm>
#include <cstdlib>

namespace face {

TrayFrame PanelFrame(bool noBorders, int fixedFrameCx, int fixedFrameCy) {
    if (noBorders) return {0, 0};
    return {fixedFrameCx, fixedFrameCy};
}

TrayMove PanelPlacement(const TrayFrame& frame, int clockHeight, int trayClockWidth) {
    return {frame.cx, frame.cy, std::max(0, trayClockWidth - frame.cx),
            std::max(0, clockHeight - 2 * frame.cy)};
}

int TextClockWidth(int textWidth, int borderText, bool noBorders, int fixedFrameCx) {
    return textWidth + 2 * borderText + (noBorders ? 0 : 2 * fixedFrameCx);
}

TrayMove TextLabelPlacement(int panelWidth, int panelHeight, int borderText) {
    return {borderText, 0, std::max(0, panelWidth - 2 * borderText), panelHeight};
}

int ClockBitmapLeft(int panelWidth, int bitmapWidth) {
    return std::max(0, (panelWidth - bitmapWidth - 1) / 2);
}

TrayMove ScaledBackgroundPlacement(int canvasWidth, int pictureWidth, int pictureHeight, double scale) {
    const int width = static_cast<int>(pictureWidth * scale);
    const int height = static_cast<int>(pictureHeight * scale);
    return {std::max(0, static_cast<int>((canvasWidth - pictureWidth * scale) / 2)), 0, width, height};
}

TaskbarLayout WidenedTaskbarLayout(const TaskbarWindows& w, int screenWidth, int trayClockWidth,
                                   int fixedFrameCx) {
    TaskbarLayout layout;
    const int d = w.iconToolbar.left - w.notifyArea.left;
    const int left = screenWidth - d - w.iconToolbar.Width() - trayClockWidth - fixedFrameCx;
    layout.notifyArea = {left, 0, w.notifyArea.right - left, w.notifyArea.Height()};
    layout.clock = {d + w.iconToolbar.Width(),
                    (w.clock.top - w.notifyArea.top) - (w.notifyArea.Height() - w.notifyClientHeight) / 2,
                    trayClockWidth, w.clock.Height()};
    const int bandLeft = w.taskBand.left - std::abs(w.taskbar.left);
    layout.taskBand = {bandLeft, 0, left - bandLeft, w.taskBand.Height()};
    return layout;
}

}  // namespace face
