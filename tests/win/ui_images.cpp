// The program's pictures: the image list of the class library and the main
// window's `imlMain`, the pictures the menu painter draws in its icon column,
// the settings window's tabs and the action choosers, the program's icon on
// every form and in the tray icon, and the application manifest of the built
// program (read from the file, and its common controls 6 registering a
// balloon tool).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "components/balloon_hint.h"
#include "components/gtray_icon.h"
#include "components/xp_menu.h"
#include "core/action_numbers.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "options/frm_about.h"
#include "options/frm_options.h"
#include "options/screen_cursors.h"
#include "ui/application.h"
#include "ui/graphics.h"
#include "ui/handles.h"
#include "ui/image_combo_box.h"
#include "ui/image_list.h"
#include "ui/program_icon.h"
#include "win/support/program_runner.h"
#include "win/support/program_windows.h"

namespace {

using testing_support::HoraltoExe;

// A 32-bit top-down bitmap filled with one colour, selected into its own DC.
class Canvas {
  public:
    Canvas(int w, int h, COLORREF fill) : w_(w), h_(h) {
        dc_.Reset(CreateCompatibleDC(nullptr));
        void* bits = nullptr;
        bitmap_.Reset(ui::NewTopDownDib(w, h, &bits));
        bits_ = static_cast<DWORD*>(bits);
        SelectObject(dc_.Get(), bitmap_.Get());
        RECT all{0, 0, w, h};
        ui::BrushHandle brush(CreateSolidBrush(fill));
        FillRect(dc_.Get(), &all, brush.Get());
    }
    HDC Dc() const { return dc_.Get(); }
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        const DWORD p = bits_[y * w_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // How many pixels of the rectangle differ from `colour`.
    int CountOtherThan(COLORREF colour, RECT r) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (Pixel(x, y) != colour) ++n;
        return n;
    }
    // The distinct colours of the rectangle.
    int Colours(RECT r) const {
        std::vector<COLORREF> seen;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (std::find(seen.begin(), seen.end(), Pixel(x, y)) == seen.end())
                    seen.push_back(Pixel(x, y));
        return static_cast<int>(seen.size());
    }

