// The clock's texts, the sunrise and calendar windows and the work-time page in
// the program's own two windows, made in this process from a prepared
// Horalto.ini in a scratch folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "base/conversions.h"
#include "base/date_format.h"
#include "base/format_settings.h"
#include "base/ini_file.h"
#include "base/string_list.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_options.h"
#include "timetext/duration_words.h"
#include "timetext/frm_calendar.h"
#include "timetext/frm_sun_rd.h"
#include "timetext/horalto_text.h"
#include "timetext/sun.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "win/support/program_runner.h"
#include "win/support/message_loop.h"
#include "win/support/program_windows.h"

namespace {

using testing_support::PumpUntil;

class TimeTexts : public testing::Test {
  protected:
    void SetUp() override {
        testing_support::UseDataFolder(dir_.Path());
        previousBoxes_ =
            ui::SetMessageBoxHandler([this](const std::wstring& text, const std::wstring&, UINT) {
                questions_.push_back(text);
                return answer_;
            });
    }
    void Create() { testing_support::CreateProgramWindows(); }
    void Restart() { testing_support::RestartProgramWindows(); }
    void TearDown() override {
        testing_support::DestroyProgramWindows();
        ui::SetMessageBoxHandler(previousBoxes_);
        timetext::SpeakTextHook = nullptr;
    }
    static base::FormatSettings Fs() { return base::SystemFormatSettings(); }

    testing_support::ScratchDir dir_{L"timetext-forms"};
    ui::MessageBoxHandler previousBoxes_;
    std::vector<std::wstring> questions_;
    int answer_ = IDYES;
};

}  // namespace

TEST_F(TimeTexts, MainTextAndHintComeFromTheFormatTextsOfTheSettingsFile) {
    {
        base::IniFile ini(IniFileName);
        ini.WriteString(L"Main", L"FormatTextMain", base::StoredTextValue(L"Год <yyyy>\r\nW<%d>"));
        ini.WriteString(L"Main", L"FormatTextHint", base::StoredTextValue(L"Восход: TS<t>\r\n<LA>"));
        ini.WriteString(L"SystemClock", L"FormatTextTray", base::StoredTextValue(L"[<hh>]"));
        ini.WriteString(L"Main", L"Breadth", L"59,94");
        ini.WriteString(L"Main", L"Longitude", L"30,31");
        ini.UpdateFile();
    }
    Create();
    const base::TDateTime now = Now();
    WorkTime.WorkPeriodStart = timetext::UptimeNow() - 2.5;
    frmHoralto->tmrTimerTimer(frmHoralto->tmrTimer);
    EXPECT_EQ(frmHoralto->lblDateTime.Caption(),
              L"Год " + base::FormatDateTime(L"yyyy", now, Fs()) + L"\r\n2 дня ");

    // Saint Petersburg in the Moscow zone (TZ is fixed for the tests).
    const double rise = timetext::ComputeSunRiseSet(timetext::kSunrise, base::DateOf(now), -3, 59.94, 30.31);
    ASSERT_GT(rise, 0);
    const std::wstring hint =
        L"Восход: " + base::FormatDateTime(L"t", base::DateOf(now) + rise, Fs()) + L"\r\nНет событий";
    EXPECT_EQ(frmHoralto->BuildFormatText(frmHoralto->Settings.Main.FormatTextHint), hint);
    frmHoralto->TickWork();  // the worker's first step puts the hint on the clock
    EXPECT_EQ(frmHoralto->Hint(), hint);
    const std::wstring tray = frmHoralto->BuildFormatText(frmHoralto->Settings.SystemClock.FormatTextTray);
    EXPECT_EQ(tray.size(), 4u);
    EXPECT_EQ(tray.front(), L'[');
}

