#include "core/worker_gate.h"

namespace core {

bool MainTimerDrivesWorker(TimerState mainTimer, TimerState trayTimer) {
    return !(trayTimer.enabled && trayTimer.interval < mainTimer.interval);
}

bool TrayTimerDrivesWorker(TimerState mainTimer, TimerState trayTimer) {
    return !mainTimer.enabled || mainTimer.interval > trayTimer.interval;
}

bool WorkerGate::Open(std::uint32_t tick, bool drives) {
    if (!set) {
        set = true;
        lastTick = tick;
        return false;
    }
    if (!drives) return false;
    return static_cast<std::uint32_t>(tick - lastTick) >= kWorkerMinGapMs;
}

void WorkerGate::Done(std::uint32_t tickAfter) {
    lastTick = tickAfter;
    set = true;
}

}  // namespace core
