// Timing rules of the interval and hourly signals: when the next interval
// signal falls, how many strokes the hourly signal has, and the gate that lets
// the hourly signal through once at minute 0 of each new hour.
#pragma once

namespace signals {

constexpr int kMinInterval = 1;       // seconds
constexpr int kMaxInterval = 43200;   // seconds (12 hours)
constexpr int kMaxStrokeCount = 100;  // the page's own count

// Whole seconds since midnight and the date (whole days) of a date-time, the
// time of day rounded to the millisecond first (23:59:59.9996 is the next day).
struct DayAndSecond {
    double day = 0;
    int second = 0;  // 0..86399
};
DayAndSecond SplitDayAndSecond(double now);

// Hour (0..23) and minute of a date-time, rounded to the millisecond.
struct HourMinute {
    int hour = 0;
    int minute = 0;
};
HourMinute HourMinuteOf(double now);

// The next interval signal after `now`. Without `fromStartOfDay` it is now plus
// the interval; with it, the next multiple of the interval counted from
// midnight that lies after the current second (possibly on the next day).
// An interval below 1 second counts as 1 second.
double NextSignalTime(double now, int intervalSeconds, bool fromStartOfDay);

// How the hourly signal counts its strokes.
enum class StrokeMode { One, ByHours, Own };

// One stroke; as many as the hour (0 counts as 24; above 12 lowered by 12 when
// `upTo12Hours`); or `ownCount` (0..100; 0 plays nothing).
int HourlyStrokeCount(StrokeMode mode, int hour, bool upTo12Hours, int ownCount);

// The hour for which the hourly signal was last given. The first check only
// records the hour of `now`; each later check in an hour after the recorded one
// lets the signal through once and records that hour: the tick of minute 0,
// or, when that minute had no tick (a long timer interval, a stalled timer),
// the first tick in the hour. A clock moved back records its hour and lets
// nothing through.
class HourGate {
  public:
    bool Check(double now);
    // Forgets the hour while the signal is off: the next check only records.
    void Reset() { set_ = false; }
    bool IsSet() const { return set_; }
    // The recorded hour of the day (0..23).
    int LastHour() const { return static_cast<int>(hour_ % 24); }

  private:
    bool set_ = false;
    long long hour_ = 0;  // hours since the date type's day 0
};

}  // namespace signals
