#include "face/hand_angles.h"

namespace face {

HandAngles ComputeHandAngles(int hour, int minute, int second, int msec, bool wholeSeconds, bool invert) {
    const double exactSeconds = second + msec / 1000.0;
    double m = minute + exactSeconds / 60.0;
    double h = hour % 24 + m / 60.0;
    double s = wholeSeconds ? second : exactSeconds;
    if (invert) {
        h = -h;
        m = -m;
        s = -s;
    }
    if (s == 15.0 || s == 45.0) s += 0.01;
    return {h * 30.0, m * 6.0, s * 6.0};
}

}  // namespace face
