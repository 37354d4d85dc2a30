// The rules of the time synchronisation that need no window: the corrections
// applied to a server's answer, the planning of the next synchronisation and
// the server list's choices.
#pragma once

#include <string>
#include <vector>

#include "base/date_time.h"

namespace timetext {

// What corrects the received time, in the order applied.
struct SyncCorrections {
    int amendmentSeconds = 0;        // the fixed amendment (AmendmentSeconds)
    bool amendmentMinus = false;     // subtract it instead of adding it
    bool daylightAmendment = false;  // add an hour while daylight time is in force...
    bool daylightInForce = false;    // ...which the system reports now
    bool zoneAmendment = false;      // subtract the zone's bias
    int biasMinutes = 0;             // the zone's bias (UTC = local + bias; negative east)
    long long elapsedMs = 0;         // how long the attempt has taken so far
};

// The amendment picker's time of day in whole seconds (its date is ignored).
int AmendmentSeconds(base::TDateTime amendment);

// The seconds to add to the received time: + or - the amendment, + 3600 for
// daylight time, - bias * 60 for the zone, - half the elapsed whole seconds
// (elapsedMs / 2000, truncated) for the round trip.
long long CorrectionSeconds(const SyncCorrections& c);

// NextSynchronization when an attempt starts (kept when it fails): now plus the
// retry time (time of day of retryTime) when retrying after errors, else now
// plus the interval when synchronising with an interval, else 0. A retry time
// or an interval that is not positive plans nothing (0).
base::TDateTime NextSynchronizationAtStart(base::TDateTime now, bool resyncOnError, base::TDateTime retryTime,
                                           bool withInterval, base::TDateTime interval);
// NextSynchronization after a success: now plus the interval, or 0.
base::TDateTime NextSynchronizationAfterSuccess(base::TDateTime now, bool withInterval,
                                                base::TDateTime interval);

// The interval picker's value with its date part replaced by whole days.
base::TDateTime IntervalWithDays(base::TDateTime interval, int days);

// After a failure with "next server" on: the index of the server to take, given
// the list and the host text in use: the one after it, or the first when it is
// the last one or not listed (-1 for an empty list).
int NextHostIndex(const std::vector<std::wstring>& hosts, const std::wstring& current);

}  // namespace timetext
