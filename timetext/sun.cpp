#include "timetext/sun.h"

#include <cmath>

namespace timetext {
namespace {

constexpr double kDR = 0.017453292519943295;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kK1 = 15 * kDR * 1.0027379;

double FracPart(double x) {
    return x - std::floor(x);
}

struct SunPlace {
    double ra, dec;
};

SunPlace SunPosition(double d, double ct) {
    const double L = FracPart(0.779072 + 0.00273790931 * d) * kTwoPi;
    const double G = FracPart(0.993126 + 0.0027377785 * d) * kTwoPi;
    const double V = 0.39785 * std::sin(L) - 0.01 * std::sin(L - G) + 0.00333 * std::sin(L + G) -
                     0.00021 * ct * std::sin(L);
    const double U = 1 - 0.03349 * std::cos(G) - 0.00014 * std::cos(2 * L) + 0.00008 * std::cos(L);
    const double W = -0.0001 - 0.04129 * std::sin(2 * L) + 0.03211 * std::sin(G) +
                     0.00104 * std::sin(2 * L - G) - 0.00035 * std::sin(2 * L + G) -
                     0.00008 * ct * std::sin(G);
    double s = W / std::sqrt(U - V * V);
    const double ra = L + std::atan(s / std::sqrt(1 - s * s));
    s = V / std::sqrt(U);
    const double dec = std::atan(s / std::sqrt(1 - s * s));
    return {ra, dec};
}

// Days from 2000-01-01 12:00 UT to 0 h UT of the date (Julian calendar before 1583).
double DaysFromEpoch(int Y, int M, int D) {
    const int g = Y >= 1583 ? 1 : 0;
    double J = -std::floor(7.0 * (Y + std::floor((M + 9) / 12.0)) / 4.0);
    long long J3 = 0;
    if (g == 1) {
        const int sg = (M > 9) - (M < 9);
        const int A = std::abs(M - 9);
        J3 = static_cast<long long>(std::floor(Y + sg * std::floor(A / 7.0)));
        J3 = static_cast<long long>(-std::floor((J3 / 100 + 1) * 3 / 4.0));
    }
    J += std::floor(275.0 * M / 9.0) + D + g * static_cast<double>(J3);
    J += 1721027 + 2 * g + 367.0 * Y;
    return J - 1 + 0.5 - 2451545;
}

}  // namespace

double ComputeSunRiseSet(int mode, base::TDateTime date, double zoneHours, double latitude,
                         double longitude) {
    const double lon = longitude / 360;
    const double tz = zoneHours / 24;
    int Y, M, D;
    base::DecodeDate(date, Y, M, D);
    double d = DaysFromEpoch(Y, M, D);
    const double ct = d / 36525 + 1;

    double s = (24110.5 + 8640184.813 * d / 36525 + 86636.6 * tz + 86400 * lon) / 86400;
    s -= std::floor(s);
    const double t0 = s * 360 * kDR;

    d += tz;
    const SunPlace p0 = SunPosition(d, ct);
    SunPlace p1 = SunPosition(d + 1, ct);
    if (p1.ra < p0.ra) p1.ra += kTwoPi;

    const double sinLat = std::sin(latitude * kDR), cosLat = std::cos(latitude * kDR);
    const double z0 = std::cos(90.833 * kDR);
    auto altitude = [&](double dec, double ha) {
        return sinLat * std::sin(dec) + cosLat * std::cos(dec) * std::cos(ha) - z0;
    };
    double ra0 = p0.ra, dec0 = p0.dec;
    const double dRA = p1.ra - p0.ra, dDec = p1.dec - p0.dec;
    bool rise = false, set = false;
    double result = 0;
    double V0 = 0;
    bool upAtStart = false;  // the sun above the horizon as the day begins
    for (int k = 0; k < 24; ++k) {
        const double f = (k + 1) / 24.0;
        const double ra2 = p0.ra + f * dRA, dec2 = p0.dec + f * dDec;
        const double ha0 = t0 + k * kK1 - ra0;
        const double ha2 = t0 + k * kK1 + kK1 - ra2;
        const double ha1 = (ha0 + ha2) / 2, dec1 = (dec0 + dec2) / 2;
        if (k == 0) {
            V0 = altitude(dec0, ha0);
            upAtStart = V0 > 0;
        }
        const double V2 = altitude(dec2, ha2);
        const bool same = (V0 > 0 && V2 > 0) || (V0 < 0 && V2 < 0) || (V0 == 0 && V2 == 0);
        if (!same) {
            const double V1 = altitude(dec1, ha1);
            const double a = 2 * V0 - 4 * V1 + 2 * V2;
            const double b = -3 * V0 + 4 * V1 - V2;
            double disc = b * b - 4 * a * V0;
            if (disc >= 0) {
                disc = std::sqrt(disc);
                double e = (-b + disc) / (2 * a);
                if (e > 1 || e < 0) e = (-b - disc) / (2 * a);
                const double time = k + e + 1.0 / 120;
                if (V0 < 0 && V2 > 0) {
                    rise = true;
                    if (mode == kSunrise) result = time / 24;
                } else if (V0 > 0 && V2 < 0) {
                    set = true;
                    if (mode == kSunset) result = time / 24;
                }
            }
        }
        ra0 = ra2;
        dec0 = dec2;
        V0 = V2;
    }
    if (rise && set) return result;
    if (rise || set) return kSunNotToday;
    // No crossing: the sun stays all day where it was as the day began.
    const bool asked = mode == kSunrise ? upAtStart : !upAtStart;
    return asked ? kSunAllDay : kSunNotToday;
}

}  // namespace timetext
