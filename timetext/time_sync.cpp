#include "timetext/time_sync.h"

#include "base/text_compare.h"

namespace timetext {

int AmendmentSeconds(base::TDateTime amendment) {
    const base::TimeParts t = base::DecodeTime(amendment);
    return t.hour * 3600 + t.minute * 60 + t.second;
}

long long CorrectionSeconds(const SyncCorrections& c) {
    long long s = c.amendmentMinus ? -c.amendmentSeconds : c.amendmentSeconds;
    if (c.daylightAmendment && c.daylightInForce) s += 3600;
    if (c.zoneAmendment) s -= static_cast<long long>(c.biasMinutes) * 60;
    s -= (c.elapsedMs > 0 ? c.elapsedMs : 0) / 2000;
    return s;
}

base::TDateTime NextSynchronizationAtStart(base::TDateTime now, bool resyncOnError, base::TDateTime retryTime,
                                           bool withInterval, base::TDateTime interval) {
    if (resyncOnError) {
        const base::TDateTime retry = base::TimeOf(retryTime);
        return retry > 0 ? now + retry : 0;
    }
    return NextSynchronizationAfterSuccess(now, withInterval, interval);
}

base::TDateTime NextSynchronizationAfterSuccess(base::TDateTime now, bool withInterval,
                                                base::TDateTime interval) {
    return withInterval && interval > 0 ? now + interval : 0;
}

base::TDateTime IntervalWithDays(base::TDateTime interval, int days) {
    return days + base::TimeOf(interval);
}

int NextHostIndex(const std::vector<std::wstring>& hosts, const std::wstring& current) {
    const int count = static_cast<int>(hosts.size());
    int index = -1;
    for (int i = 0; i < count && index < 0; ++i)
        if (base::SameTextAnsi(hosts[i], current)) index = i;
    if (index < count - 1) return index + 1;
    return count > 0 ? 0 : -1;
}

}  // namespace timetext
