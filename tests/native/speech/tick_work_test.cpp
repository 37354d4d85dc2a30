#include "timetext/speech/tick_work.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

#include "timetext/speech/signal_timing.h"

using Calls = std::vector<std::string>;

namespace {

constexpr double kDay = 45000;
double At(int h, int m, int s) {
    return kDay + (h * 3600 + m * 60 + s) / 86400.0;
}

// Settings and due values as fields; every action is journalled. An action can
// be made to raise, and can run a nested tick (as a message pump would).
class FakePorts : public worker::TickPorts {
  public:
    bool soundsOn = true;
    bool intervalOn = false, intervalSound = true, speakInterval = false;
    bool hourSound = false, speakHour = false;
    double nextSignal = 0;
    int intervalSeconds = 60;
    double earliestTask = 0;
    bool syncOnStart = false;
    double nextSync = 0;
    std::map<std::string, bool> raise;
    std::map<std::string, std::function<void()>> during;  // runs once inside that action
    Calls calls;
    std::vector<std::exception_ptr> reported;

    void Do(const std::string& name) {
        calls.push_back(name);
        if (auto it = during.find(name); it != during.end()) {
            auto nested = std::move(it->second);
            during.erase(it);
            nested();
        }
        if (raise[name]) throw std::runtime_error(name);
    }

    void UpdateHints() override { Do("hints"); }
    bool SoundsOn() override { return soundsOn; }
    bool IntervalSignalOn() override { return intervalOn; }
    double NextSignalTime() override { return nextSignal; }
    void AdvanceNextSignalTime() override {
        Do("advance");
        nextSignal = signals::NextSignalTime(now, intervalSeconds, false);
    }
    bool IntervalSoundOn() override { return intervalSound; }
    bool SpeakIntervalOn() override { return speakInterval; }
    void PlayIntervalSound() override { Do("interval sound"); }
    void SpeakInterval() override { Do("interval speech"); }
    bool HourSoundOn() override { return hourSound; }
    bool SpeakHourOn() override { return speakHour; }
    void PlayHourSound() override { Do("hour sound"); }
    void SpeakHour() override { Do("hour speech"); }
    double EarliestTaskTime() override { return earliestTask; }
    void ClearEarliestTaskTime() override { earliestTask = 0; }
    void RunDueTasks(double since, double) override {
        dueSince = since;
        Do("tasks");
    }
    double dueSince = 0;
    bool SynchronizeOnStart() override { return syncOnStart; }
    double NextSynchronization() override { return nextSync; }
    void StartSynchronization() override {
        nextSync = now + 1;
        Do("sync");
    }
    void ReportFailure(std::exception_ptr failure) override { reported.push_back(failure); }

    double now = 0;
};

class TickWorkTest : public ::testing::Test {
  protected:
    FakePorts ports;
    signals::HourGate gate;

