#include "timetext/speech/tick_work.h"

namespace worker {

namespace {

// Runs one action; keeps the first failure of the run.
template <typename F>
bool Guard(std::exception_ptr& failure, F&& action) {
    try {
        action();
        return true;
    } catch (...) {
        if (!failure) failure = std::current_exception();
        return false;
    }
}

}  // namespace

std::wstring TrayHintText(const std::wstring& text) {
    return text.size() > 63 ? text.substr(0, 63) : text;
}

void RunTick(double now, TickPorts& ports, signals::HourGate& hourGate) {
    std::exception_ptr failure;

    Guard(failure, [&] { ports.UpdateHints(); });

    // Interval signal: the next time is computed before anything is played. When
    // it could not be moved on, nothing is played (no signal on every tick).
    Guard(failure, [&] {
        if (!ports.IntervalSignalOn() || now < ports.NextSignalTime()) return;
        if (!Guard(failure, [&] { ports.AdvanceNextSignalTime(); })) return;
        if (ports.NextSignalTime() <= now) return;
        if (ports.IntervalSoundOn() && ports.SoundsOn()) Guard(failure, [&] { ports.PlayIntervalSound(); });
        if (ports.SpeakIntervalOn() && ports.SoundsOn()) Guard(failure, [&] { ports.SpeakInterval(); });
    });

    // Hourly signal: the hour is recorded before the signal is given. While the
    // signal is off the gate forgets its hour, so switching it on in the middle
    // of an hour strikes nothing until the next one.
    Guard(failure, [&] {
        if (!ports.HourSoundOn() && !ports.SpeakHourOn()) {
            hourGate.Reset();
            return;
        }
        if (!hourGate.Check(now)) return;
        if (ports.HourSoundOn() && ports.SoundsOn()) Guard(failure, [&] { ports.PlayHourSound(); });
        if (ports.SpeakHourOn() && ports.SoundsOn()) Guard(failure, [&] { ports.SpeakHour(); });
    });

    // Planner: the earliest time is cleared before any task runs.
    Guard(failure, [&] {
        const double earliest = ports.EarliestTaskTime();
        if (earliest <= 0 || now < earliest) return;
        ports.ClearEarliestTaskTime();
        ports.RunDueTasks(earliest, now);
    });

    // Synchronisation: it sets the next planned time itself before it connects.
    Guard(failure, [&] {
        if (!ports.SynchronizeOnStart()) return;
        const double next = ports.NextSynchronization();
        if (next > 0 && now >= next) ports.StartSynchronization();
    });

    if (failure) ports.ReportFailure(failure);
}

}  // namespace worker
