#include "timetext/work_time.h"

#include <cmath>

namespace timetext {

double WorkTime::Start(const StoredWorkTime& stored, base::TDateTime now, double uptime) {
    TotalWorkTime = stored.totalWindowsWorkTime;
    WorkPeriodStart = stored.correctWorkT;
    double previous = stored.winUpTime - WorkPeriodStart;
    if (std::fabs(stored.startWork - (now - uptime)) < kSameRunTolerance) {
        TotalWorkTime -= previous;
    } else {
        previous = 0;
        WorkPeriodStart = 0;
    }
    WindowsStartTime = now - uptime;
    return previous;
}

StoredWorkTime WorkTime::AtExit(double uptime) const {
    return {WindowsStartTime, TW(uptime), uptime, WorkPeriodStart};
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
