// The per-second worker over the planner's task list and the hourly signal's
// gate, tick by tick on a simulated clock: each task runs once for each time it
// is due, in the order of the due times, and each hour is struck once.
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "base/date_format.h"
#include "base/date_time.h"
#include "planner/next_run.h"
#include "planner/task_list.h"
#include "planner_test_support.h"
#include "timetext/speech/tick_work.h"
#include "timetext/zone_rule.h"

using namespace planner;
using planner_test::Fs;

namespace {

// Real time in milliseconds since 1 January 2024, 00:00 UTC.
using Ms = long long;
constexpr Ms kSec = 1000, kMin = 60 * kSec, kHour = 60 * kMin, kDayMs = 24 * kHour;

const base::TDateTime kEpoch = base::EncodeDate(2024, 1, 1);

Ms At(int month, int day, int h, int mi, int s, int ms = 0) {
    const auto days = static_cast<Ms>(base::EncodeDate(2024, month, day) - kEpoch);
    return days * kDayMs + h * kHour + mi * kMin + s * kSec + ms;
}

// A reading of the clock as the system gives it: whole milliseconds.
base::TDateTime DateTimeOf(Ms ms) {
    const Ms rest = ms % kDayMs;
    return kEpoch + static_cast<double>(ms / kDayMs) +
           base::EncodeTime(static_cast<int>(rest / kHour), static_cast<int>(rest / kMin % 60),
                            static_cast<int>(rest / kSec % 60), static_cast<int>(rest % 1000));
}

// The wall clock of a zone: its offset from real time at a real moment, and the
// rule that reads its local times back as real ones.
struct Zone {
    std::function<Ms(Ms utc)> offset;
    timetext::TimeZoneRule rule;
};

const Zone kUtc{[](Ms) { return Ms{0}; }, {}};
// Europe/Berlin in 2024: summer time from 31 March 01:00 UTC to 27 October 01:00 UTC.
const Zone kBerlin{
    [](Ms utc) { return utc >= At(3, 31, 1, 0, 0) && utc < At(10, 27, 1, 0, 0) ? 2 * kHour : kHour; },
    {-60, -60, {0, 10, 0, 5, 3, 0}, {0, 3, 0, 5, 2, 0}}};

struct Task {
    std::wstring day, time, description;
};

// A task long past: its one date is gone, it stays in the list.
const Task kLongPast{L"01.02.2024", L"9:00:00", L"past"};

struct Row {
    const char* name;
    Zone zone;
    std::vector<Task> tasks;
    Ms start;               // the program reads its tasks
    std::vector<Ms> ticks;  // the worker's runs, in real time
    bool hourly;            // the hourly signal is on (and the row checks its strikes)
    // The runs as "hh:nn:ss.zzz task" in local time, sorted; or the beginnings
    // of the strikes, "dd hh:nn:ss".
    std::vector<std::wstring> expected;
};

std::vector<Ms> Every(Ms from, Ms to, Ms step) {
    std::vector<Ms> ticks;
    for (Ms t = from; t <= to; t += step) ticks.push_back(t);
    return ticks;
}

std::vector<Ms> Join(std::vector<Ms> a, const std::vector<Ms>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// "hh:nn:ss.zzz task" for each run of a task due every `step` from `first`, `count` times.
std::vector<std::wstring> Runs(const std::wstring& task, Ms first, Ms step, int count) {
    std::vector<std::wstring> runs;
    for (int i = 0; i < count; ++i)
        runs.push_back(base::FormatDateTime(L"hh:nn:ss.zzz ", DateTimeOf(first + i * step), Fs()) + task);
    return runs;
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> a, const std::vector<std::wstring>& b = {}) {
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end());
    return a;
}

// The worker's ports over a real task list and a gate; everything else is off.
class Simulation final : public worker::TickPorts {
  public:
    explicit Simulation(const Row& row) : zone_(row.zone), hourly_(row.hourly) {
        for (const Task& t : row.tasks) planner_test::AddTask(grid_, t.day, t.time, t.description);
        list_.OnTaskError = [](int, std::exception_ptr e) { std::rethrow_exception(e); };
        list_.RefreshTaskList(Local(row.start), kPhaseStart);
        for (Ms t : row.ticks) {
            utc_ = t;
            worker::RunTick(Local(t), *this, gate_);
        }
    }

    std::vector<std::wstring> runs;     // "hh:nn:ss.zzz task", local time
    std::vector<std::wstring> strikes;  // "dd hh:nn:ss", local time
    std::vector<std::wstring> outOfOrder;

