// The named text formats in the program's two windows: choosing, typing,
// adding, deleting, the switches of the uses, and the formats and choices kept
// in Horalto.ini across a restart.
#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/ini_file.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/format_rules.h"
#include "options/frm_options.h"
#include "options/input_box.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "win/support/program_runner.h"
#include "win/support/program_windows.h"

namespace {

class Formats : public testing::Test {
  protected:
    void SetUp() override {
        testing_support::UseDataFolder(dir_.Path());
        previousBoxes_ =
            ui::SetMessageBoxHandler([this](const std::wstring& text, const std::wstring& caption, UINT) {
                boxes_.push_back(caption + L": " + text);
                return IDYES;
            });
        previousInput_ =
            options::SetInputBoxHandler([this](const std::wstring& caption, const std::wstring& prompt,
                                               const std::wstring& value) -> std::optional<std::wstring> {
                asked_.push_back(caption + L"|" + prompt + L"|" + value);
                if (answers_.empty()) return std::nullopt;
                auto a = answers_.front();
                answers_.pop_front();
                return a;
            });
    }
    void TearDown() override {
        testing_support::DestroyProgramWindows();
        ui::SetMessageBoxHandler(previousBoxes_);
        options::SetInputBoxHandler(previousInput_);
    }
    void Create() { testing_support::CreateProgramWindows(); }
    // Closing writes the settings file; the windows are made again from it.
    void Restart() { testing_support::RestartProgramWindows(); }
    // The user picks an entry of a format chooser.
    static void Choose(TfreFormatText& frame, int index) {
        frame.cmbNameFormatText.SetItemIndex(index);
        frame.cmbNameFormatText.OnChange(frame.cmbNameFormatText);
    }
    // The user adds the memo's text as a format through the frame's add button.
    void Append(TfreFormatText& frame, std::deque<std::optional<std::wstring>> answers) {
        answers_ = std::move(answers);
        frame.spbAppendFormat.Click();
    }
    TfrmOptions& O() { return *frmOptions; }
    core::HoraltoSettings& S() { return frmHoralto->Settings; }

    testing_support::ScratchDir dir_{L"options2-formats"};
    ui::MessageBoxHandler previousBoxes_;
    options::InputBoxHandler previousInput_;
    std::vector<std::wstring> boxes_, asked_;
    std::deque<std::optional<std::wstring>> answers_;
};

TEST_F(Formats, ChoosersStartWithTheBuiltInFormatsAndTheDefaultChoices) {
    Create();
    ASSERT_EQ(O().FormatNames.Count(), 5);
    EXPECT_EQ(O().BuiltInFormatCount, 5);
    EXPECT_EQ(O().freFormatTextMain.cmbNameFormatText.Items().size(), 5u);
    EXPECT_EQ(O().freFormatTextMain.cmbNameFormatText.Text(), L"Основной");
    EXPECT_EQ(O().freFormatTextHint.cmbNameFormatText.ItemIndex(), 3);
    EXPECT_EQ(O().freFormatTextTray.cmbNameFormatText.Text(), L"Время");
    EXPECT_EQ(O().freFormatSpeakHour.cmbNameFormatText.ItemIndex(), -1);
    EXPECT_TRUE(O().freFormatSpeakHour.spbAppendFormat.Enabled());
    EXPECT_FALSE(O().freFormatTextMain.spbAppendFormat.Enabled());
    EXPECT_FALSE(O().freFormatTextMain.spbDeleteFormat.Enabled());
    // The memos hold the texts in force, not the named formats.
    EXPECT_EQ(O().freFormatSpeakHour.memFormatText.Text(), S().Sound.FormatSpeakHour);
    EXPECT_EQ(O().freFormatTextHint.memFormatText.Text(), S().Main.FormatTextHint);
    // The chooser reaches the buttons, however the editor is sized.
    for (const auto& use : O().FormatUses()) {
        const TfreFormatText& f = use.frame;
        EXPECT_EQ(f.cmbNameFormatText.Left() + f.cmbNameFormatText.Width(), f.pnlFormatButtons.Left())
            << f.Name();
        EXPECT_EQ(f.memFormatText.Width(), f.Width());
    }
    // The always-on uses show only the caption of their switch.
    EXPECT_TRUE(O().freFormatTextMain.AlwaysOn());
    EXPECT_FALSE(O().freFormatTextTray.AlwaysOn());
}

TEST_F(Formats, ChoosingAFormatPutsItsLinesIntoTheMemoAndTheSetting) {
    Create();
    S().Main.FormatTextHint = L"старое";
    Choose(O().freFormatTextHint, 3);  // "Расширенный"
    const std::vector<std::wstring> lines = O().freFormatTextHint.memFormatText.Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], L"<c>");
    EXPECT_EQ(S().Main.FormatTextHint,
              L"<c>\r\nВосход солнца: TS<t>\r\nЗаход солнца: TZ<t>\r\nВремя работы: W<%dtt>\r\n<LA>");
    EXPECT_EQ(O().HintFormatId, L"Расширенный");

    // The main text redraws the clock at once.
    frmHoralto->tmrTimer.SetEnabled(true);
    O().freFormatTextMain.memFormatText.SetText(L"Проверка");
    EXPECT_EQ(S().Main.FormatTextMain, L"Проверка");
    EXPECT_EQ(frmHoralto->lblDateTime.Caption(), L"Проверка");
}

