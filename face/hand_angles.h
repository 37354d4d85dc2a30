// Where the hands point: degrees clockwise from 12 o'clock, from the time fields.
#pragma once

namespace face {

struct HandAngles {
    double hour = 0;    // H * 30
    double minute = 0;  // M * 6
    double second = 0;  // S * 6
};

// H, M and S are the hours, minutes and seconds of the time of day with their
// fractions, built from whole fields so that no rounding of a floating-point
// time can put a hand a second or a minute back. With wholeSeconds the second
// hand jumps from second to second; with invert every hand (and H, M, S) is
// negated; an S of exactly 15 or 45 becomes S + 0.01.
HandAngles ComputeHandAngles(int hour, int minute, int second, int msec, bool wholeSeconds, bool invert);

}  // namespace face
