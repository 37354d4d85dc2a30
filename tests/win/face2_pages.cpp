// The skin catalogue, colour, font and taskbar clock pages of the settings
// window, on the program's own two windows made in this process: skin files
// added (a clashing section renamed in its file), entries removed, the
// drawing place, the text colour and style, and the taskbar clock's skin
// choices.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/codec.h"
#include "base/ini_file.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "face/display_state.h"
#include "options/frm_options.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/file_dialog.h"
#include "win/support/program_runner.h"

namespace fs = std::filesystem;

namespace {

const wchar_t kSkin[] = L"ImgBack=\r\nCenterX=20\r\nCenterY=15\r\n";

class SkinPages : public testing::Test {
  protected:
    void SetUp() override {
        InitUnitGlobals();
        IniFileName = dir_.Path() / L"Horalto.ini";
        WorkLogFileName = dir_.Path() / L"WindowsWorkLog.txt";
        FileListsFileName = dir_.Path() / L"FileLists.txt";
        TasksListFileName = dir_.Path() / L"TasksList.tsk";
        previousBoxes_ =
            ui::SetMessageBoxHandler([this](const std::wstring& text, const std::wstring&, UINT) {
                messages_.push_back(text);
                return IDOK;
            });
        ui::SetFileDialogHandler([this](ui::OpenDialog& d) {
            dialogs_.push_back({d.Filter, d.FileName, d.InitialDir});
            if (chosen_.empty()) return false;
            d.FileName = chosen_;
            return true;
        });
        ui::Application().SetTitle(L"Horalto");
        ui::Application().CreateForm(frmHoralto);
        ui::Application().CreateForm(frmOptions);
    }
    void TearDown() override {
        ui::Application().DestroyForms();
        frmHoralto = nullptr;
        frmOptions = nullptr;
        ui::SetMessageBoxHandler(previousBoxes_);
        ui::SetFileDialogHandler(nullptr);
    }
    TfrmOptions& O() { return *frmOptions; }
    core::HoraltoSettings& S() { return frmHoralto->Settings; }
    fs::path Write(const std::wstring& name, const std::wstring& text) {
        const fs::path file = dir_.Path() / name;
        base::WriteTextFile1251(file, text);
        return file;
    }
    // Adds a file through a skin page's add button.
    void Add(const fs::path& file, ui::SpeedButton& button) {
        chosen_ = file.wstring();
        button.Click();
    }

    // The skins "A" to "E" of one file, catalogued as entries 4 to 8.
    void AddFiveSkins() {
        std::wstring text;
        for (const wchar_t* name : {L"A", L"B", L"C", L"D", L"E"})
            text += std::wstring(L"[") + name + L"]\r\n" + kSkin;
        Add(Write(L"five.qsk", text), O().spbAddMainSkin);
    }