TEST_F(Formats, TypingAfterAChoiceClearsTheChoiceButKeepsTheName) {
    Create();
    TfreFormatText& f = O().freFormatTextTray;
    Choose(f, 2);  // "Время работы"
    EXPECT_EQ(O().TrayFormatId, L"Время работы");
    EXPECT_EQ(S().SystemClock.FormatTextTray, L"Работал W<%dtt>");
    EXPECT_FALSE(f.spbAppendFormat.Enabled());
    f.memFormatText.SetText(L"<t>!");
    EXPECT_EQ(f.cmbNameFormatText.ItemIndex(), -1);
    EXPECT_TRUE(f.spbAppendFormat.Enabled());
    EXPECT_FALSE(f.spbDeleteFormat.Enabled());
    EXPECT_EQ(S().SystemClock.FormatTextTray, L"<t>!");
    EXPECT_EQ(O().TrayFormatId, L"Время работы");
    Restart();
    EXPECT_EQ(O().TrayFormatId, L"Время работы");
    EXPECT_EQ(S().SystemClock.FormatTextTray, L"<t>!");
}

TEST_F(Formats, AddingRefusesTakenAndUnstorableNamesAndReachesEveryChooser) {
    Create();
    TfreFormatText& f = O().freFormatSpeakTime;
    f.memFormatText.SetText(L"Сейчас <t>");
    Append(f, {L"основной", L"a=b", L"  ", L"Мой формат"});
    ASSERT_EQ(asked_.size(), 4u);
    EXPECT_EQ(asked_[0], L"Horalto|Введите название формата|Введите имя");
    EXPECT_EQ(asked_[1], L"Horalto|Введите название формата|основной");
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_[0], L"Horalto: Такое имя уже существует. Введите другое.");
    ASSERT_EQ(O().FormatNames.Count(), 6);
    EXPECT_EQ(O().FormatNames[5], L"Мой формат");
    EXPECT_EQ(O().SpeakTFormatId, L"Мой формат");
    for (const auto& use : O().FormatUses()) EXPECT_EQ(use.frame.cmbNameFormatText.Items().size(), 6u);
    EXPECT_EQ(f.cmbNameFormatText.ItemIndex(), 5);
    EXPECT_TRUE(f.spbDeleteFormat.Enabled());
    EXPECT_EQ(O().freFormatTextMain.cmbNameFormatText.ItemIndex(), 0);

    // Cancelling, or giving the proposed text back, adds nothing.
    Append(f, {});
    Append(f, {L"Введите имя"});
    Append(f, {L"Мой формат", std::nullopt});
    EXPECT_EQ(O().FormatNames.Count(), 6);
}