TEST_F(TimeTexts, EventListReadsTheTaskRows) {
    Create();
    frmOptions->stgTasks.SetRowCount(4);
    frmOptions->stgTasks.SetCell(2, 1, L"Выход");
    frmOptions->stgTasks.SetCell(3, 1, L"\x02Пока");  // flag codes as the task editor writes them
    frmOptions->stgTasks.SetCell(2, 2, L"12:00");
    frmOptions->stgTasks.SetCell(3, 2, L"\x02Обед");
    NextRunTimes = {0, Now() + 1, 0};
    EXPECT_EQ(frmHoralto->BuildFormatText(L"<la>"), L"Пока - выход\nОбед");
}

TEST_F(TimeTexts, SpeakTextRewritesAndAsksWhenSoundsAreOff) {
    Create();
    std::vector<std::wstring> spoken;
    timetext::SpeakTextHook = [&](const std::wstring& t) { spoken.push_back(t); };
    frmOptions->cmbEngines.SetEnabled(true);
    frmHoralto->SpeakText(L"12:30");
    ASSERT_EQ(spoken.size(), 1u);
    EXPECT_EQ(spoken[0], L"двенадцать  часов, тридцать  минут, ");
    frmOptions->chbNumbersCorrection.SetChecked(false);
    frmHoralto->SpeakText(L"5 май");
    EXPECT_EQ(spoken.back(), L"5 мая");

    frmHoralto->aSoundOnOff.SetChecked(true);
    answer_ = IDNO;
    frmHoralto->SpeakText(L"1");
    EXPECT_EQ(spoken.size(), 2u);
    EXPECT_TRUE(frmHoralto->aSoundOnOff.Checked());
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0], L"Все звуки выключены. Вы хотите включить звуки и воспроизвести?");

    frmOptions->cmbEngines.SetEnabled(false);
    frmHoralto->aSoundOnOff.SetChecked(false);
    frmHoralto->SpeakText(L"1");
    EXPECT_EQ(spoken.size(), 2u);  // no engine: nothing spoken
}