  private:
    int w_, h_;
    ui::MemoryDc dc_;
    ui::BitmapHandle bitmap_;
    DWORD* bits_ = nullptr;
};

// The pixels of an icon drawn on white.
std::vector<COLORREF> IconPixels(HICON icon, int size) {
    Canvas c(size, size, RGB(255, 255, 255));
    DrawIconEx(c.Dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) pixels.push_back(c.Pixel(x, y));
    return pixels;
}

// The sizes of the icon group `name` in a module's resources.
std::vector<int> IconSizes(HMODULE module, const wchar_t* name) {
#pragma pack(push, 2)
    struct GroupEntry {
        BYTE width, height, colours, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
    struct GroupHeader {
        WORD reserved, type, count;
    };
#pragma pack(pop)
    std::vector<int> sizes;
    HRSRC res = FindResourceW(module, name, RT_GROUP_ICON);
    if (!res) return sizes;
    auto* header = static_cast<const GroupHeader*>(LockResource(LoadResource(module, res)));
    auto* entries = reinterpret_cast<const GroupEntry*>(header + 1);
    for (int i = 0; i < header->count; ++i) sizes.push_back(entries[i].width ? entries[i].width : 256);
    return sizes;
}

// The built program opened for reading its resources.
struct ProgramFile {
    ProgramFile() : module(LoadLibraryExW(HoraltoExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ui::ModuleHandle module;
    std::string Manifest() const {
        HRSRC res = FindResourceW(module.Get(), MAKEINTRESOURCEW(1), RT_MANIFEST);
        if (!res) return {};
        const char* text = static_cast<const char*>(LockResource(LoadResource(module.Get(), res)));
        return std::string(text, SizeofResource(module.Get(), res));
    }
};

// Both windows made as the program's start makes them.
class ProgramPictures : public testing::Test {
  protected:
    void SetUp() override {
        testing_support::UseDataFolder(dir_.Path());
        testing_support::CreateProgramWindows();
    }
    void TearDown() override { testing_support::DestroyProgramWindows(); }
    testing_support::ScratchDir dir_{L"ui-images"};
};

}  // namespace

TEST(ImageList, OwnsItsPicturesAndHandsThemOut) {
    HIMAGELIST handle = nullptr;
    {
        ui::ImageList list(nullptr, L"imlTest");
        handle = list.Handle();
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(list.AddMaskedResource(L"NO_SUCH_STRIP", RGB(255, 0, 255)), 0);
        EXPECT_EQ(list.AddMaskedResource(L"IMG_MAIN", RGB(255, 0, 255)), 31);
        EXPECT_FALSE(list.GetIcon(31));
        EXPECT_FALSE(list.GetIcon(-1));
        ui::IconHandle icon = list.GetIcon(29);
        EXPECT_TRUE(icon);
        list.Clear();
        EXPECT_EQ(list.Count(), 0);
    }
    // The list went with its owner.
    EXPECT_EQ(ImageList_GetImageCount(handle), 0);
}

TEST_F(ProgramPictures, EveryPictureOfTheMainListIsDrawnAndKeepsItsCorner) {
    const ui::ImageList& iml = frmHoralto->imlMain;
    EXPECT_EQ(iml.Width(), 16);
    EXPECT_EQ(iml.Height(), 16);
    ASSERT_EQ(iml.Count(), 31);
    // Every index a menu item, action, tab or chooser names has a picture.
    std::vector<int> used;
    for (int i = 0; i < frmHoralto->ActionList.Count(); ++i)
        used.push_back(frmHoralto->ActionList[i].ImageIndex());
    for (int action = 0; action < 28; ++action) used.push_back(core::ActionImageIndex(action));
    for (int extra : {3, 4, 5, 19, 20, 21, 22, 23, 24}) used.push_back(extra);
    for (int index : used) EXPECT_LT(index, iml.Count());
    for (int i = 0; i < iml.Count(); ++i) {
        // Drawn on two backgrounds: the picture covers a good part of its
        // square, and its bottom-left pixel stays transparent.
        Canvas white(16, 16, RGB(255, 255, 255)), black(16, 16, RGB(0, 0, 0));
        iml.Draw(white.Dc(), 0, 0, i);
        iml.Draw(black.Dc(), 0, 0, i);
        int covered = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (white.Pixel(x, y) == black.Pixel(x, y)) ++covered;
        EXPECT_GT(covered, 40) << "picture " << i;
        EXPECT_EQ(white.Pixel(0, 15), RGB(255, 255, 255)) << "picture " << i;
        EXPECT_EQ(black.Pixel(0, 15), RGB(0, 0, 0)) << "picture " << i;
        EXPECT_GT(white.Colours(RECT{0, 0, 16, 16}), 3) << "picture " << i;
    }
}

TEST_F(ProgramPictures, TheSoundSwitchShowsWhatItDoesAndTheSignalsTabWhetherSoundsAreOn) {
    // Two pictures of the main list drawn alike.
    auto same = [](int a, int b) {
        Canvas first(16, 16, RGB(255, 255, 255)), second(16, 16, RGB(255, 255, 255));
        frmHoralto->imlMain.Draw(first.Dc(), 0, 0, a);
        frmHoralto->imlMain.Draw(second.Dc(), 0, 0, b);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (first.Pixel(x, y) != second.Pixel(x, y)) return false;
        return true;
    };
    TfrmHoralto& f = *frmHoralto;
    const int sounding = f.aSignals.ImageIndex();
    ASSERT_FALSE(f.aSoundOnOff.Checked());
    EXPECT_EQ(f.aSoundOnOff.Caption(), L"Выключить звук");
    EXPECT_FALSE(same(f.aSoundOnOff.ImageIndex(), sounding))
        << "turning the sounds off shows a muted speaker";
    EXPECT_EQ(frmOptions->tbsSound.ImageIndex(), sounding);

    f.aSoundOnOff.Execute();
    EXPECT_EQ(f.aSoundOnOff.Caption(), L"Включить звук");
    EXPECT_TRUE(same(f.aSoundOnOff.ImageIndex(), sounding))
        << "turning the sounds on shows a sounding speaker";
    const int tabWhileOff = frmOptions->tbsSound.ImageIndex();
    EXPECT_FALSE(same(tabWhileOff, sounding));
    EXPECT_FALSE(same(tabWhileOff, f.aSoundOnOff.ImageIndex()));

    // Sounds off is kept over a restart, and the tab shows it from the start.
    testing_support::RestartProgramWindows();
    ASSERT_TRUE(frmHoralto->aSoundOnOff.Checked());
    EXPECT_EQ(frmOptions->tbsSound.ImageIndex(), tabWhileOff);

    frmHoralto->aSoundOnOff.Execute();
    EXPECT_EQ(frmOptions->tbsSound.ImageIndex(), sounding);
}

TEST_F(ProgramPictures, MenuItemsDrawTheirPicturesInTheIconColumn) {
    ASSERT_EQ(frmHoralto->XPMenu->Images(), frmHoralto->imlMain.Handle());
    // The same item drawn with its picture and without one: only the picture
    // changes the icon column (the painter's gradient is the same in both).
    auto drawn = [](ui::MenuItem& item, UINT state) {
        auto c = std::make_unique<Canvas>(200, 24, RGB(0, 0, 0));
        frmHoralto->pmnMenu.OnDrawItem(item, c->Dc(), RECT{0, 0, 200, 24}, state);
        return c;
    };
    for (ui::MenuItem* item : {&frmHoralto->pmiExit, &frmHoralto->pmiAbout, &frmHoralto->pmiTasks,
                               &frmHoralto->pmiSunRD, &frmHoralto->pmiSkins, &frmHoralto->pmiSound}) {
        for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
            const int image = item->ImageIndex();
            ASSERT_GE(image, 0) << item->Name();
            auto with = drawn(*item, state);
            item->GetAction() ? item->GetAction()->SetImageIndex(-1) : item->SetImageIndex(-1);
            auto without = drawn(*item, state);
            item->GetAction() ? item->GetAction()->SetImageIndex(image) : item->SetImageIndex(image);
            int differing = 0;
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 24; ++x)
                    if (with->Pixel(x, y) != without->Pixel(x, y)) ++differing;
            EXPECT_GT(differing, 40) << item->Name() << " state " << state;
            // The text beside it is drawn alike.
            EXPECT_EQ(with->Pixel(150, 12), without->Pixel(150, 12));
            EXPECT_EQ(without->CountOtherThan(without->Pixel(12, 2), RECT{12, 2, 13, 22}), 0);
        }
    }
    // A disabled item's picture is drawn grey.
    frmHoralto->pmiSunRD.SetEnabled(false);
    auto grey = drawn(frmHoralto->pmiSunRD, 0);
    frmHoralto->pmiSunRD.SetEnabled(true);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const COLORREF p = grey->Pixel(x, y);
            if (GetRValue(p) != GetGValue(p) || GetGValue(p) != GetBValue(p)) {
                // The column's gradient is a tint of the button face; the picture is grey.
                const COLORREF back = grey->Pixel(x, 1);
                EXPECT_EQ(p, back) << x << "," << y;
            }
        }
}

