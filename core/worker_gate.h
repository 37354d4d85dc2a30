// Which clock timer drives the per-second worker, and the 500 ms gate each of
// the two timers keeps. Tick counts are 32-bit milliseconds (they wrap).
#pragma once

#include <cstdint>

namespace core {

constexpr std::uint32_t kWorkerMinGapMs = 500;

struct TimerState {
    bool enabled = false;
    std::uint32_t interval = 1000;  // ms
};

// tmrTimer drives unless tmrTrayTimer is enabled with a shorter interval.
bool MainTimerDrivesWorker(TimerState mainTimer, TimerState trayTimer);
// tmrTrayTimer drives when tmrTimer is disabled or its interval is longer.
bool TrayTimerDrivesWorker(TimerState mainTimer, TimerState trayTimer);

// One timer's gate: the tick count of its last worker run.
struct WorkerGate {
    std::uint32_t lastTick = 0;
    bool set = false;

    // On a tick of the timer: true when this tick runs the worker. The first
    // tick ever only sets the gate. A timer that does not drive never runs it.
    bool Open(std::uint32_t tick, bool drives);
    // After the worker returned, with the tick count read then.
    void Done(std::uint32_t tickAfter);
};

}  // namespace core