TEST_F(TimeTexts, SunriseWindowEditsThePlaceAndFreesItselfWhenClosed) {
    Create();
    ShowSunRD();
    ASSERT_NE(frmSunRD, nullptr);
    EXPECT_EQ(FindWindowW(L"TfrmSunRD", nullptr), frmSunRD->Handle());
    EXPECT_EQ(frmSunRD->edtB5.Text(), base::FloatToStr(55.75, Fs()));
    ASSERT_GT(frmSunRD->cmbTimeZones.Count(), 0);

    // While typing, a text that is not a number yet changes nothing and stays
    // as typed; one that is a number is the clock's place at once.
    for (const wchar_t* typing : {L"", L"-", L"5,", L"abc"}) {
        frmSunRD->edtB5.SetText(typing);
        EXPECT_EQ(frmSunRD->edtB5.Text(), typing);
        EXPECT_DOUBLE_EQ(frmHoralto->Settings.Main.Breadth, 55.75);
    }
    EXPECT_TRUE(questions_.empty()) << "nothing is said while the user types";
    // Still not a number when computing: the conversion error, and no result.
    frmSunRD->btnCalcClick(frmSunRD->btnCalc);
    EXPECT_EQ(frmSunRD->memResult.LineCount(), 0);
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0], L"Широта 'abc' не является числом от -90 до 90.");
    // ...and when leaving the edit; the text is kept for the user to mend.
    frmSunRD->edtB5Exit(frmSunRD->edtB5);
    ASSERT_EQ(questions_.size(), 2u);
    EXPECT_EQ(frmSunRD->edtB5.Text(), L"abc");
    EXPECT_DOUBLE_EQ(frmHoralto->Settings.Main.Breadth, 55.75);
    frmSunRD->edtB5.SetText(L"-5");
    EXPECT_DOUBLE_EQ(frmHoralto->Settings.Main.Breadth, -5);
    frmSunRD->edtB5.SetText(L"80,0");
    EXPECT_DOUBLE_EQ(frmHoralto->Settings.Main.Breadth, 80);
    frmSunRD->edtB5Exit(frmSunRD->edtB5);  // a number: shown as stored
    EXPECT_EQ(frmSunRD->edtB5.Text(), L"80");
    EXPECT_EQ(questions_.size(), 2u);
    // A number beyond the poles (or the date line) is refused as a text that
    // is no number is, and the message shows the text as typed.
    for (const wchar_t* typing : {L"95", L"-90,5", L"1E3", L"абв"}) {
        frmSunRD->edtB5.SetText(typing);
        EXPECT_DOUBLE_EQ(frmHoralto->Settings.Main.Breadth, 80) << typing;
        frmSunRD->edtB5Exit(frmSunRD->edtB5);
        EXPECT_EQ(questions_.back(),
                  L"Широта '" + std::wstring(typing) + L"' не является числом от -90 до 90.");
        EXPECT_EQ(frmSunRD->edtB5.Text(), typing);
    }
    frmSunRD->edtB5.SetText(L"-90");
    EXPECT_DOUBLE_EQ(frmHoralto->Settings.Main.Breadth, -90);
    frmSunRD->edtL5.SetText(L"180,5");
    EXPECT_DOUBLE_EQ(frmHoralto->Settings.Main.Longitude, 37.62);
    frmSunRD->btnCalcClick(frmSunRD->btnCalc);
    EXPECT_EQ(frmSunRD->memResult.LineCount(), 0);
    EXPECT_EQ(questions_.back(), L"Долгота '180,5' не является числом от -180 до 180.");
    frmSunRD->edtL5.SetText(L"-180");
    EXPECT_DOUBLE_EQ(frmHoralto->Settings.Main.Longitude, -180);

    // A zone is taken from its text, whatever its place in the list.
    int plusThree = -1;
    for (int i = 0; i < frmSunRD->cmbTimeZones.Count(); ++i)
        if (frmSunRD->cmbTimeZones.Item(i).rfind(L"(UTC+03:00)", 0) == 0 ||
            frmSunRD->cmbTimeZones.Item(i).rfind(L"(GMT+03:00)", 0) == 0)
            plusThree = i;
    ASSERT_GE(plusThree, 0);
    frmSunRD->cmbTimeZones.SetItemIndex(plusThree);
    double offset = 0;
    EXPECT_TRUE(frmSunRD->SelectedZoneOffset(offset));
    EXPECT_DOUBLE_EQ(offset, 3);
    frmSunRD->edtB5.SetText(L"55,75");
    frmSunRD->edtL5.SetText(L"37,62");
    frmSunRD->dtpDateSun.SetDateTime(base::EncodeDate(2008, 3, 20));
    frmSunRD->btnCalcClick(frmSunRD->btnCalc);
    const std::vector<std::wstring> lines = frmSunRD->memResult.Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind(L"Широта: 55,75 Долгота: 37,62 Зона: 3 Дата: ", 0), 0u);
    const base::TDateTime day = base::EncodeDate(2008, 3, 20);
    EXPECT_EQ(lines[1],
              L"Восход солнца в " +
                  base::FormatDateTime(
                      L"t", timetext::ComputeSunRiseSet(timetext::kSunrise, day, -3, 55.75f, 37.62f), Fs()));
    EXPECT_EQ(lines[2],
              L"Заход солнца в " +
                  base::FormatDateTime(
                      L"t", timetext::ComputeSunRiseSet(timetext::kSunset, day, -3, 55.75f, 37.62f), Fs()));

    // Results keep coming at the end of the memo, and the newest is in view.
    for (int i = 0; i < 8; ++i) frmSunRD->btnCalcClick(frmSunRD->btnCalc);
    const HWND memo = frmSunRD->memResult.Handle();
    const LRESULT memoLines = SendMessageW(memo, EM_GETLINECOUNT, 0, 0);
    const LRESULT firstVisible = SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0);
    EXPECT_GT(firstVisible, 0);
    RECT r;
    GetClientRect(memo, &r);
    const LRESULT lastChar = SendMessageW(memo, EM_LINEINDEX, memoLines - 2, 0);
    const LRESULT pos = SendMessageW(memo, EM_POSFROMCHAR, lastChar, 0);
    EXPECT_LT(static_cast<short>(HIWORD(pos)), r.bottom) << "the last result is in view";

    frmSunRD->btnCloseClick(frmSunRD->btnClose);
    EXPECT_TRUE(PumpUntil([] { return frmSunRD == nullptr; }));
    EXPECT_EQ(FindWindowW(L"TfrmSunRD", nullptr), nullptr);
}

