#include "timetext/speech/signal_timing.h"

#include <algorithm>
#include <cmath>

namespace signals {

namespace {
constexpr long long kMsPerDay = 86400000LL;
}

DayAndSecond SplitDayAndSecond(double now) {
    double day = std::trunc(now);
    long long ms = std::llround(std::fabs(now - day) * static_cast<double>(kMsPerDay));
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        day += now < 0 ? -1 : 1;
    }
    return {day, static_cast<int>(ms / 1000)};
}

HourMinute HourMinuteOf(double now) {
    const int second = SplitDayAndSecond(now).second;
    return {second / 3600, second / 60 % 60};
}

double NextSignalTime(double now, int intervalSeconds, bool fromStartOfDay) {
    const int v = std::max(intervalSeconds, kMinInterval);
    if (!fromStartOfDay) return now + v / 86400.0;
    const DayAndSecond split = SplitDayAndSecond(now);
    const long long q = split.second / v;
    return split.day + static_cast<double>(static_cast<long long>(v) * (q + 1)) / 86400.0;
}

int HourlyStrokeCount(StrokeMode mode, int hour, bool upTo12Hours, int ownCount) {
    switch (mode) {
        case StrokeMode::One:
            return 1;
        case StrokeMode::ByHours: {
            int h = hour == 0 ? 24 : hour;
            if (upTo12Hours && h > 12) h -= 12;
            return h;
        }
        case StrokeMode::Own:
            return std::clamp(ownCount, 0, kMaxStrokeCount);
    }
    return 0;
}

bool HourGate::Check(double now) {
    const DayAndSecond split = SplitDayAndSecond(now);
    const long long hour = static_cast<long long>(split.day) * 24 + split.second / 3600;
    const bool strike = set_ && hour > hour_;
    set_ = true;
    hour_ = hour;
    return strike;
}

}  // namespace signals