TEST_F(ProgramPictures, TabsAndChoosersShowTheActionsPictures) {
    ASSERT_EQ(frmOptions->pgcOptions.Images(), &frmHoralto->imlMain);
    EXPECT_EQ(
        reinterpret_cast<HIMAGELIST>(SendMessageW(frmOptions->pgcOptions.Handle(), TCM_GETIMAGELIST, 0, 0)),
        frmHoralto->imlMain.Handle());
    // Each tab shows the picture of the action that opens its page.
    const ui::Action* pages[] = {
        &frmHoralto->aMain,    &frmHoralto->aShape,   &frmHoralto->aSystemClock,
        &frmHoralto->aSignals, &frmHoralto->aSpeech,  &frmHoralto->aWorkWindows,
        &frmHoralto->aMouse,   &frmHoralto->aPlanner, &frmHoralto->aTimeSynchronization,
        &frmHoralto->aHotKeys};
    auto tabImage = [](int tab) {
        TCITEMW item{};
        item.mask = TCIF_IMAGE;
        SendMessageW(frmOptions->pgcOptions.Handle(), TCM_GETITEMW, tab, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    };
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(frmOptions->pgcOptions.Page(i).ImageIndex(), pages[i]->ImageIndex()) << i;
        EXPECT_EQ(tabImage(i), pages[i]->ImageIndex()) << i;
    }
    // Sounds off: the signals tab shows it, the command shows what it does now.
    frmHoralto->aSoundOnOff.Execute();
    EXPECT_EQ(frmHoralto->aSoundOnOff.ImageIndex(), core::kImageSound);
    EXPECT_EQ(tabImage(3), core::kImageSoundsOff);
    frmHoralto->aSoundOnOff.Execute();
    EXPECT_EQ(frmHoralto->aSoundOnOff.ImageIndex(), core::kImageMute);
    EXPECT_EQ(tabImage(3), core::kImageSound);
    // Planner off: the menu command and its tab change pictures together.
    frmHoralto->aPlannerOnOff.Execute();
    EXPECT_EQ(frmHoralto->aPlannerOnOff.ImageIndex(), 20);
    EXPECT_EQ(frmHoralto->pmiPlannerOnOff.ImageIndex(), 20);
    EXPECT_EQ(tabImage(7), 20);
    frmHoralto->aPlannerOnOff.Execute();
    EXPECT_EQ(frmHoralto->aPlannerOnOff.ImageIndex(), 13);
    EXPECT_EQ(tabImage(7), 13);

    // The three action choosers: the pictures of the commands they name.
    for (ui::ImageComboBox* chooser :
         {&frmOptions->cbeActionOnClick, &frmOptions->cbeActionOnDblClick, &frmOptions->cbeKeyActions}) {
        EXPECT_EQ(chooser->Images(), &frmHoralto->imlMain);
        ASSERT_EQ(chooser->Count(), 28);
        EXPECT_EQ(chooser->ItemImage(0), frmHoralto->aAbout.ImageIndex());
        EXPECT_EQ(chooser->ItemImage(1), 2);
        EXPECT_EQ(chooser->ItemImage(2), frmHoralto->aExit.ImageIndex());
        for (int page = 0; page < 10; ++page)
            EXPECT_EQ(chooser->ItemImage(3 + page), pages[page]->ImageIndex());
        EXPECT_EQ(chooser->ItemImage(14), frmHoralto->aCalendar.ImageIndex());
        EXPECT_EQ(chooser->ItemImage(18), frmHoralto->pmiSunRD.ImageIndex());
        for (int action = 20; action < 28; ++action) EXPECT_GE(chooser->ItemImage(action), 25);
        // An item drawn as the list draws it: the picture, then the text.
        Canvas c(200, 18, RGB(0, 0, 0));
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_COMBOBOX;
        dis.hwndItem = chooser->Handle();
        dis.itemID = 16;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hDC = c.Dc();
        dis.rcItem = RECT{0, 0, 200, 18};
        SendMessageW(GetParent(chooser->Handle()), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
        const COLORREF back = GetSysColor(COLOR_WINDOW);
        EXPECT_GT(c.CountOtherThan(back, RECT{2, 1, 18, 17}), 40);
        EXPECT_GT(c.CountOtherThan(back, RECT{22, 0, 120, 18}), 10);  // "Разное->Синхронизировать время"
    }
}

TEST_F(ProgramPictures, EveryFormAndTheTrayIconCarryTheProgramsIcon) {
    // The icon in the resources, in all five sizes.
    std::vector<int> sizes = IconSizes(GetModuleHandleW(nullptr), L"MAINICON");
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 256}));
    HICON small = ui::ProgramIcon(true), big = ui::ProgramIcon(false);
    ASSERT_NE(small, nullptr);
    HICON generic = LoadIconW(nullptr, IDI_APPLICATION);
    EXPECT_NE(IconPixels(small, 16), IconPixels(generic, 16));

    ShowAboutBox();
    ASSERT_NE(frmAbout, nullptr);
    for (ui::Form* form : std::initializer_list<ui::Form*>{frmHoralto, frmOptions, frmAbout}) {
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, ICON_SMALL, 0)), small);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, ICON_BIG, 0)), big);
        EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(form->Handle(), GCLP_HICON)), big);
    }
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(ui::Application().Handle(), GCLP_HICON)), big);

    // The tray icon's own icon is the program's small icon, also after the
    // properties are taken (Loaded) and when set back (SetDefaultIcon).
    TGTrayIcon& tray = *frmHoralto->GTrayIcon1;
    EXPECT_EQ(IconPixels(tray.Icon(), 16), IconPixels(small, 16));
    tray.SetIcons(frmHoralto->imlMain.Handle());
    tray.SetIconIndex(24);
    EXPECT_EQ(IconPixels(tray.Icon(), 16), IconPixels(frmHoralto->imlMain.GetIcon(24).Get(), 16));
    tray.SetDefaultIcon();
    EXPECT_EQ(IconPixels(tray.Icon(), 16), IconPixels(small, 16));
    tray.SetIcons(nullptr);
    tray.Loaded();
    EXPECT_EQ(IconPixels(tray.Icon(), 16), IconPixels(small, 16));
}