TEST_F(TimeTexts, SunriseWindowStartsOnTheZoneTheMainPageSelects) {
    // Under Wine the zone in force has a Russian standard name and the keys
    // English ones: both windows find the zone by its key all the same.
    Create();
    frmOptions->tbsMainShow(frmOptions->tbsMain);
    const std::wstring mainPageZone = frmOptions->cmbTimeZones.Text();
    ASSERT_FALSE(mainPageZone.empty());
    ShowSunRD();
    ASSERT_NE(frmSunRD, nullptr);
    ASSERT_GE(frmSunRD->cmbTimeZones.ItemIndex(), 0);
    EXPECT_EQ(frmSunRD->cmbTimeZones.Item(frmSunRD->cmbTimeZones.ItemIndex()), mainPageZone);
    double offset = 0;
    EXPECT_TRUE(frmSunRD->SelectedZoneOffset(offset));
    EXPECT_DOUBLE_EQ(offset, 3) << "the tests run in Moscow's zone";
    // Moscow on 20 March 2008: sunrise at 6:31 local time, not at UTC's 3:31.
    frmSunRD->dtpDateSun.SetDateTime(base::EncodeDate(2008, 3, 20));
    frmSunRD->btnCalcClick(frmSunRD->btnCalc);
    ASSERT_GE(frmSunRD->memResult.LineCount(), 2);
    const base::TDateTime day = base::EncodeDate(2008, 3, 20);
    EXPECT_EQ(frmSunRD->memResult.Lines()[1],
              L"Восход солнца в " +
                  base::FormatDateTime(
                      L"t", timetext::ComputeSunRiseSet(timetext::kSunrise, day, -3, 55.75f, 37.62f), Fs()));
    frmSunRD->btnCloseClick(frmSunRD->btnClose);
    EXPECT_TRUE(PumpUntil([] { return frmSunRD == nullptr; }));
}

TEST(SunriseWindowZones, BuiltInListIsSortedWithMoscowAtItsPlace) {
    const std::vector<std::wstring>& zones = BuiltInTimeZones();
    ASSERT_EQ(zones.size(), 75u);
    EXPECT_EQ(zones[15].rfind(L"(GMT+03:00) Москва", 0), 0u);
    const double expected[] = {0, 0, 1, 1, 1,   1, 1, 2,   2, 2, 2,   2,   2,
                               3, 3, 3, 3, 3.5, 4, 4, 4.5, 5, 5, 5.5, 5.75};
    for (size_t i = 0; i < zones.size(); ++i) {
        double h = 99;
        EXPECT_TRUE(timetext::ZoneOffsetFromDisplay(zones[i], h)) << i;
        if (i < std::size(expected)) {
            EXPECT_DOUBLE_EQ(h, expected[i]) << i;
        }
    }
}