    testing_support::ScratchDir dir_{L"face2-pages"};
    ui::MessageBoxHandler previousBoxes_;
    std::vector<std::wstring> messages_;
    struct Dialog {
        std::wstring filter, fileName, initialDir;
    };
    std::vector<Dialog> dialogs_;
    std::wstring chosen_;
};

// The stand-in taskbar (tests/fixtures/taskbar) for a test's length.
class FakeTaskbar {
  public:
    FakeTaskbar() {
        const fs::path exe = testing_support::ThisExeDir() / L"fake_taskbar.exe";
        std::wstring cmd = L"\"" + exe.wstring() + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
            return;
        testing_support::WaitFor([&] {
            for (HWND w = FindWindowW(L"Shell_TrayWnd", nullptr); w && !clock;
                 w = FindWindowExW(nullptr, w, L"Shell_TrayWnd", nullptr)) {
                taskbar = w;
                clock = FindWindowExW(FindWindowExW(w, nullptr, L"TrayNotifyWnd", nullptr), nullptr,
                                      L"TrayClockWClass", nullptr);
            }
            return clock != nullptr;
        });
    }
    ~FakeTaskbar() {
        if (!pi_.hProcess) return;
        if (taskbar) PostMessageW(taskbar, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    HWND taskbar = nullptr, clock = nullptr;

  private:
    PROCESS_INFORMATION pi_{};
};

void Pump() {
    MSG msg;
    for (int i = 0; i < 10; ++i) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

int WidthOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r.right - r.left;
}

}  // namespace

TEST_F(SkinPages, AddingSkinFilesToTheCatalogue) {
    const fs::path first =
        Write(L"first.qsk", std::wstring(L"[Часы]\r\n") + kSkin + L"[Морская]\r\n" + kSkin);
    Add(first, O().spbAddMainSkin);
    ASSERT_EQ(dialogs_.size(), 1u);
    EXPECT_EQ(dialogs_[0].filter, L"Шкуры (*.qsk)|*.qsk");
    ASSERT_EQ(frmHoralto->SkinNames.Count(), 6);
    EXPECT_EQ(frmHoralto->SkinNames[4], L"Часы");
    EXPECT_EQ(frmHoralto->SkinNames[5], L"Морская");
    EXPECT_EQ(frmHoralto->SkinFiles[5], first.wstring());
    EXPECT_EQ(O().cmbMainSkins.Count(), 6);
    EXPECT_EQ(O().cmbTraySkins.Count(), 6);
    // The last one added is chosen for the main window.
    EXPECT_EQ(O().cmbMainSkins.ItemIndex(), 5);
    EXPECT_EQ(S().Window.MainSkinIndex, 5);
    EXPECT_TRUE(O().spbDeleteMainSkin.Enabled());
    EXPECT_TRUE(messages_.empty());

    // The same file again adds nothing; the dialog starts at the chosen skin's file.
    Add(first, O().spbAddMainSkin);
    EXPECT_EQ(dialogs_[1].fileName, first.wstring());
    EXPECT_EQ(frmHoralto->SkinNames.Count(), 6);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], L"Нет новых шкур");

    // "Часы1" from another file; then a third file's "Часы" becomes "Часы2" in
    // the file itself, the file's other sections untouched.
    Add(Write(L"second.qsk", std::wstring(L"[Часы1]\r\n") + kSkin), O().spbAddTraySkin);
    EXPECT_EQ(O().cmbTraySkins.ItemIndex(), 6);
    EXPECT_EQ(S().SystemClock.TraySkinIndex, 6);
    const std::wstring third = L"; мой файл\r\n[Часы]\r\nScale=2\r\n\r\n[Лесная]\r\nCenterX=5\r\n";
    const fs::path thirdFile = Write(L"third.qsk", third);
    Add(thirdFile, O().spbAddMainSkin);
    ASSERT_EQ(frmHoralto->SkinNames.Count(), 9);
    EXPECT_EQ(frmHoralto->SkinNames[7], L"Часы2");
    EXPECT_EQ(frmHoralto->SkinFiles[7], thirdFile.wstring());
    EXPECT_EQ(frmHoralto->SkinNames[8], L"Лесная");
    EXPECT_EQ(base::ReadTextFile1251(thirdFile),
              L"; мой файл\r\n[Часы2]\r\nScale=2\r\n\r\n[Лесная]\r\nCenterX=5\r\n");
    // The skin menu follows the catalogue (its two own items first).
    EXPECT_EQ(frmHoralto->pmiSkins.Count(), 2 + 9);

    // A name the settings file could not keep leaves that skin out, with a
    // message; the file's other skins are added.
    messages_.clear();
    Add(Write(L"names.qsk", std::wstring(L"[Часы = синие]\r\n") + kSkin + L"[Синие]\r\n" + kSkin),
        O().spbAddMainSkin);
    ASSERT_EQ(frmHoralto->SkinNames.Count(), 10);
    EXPECT_EQ(frmHoralto->SkinNames[9], L"Синие");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0],
              L"Не удается добавить шкуру \"Часы = синие\". Имя шкуры не может начинаться с "
              L"\"[\" или \";\", содержать \"=\", переводы строк или знаки, которых нет в "
              L"кодировке Windows-1251, начинаться или заканчиваться пробелом или быть пустым.");
    // A file of random bytes is no skin file: nothing is added, as from an empty file.
    std::string junk(1 << 18, '\0');
    std::mt19937 random(35);
    for (char& c : junk) c = static_cast<char>(random() & 0xFF);
    const fs::path junkFile = dir_.Path() / L"junk.qsk";
    std::ofstream(junkFile, std::ios::binary).write(junk.data(), static_cast<std::streamsize>(junk.size()));
    ASSERT_GT(base::IniFile(junkFile).ReadSections().Count(), 0) << "the bytes hold sections";
    messages_.clear();
    Add(junkFile, O().spbAddMainSkin);
    EXPECT_EQ(frmHoralto->SkinNames.Count(), 10);
    EXPECT_EQ(messages_, std::vector<std::wstring>{L"Нет новых шкур"});
}

