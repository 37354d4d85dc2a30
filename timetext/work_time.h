// Windows work time: the current work period (since Windows started or since
// the last resume) and the running total over all periods. All values are
// date-times in days; uptime is the system tick count in days.
#pragma once

#include <cstdint>

#include "base/date_time.h"

namespace timetext {

// Tolerance of the "same Windows run" test: the start is stored in whole seconds.
constexpr double kSameRunTolerance = 2.0 / base::kSecsPerDay;

inline double UptimeDays(std::uint64_t tickMs) {
    return static_cast<double>(tickMs) / base::kMSecsPerDay;
}

// The settings the model keeps across program runs.
struct StoredWorkTime {
    base::TDateTime startWork = 0;             // Windows start time at the last exit
    base::TDateTime totalWindowsWorkTime = 0;  // TW at the last exit
    base::TDateTime winUpTime = 0;             // uptime at the last exit
    double correctWorkT = 0;                   // WorkPeriodStart at the last exit
    base::TDateTime startWorkUtc = 0;          // Windows start time in UTC at the last exit; 0 = not kept
};

struct WorkTime {
    base::TDateTime WindowsStartTime = 0;  // now - uptime
    double WorkPeriodStart = 0;            // uptime at which the current period began
    base::TDateTime TotalWorkTime = 0;     // earlier periods: TW = TotalWorkTime + W

    double W(double uptime) const { return uptime - WorkPeriodStart; }
    double TW(double uptime) const { return TotalWorkTime + W(uptime); }

    // Start-up with the stored values. When Windows has not restarted since the
    // last exit the stored period continues: the total loses what the last exit
    // added for it, and the result (the period's length at that exit) is > 0.
    // Otherwise a new period starts at Windows start and the result is 0.
    // The same Windows run is told by its start in UTC (UTC now minus uptime,
    // taken at the exit), which a change of the time zone or of daylight
    // saving time does not move, nor a clock correction made while the
    // program ran; settings without it compare the local start.
    double Start(const StoredWorkTime& stored, base::TDateTime now, base::TDateTime utcNow, double uptime);

    // The values to store at exit: the UTC start is taken now, so that a
    // correction of the clock made while the program ran is in it.
    StoredWorkTime AtExit(double uptime, base::TDateTime utcNow) const;

    // Suspend closes the current period into the total; resume opens a new one.
    void Suspend(double uptime);
    void Resume(double uptime);

    // The user sets the total (TW): accepted only when it is not below the
    // current period's work time W.
    bool SetTotal(base::TDateTime entered, double uptime);
};

}  // namespace timetext