    Calls Tick(double now) {
        ports.calls.clear();
        ports.now = now;
        worker::RunTick(now, ports, gate);
        return ports.calls;
    }
};

TEST_F(TickWorkTest, StepsRunInOrder) {
    ports.intervalOn = true;
    ports.speakInterval = true;
    ports.hourSound = true;
    ports.speakHour = true;
    ports.syncOnStart = true;
    Tick(At(9, 59, 0));  // records the hour
    ports.nextSignal = At(10, 0, 0);
    ports.earliestTask = At(10, 0, 0);
    ports.nextSync = At(10, 0, 0);
    EXPECT_EQ(Tick(At(10, 0, 0)), (Calls{"hints", "advance", "interval sound", "interval speech",
                                         "hour sound", "hour speech", "tasks", "sync"}));
    EXPECT_EQ(ports.earliestTask, 0);
    EXPECT_EQ(ports.dueSince, At(10, 0, 0)) << "the planner is told since when rows are due";
    EXPECT_EQ(Tick(At(10, 0, 1)), (Calls{"hints"}));
}

TEST_F(TickWorkTest, IntervalSignalAdvancesBeforePlaying) {
    ports.intervalOn = true;
    ports.nextSignal = At(10, 0, 0);
    EXPECT_EQ(Tick(At(9, 59, 59)), (Calls{"hints"}));
    double seenWhilePlaying = 0;
    ports.during["interval sound"] = [this, &seenWhilePlaying] { seenWhilePlaying = ports.nextSignal; };
    EXPECT_EQ(Tick(At(10, 0, 0)), (Calls{"hints", "advance", "interval sound"}));
    EXPECT_NEAR(seenWhilePlaying, At(10, 1, 0), 1e-9);
    EXPECT_EQ(Tick(At(10, 0, 30)), (Calls{"hints"}));
}

TEST_F(TickWorkTest, NestedTickDuringAnActionFindsNothingDue) {
    ports.intervalOn = true;
    ports.hourSound = true;
    ports.earliestTask = At(11, 0, 0);
    ports.nextSignal = At(11, 0, 0);
    Tick(At(10, 59, 0));
    ports.calls.clear();
    ports.now = At(11, 0, 0);
    Calls nested;
    ports.during["tasks"] = [this, &nested] {
        const Calls outer = ports.calls;
        ports.calls.clear();
        worker::RunTick(At(11, 0, 0), ports, gate);
        nested = ports.calls;
        ports.calls = outer;
    };
    worker::RunTick(At(11, 0, 0), ports, gate);
    EXPECT_EQ(nested, (Calls{"hints"}));
    EXPECT_EQ(ports.calls, (Calls{"hints", "advance", "interval sound", "hour sound", "tasks"}));
}

TEST_F(TickWorkTest, HourlySignalAtMinuteZeroOfANewHour) {
    ports.hourSound = true;
    EXPECT_EQ(Tick(At(10, 0, 30)), (Calls{"hints"}));  // started at 10:00:30
    EXPECT_EQ(Tick(At(10, 30, 0)), (Calls{"hints"}));
    EXPECT_EQ(Tick(At(11, 0, 0)), (Calls{"hints", "hour sound"}));
    EXPECT_EQ(Tick(At(11, 0, 1)), (Calls{"hints"}));
    EXPECT_EQ(gate.LastHour(), 11);
}

TEST_F(TickWorkTest, HourGateRecordsOnlyWhileTheHourlySignalIsOn) {
    Tick(At(10, 0, 0));
    EXPECT_FALSE(gate.IsSet());
    ports.speakHour = true;
    EXPECT_EQ(Tick(At(11, 0, 0)), (Calls{"hints"}));  // first run of the step: records 11
    EXPECT_EQ(Tick(At(12, 0, 0)), (Calls{"hints", "hour speech"}));
    // Off over an hour's minute 0 and on again in that hour: nothing until the next.
    ports.speakHour = false;
    Tick(At(12, 30, 0));
    Tick(At(13, 0, 0));
    ports.speakHour = true;
    EXPECT_EQ(Tick(At(13, 30, 0)), (Calls{"hints"}));
    EXPECT_EQ(Tick(At(14, 0, 0)), (Calls{"hints", "hour speech"}));
}

TEST_F(TickWorkTest, SoundsOffSilencesSignalsButStillAdvances) {
    ports.soundsOn = false;
    ports.intervalOn = true;
    ports.speakInterval = true;
    ports.hourSound = true;
    ports.speakHour = true;
    ports.nextSignal = At(10, 0, 0);
    Tick(At(9, 30, 0));
    EXPECT_EQ(Tick(At(10, 0, 0)), (Calls{"hints", "advance"}));
    EXPECT_NEAR(ports.nextSignal, At(10, 1, 0), 1e-9);
    EXPECT_EQ(gate.LastHour(), 10);
}

TEST_F(TickWorkTest, FailingStepsDoNotStopLaterStepsOrTicks) {
    ports.intervalOn = true;
    ports.speakInterval = true;
    ports.hourSound = true;
    ports.earliestTask = At(10, 0, 0);
    ports.nextSignal = At(10, 0, 0);
    ports.syncOnStart = true;
    ports.nextSync = At(10, 0, 0);
    ports.raise["hints"] = true;
    ports.raise["interval sound"] = true;
    ports.raise["tasks"] = true;
    Tick(At(9, 0, 0));
    ports.reported.clear();
    EXPECT_EQ(Tick(At(10, 0, 0)), (Calls{"hints", "advance", "interval sound", "interval speech",
                                         "hour sound", "tasks", "sync"}));
    ASSERT_EQ(ports.reported.size(), 1u);
    try {
        std::rethrow_exception(ports.reported[0]);
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "hints");
    }
    EXPECT_EQ(ports.earliestTask, 0);  // cleared before the task raised
    EXPECT_EQ(Tick(At(10, 0, 1)), (Calls{"hints"}));
}

TEST_F(TickWorkTest, IntervalThatCannotAdvancePlaysNothing) {
    ports.intervalOn = true;
    ports.nextSignal = At(10, 0, 0);
    ports.raise["advance"] = true;
    EXPECT_EQ(Tick(At(10, 0, 0)), (Calls{"hints", "advance"}));
    EXPECT_EQ(ports.reported.size(), 1u);
}

TEST_F(TickWorkTest, PlannerAndSynchronisationGates) {
    ports.earliestTask = At(10, 0, 0);
    EXPECT_EQ(Tick(At(9, 59, 59)), (Calls{"hints"}));
    ports.earliestTask = 0;
    EXPECT_EQ(Tick(At(11, 0, 0)), (Calls{"hints"}));

    // A planned synchronisation waits for its switch.
    ports.nextSync = At(10, 0, 0);
    EXPECT_EQ(Tick(At(10, 0, 0)), (Calls{"hints"}));
    ports.syncOnStart = true;
    EXPECT_EQ(Tick(At(10, 0, 0)), (Calls{"hints", "sync"}));
    ports.nextSync = 0;
    EXPECT_EQ(Tick(At(10, 0, 0)), (Calls{"hints"}));
}

}  // namespace

namespace {
TEST(TrayHintText, CutTo63Characters) {
    const std::wstring seventy(70, L'ч');
    EXPECT_EQ(worker::TrayHintText(seventy), std::wstring(63, L'ч'));
    EXPECT_EQ(worker::TrayHintText(std::wstring(63, L'a')).size(), 63u);
    EXPECT_EQ(worker::TrayHintText(L""), L"");
}
}  // namespace
