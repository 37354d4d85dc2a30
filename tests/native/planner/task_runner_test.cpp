#include "planner/task_runner.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/text_compare.h"
#include "planner_test_support.h"

using namespace planner;
using namespace planner_test;

namespace {

class FakeList : public SharedList {
  public:
    std::vector<std::wstring> items;
    std::vector<bool> checked;
    int selected = -1;
    int Count() const override { return static_cast<int>(items.size()); }
    std::wstring Item(int i) const override { return items.at(static_cast<size_t>(i)); }
    int IndexOf(const std::wstring& text) const override {
        for (int i = 0; i < Count(); ++i)
            if (base::SameTextAnsi(items[static_cast<size_t>(i)], text)) return i;
        return -1;
    }
    int Add(const std::wstring& item) override {
        items.push_back(item);
        checked.push_back(false);
        return Count() - 1;
    }
    void SetChecked(int i, bool value) override { checked.at(static_cast<size_t>(i)) = value; }
    int ItemIndex() const override { return selected; }
    void SetItemIndex(int i) override { selected = i; }
};

class FakeActions : public TaskActions {
  public:
    std::vector<std::wstring> log;
    bool soundsOff = false;
    bool closing = false;
    long long seconds = 1000;
    // Where a JPEG's bitmap went; empty: it could not be written.
    std::wstring bitmap = L"C:\\windows\\WqWallpaper.bmp";
    FakeList sounds, files, pictures;

    std::wstring BuildFormatText(const std::wstring& format) override {
        std::wstring out = format;
        const size_t at = out.find(L"<la>");
        if (at != std::wstring::npos) out.replace(at, 4, L"9:00 Обед, суп\r\n12:00 Встреча");
        return out;
    }
    std::wstring BuildSpokenText(const std::wstring& format) override { return L"(сказано) " + format; }
    bool SoundsOff() override { return soundsOff; }
    void SpeakText(const std::wstring& text) override { log.push_back(L"speak " + text); }
    void ShowReminder(const std::wstring& title, const std::wstring& text) override {
        log.push_back(L"window " + title + L"/" + text);
    }
    void ShowBalloon(const std::wstring& title, const std::wstring& text) override {
        log.push_back(L"balloon " + title + L"/" + text);
    }
    void PlaySound(const std::wstring& file, bool wait) override {
        log.push_back((wait ? L"play-wait " : L"play ") + file);
    }
    bool StartFile(const std::wstring& path, const std::wstring& parameters) override {
        log.push_back(L"start " + path + (parameters.empty() ? L"" : L" " + parameters));
        return true;
    }
    std::wstring ConvertJpeg(const std::wstring& picture) override {
        log.push_back(L"convert " + picture);
        return bitmap;
    }
    void SetWallpaper(const std::wstring& picture) override { log.push_back(L"wallpaper " + picture); }
    void ShakeWindow() override { log.push_back(L"shake"); }
    void ComputerAction(int action) override { log.push_back(L"action " + std::to_wstring(action)); }
    bool Closing() override { return closing; }
    long long CalendarSeconds() override { return seconds++; }
    SharedList& Sounds() override { return sounds; }
    SharedList& Files() override { return files; }
    SharedList& Pictures() override { return pictures; }
};

using Log = std::vector<std::wstring>;

struct TaskRun {
    TaskTable grid;
    FakeActions actions;
    TaskRunner runner{grid, actions};
    int row;
    explicit TaskRun(const std::wstring& description = std::wstring(1, L'\0')) {
        row = AddTask(grid, L"*Ежедневно", L"9:00:00", description);
    }
    TaskRun& Cell(int col, const std::wstring& text) {
        grid.SetCell(col, row, text);
        return *this;
    }
    Log Execute() {
        actions.log.clear();
        runner.ExecuteTask(row);
        return actions.log;
    }
};

}  // namespace

TEST(ExecuteTask, DescriptionAloneOnlyShakesWhenItsFlagSaysSo) {
    EXPECT_EQ(TaskRun(L"").Execute(), Log{L"shake"});
    EXPECT_EQ(TaskRun(L"\x02Обед").Execute(), Log{L"shake"});
    EXPECT_EQ(TaskRun(L"\x03").Execute(), Log{L"shake"});
    EXPECT_EQ(TaskRun(L"\x01Обед").Execute(), Log{});
    EXPECT_EQ(TaskRun().Execute(), Log{});
}