    void UpdateHints() override {}
    bool SoundsOn() override { return true; }
    bool IntervalSignalOn() override { return false; }
    double NextSignalTime() override { return 0; }
    void AdvanceNextSignalTime() override {}
    bool IntervalSoundOn() override { return false; }
    bool SpeakIntervalOn() override { return false; }
    void PlayIntervalSound() override {}
    void SpeakInterval() override {}
    bool HourSoundOn() override { return hourly_; }
    bool SpeakHourOn() override { return false; }
    void PlayHourSound() override {
        strikes.push_back(base::FormatDateTime(L"dd hh:nn:ss", Local(utc_), Fs()));
    }
    void SpeakHour() override {}
    double EarliestTaskTime() override { return earliest_; }
    void ClearEarliestTaskTime() override { earliest_ = 0; }
    void RunDueTasks(double since, double now) override {
        double lastDue = 0;
        const double utc = DateTimeOf(utc_);
        list_.RunMarkedTasks(
            since, now, kPhaseRunning,
            [&](int r) {
                const double due = list_.NextRun(r);
                const std::wstring task = grid_.Cell(kColDescription, r);
                if (due < lastDue) outOfOrder.push_back(task);
                lastDue = due;
                runs.push_back(base::FormatDateTime(L"hh:nn:ss.zzz ", now, Fs()) + task);
            },
            [&](double local) { return utc - timetext::LocalToUtc(zone_.rule, local); });
    }
    bool SynchronizeOnStart() override { return false; }
    double NextSynchronization() override { return 0; }
    void StartSynchronization() override {}
    void ReportFailure(std::exception_ptr e) override { std::rethrow_exception(e); }

  private:
    base::TDateTime Local(Ms utc) const { return DateTimeOf(utc + zone_.offset(utc)); }