TEST_F(ProgramPictures, TheAboutBoxSetsTheScreenWideCursor) {
    frmOptions->edtCursorChange(frmOptions->edtCursor);  // the clock's cursor is number 2
    ASSERT_NE(options::ScreenCursor(2), nullptr);
    EXPECT_EQ(ui::Application().Cursor(), nullptr);
    ShowAboutBox();
    ASSERT_NE(frmAbout, nullptr);
    // Dragging the description: the dragging hand over every control of the program.
    frmAbout->pnlCommentsMouseDown(frmAbout->pnlComments, ui::mbLeft, 0, 10, 10);
    HCURSOR drag = options::ScreenCursor(1);
    ASSERT_NE(drag, nullptr);
    EXPECT_EQ(ui::Application().Cursor(), drag);
    HWND button = frmOptions->btnCloseOptions.Handle();
    EXPECT_TRUE(SendMessageW(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), drag);
    frmAbout->pnlCommentsMouseUp(frmAbout->pnlComments, ui::mbLeft, 0, 10, 10);
    EXPECT_EQ(ui::Application().Cursor(), nullptr);
    EXPECT_EQ(frmAbout->pnlComments.Cursor(), options::ScreenCursor(1));
    // Hidden: the clock's cursor everywhere, and it follows a new clock cursor.
    frmAbout->FormHide(*frmAbout);
    EXPECT_EQ(ui::Application().Cursor(), options::ScreenCursor(2));
    frmOptions->edtCursor.SetText(L"нет такого файла.cur");
    EXPECT_EQ(ui::Application().Cursor(), options::ScreenCursor(2));
    EXPECT_TRUE(SendMessageW(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), options::ScreenCursor(2));
    options::SetScreenWideCursor(0);
    EXPECT_EQ(ui::Application().Cursor(), nullptr);
}

