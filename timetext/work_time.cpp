#include "timetext/work_time.h"

#include <algorithm>
#include <cmath>

namespace timetext {

namespace {

// Whether Windows has not started again since the stored exit.
bool SameWindowsRun(const StoredWorkTime& stored, base::TDateTime now, base::TDateTime utcNow,
                    double uptime) {
    // Settings kept without the UTC start: the local start is all there is.
    if (stored.startWorkUtc == 0) return std::fabs(stored.startWork - (now - uptime)) < kSameRunTolerance;
    // The tick count runs on through a Windows run; a smaller one started again.
    if (uptime < stored.winUpTime - kSameRunTolerance) return false;
    // A Windows run that began after the exit started at least the uptime of
    // that exit after the stored start, so any smaller difference is the
    // clock set while the program was closed, not a new start.
    const double tolerance = std::max(kSameRunTolerance, stored.winUpTime);
    return std::fabs(stored.startWorkUtc - (utcNow - uptime)) < tolerance;
}

}  // namespace

double WorkTime::Start(const StoredWorkTime& stored, base::TDateTime now, base::TDateTime utcNow,
                       double uptime) {
    TotalWorkTime = stored.totalWindowsWorkTime;
    WorkPeriodStart = stored.correctWorkT;
    double previous = stored.winUpTime - WorkPeriodStart;
    if (SameWindowsRun(stored, now, utcNow, uptime)) {
        TotalWorkTime -= previous;
    } else {
        previous = 0;
        WorkPeriodStart = 0;
    }
    WindowsStartTime = now - uptime;
    return previous;
}

StoredWorkTime WorkTime::AtExit(double uptime, base::TDateTime utcNow) const {
    return {WindowsStartTime, TW(uptime), uptime, WorkPeriodStart, utcNow - uptime};
}

void WorkTime::Suspend(double uptime) {
    TotalWorkTime += W(uptime);
    WorkPeriodStart = uptime;
}

void WorkTime::Resume(double uptime) {
    WorkPeriodStart = uptime;
}

bool WorkTime::SetTotal(base::TDateTime entered, double uptime) {
    const double w = W(uptime);
    if (entered < w) return false;
    TotalWorkTime = entered - w;
    return true;
}

}  // namespace timetext
