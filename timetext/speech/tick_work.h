// The order and the gates of the per-second worker, apart from the windows it
// reads and drives. Each step moves its due value on before the action that may
// process messages (a nested run then finds nothing due twice), and each action
// is guarded: one that raises doesn't stop the later steps or the next run.
#pragma once

#include <exception>
#include <string>

#include "timetext/speech/signal_timing.h"

namespace worker {

// What one run reads and does; the main window implements it.
class TickPorts {
  public:
    virtual ~TickPorts() = default;
    // Hint texts, balloon tooltips and the tray hint.
    virtual void UpdateHints() = 0;
    // False while all sounds are off.
    virtual bool SoundsOn() = 0;

    // Interval signal.
    virtual bool IntervalSignalOn() = 0;
    virtual double NextSignalTime() = 0;
    virtual void AdvanceNextSignalTime() = 0;
    virtual bool IntervalSoundOn() = 0;
    virtual bool SpeakIntervalOn() = 0;
    virtual void PlayIntervalSound() = 0;
    virtual void SpeakInterval() = 0;

    // Hourly signal.
    virtual bool HourSoundOn() = 0;
    virtual bool SpeakHourOn() = 0;
    virtual void PlayHourSound() = 0;
    virtual void SpeakHour() = 0;

    // Planner: the earliest next run (0: none) and the run of the rows due
    // from that earliest run (`since`) to `now`.
    virtual double EarliestTaskTime() = 0;
    virtual void ClearEarliestTaskTime() = 0;
    virtual void RunDueTasks(double since, double now) = 0;

    // Planned synchronisation.
    virtual bool SynchronizeOnStart() = 0;
    virtual double NextSynchronization() = 0;
    virtual void StartSynchronization() = 0;

    // After the last step, when a step raised: the first failure of the run.
    virtual void ReportFailure(std::exception_ptr failure) = 0;
};

// The tray icon drops hints of 64 characters or more: longer texts are cut to 63.
std::wstring TrayHintText(const std::wstring& text);

// One run of the worker at `now` (read once by the caller).
void RunTick(double now, TickPorts& ports, signals::HourGate& hourGate);

}  // namespace worker