TEST(ProgramFile, CarriesTheIconAndTheManifest) {
    ProgramFile program;
    ASSERT_TRUE(program.module) << "no " << HoraltoExe().string();
    std::vector<int> sizes = IconSizes(program.module.Get(), L"MAINICON");
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 256}));
    const std::string manifest = program.Manifest();
    ASSERT_FALSE(manifest.empty());
    for (const char* part :
         {"name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
          "publicKeyToken=\"6595b64144ccf1df\"", "level=\"asInvoker\"",
          "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
          "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    EXPECT_EQ(manifest.find("dpiAware"), std::string::npos);
    EXPECT_EQ(manifest.find("dpiAwareness"), std::string::npos);
}

// The running program: its common controls are version 6 (loaded from the
// side-by-side store its manifest names), its clock registers a balloon tool,
// and its settings window's tabs have the main window's pictures.
TEST(ProgramFile, RunsWithCommonControls6AndItsBalloonToolRegisters) {
    testing_support::ScratchDir dir(L"ui-images-run");
    testing_support::RunningProgram program(dir.Path());
    HWND main = program.WaitForWindow(L"TfrmHoralto");
    ASSERT_NE(main, nullptr);
    HWND options = program.WaitForWindow(L"TfrmOptions");
    ASSERT_NE(options, nullptr);

    std::wstring comctl;
    ui::KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, program.ProcessId()));
    ASSERT_NE(snapshot.Get(), INVALID_HANDLE_VALUE);
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32FirstW(snapshot.Get(), &module); more;
         more = Module32NextW(snapshot.Get(), &module)) {
        std::wstring path = module.szExePath;
        std::transform(path.begin(), path.end(), path.begin(), ::towlower);
        if (path.ends_with(L"\\comctl32.dll")) comctl += path + L";";
    }
    EXPECT_NE(comctl.find(L"winsxs"), std::wstring::npos) << std::string(comctl.begin(), comctl.end());
    EXPECT_NE(comctl.find(L"common-controls_6595b64144ccf1df_6."), std::wstring::npos);

    // The clock's balloon tooltip holds its tool (registered with the full TTTOOLINFOW).
    HWND tip = nullptr;
    testing_support::WaitFor([&] {
        struct Find {
            DWORD pid;
            HWND found = nullptr;
        } find{program.ProcessId()};
        EnumWindows(
            [](HWND w, LPARAM lp) -> BOOL {
                auto* f = reinterpret_cast<Find*>(lp);
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                wchar_t cls[64] = {};
                GetClassNameW(w, cls, 64);
                if (pid == f->pid && _wcsicmp(cls, TOOLTIPS_CLASSW) == 0 &&
                    (GetWindowLongW(w, GWL_STYLE) & TTS_BALLOON) &&
                    SendMessageW(w, TTM_GETTOOLCOUNT, 0, 0) > 0)
                    f->found = w;
                return f->found == nullptr;
            },
            reinterpret_cast<LPARAM>(&find));
        tip = find.found;
        return tip != nullptr;
    });
    EXPECT_NE(tip, nullptr) << "no balloon tool in the running program";

    HWND tabs = FindWindowExW(options, nullptr, WC_TABCONTROLW, nullptr);
    ASSERT_NE(tabs, nullptr);
    EXPECT_NE(SendMessageW(tabs, TCM_GETIMAGELIST, 0, 0), 0);
    EXPECT_EQ(program.CloseAndWait(), 0);
}
