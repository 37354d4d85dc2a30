// The arithmetic of the taskbar clock: where its panel sits inside the system
// clock's window, how wide a text clock is, and how the taskbar's windows are
// laid out anew when the clock makes the notification area wider (a taskbar
// along the bottom or top edge with the notification area at the right).
#pragma once

namespace face {

struct TrayRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const TrayRect&) const = default;
};

// A window's place as MoveWindow takes it (in its parent's coordinates).
struct TrayMove {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const TrayMove&) const = default;
};

// The frame around the panel: the system's fixed-frame width and height, or
// nothing without borders.
struct TrayFrame {
    int cx = 0;
    int cy = 0;
};
TrayFrame PanelFrame(bool noBorders, int fixedFrameCx, int fixedFrameCy);

// The panel inside the clock window: at (cx, cy), the clock's height less the
// frame above and below, the taskbar clock's width less cx (never below 0).
TrayMove PanelPlacement(const TrayFrame& frame, int clockHeight, int trayClockWidth);

// Width of a text clock: the text and a margin on each side, and the two
// frame widths unless there are no borders.
int TextClockWidth(int textWidth, int borderText, bool noBorders, int fixedFrameCx);

// The text label of a clock whose text is not centred: inside the margins,
// the panel's full height.
TrayMove TextLabelPlacement(int panelWidth, int panelHeight, int borderText);

// Left of the skin's clock bitmap drawn unscaled onto the panel.
int ClockBitmapLeft(int panelWidth, int bitmapWidth);

// A background picture drawn at `scale` times its size, centred across the
// panel's picture, at the top.
TrayMove ScaledBackgroundPlacement(int canvasWidth, int pictureWidth, int pictureHeight, double scale);

// Screen rectangles of the taskbar's windows (and the notification area's
// client height) before the clock is widened.
struct TaskbarWindows {
    TrayRect taskbar;
    TrayRect notifyArea;
    int notifyClientHeight = 0;
    TrayRect iconToolbar;
    TrayRect clock;
    TrayRect taskBand;
};
struct TaskbarLayout {
    TrayMove notifyArea;
    TrayMove clock;
    TrayMove taskBand;
};
// The notification area grows to the left so that the icons, the clock of
// trayClockWidth and one fixed-frame width fit at the screen's right edge; the
// clock follows the icons and the task band ends where the notification area
// begins.
TaskbarLayout WidenedTaskbarLayout(const TaskbarWindows& w, int screenWidth, int trayClockWidth,
                                   int fixedFrameCx);

}  // namespace face