TEST(ExecuteTask, ActionsRunInTheirOrder) {
    TaskRun run(L"");
    run.Cell(kColMessage, L"\x01Обед")
        .Cell(kColSounds, L"a.wav")
        .Cell(kColFiles, L"notepad.exe")
        .Cell(kColPicture, L"C:\\p.bmp")
        .Cell(kColComputer, L"Выключить монитор");
    EXPECT_EQ(run.Execute(), (Log{L"window /Обед", L"play a.wav", L"start notepad.exe",
                                  L"wallpaper C:\\p.bmp", L"shake", L"action 5"}));
}

TEST(ShowTaskMessage, WindowBalloonAndSpeechByFlag) {
    TaskRun run;
    run.Cell(kColMessage, L"\x07<tt>|Обед");
    EXPECT_EQ(run.Execute(), (Log{L"speak (сказано) Обед", L"window <tt>/Обед", L"balloon <tt>/Обед"}));
    run.actions.soundsOff = true;
    EXPECT_EQ(run.Execute(), (Log{L"window <tt>/Обед", L"balloon <tt>/Обед"}));
    run.Cell(kColMessage, L"\x06Обед");
    EXPECT_EQ(run.Execute(), (Log{L"balloon /Обед"}));
}

TEST(ShowTaskMessage, ExpandedTextKeepsItsLines) {
    TaskRun run;
    run.Cell(kColMessage, L"\x01Список|\"Сегодня:\",<la>");
    EXPECT_EQ(run.Execute(), (Log{L"window Список/Сегодня:\r\n9:00 Обед, суп\r\n12:00 Встреча"}));
}

TEST(PlayTaskSounds, InOrderCyclesThroughTheList) {
    TaskRun run;
    run.actions.sounds.items = {L"1.wav", L"2.wav", L"3.wav"};
    run.actions.sounds.checked = {true, false, false};
    run.Cell(kColSounds, L">1.wav");
    Log played;
    for (int i = 0; i < 4; ++i) {
        const Log log = run.Execute();
        played.insert(played.end(), log.begin(), log.end());
    }
    EXPECT_EQ(played, (Log{L"play 1.wav", L"play 2.wav", L"play 3.wav", L"play 1.wav"}));
    EXPECT_EQ(run.grid.Cell(kColSounds, run.row), L">2.wav");
    EXPECT_EQ(run.actions.sounds.checked, (std::vector<bool>{false, true, false}));
}

TEST(PlayTaskSounds, RandomWithOneSoundPlaysItAgain) {
    TaskRun run;
    run.Cell(kColSounds, L"*C:\\Sounds\\ding.wav");
    EXPECT_EQ(run.Execute(), Log{L"play C:\\Sounds\\ding.wav"});
    EXPECT_EQ(run.Execute(), Log{L"play C:\\Sounds\\ding.wav"});
    EXPECT_EQ(run.actions.sounds.items, (std::vector<std::wstring>{L"C:\\Sounds\\ding.wav"})) << "added once";
    EXPECT_EQ(run.grid.Cell(kColSounds, run.row), L"*C:\\Sounds\\ding.wav");
}

TEST(PlayTaskSounds, RandomWithSeveralSoundsPicksAnother) {
    TaskRun run;
    run.actions.sounds.items = {L"1.wav", L"2.wav", L"3.wav"};
    run.actions.sounds.checked.assign(3, false);
    run.Cell(kColSounds, L"*2.wav");
    run.Execute();
    EXPECT_NE(run.grid.Cell(kColSounds, run.row), L"*2.wav");
    EXPECT_EQ(run.grid.Cell(kColSounds, run.row)[0], L'*');
}