TEST_F(Formats, DeletingAUserFormatLeavesItsUsersWithoutAChoiceAndBuiltInsStay) {
    Create();
    O().freFormatTextMain.memFormatText.SetText(L"<tt>\r\nвторая строка");
    Append(O().freFormatTextMain, {L"Два"});
    Choose(O().freFormatTextHint, 5);
    EXPECT_EQ(O().HintFormatId, L"Два");
    EXPECT_EQ(S().Main.FormatTextHint, L"<tt>\r\nвторая строка");

    // A built-in entry cannot go, even when its button is clicked.
    Choose(O().freFormatTextTray, 1);
    O().freFormatTextTray.spbDeleteFormat.Click();
    EXPECT_EQ(O().FormatNames.Count(), 6);
    EXPECT_FALSE(O().freFormatTextTray.spbDeleteFormat.Enabled());

    O().freFormatTextHint.spbDeleteFormat.Click();
    EXPECT_EQ(O().FormatNames.Count(), 5);
    EXPECT_EQ(O().FormatTexts.Count(), 5);
    EXPECT_EQ(O().freFormatTextMain.cmbNameFormatText.ItemIndex(), -1);
    EXPECT_EQ(O().freFormatTextHint.cmbNameFormatText.ItemIndex(), -1);
    EXPECT_TRUE(O().freFormatTextHint.spbAppendFormat.Enabled());
    // The texts in force stay.
    EXPECT_EQ(S().Main.FormatTextHint, L"<tt>\r\nвторая строка");
    EXPECT_EQ(O().freFormatTextMain.memFormatText.Text(), L"<tt>\r\nвторая строка");

    Restart();
    const base::IniFile ini(IniFileName);
    EXPECT_FALSE(ini.ValueExists(L"TimeFormats", L"Два"));
    EXPECT_EQ(ini.ReadString(L"Main", L"MainFormatId", L""), L"Два");
    EXPECT_EQ(ini.ReadString(L"Main", L"HintFormatId", L""), L"Два");
    EXPECT_EQ(O().freFormatTextHint.cmbNameFormatText.ItemIndex(), -1);
    EXPECT_EQ(S().Main.FormatTextHint, L"<tt>\r\nвторая строка");
}

TEST_F(Formats, UserFormatsAndChoicesComeBackFromTheSettingsFileWhole) {
    Create();
    Restart();  // no user formats: an empty section
    {
        const std::wstring text = base::IniFile(IniFileName).ToText();
        EXPECT_NE(text.find(L"[TimeFormats]"), std::wstring::npos);
    }
    std::wstring longText = L"Первая, \"с кавычками\" и запятой";
    for (int i = 0; i < 2500; ++i) longText += L"\r\nСтрока " + std::to_wstring(i) + L" <tt> TS<t>";
    O().freFormatTextHint.memFormatText.SetText(longText);
    Append(O().freFormatTextHint, {L"Длинный"});
    O().freFormatSpeakHour.memFormatText.SetText(L"<h> час");
    Append(O().freFormatSpeakHour, {L"Час"});
    EXPECT_EQ(S().Main.FormatTextHint, longText);

    Restart();
    ASSERT_EQ(O().FormatNames.Count(), 7);
    EXPECT_EQ(O().FormatNames[5], L"Длинный");
    EXPECT_EQ(O().FormatNames[6], L"Час");
    EXPECT_EQ(O().HintFormatId, L"Длинный");
    EXPECT_EQ(O().SpeakHourFormatId, L"Час");
    EXPECT_EQ(S().Main.FormatTextHint, longText);
    EXPECT_EQ(O().freFormatTextHint.memFormatText.Text(), longText);
    EXPECT_EQ(O().freFormatTextHint.cmbNameFormatText.ItemIndex(), 5);
    // The speak-hour choice is read after the choosers were filled: it shows
    // from the next refresh on.
    O().UpdateFormatCombos();
    EXPECT_EQ(O().freFormatSpeakHour.cmbNameFormatText.ItemIndex(), 6);

    // Chosen elsewhere, the long format arrives whole.
    Choose(O().freFormatTextMain, 5);
    EXPECT_EQ(S().Main.FormatTextMain, longText);
    EXPECT_EQ(O().freFormatTextMain.memFormatText.Text(), longText);
}