TEST_F(SkinPages, ClashInAFileThatCannotBeWrittenIsRefused) {
    Add(Write(L"a.qsk", std::wstring(L"[Часы]\r\n") + kSkin), O().spbAddMainSkin);
    const fs::path locked = Write(L"b.qsk", std::wstring(L"[Часы]\r\n") + kSkin + L"[Новая]\r\n" + kSkin);
    // Another program keeps the file open for reading only: it cannot be replaced.
    HANDLE held =
        CreateFileW(locked.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Add(locked, O().spbAddMainSkin);
    CloseHandle(held);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], L"Не удается добавить шкуру. Имя \"Часы\" уже существует.");
    ASSERT_EQ(frmHoralto->SkinNames.Count(), 6);
    EXPECT_EQ(frmHoralto->SkinNames[5], L"Новая");
    EXPECT_EQ(base::ReadTextFile1251(locked), std::wstring(L"[Часы]\r\n") + kSkin + L"[Новая]\r\n" + kSkin);
}

TEST_F(SkinPages, FileInTheProgramFolderIsCataloguedRelative) {
    const fs::path folder =
        fs::path(ui::Application().ExeName()).parent_path() /
        (L"face2-skins-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64()));
    fs::create_directories(folder);
    const fs::path file = folder / L"inside.qsk";
    base::WriteTextFile1251(file, std::wstring(L"[Внутри]\r\n") + kSkin);
    // The folder prefix is compared ignoring Latin letter case.
    std::wstring upper = file.wstring();
    for (wchar_t& c : upper)
        if (c >= L'a' && c <= L'z') c = wchar_t(c - L'a' + L'A');
    chosen_ = upper;
    O().spbAddMainSkin.Click();
    fs::remove_all(folder);
    ASSERT_EQ(frmHoralto->SkinFiles.Count(), 5);
    EXPECT_EQ(frmHoralto->SkinFiles[4], fs::path(upper).parent_path().filename().wstring() + L"\\INSIDE.QSK");
}

TEST_F(SkinPages, RemovingEntries) {
    AddFiveSkins();
    ASSERT_EQ(frmHoralto->SkinNames.Count(), 9);
    S().SystemClock.TraySkinIndex = 8;  // "E", used by the taskbar clock

    // The built-in entries can be neither removed nor edited.
    O().cmbMainSkins.SetItemIndex(2);
    O().cmbMainSkinsChange(O().cmbMainSkins);
    EXPECT_FALSE(O().spbDeleteMainSkin.Enabled());
    EXPECT_FALSE(O().spbEditMainSkin.Enabled());
    O().spbDeleteSkinClick(O().spbDeleteMainSkin);
    EXPECT_EQ(frmHoralto->SkinNames.Count(), 9);

    // The second-to-last: the entry before it is chosen.
    O().cmbMainSkins.SetItemIndex(7);
    O().spbDeleteMainSkin.Click();
    EXPECT_EQ(frmHoralto->SkinNames.Count(), 8);
    EXPECT_EQ(O().cmbMainSkins.ItemIndex(), 6);
    EXPECT_EQ(S().Window.MainSkinIndex, 6);
    EXPECT_EQ(O().cmbTraySkins.Count(), 8);
    // The taskbar clock keeps its skin "E", which moved up.
    EXPECT_EQ(S().SystemClock.TraySkinIndex, 7);
    EXPECT_EQ(frmHoralto->SkinNames[7], L"E");

    // The last: the new last one is chosen.
    O().cmbMainSkins.SetItemIndex(7);
    O().spbDeleteMainSkin.Click();
    EXPECT_EQ(O().cmbMainSkins.ItemIndex(), 6);
    EXPECT_EQ(frmHoralto->SkinNames[6], L"C");
    EXPECT_EQ(frmHoralto->pmiSkins.Count(), 2 + 7);
}

TEST_F(SkinPages, EditingOpensTheSkinFileInNotepad) {
    const fs::path file = Write(L"edit me.qsk", std::wstring(L"[Правка]\r\n") + kSkin);
    Add(file, O().spbAddMainSkin);
    ASSERT_EQ(S().Window.MainSkinIndex, 4);
    O().spbEditMainSkin.Click();
    HWND notepad = nullptr;
    ASSERT_TRUE(
        testing_support::WaitFor([&] { return (notepad = FindWindowW(L"Notepad", nullptr)) != nullptr; }));
    wchar_t title[256] = {};
    EXPECT_TRUE(testing_support::WaitFor([&] {
        GetWindowTextW(notepad, title, 256);
        return std::wstring(title).find(L"edit me") != std::wstring::npos;
    })) << testing::PrintToString(std::wstring(title));
    PostMessageW(notepad, WM_CLOSE, 0, 0);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(SkinPages, NoSkinSwapsTheBackgroundAndSizeControls) {
    O().cmbMainSkins.SetItemIndex(0);
    O().cmbMainSkinsChange(O().cmbMainSkins);
    EXPECT_EQ(S().Window.MainSkinIndex, 0);
    EXPECT_TRUE(O().chbUseMainBackgrFile.Enabled());
    EXPECT_TRUE(O().edtMainBackgrFile.Enabled());
    EXPECT_FALSE(O().trbMainScale.Enabled());
    EXPECT_FALSE(O().lblMainScale.Enabled());
    // Without a skin the "Из шкуры" choices are hidden and the font can be chosen.
    O().tbsMainFontShow(O().tbsMainFont);
    EXPECT_FALSE(O().rdbUseMainSkinFont.Visible());
    EXPECT_TRUE(O().fcbMainFont.Enabled());
    O().cmbMainColorObject.SetItemIndex(1);
    O().cmbMainColorObjectChange(O().cmbMainColorObject);
    EXPECT_FALSE(O().rdbMainSkinColor.Visible());
    EXPECT_TRUE(O().rdbMainColor.Checked());

    O().cmbMainSkins.SetItemIndex(2);
    O().cmbMainSkinsChange(O().cmbMainSkins);
    EXPECT_FALSE(O().chbUseMainBackgrFile.Enabled());
    EXPECT_TRUE(O().trbMainScale.Enabled());
    EXPECT_EQ(O().trbMainScale.Position(), static_cast<int>(S().Window.MainScale * 100));
}

TEST_F(SkinPages, DrawingPlaceChoices) {
    O().rdbDrawOnDesktop.SetChecked(true);
    EXPECT_TRUE(O().chbDrawOnWallpaper.Enabled());
    EXPECT_FALSE(O().chbMaskOnMouseMove.Enabled());
    EXPECT_TRUE(S().Window.DrawOnDesktop);
    EXPECT_FALSE(S().Window.DrawOnForm);
    O().chbDrawOnWallpaper.SetChecked(true);
    EXPECT_FALSE(S().Window.DrawOnDesktop);  // neither: in the wallpaper
    EXPECT_FALSE(S().Window.DrawOnForm);
    O().rdbDrawOnForm.SetChecked(true);
    EXPECT_FALSE(S().Window.DrawOnDesktop);
    EXPECT_TRUE(S().Window.DrawOnForm);
    EXPECT_FALSE(O().chbDrawOnWallpaper.Enabled());
    O().rdbDrawOnDesktopAndForm.SetChecked(true);
    EXPECT_TRUE(S().Window.DrawOnDesktop);
    EXPECT_TRUE(S().Window.DrawOnForm);
}

TEST_F(SkinPages, TextColourAndStyle) {
    S().Window.TextStyle = 5;
    O().tbsMainFontShow(O().tbsMainFont);
    EXPECT_TRUE(O().chbMainStyleBold.Checked());
    EXPECT_TRUE(O().chbMainStyleUnderline.Checked());
    EXPECT_FALSE(O().chbMainStyleItalic.Checked());

    // A listed colour for the text is opaque whatever the bar shows.
    S().Window.UseSkinTextColor = false;
    O().cmbMainColorObject.SetItemIndex(1);
    O().cmbMainColorObjectChange(O().cmbMainColorObject);
    O().rdbMainColor.SetChecked(true);
    O().SetTag(1);
    O().trbMainColorTransp.SetPosition(100);
    O().SetTag(0);
    O().clbMainDefColors.SetItemIndex(10);  // red
    O().clbMainDefColorsChange(O().clbMainDefColors);
    EXPECT_EQ(static_cast<unsigned>(S().Window.TextColor), 0xFFFF0000u);
    EXPECT_EQ(O().MainTextColorItem, 10);
    // Moving the bar below 255 switches to the custom entry and gives that alpha.
    O().trbMainColorTransp.SetPosition(128);
    EXPECT_EQ(O().clbMainDefColors.ItemIndex(), 0);
    EXPECT_EQ(static_cast<unsigned>(S().Window.TextColor), 0x80FF0000u);

    // The picture's last pixel is a pixel of the palette.
    O().imgMainColorsMouseDown(O().imgMainColors, ui::mbLeft, 0, O().imgMainColors.Width() - 1,
                               O().imgMainColors.Height() - 1);
    EXPECT_EQ(static_cast<unsigned>(S().Window.TextColor) & 0xFFFFFF, 0u);  // the bottom row is black
    EXPECT_EQ(static_cast<unsigned>(S().Window.TextColor) >> 24, 128u);
}

TEST_F(SkinPages, TaskbarClockSkinChoices) {
    // "Нет" clears the taskbar clock's skin and its box.
    O().chbUseTraySkin.SetChecked(true);
    O().cmbTraySkins.SetItemIndex(0);
    O().cmbTraySkinsChange(O().cmbTraySkins);
    EXPECT_FALSE(S().SystemClock.UseTraySkis);
    EXPECT_FALSE(O().chbUseTraySkin.Checked());

    // The main window's own skin shares its pictures.
    S().Window.MainSkinIndex = 2;
    O().cmbTraySkins.SetItemIndex(2);
    O().cmbTraySkinsChange(O().cmbTraySkins);
    EXPECT_TRUE(S().SystemClock.UseTraySkis);
    EXPECT_FALSE(S().SystemClock.NewTraySkin);

    // Without a skin in the main window there is none to share: "Трей", box checked again.
    S().Window.MainSkinIndex = 0;
    O().chbNewTraySkin.SetChecked(false);
    EXPECT_TRUE(O().chbNewTraySkin.Checked());
    EXPECT_EQ(O().cmbTraySkins.ItemIndex(), 3);
    EXPECT_TRUE(S().SystemClock.NewTraySkin);
    EXPECT_EQ(S().SystemClock.TraySkinIndex, 3);

    // The size bar of a clock not shown changes only its label and hint.
    const float scale = S().SystemClock.Scale;
    O().chbAutoTrayScale.SetChecked(false);
    O().trbTrayScale.SetPosition(150);
    EXPECT_EQ(O().lblTrayScale.Caption(), L"150%");
    EXPECT_EQ(O().trbTrayScale.Hint(), L"150");
    EXPECT_FLOAT_EQ(S().SystemClock.Scale, scale);

    // Automatic size disables the size controls, also through the skin box.
    O().chbAutoTrayScale.SetChecked(true);
    EXPECT_FALSE(O().trbTrayScale.Enabled());
    O().chbUseTraySkin.SetChecked(false);
    O().chbUseTraySkin.SetChecked(true);
    EXPECT_FALSE(O().trbTrayScale.Enabled());
    EXPECT_FALSE(O().lblTrayScale1.Enabled());
}

TEST_F(SkinPages, TextStylesFromTheSkinAreDisabledInLookAndUse) {
    auto expectStyleBoxes = [](std::initializer_list<ui::CheckBox*> boxes, bool enabled) {
        for (ui::CheckBox* box : boxes)
            EXPECT_EQ(IsWindowEnabled(box->Handle()) != FALSE, enabled)
                << testing::PrintToString(box->Caption());
    };
    const auto mainBoxes = {&O().chbMainStyleItalic, &O().chbMainStyleBold, &O().chbMainStyleUnderline,
                            &O().chbMainStyleStrikeOut};
    O().cmbMainSkins.SetItemIndex(2);
    O().cmbMainSkinsChange(O().cmbMainSkins);
    O().tbsMainFontShow(O().tbsMainFont);
    O().rdbUseMainSkinFont.SetChecked(true);
    EXPECT_FALSE(IsWindowEnabled(O().pnlMainFontStyle.Handle()));
    expectStyleBoxes(mainBoxes, false);
    O().rdbChangeMainFont.SetChecked(true);
    expectStyleBoxes(mainBoxes, true);

    const auto trayBoxes = {&O().chbTrayStyleItalic, &O().chbTrayStyleBold, &O().chbTrayStyleUnderline,
                            &O().chbTrayStyleStrikeOut};
    S().Window.MainSkinIndex = 2;
    O().chbUseTraySkin.SetChecked(true);
    O().cmbTraySkins.SetItemIndex(2);
    O().cmbTraySkinsChange(O().cmbTraySkins);
    O().tbsTrayFontShow(O().tbsTrayFont);
    O().rdbUseTraySkinFont.SetChecked(true);
    ASSERT_TRUE(O().rdbUseTraySkinFont.Visible());
    expectStyleBoxes(trayBoxes, false);
    O().rdbChangeTrayFont.SetChecked(true);
    expectStyleBoxes(trayBoxes, true);
}

TEST_F(SkinPages, TaskbarPageDrivesTheShownClock) {
    FakeTaskbar fake;
    ASSERT_TRUE(fake.clock);
    auto& c = S().SystemClock;
    c.UseTraySkis = true;
    c.NewTraySkin = true;
    c.TraySkinIndex = 3;
    c.AutoTrayScale = false;
    c.Scale = 1.0f;
    c.ResizeWindow = true;
    c.NoBorders = true;
    O().CopySystemClockPageSettings();
    frmHoralto->BuildTaskbarClock(false);
    Pump();
    ASSERT_TRUE(frmHoralto->pnlTrayTime.Visible());
    const int small = frmHoralto->Face().TraySkin.geometry.bitmapWidth;

    // The size bar of a shown clock: the clock is built at the chosen size.
    O().trbTrayScale.SetPosition(60);
    EXPECT_FLOAT_EQ(c.Scale, 0.6f);
    EXPECT_NEAR(frmHoralto->Face().TraySkin.geometry.Scale, 0.6, 1e-6);
    EXPECT_LT(frmHoralto->Face().TraySkin.geometry.bitmapWidth, small);
    EXPECT_EQ(WidthOf(fake.clock), frmHoralto->Face().trayClockWidth);

    // Borders: the frame widths are added.
    const int bare = WidthOf(fake.clock);
    O().chbTrayNoBorders.SetChecked(false);
    O().chbResizeTrayWindowClick(O().chbResizeTrayWindow);  // skin loaded again with the frames
    Pump();
    EXPECT_FALSE(c.NoBorders);
    EXPECT_GT(WidthOf(fake.clock), bare);

    // Not resizing any more: the taskbar lays itself out as it likes.
    O().chbResizeTrayWindow.SetChecked(false);
    Pump();
    EXPECT_FALSE(c.ResizeWindow);
    EXPECT_EQ(WidthOf(fake.clock), 50);

    // "Нет": a text clock; its margins widen it.
    O().chbResizeTrayWindow.SetChecked(true);
    O().chbTrayNoBorders.SetChecked(true);
    O().cmbTraySkins.SetItemIndex(0);
    O().cmbTraySkinsChange(O().cmbTraySkins);
    Pump();
    ASSERT_TRUE(frmHoralto->Face().taskbarClock.label);
    EXPECT_FALSE(O().chbUseTraySkin.Checked());
    const int narrow = WidthOf(fake.clock);
    O().speBorderTrayText.SetValue(c.BorderText + 10);
    Pump();
    EXPECT_EQ(WidthOf(fake.clock), narrow + 20);
    frmHoralto->RemoveTaskbarClock();
}

TEST_F(SkinPages, ClashingNameNeverDuplicatesASectionOfTheFile) {
    Add(Write(L"a.qsk", std::wstring(L"[Часы]\r\n") + kSkin), O().spbAddMainSkin);
    // The file holds "Часы1" and "часы2" itself; its other sections, odd bytes
    // and bare line feeds included, must come back as they were.
    const std::string tail =
        "Scale=2\r\n[\xd7\xe0\xf1\xfb\x31]\r\nCenterX=5 \t\r\n;\x98 note\n[\xf7\xe0\xf1\xfb\x32]\r\nx=1";
    const fs::path file = dir_.Path() / L"b.qsk";
    {
        std::ofstream out(file, std::ios::binary);
        out << "[\xd7\xe0\xf1\xfb]\r\n" << tail;
    }
    Add(file, O().spbAddMainSkin);
    EXPECT_TRUE(messages_.empty());
    ASSERT_EQ(frmHoralto->SkinNames.Count(), 8);
    EXPECT_EQ(frmHoralto->SkinNames[5], L"Часы3");
    EXPECT_EQ(frmHoralto->SkinNames[6], L"Часы1");
    EXPECT_EQ(frmHoralto->SkinNames[7], L"часы2");
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "[\xd7\xe0\xf1\xfb\x33]\r\n" + tail);
}

TEST_F(SkinPages, NamesDifferingOnlyInCyrillicCaseClash) {
    Add(Write(L"a.qsk", std::wstring(L"[Часы]\r\n") + kSkin), O().spbAddMainSkin);
    const fs::path second = Write(L"b.qsk", std::wstring(L"[часы]\r\n") + kSkin);
    Add(second, O().spbAddMainSkin);
    ASSERT_EQ(frmHoralto->SkinNames.Count(), 6);
    EXPECT_EQ(frmHoralto->SkinNames[5], L"часы1");
    EXPECT_EQ(base::ReadTextFile1251(second), std::wstring(L"[часы1]\r\n") + kSkin);
    // Both entries survive the settings file: its keys fold Cyrillic case.
    bool canClose = true;
    frmHoralto->FormCloseQuery(*frmHoralto, canClose);
    base::IniFile ini(IniFileName);
    EXPECT_EQ(ini.ReadSection(L"Skins").Count(), 2);
}

TEST_F(SkinPages, ScaleSliderShowsTheStoredScale) {
    S().Window.MainSkinIndex = 1;
    auto& c = S().SystemClock;
    c.TraySkinIndex = 3;
    c.UseTraySkis = true;
    for (int percent = 1; percent <= 1000; ++percent) {
        // As the settings file gives it back: the number of the text, held in single precision.
        S().Window.MainScale = static_cast<float>(percent / 100.0);
        c.Scale = static_cast<float>(percent / 100.0);
        O().tbsMainSkinShow(O().tbsMainSkin);
        O().tbsTraySkinShow(O().tbsTraySkin);
        ASSERT_EQ(O().trbMainScale.Position(), percent);
        ASSERT_EQ(O().lblMainScale.Caption(), std::to_wstring(percent) + L"%");
        ASSERT_EQ(O().trbTrayScale.Position(), percent);
    }
    // Moving the bar stores the scale the bar shows again.
    S().Window.MainScale = 1.0f;
    O().tbsMainSkinShow(O().tbsMainSkin);
    O().trbMainScale.SetPosition(29);
    EXPECT_EQ(S().Window.MainScale, static_cast<float>(29 * 0.01));
    O().tbsMainSkinShow(O().tbsMainSkin);
    EXPECT_EQ(O().trbMainScale.Position(), 29);
}

TEST_F(SkinPages, RemovingTheSkinAnotherPageUsesFallsBackToTheBuiltInSkin) {
    AddFiveSkins();
    ASSERT_EQ(frmHoralto->SkinNames.Count(), 9);

    // The taskbar clock uses "C"; the main page removes it.
    O().chbUseTraySkin.SetChecked(true);
    O().cmbTraySkins.SetItemIndex(6);
    O().cmbTraySkinsChange(O().cmbTraySkins);
    ASSERT_EQ(S().SystemClock.TraySkinIndex, 6);
    O().cmbMainSkins.SetItemIndex(6);
    O().cmbMainSkinsChange(O().cmbMainSkins);
    O().spbDeleteMainSkin.Click();
    EXPECT_EQ(S().SystemClock.TraySkinIndex, 3);  // "Трей", not "D" that moved up
    EXPECT_EQ(O().cmbTraySkins.ItemIndex(), 3);
    EXPECT_EQ(S().Window.MainSkinIndex, 6);  // the main page itself keeps its own rule
    EXPECT_EQ(frmHoralto->SkinNames[6], L"D");

    // The main window uses "E"; the taskbar page removes it.
    O().cmbMainSkins.SetItemIndex(7);
    O().cmbMainSkinsChange(O().cmbMainSkins);
    O().cmbTraySkins.SetItemIndex(7);
    O().cmbTraySkinsChange(O().cmbTraySkins);
    O().spbDeleteTraySkin.Click();
    EXPECT_EQ(S().Window.MainSkinIndex, 1);  // "Стандартная", not past the end
    EXPECT_EQ(O().cmbMainSkins.ItemIndex(), 1);
    O().tbsMainSkinShow(O().tbsMainSkin);
    EXPECT_EQ(O().cmbMainSkins.ItemIndex(), 1);
}

TEST_F(SkinPages, DeletedSkinFileShowsTheSameFallbackInTheClockAndTheCatalogue) {
    FakeTaskbar fake;
    ASSERT_TRUE(fake.clock);
    const fs::path file = Write(L"gone.qsk", std::wstring(L"[Пропавшая]\r\n") + kSkin);
    Add(file, O().spbAddMainSkin);
    ASSERT_EQ(S().Window.MainSkinIndex, 4);
    fs::remove(file);

    // The main window: choosing the entry again falls back to "Стандартная".
    O().cmbMainSkins.SetItemIndex(4);
    O().cmbMainSkinsChange(O().cmbMainSkins);
    EXPECT_EQ(S().Window.MainSkinIndex, 1);
    EXPECT_EQ(O().cmbMainSkins.ItemIndex(), 1);
    EXPECT_FALSE(O().spbDeleteMainSkin.Enabled());
    EXPECT_EQ(frmHoralto->SkinNames.Count(), 5);  // the entry itself stays

    // The shown taskbar clock falls back to "Трей".
    auto& c = S().SystemClock;
    c.UseTraySkis = true;
    c.NewTraySkin = true;
    c.TraySkinIndex = 3;
    O().CopySystemClockPageSettings();
    frmHoralto->BuildTaskbarClock(false);
    Pump();
    ASSERT_TRUE(frmHoralto->pnlTrayTime.Visible());
    O().cmbTraySkins.SetItemIndex(4);
    O().cmbTraySkinsChange(O().cmbTraySkins);
    EXPECT_EQ(c.TraySkinIndex, 3);
    EXPECT_EQ(O().cmbTraySkins.ItemIndex(), 3);
    EXPECT_FALSE(O().spbDeleteTraySkin.Enabled());

    // A skin whose file and section are there, but whose picture is not (yet):
    // the built-in skins stand in for it, and it stays chosen in the clock's
    // settings, the catalogue and the skin menu, its file still to be edited.
    Add(Write(L"bare.qsk", L"[Без картинки]\r\nImgBackGr=нет.png\r\n"), O().spbAddMainSkin);
    EXPECT_EQ(S().Window.MainSkinIndex, 5);
    EXPECT_EQ(O().cmbMainSkins.ItemIndex(), 5);
    EXPECT_TRUE(O().spbEditMainSkin.Enabled());
    EXPECT_TRUE(frmHoralto->Face().MainSkin.standIn);
    EXPECT_TRUE(frmHoralto->Face().MainSkin.Image(face::kImgBackGr));
    frmHoralto->pmnMenuPopup(frmHoralto->pmnMenu);
    EXPECT_TRUE(frmHoralto->pmiSkins[2 + 5].Default());
    // The taskbar clock sharing its pictures shows the built-in skin too.
    O().cmbTraySkins.SetItemIndex(5);
    O().cmbTraySkinsChange(O().cmbTraySkins);
    EXPECT_EQ(c.TraySkinIndex, 5);
    EXPECT_FALSE(c.NewTraySkin);
    EXPECT_EQ(O().cmbTraySkins.ItemIndex(), 5);
    EXPECT_TRUE(frmHoralto->Face().TraySkin.standIn);
    frmHoralto->RemoveTaskbarClock();
}
