// The speech component on the real SAPI 5 road, with the stand-in voice that
// the test prefix registers for the voice class.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "timetext/speech/multi_speech.h"
#include "timetext/speech/sapi4_modes.h"
#include "timetext/speech/sapi5_voice.h"
#include "ui/exception.h"
#include "win/support/program_runner.h"

namespace {

std::wstring ReadUtf8Lines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return ui::WideFromNarrow(s.str());
}

// Lets the messages flow until `done` holds, or for 15 s.
template <class F>
void PumpUntil(F done) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (!done() && GetTickCount() - start < 15000) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
}

class SpeechComponent : public ::testing::Test {
  protected:
    testing_support::ScratchDir dir{L"speech"};
    std::filesystem::path log = dir.Path() / L"voice.log";

    void SetUp() override { SetEnvironmentVariableW(L"HORALTO_TEST_VOICE_LOG", log.c_str()); }
    void TearDown() override { SetEnvironmentVariableW(L"HORALTO_TEST_VOICE_LOG", nullptr); }
};

TEST_F(SpeechComponent, ListsSelectsAndSpeaksThroughTheVoiceObject) {
    std::vector<std::wstring> events;
    TMultiSpeech speech(speech::MakeSapi5Voice(), speech::MakeSapi4Modes(), [&](TMultiSpeech& s) {
        s.OnStart = [&](const void*) { events.push_back(L"start"); };
        s.OnStop = [&](const void*) { events.push_back(L"stop"); };
    });
    ASSERT_EQ(speech.Engines().size(), 1u) << "the stand-in voice is not registered in the prefix";
    EXPECT_EQ(speech.Engines()[0], L"Тестовый голос (русский)");
    EXPECT_TRUE(speech.Errors().empty());

    speech.Select(L"Тестовый голос (русский)");
    EXPECT_EQ(speech.EngineKind(), 1);
    EXPECT_EQ(speech.EngineInfo().Gender, L"FEMALE");
    EXPECT_FALSE(speech.EngineInfo().Language.empty());

    speech.SetVolume(70);
    speech.Speak(L"двенадцать часов");
    PumpUntil([&] { return events.size() >= 2; });
    EXPECT_EQ(events, (std::vector<std::wstring>{L"start", L"stop"}));
    EXPECT_EQ(speech.EngineState(), esStop);

    // After a stop the next text still goes to the chosen voice.
    speech.Stop();
    speech.Speak(L"ещё раз");
    PumpUntil([&] { return events.size() >= 4; });
    EXPECT_TRUE(speech.Errors().empty());
    EXPECT_EQ(ReadUtf8Lines(log), L"двенадцать часов\nещё раз\n");
}

}  // namespace