TEST_F(TimeTexts, CalendarIsOneWindowThatOnlyHides) {
    Create();
    frmHoralto->aCalendarExecute(frmHoralto->aCalendar);
    ASSERT_NE(frmCalendar, nullptr);
    TfrmCalendar* first = frmCalendar;
    EXPECT_TRUE(IsWindowVisible(first->Handle()));
    EXPECT_EQ(first->MonthCalendar.Date(), base::DateOf(Now()));
    EXPECT_TRUE(GetWindowLongPtrW(first->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    first->MonthCalendar.SetDate(base::EncodeDate(2008, 4, 5));
    first->Close();
    EXPECT_FALSE(IsWindowVisible(first->Handle()));
    ShowCalendar();
    EXPECT_EQ(frmCalendar, first);
    EXPECT_TRUE(IsWindowVisible(first->Handle()));
    EXPECT_EQ(first->MonthCalendar.Date(), base::EncodeDate(2008, 4, 5));
    first->Close();
}

TEST_F(TimeTexts, SuspendClosesTheRowAndKeepsTheWorkInTheTotal) {
    Create();
    TfrmOptions& o = *frmOptions;
    const double uptime = timetext::UptimeNow();
    WorkTime.TotalWorkTime = 1;
    WorkTime.WorkPeriodStart = uptime - 1.0 / 24;  // an hour of work
    const int rows = o.stgWorkLog.RowCount();
    EXPECT_EQ(SendMessageW(o.Handle(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0), TRUE);
    ASSERT_EQ(o.stgWorkLog.RowCount(), rows + 1);
    EXPECT_EQ(o.stgWorkLog.Cell(1, rows - 1).back(), L'*');
    EXPECT_EQ(o.stgWorkLog.Cell(2, rows - 1), frmHoralto->FormatDuration(L"%y%dtt", 1.0 / 24));
    EXPECT_EQ(o.stgWorkLog.Cell(1, rows).front(), L'*');
    EXPECT_EQ(o.stgWorkLog.Cell(0, rows), std::to_wstring(rows));
    EXPECT_NEAR(WorkTime.TW(timetext::UptimeNow()), 1 + 1.0 / 24, 2.0 / 86400);
    SendMessageW(o.Handle(), WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    EXPECT_NEAR(WorkTime.W(timetext::UptimeNow()), 0, 2.0 / 86400);
}

TEST_F(TimeTexts, WorkLogContinuesAcrossARestartOfTheProgram) {
    base::StringList log{L"Время запуска\tВремя работы", L"01.01.2020 10:00:00\t2:00:00"};
    log.SaveToFile(WorkLogFileName);
    Create();
    ASSERT_EQ(frmOptions->stgWorkLog.RowCount(), 3);  // header, the old period, this run
    const std::wstring start = frmOptions->stgWorkLog.Cell(1, 2);
    frmOptions->tbsTimeWorkWindowsShow(frmOptions->tbsTimeWorkWindows);
    frmOptions->tbsTimeWorkWindowsHide(frmOptions->tbsTimeWorkWindows);
    const double total = WorkTime.TW(timetext::UptimeNow());

    Restart();
    ASSERT_EQ(frmOptions->stgWorkLog.RowCount(), 3);  // the same period goes on in its row
    EXPECT_EQ(frmOptions->stgWorkLog.Cell(1, 1), L"01.01.2020 10:00:00");
    EXPECT_EQ(frmOptions->stgWorkLog.Cell(1, 2), start);
    EXPECT_NEAR(WorkTime.TW(timetext::UptimeNow()), total, 5.0 / 86400);  // not counted twice

    // After a suspend and a resume the row begun at the suspend goes on with
    // its start and its mark.
    SendMessageW(frmOptions->Handle(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    SendMessageW(frmOptions->Handle(), WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    WorkTime.WorkPeriodStart -= 1.0 / 1440;  // resumed a minute ago
    ASSERT_EQ(frmOptions->stgWorkLog.RowCount(), 4);
    const std::wstring suspended = frmOptions->stgWorkLog.Cell(1, 3);
    ASSERT_EQ(suspended.front(), L'*');
    Restart();
    ASSERT_EQ(frmOptions->stgWorkLog.RowCount(), 4);
    EXPECT_EQ(frmOptions->stgWorkLog.Cell(1, 2), start + L"*");
    EXPECT_EQ(frmOptions->stgWorkLog.Cell(1, 3), suspended);
}

TEST_F(TimeTexts, SwitchingTheLogOffAsksAndNoKeepsIt) {
    Create();
    answer_ = IDNO;
    frmOptions->chbWorkLog.SetChecked(false);
    EXPECT_TRUE(frmOptions->chbWorkLog.Checked());
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_NE(frmOptions->stgWorkLog.Cell(1, 1), L"");
    answer_ = IDYES;
    frmOptions->chbWorkLog.SetChecked(false);
    EXPECT_FALSE(frmOptions->stgWorkLog.Enabled());
    EXPECT_EQ(frmOptions->stgWorkLog.RowCount(), 2);
    EXPECT_EQ(frmOptions->stgWorkLog.Cell(1, 1), L"");
}