TEST(PlayTaskSounds, ListedSoundsPlayOneAfterAnother) {
    TaskRun run;
    run.Cell(kColSounds, L"a.wav,\"C:\\My Sounds\\b.wav\"");
    EXPECT_EQ(run.Execute(), (Log{L"play-wait a.wav", L"play-wait C:\\My Sounds\\b.wav"}));
    EXPECT_EQ(run.actions.sounds.Count(), 2);
    run.Cell(kColSounds, L"a.wav");
    EXPECT_EQ(run.Execute(), Log{L"play a.wav"}) << "a single sound does not hold the run";
    run.actions.soundsOff = true;
    EXPECT_EQ(run.Execute(), Log{});
}

TEST(RunTaskFiles, ParametersAndInOrderFiles) {
    TaskRun run;
    run.Cell(kColFiles, L">notepad.exe|C:\\a.txt");
    run.actions.files.items = {L"calc.exe"};
    run.actions.files.checked = {false};
    EXPECT_EQ(run.Execute(), Log{L"start notepad.exe C:\\a.txt"});
    EXPECT_EQ(run.grid.Cell(kColFiles, run.row), L">calc.exe");
    EXPECT_EQ(run.actions.files.checked, (std::vector<bool>{true, false}));
    EXPECT_EQ(run.Execute(), Log{L"start calc.exe"});
    run.Cell(kColFiles, L"calc.exe,\"notepad.exe|C:\\a b.txt\"");
    EXPECT_EQ(run.Execute(), (Log{L"start calc.exe", L"start notepad.exe C:\\a b.txt"}));
    EXPECT_EQ(run.actions.files.selected, 2) << "the new item was added and selected";
}

TEST(SetTaskWallpaper, JpegIsConvertedOtherPicturesSetDirectly) {
    TaskRun run;
    run.Cell(kColPicture, L"C:\\Pics\\forest.JPG");
    EXPECT_EQ(run.Execute(),
              (Log{L"convert C:\\Pics\\forest.JPG", L"wallpaper C:\\windows\\WqWallpaper.bmp"}));
    run.Cell(kColPicture, L"C:\\Pics\\sea.png");
    EXPECT_EQ(run.Execute(), Log{L"wallpaper C:\\Pics\\sea.png"});
    EXPECT_EQ(run.actions.pictures.Count(), 2);
}

TEST(SetTaskWallpaper, BitmapThatCannotBeWrittenLeavesTheRestOfTheTaskToRun) {
    TaskRun run(std::wstring(1, L'\x02'));  // shakes the clock
    run.actions.bitmap.clear();
    run.Cell(kColPicture, L"C:\\Pics\\forest.jpg").Cell(kColComputer, L"Перейти в ждущий режим");
    EXPECT_EQ(run.Execute(), (Log{L"convert C:\\Pics\\forest.jpg", L"shake", L"action 11"}));
}

TEST(SetTaskWallpaper, InOrderPicturesFollowTheOneShown) {
    TaskRun run;
    run.actions.pictures.items = {L"a.bmp", L"b.bmp", L"c.bmp"};
    run.actions.pictures.checked.assign(3, false);
    run.actions.pictures.selected = 0;  // the user looked at another picture meanwhile
    run.Cell(kColPicture, L">b.bmp");
    EXPECT_EQ(run.Execute(), Log{L"wallpaper b.bmp"});
    EXPECT_EQ(run.grid.Cell(kColPicture, run.row), L">c.bmp");
    EXPECT_EQ(run.actions.pictures.selected, 2);
    EXPECT_EQ(run.Execute(), Log{L"wallpaper c.bmp"});
    EXPECT_EQ(run.grid.Cell(kColPicture, run.row), L">a.bmp");
}

TEST(DoComputerAction, KnownItemsOnlyAndNoClosingTwice) {
    TaskRun run;
    run.Cell(kColComputer, L"Перейти в ждущий режим");
    EXPECT_EQ(run.Execute(), Log{L"action 11"});
    run.Cell(kColComputer, L"Закрыть программу");
    EXPECT_EQ(run.Execute(), Log{L"action 3"});
    run.actions.closing = true;
    EXPECT_EQ(run.Execute(), Log{});
    run.Cell(kColComputer, L"Сварить кофе");
    EXPECT_EQ(run.Execute(), Log{});
}