    Zone zone_;
    bool hourly_;
    Ms utc_ = 0;
    TaskTable grid_;
    std::vector<base::TDateTime> nextRunTimes_;
    base::TDateTime earliest_ = 0;
    TaskList list_{grid_, nextRunTimes_, earliest_, Fs()};
    signals::HourGate gate_;
};

std::vector<std::wstring> HourlyStrikes(int firstDay, int firstHour, int count) {
    std::vector<std::wstring> strikes;
    for (int i = 0; i < count; ++i) {
        const int h = firstHour + i;
        wchar_t text[16];
        swprintf(text, 16, L"%02d %02d:", firstDay + h / 24, h % 24);
        strikes.push_back(text);
    }
    return strikes;
}

std::vector<Row> Rows() {
    std::vector<Row> rows;
    // The 1000 ms timer lands on the due time itself; an old task in the list
    // makes the worker plan the whole list again after the run.
    rows.push_back({"tick on the due time",
                    kUtc,
                    {{L"*Ежедневно", L"10:00:00", L"A"}, kLongPast},
                    At(3, 13, 9, 59, 58),
                    Every(At(3, 13, 9, 59, 59), At(3, 13, 10, 0, 5), kSec),
                    false,
                    {L"10:00:00.000 A"}});
    rows.push_back({"two rows due together",
                    kUtc,
                    {{L"*Ежедневно", L"10:00:00", L"A"}, {L"*Ежедневно", L"10:00:00", L"B"}},
                    At(3, 13, 9, 59, 58),
                    Every(At(3, 13, 9, 59, 59), At(3, 13, 10, 0, 5), kSec),
                    false,
                    {L"10:00:00.000 A", L"10:00:00.000 B"}});
    // Interval tasks of 7 and 10 seconds beside a task long past, a tick a
    // second: each runs once a period, also when both are due at once.
    const Ms t0 = At(3, 13, 10, 0, 0, 250);
    rows.push_back(
        {"past row present",
         kUtc,
         {{L"*Ежедневно", L"Через 0:00:07", L"A"}, {L"*Ежедневно", L"Через 0:00:10", L"B"}, kLongPast},
         t0,
         Every(t0 + kSec, t0 + 75 * kSec, kSec),
         false,
         Sorted(Runs(L"A", t0 + 7 * kSec, 7 * kSec, 10), Runs(L"B", t0 + 10 * kSec, 10 * kSec, 7))});
    // The ticks of 10:00:00 to 10:00:02 do not come (a busy message loop).
    rows.push_back({"late tick over three tasks",
                    kUtc,
                    {{L"*Ежедневно", L"10:00:00", L"A"},
                     {L"*Ежедневно", L"10:00:01", L"B"},
                     {L"*Ежедневно", L"10:00:02", L"C"},
                     {L"*Ежедневно", L"10:00:03", L"D"}},
                    At(3, 13, 9, 59, 58),
                    {At(3, 13, 9, 59, 59), At(3, 13, 10, 0, 3, 400), At(3, 13, 10, 0, 4, 400)},
                    false,
                    {L"10:00:03.400 A", L"10:00:03.400 B", L"10:00:03.400 C", L"10:00:03.400 D"}});
    // 31 March 2024 in Berlin: 01:59:59 is followed by 03:00:00. The tasks of
    // the missing hour, and the one at 03:00, run once at the first tick after the jump.
    rows.push_back({"Berlin spring forward",
                    kBerlin,
                    {{L"*Ежедневно", L"2:00:00", L"A"},
                     {L"*Ежедневно", L"2:30:00", L"B"},
                     {L"31.03.2024", L"2:30:00", L"C"},
                     {L"*Ежедневно", L"3:00:00", L"D"},
                     kLongPast},
                    At(3, 31, 0, 50, 0),                                     // 01:50 CET
                    Every(At(3, 31, 0, 59, 50), At(3, 31, 1, 0, 10), kSec),  // 01:59:50 CET to 03:00:10 CEST
                    false,
                    {L"03:00:00.000 A", L"03:00:00.000 B", L"03:00:00.000 C", L"03:00:00.000 D"}});
    // 27 October 2024 in Berlin: 02:59:59 CEST is followed by 02:00:00 CET.
    // Through both passes of the hour, each task runs once.
    rows.push_back({"Berlin fall back",
                    kBerlin,
                    {{L"*Ежедневно", L"2:30:00", L"A"}, {L"27.10.2024", L"2:35:00", L"O"}, kLongPast},
                    At(10, 27, 0, 20, 0),                                     // 02:20 CEST
                    Every(At(10, 27, 0, 20, 1), At(10, 27, 1, 40, 0), kSec),  // to 02:40 CET
                    false,
                    {L"02:30:00.000 A", L"02:35:00.000 O"}});
    // Read during the second pass of the hour: its times are still to come.
    rows.push_back({"Berlin fall back, started in the repeated hour",
                    kBerlin,
                    {{L"*Ежедневно", L"2:30:00", L"A"}, {L"27.10.2024", L"2:35:00", L"O"}, kLongPast},
                    At(10, 27, 1, 10, 0),                                     // 02:10 CET
                    Every(At(10, 27, 1, 10, 1), At(10, 27, 1, 40, 0), kSec),  // to 02:40 CET
                    false,
                    {L"02:30:00.000 A", L"02:35:00.000 O"}});
    // The hourly signal: each hour struck once, in its own hour, over three
    // days of a 61 s and a 70 s clock timer (the first tick strikes nothing).
    rows.push_back({"61 s timer",
                    kUtc,
                    {},
                    0,
                    Every(At(3, 11, 0, 0, 30), At(3, 14, 0, 0, 0) - 1, 61 * kSec),
                    true,
                    HourlyStrikes(11, 1, 71)});
    rows.push_back({"70 s timer",
                    kUtc,
                    {},
                    0,
                    Every(At(3, 11, 0, 0, 30), At(3, 14, 0, 0, 0) - 1, 70 * kSec),
                    true,
                    HourlyStrikes(11, 1, 71)});
    // The timer stalls from 09:59:30 to 10:01:05.
    rows.push_back({"stall over the hour",
                    kUtc,
                    {},
                    0,
                    Join(Every(At(3, 13, 9, 59, 0), At(3, 13, 9, 59, 30), kSec),
                         Every(At(3, 13, 10, 1, 5), At(3, 13, 10, 2, 0), kSec)),
                    true,
                    {L"13 10:01:05"}});
    return rows;
}

TEST(TickSimulation, EachTaskAndEachHourOnceForEachTimeItIsDue) {
    for (const Row& row : Rows()) {
        SCOPED_TRACE(row.name);
        Simulation sim(row);
        EXPECT_TRUE(sim.outOfOrder.empty())
            << "ran after a later task: " << testing::PrintToString(sim.outOfOrder);
        if (!row.hourly) {
            EXPECT_EQ(Sorted(sim.runs), row.expected);
            continue;
        }
        bool same = sim.strikes.size() == row.expected.size();
        for (std::size_t i = 0; same && i < sim.strikes.size(); ++i)
            same = sim.strikes[i].rfind(row.expected[i], 0) == 0;
        EXPECT_TRUE(same) << testing::PrintToString(sim.strikes);
    }
}

}  // namespace