TEST_F(Formats, ATextTooLongToEditIsShownInPartAndKeptWhole) {
    std::wstring huge;
    for (int i = 0; huge.size() < 300000; ++i) huge += L"Строка " + std::to_wstring(i) + L" <tt>\r\n";
    {
        base::IniFile ini(IniFileName);
        ini.WriteString(L"Main", L"FormatTextHint", base::StoredTextValue(huge));
        ini.UpdateFile();
    }
    Create();
    TfreFormatText& f = O().freFormatTextHint;
    const auto readOnly = [&] {
        return (GetWindowLongW(f.memFormatText.Handle(), GWL_STYLE) & ES_READONLY) != 0;
    };
    EXPECT_TRUE(S().Main.FormatTextHint == huge.substr(0, huge.size() - 2));
    EXPECT_TRUE(f.memFormatText.Clipped());
    EXPECT_TRUE(readOnly());
    EXPECT_FALSE(f.memFormatText.Hint().empty()) << "the memo says why it cannot be edited";
    // Added as a named format, the whole text goes into the store.
    Append(f, {L"Огромный"});
    ASSERT_EQ(O().FormatTexts.Count(), 6);
    EXPECT_TRUE(options::FormatTextOfCommaText(O().FormatTexts[5]) == S().Main.FormatTextHint);

    // Another format makes the memo an editor again.
    Choose(f, 1);
    EXPECT_EQ(S().Main.FormatTextHint, L"<tt>");
    EXPECT_FALSE(readOnly());
    EXPECT_TRUE(f.memFormatText.Hint().empty());
    Choose(f, 5);
    EXPECT_TRUE(readOnly());
    Restart();
    EXPECT_TRUE(S().Main.FormatTextHint == huge.substr(0, huge.size() - 2));
}

TEST_F(Formats, SwitchesOfTheUsesStoreAndEnable) {
    Create();
    TfreFormatText& tray = O().freFormatTextTray;
    tray.chbShowFormatText.SetChecked(false);
    EXPECT_FALSE(S().SystemClock.ReplaceText);
    EXPECT_FALSE(tray.memFormatText.Enabled());
    EXPECT_FALSE(tray.cmbNameFormatText.Enabled());
    EXPECT_FALSE(tray.spbAppendFormat.Enabled());
    tray.chbShowFormatText.SetChecked(true);
    EXPECT_TRUE(S().SystemClock.ReplaceText);
    EXPECT_TRUE(tray.memFormatText.Enabled());

    // An always-on use cannot be switched off.
    O().freFormatTextMain.chbShowFormatText.SetChecked(false);
    EXPECT_TRUE(O().freFormatTextMain.chbShowFormatText.Checked());
    EXPECT_TRUE(O().freFormatTextMain.memFormatText.Enabled());

    // The interval signal keeps its sound or its speech.
    TfreFormatText& interval = O().freFormatSpeakInterval;
    interval.chbShowFormatText.SetChecked(true);
    EXPECT_TRUE(S().Sound.SpeakInterval);
    O().chbPlaySoundS.SetChecked(false);
    EXPECT_FALSE(O().chbPlaySoundS.Checked());
    interval.chbShowFormatText.SetChecked(false);
    EXPECT_TRUE(interval.chbShowFormatText.Checked());
    EXPECT_TRUE(S().Sound.SpeakInterval);

    // A disabled frame keeps its switch's choice for when it comes back.
    interval.SetEnabled(false);
    EXPECT_FALSE(interval.chbShowFormatText.Enabled());
    EXPECT_FALSE(interval.memFormatText.Enabled());
    interval.SetEnabled(true);
    EXPECT_TRUE(interval.memFormatText.Enabled());
}

