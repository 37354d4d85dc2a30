// Program-wide values of the main unit, set by InitUnitGlobals before the
// windows are created, and the global pointers to the long-lived windows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "base/date_time.h"
#include "core/worker_gate.h"
#include "timetext/speech/signal_timing.h"
#include "timetext/work_time.h"

class TfrmHoralto;
class TfrmOptions;
class TfrmCalendar;
class TfrmAbout;
class TfrmSunRD;

// The data files beside the program.
extern std::filesystem::path IniFileName;        // Horalto.ini
extern std::filesystem::path WorkLogFileName;    // WindowsWorkLog.txt
extern std::filesystem::path FileListsFileName;  // FileLists.txt
extern std::filesystem::path TasksListFileName;  // TasksList.tsk

// Next run of task row r is entry r-1 (0: no next run).
extern std::vector<base::TDateTime> NextRunTimes;
extern base::TDateTime NextSignalTime;       // next interval signal
extern base::TDateTime EarliestTaskTime;     // earliest planned task run, 0 when none
extern base::TDateTime NextSynchronization;  // next planned synchronisation, 0 when none
// WindowsStartTime, WorkPeriodStart and TotalWorkTime of the work-time log.
extern timetext::WorkTime WorkTime;

// The gates of the per-second worker: one for each of the two clock timers.
extern core::WorkerGate LastWorkTick;
extern core::WorkerGate LastTrayWorkTick;
// The hour for which the hourly signal was last given.
extern signals::HourGate LastSignalHour;
extern HHOOK MouseHook;

extern TfrmHoralto* frmHoralto;
extern TfrmOptions* frmOptions;
// Created when first needed; null until then.
extern TfrmCalendar* frmCalendar;
extern TfrmAbout* frmAbout;
extern TfrmSunRD* frmSunRD;

// The program folder with its trailing backslash, the four paths, the Windows
// start time and the first planned synchronisation (now).
void InitUnitGlobals();

// The local date and time now, the date and time now in UTC, and the system's
// 32-bit millisecond tick count.
base::TDateTime Now();
base::TDateTime NowUtc();
std::uint32_t TickCount();
// The folder of the program's own file, with its trailing backslash.
std::filesystem::path ProgramFolder();