TEST_F(Formats, SpeechOnAClickStaysOneLineAndAsksForTheSounds) {
    Create();
    O().freFormatSpeakOnClick.memFormatText.SetText(L"Сейчас\r\n<t>");
    EXPECT_EQ(S().Mouse.FormatSpeakOnClick, L"Сейчас <t>");
    Restart();
    EXPECT_EQ(S().Mouse.FormatSpeakOnClick, L"Сейчас <t>");

    TfreFormatText& dbl = O().freFormatSpeakOnDblClick;
    ASSERT_FALSE(S().Mouse.SpeakOnDblClick);
    frmHoralto->aSoundOnOff.Execute();  // every sound off
    ASSERT_TRUE(frmHoralto->aSoundOnOff.Checked());
    boxes_.clear();
    dbl.chbShowFormatText.SetChecked(true);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0], L"Вопрос: Все звуки выключены. Вы хотите включить звуки и воспроизвести?");
    EXPECT_FALSE(frmHoralto->aSoundOnOff.Checked());
    EXPECT_TRUE(S().Mouse.SpeakOnDblClick);
}

// The help window's caption, text and place, read while it is open; then Esc closes it.
struct HelpSeen {
    std::wstring caption, text;
    RECT window{}, work{};
    bool lastLineShown = false;
};
HelpSeen* helpSeen = nullptr;
void CALLBACK ReadHelpAndPressEsc(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND help = FindWindowW(L"TfrmHelpText", nullptr);
    if (!help) return;
    HelpSeen& seen = *helpSeen;
    wchar_t caption[64] = {};
    GetWindowTextW(help, caption, 64);
    seen.caption = caption;
    HWND memo = FindWindowExW(help, nullptr, L"Edit", nullptr);
    seen.text.resize(static_cast<size_t>(GetWindowTextLengthW(memo)) + 1);
    seen.text.resize(
        static_cast<size_t>(GetWindowTextW(memo, seen.text.data(), static_cast<int>(seen.text.size()))));
    GetWindowRect(help, &seen.window);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &seen.work, 0);
    // The memo shows every line without scrolling on a 1024x768 screen.
    const auto lines = SendMessageW(memo, EM_GETLINECOUNT, 0, 0);
    RECT inside{};
    GetClientRect(memo, &inside);
    const auto lastChar = SendMessageW(memo, EM_LINEINDEX, lines - 1, 0);
    const auto at = SendMessageW(memo, EM_POSFROMCHAR, lastChar, 0);
    seen.lastLineShown = SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0) == 0 && at != -1 &&
                         static_cast<short>(HIWORD(at)) + 12 <= inside.bottom;
    SetFocus(memo);
    PostMessageW(memo, WM_KEYDOWN, VK_ESCAPE, 1);
}

TEST_F(Formats, HelpListsTheFormatSymbolsInAWindowThatFitsTheScreen) {
    Create();
    HelpSeen seen;
    helpSeen = &seen;
    SetTimer(nullptr, 0, 300, &ReadHelpAndPressEsc);
    O().freFormatSpeakHour.spbHelpFormats.Click();
    EXPECT_EQ(seen.caption, L"Символы форматирования");
    EXPECT_EQ(seen.text.rfind(L"C<формат> или <формат> = ", 0), 0u) << "the help did not open";
    EXPECT_NE(seen.text.find(L"\r\nampm = Как a/p но разделяются заданными символами (AM/PM)"),
              std::wstring::npos);
    EXPECT_GE(seen.window.left, seen.work.left);
    EXPECT_GE(seen.window.top, seen.work.top);
    EXPECT_LE(seen.window.right, seen.work.right);
    EXPECT_LE(seen.window.bottom, seen.work.bottom);
    EXPECT_TRUE(seen.lastLineShown);
    EXPECT_EQ(FindWindowW(L"TfrmHelpText", nullptr), nullptr) << "Esc closes it";
}

}  // namespace
