// The class library's controls: state kept in the controls, events raised both
// when code changes a value and on the windows' notifications,
// menus and actions, message boxes and the registry wrapper.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "ui/actions.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/date_time_picker.h"
#include "ui/dialogs.h"
#include "ui/edits.h"
#include "ui/exception.h"
#include "ui/form.h"
#include "ui/gdiplus_session.h"
#include "ui/graphics.h"
#include "ui/handles.h"
#include "ui/image.h"
#include "ui/lists.h"
#include "ui/menus.h"
#include "ui/panels.h"
#include "ui/ranges.h"
#include "ui/registry.h"
#include "ui/string_grid.h"
#include "win/support/program_runner.h"

namespace {

class ControlsForm : public ui::Form {
  public:
    ControlsForm() : ui::Form(L"TfrmUiControls") {
        SetClientWidth(400);
        SetClientHeight(300);
        rdbA.SetTop(20);
        rdbB.SetTop(40);
        pnl.SetTop(200);
    }
    ui::CheckBox chb{this, L"chb", L"Поверх всех окон"};
    ui::RadioButton rdbA{this, L"rdbA", L"A"};
    ui::RadioButton rdbB{this, L"rdbB", L"B"};
    ui::Edit edt{this, L"edt"};
    ui::Memo mem{this, L"mem"};
    ui::SpinEdit spe{this, L"spe"};
    ui::ComboBox cmb{this, L"cmb"};
    ui::CheckListBox clb{this, L"clb"};
    ui::TrackBar trb{this, L"trb"};
    ui::ScrollBar scb{this, L"scb"};
    ui::Panel pnl{this, L"pnl"};
    ui::RadioButton rdbOnPanel{&pnl, L"rdbOnPanel", L"C"};
    ui::Button btn{&pnl, L"btn", L"Закрыть"};
    ui::ListBox lsb{this, L"lsb"};
    ui::SpeedButton spbA{this, L"spbA"};
    ui::SpeedButton spbB{this, L"spbB"};
    ui::DateTimePicker dtp{this, L"dtp"};
};

// Sends the notification a control's window gives its parent.
void Notify(ui::Control& c, WORD code) {
    SendMessageW(GetParent(c.Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c.Handle()), code),
                 reinterpret_cast<LPARAM>(c.Handle()));
}

class UiControls : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::Application().OnException = [this](const std::wstring& t) { exceptions.push_back(t); };
        form = ui::NewForm<ControlsForm>();
    }
    void TearDown() override {
        form.reset();
        ui::Application().OnException = nullptr;
    }
    ui::FormPtr<ControlsForm> form;
    std::vector<std::wstring> exceptions;
};

TEST_F(UiControls, CheckBoxCheckedFromCodeFiresOnClickOnlyOnChange) {
    int clicks = 0;
    form->chb.OnClick = [&](ui::Component& s) {
        EXPECT_EQ(&s, &form->chb);
        ++clicks;
    };
    form->chb.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(SendMessageW(form->chb.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    form->chb.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    // The user's click toggles and fires once.
    Notify(form->chb, BN_CLICKED);
    EXPECT_FALSE(form->chb.Checked());
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(SendMessageW(form->chb.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(UiControls, ControlsKeepTheirStateWithoutAWindow) {
    ui::CheckBox chb(nullptr, L"loose");
    int clicks = 0;
    chb.OnClick = [&](ui::Component&) { ++clicks; };
    chb.SetChecked(true);
    EXPECT_TRUE(chb.Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(chb.Handle(), nullptr);

    ui::StringGrid grid(nullptr, L"grid");
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SetCell(2, 3, L"x");
    EXPECT_EQ(grid.Cell(2, 3), L"x");
}

TEST_F(UiControls, ControlsOfADisabledPanelAreDisabledWithIt) {
    ui::Button& btn = form->btn;
    form->pnl.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(btn.Handle()));
    EXPECT_FALSE(IsWindowEnabled(form->rdbOnPanel.Handle()));
    EXPECT_TRUE(btn.Enabled()) << "a control keeps its own state";
    btn.SetEnabled(true);
    EXPECT_FALSE(IsWindowEnabled(btn.Handle())) << "enabled inside a disabled panel";
    // The panel enabled again: each control as it was set.
    btn.SetEnabled(false);
    form->pnl.SetEnabled(true);
    EXPECT_FALSE(IsWindowEnabled(btn.Handle()));
    EXPECT_TRUE(IsWindowEnabled(form->rdbOnPanel.Handle()));
    btn.SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(btn.Handle()));
    EXPECT_TRUE(IsWindowEnabled(form->chb.Handle())) << "outside the panel";
}

TEST_F(UiControls, RadioButtonCheckingUnchecksSiblingsAndFiresOnlyForTheCheckedOne) {
    std::vector<std::wstring> clicked;
    auto rec = [&](ui::Component& s) { clicked.push_back(s.Name()); };
    form->rdbA.OnClick = rec;
    form->rdbB.OnClick = rec;
    form->rdbOnPanel.OnClick = rec;
    form->rdbOnPanel.SetChecked(true);
    form->rdbA.SetChecked(true);
    form->rdbB.SetChecked(true);
    EXPECT_EQ(clicked, (std::vector<std::wstring>{L"rdbOnPanel", L"rdbA", L"rdbB"}));
    EXPECT_FALSE(form->rdbA.Checked());
    EXPECT_TRUE(form->rdbOnPanel.Checked());  // another parent: not a sibling
    Notify(form->rdbB, BN_CLICKED);           // clicking the checked one changes nothing
    EXPECT_EQ(clicked.size(), 3u);
    Notify(form->rdbA, BN_CLICKED);
    EXPECT_TRUE(form->rdbA.Checked());
    EXPECT_FALSE(form->rdbB.Checked());
    EXPECT_EQ(clicked.back(), L"rdbA");
}

TEST_F(UiControls, EditAndMemoTextFromCodeFireOnChangeOnce) {
    int edits = 0, memos = 0;
    form->edt.OnChange = [&](ui::Component&) { ++edits; };
    form->mem.OnChange = [&](ui::Component&) { ++memos; };
    form->edt.SetText(L"Стандартный");
    form->mem.SetText(L"строка 1\r\nстрока 2");
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(memos, 1);
    form->mem.SetText(L"строка 1\r\nстрока 2");
    EXPECT_EQ(memos, 1);
    EXPECT_EQ(form->mem.Lines(), (std::vector<std::wstring>{L"строка 1", L"строка 2"}));
    form->mem.SetLines({L"a", L"", L"b"});
    EXPECT_EQ(form->mem.Text(), L"a\r\n\r\nb");
    EXPECT_EQ(memos, 2);
    // Typing: the window's change reaches the control's text and raises OnChange.
    SendMessageW(form->edt.Handle(), EM_SETSEL, 0, -1);
    SendMessageW(form->edt.Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"typed"));
    EXPECT_EQ(form->edt.Text(), L"typed");
    EXPECT_EQ(edits, 2);
}

// A memo's window shows only the leading lines of a text too long for an edit
// control, read-only; the text itself stays whole, also when the window is
// made after the text was set.
TEST_F(UiControls, MemoShowsTheStartOfAHugeTextAndKeepsItWhole) {
    std::wstring huge;
    for (int i = 0; huge.size() < 1000000; ++i) huge += L"строка " + std::to_wstring(i) + L" <tt>\r\n";
    auto windowText = [](HWND h) {
        std::wstring t(static_cast<size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
        t.resize(static_cast<size_t>(GetWindowTextW(h, t.data(), static_cast<int>(t.size()))));
        return t;
    };
    auto readOnly = [](HWND h) { return (GetWindowLongW(h, GWL_STYLE) & ES_READONLY) != 0; };
    ui::Memo& mem = form->mem;
    int changes = 0;
    mem.OnChange = [&](ui::Component&) { ++changes; };
    mem.SetText(huge);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(mem.Clipped());
    EXPECT_TRUE(mem.Text() == huge);
    const std::wstring shown = windowText(mem.Handle());
    EXPECT_LE(shown.size(), ui::Memo::kShownLength);
    EXPECT_GT(shown.size(), ui::Memo::kShownLength - 30);
    EXPECT_TRUE(huge.starts_with(shown + L"\r\n"));
    EXPECT_TRUE(readOnly(mem.Handle()));
    // Anything that still changes the window's text never becomes the text.
    SendMessageW(mem.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"other"));
    EXPECT_TRUE(mem.Text() == huge);
    EXPECT_EQ(changes, 1);

    // A text of an ordinary length is shown whole and can be typed into again.
    mem.SetText(L"строка 1\r\nстрока 2");
    EXPECT_FALSE(mem.Clipped());
    EXPECT_EQ(windowText(mem.Handle()), L"строка 1\r\nстрока 2");
    EXPECT_FALSE(readOnly(mem.Handle()));
    mem.SetReadOnly(true);
    mem.SetText(huge);
    mem.SetText(L"x");
    EXPECT_TRUE(readOnly(mem.Handle())) << "a memo made read-only stays so";
    mem.SetReadOnly(false);

    // Its window made after the text was set.
    ui::Memo late(form.get(), L"late");
    late.SetText(huge);
    ASSERT_EQ(late.Handle(), nullptr);
    late.HandleNeeded();
    EXPECT_TRUE(huge.starts_with(windowText(late.Handle())));
    EXPECT_LE(windowText(late.Handle()).size(), ui::Memo::kShownLength);
    EXPECT_TRUE(readOnly(late.Handle()));
}

TEST_F(UiControls, SpinEditClampsAndKeepsTheLastValidValue) {
    ui::SpinEdit& spe = form->spe;
    int changes = 0;
    spe.OnChange = [&](ui::Component&) { ++changes; };
    spe.SetValue(5000);  // no range yet (MinValue == MaxValue): no clamping
    EXPECT_EQ(spe.Value(), 5000);
    spe.SetMinValue(1);
    spe.SetMaxValue(100);
    EXPECT_EQ(spe.Value(), 100);
    EXPECT_EQ(spe.Text(), L"100");
    changes = 0;
    spe.SetValue(-7);
    EXPECT_EQ(spe.Value(), 1);
    EXPECT_EQ(changes, 1);
    spe.SetText(L"");
    EXPECT_EQ(spe.Value(), 1);
    spe.SetText(L"4x");
    EXPECT_EQ(spe.Value(), 1);
    spe.SetText(L"42");
    EXPECT_EQ(spe.Value(), 42);
    spe.SetText(L"999");
    EXPECT_EQ(spe.Value(), 100);
    EXPECT_EQ(changes, 5);  // every change of the text, valid or not
    // Leaving the edit shows the kept value again.
    spe.SetText(L"");
    Notify(spe, EN_KILLFOCUS);
    EXPECT_EQ(spe.Text(), L"100");
    wchar_t buf[16];
    GetWindowTextW(spe.Handle(), buf, 16);
    EXPECT_STREQ(buf, L"100");
}

TEST_F(UiControls, SpinEditArrowsStepByIncrement) {
    ui::SpinEdit& spe = form->spe;
    spe.SetMinValue(0);
    spe.SetMaxValue(3600000);
    spe.SetIncrement(10);
    spe.SetValue(1000);
    HWND upDown = nullptr;
    for (HWND h = GetWindow(form->Handle(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        wchar_t cls[64];
        GetClassNameW(h, cls, 64);
        if (lstrcmpiW(cls, UPDOWN_CLASSW) == 0) upDown = h;
    }
    ASSERT_NE(upDown, nullptr);
    NMUPDOWN nm{};
    nm.hdr.hwndFrom = upDown;
    nm.hdr.idFrom = GetDlgCtrlID(upDown);
    nm.hdr.code = UDN_DELTAPOS;
    nm.iDelta = 1;
    SendMessageW(form->Handle(), WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    EXPECT_EQ(spe.Value(), 1010);
}

TEST_F(UiControls, ComboItemIndexFromCodeFiresNothingButTheUsersChoiceDoes) {
    ui::ComboBox& cmb = form->cmb;
    cmb.SetStyle(ui::csDropDownList);
    cmb.SetItems({L"Основной", L"Время", L"События"});
    std::vector<std::wstring> events;
    cmb.OnChange = [&](ui::Component&) { events.push_back(L"change:" + cmb.Text()); };
    cmb.OnClick = [&](ui::Component&) { events.push_back(L"click"); };
    cmb.SetItemIndex(1);
    EXPECT_EQ(cmb.Text(), L"Время");
    cmb.SetText(L"события");  // a list picks the equal item, ignoring case
    EXPECT_EQ(cmb.ItemIndex(), 2);
    EXPECT_TRUE(events.empty());
    SendMessageW(cmb.Handle(), CB_SETCURSEL, 0, 0);
    Notify(cmb, CBN_SELCHANGE);
    EXPECT_EQ(cmb.ItemIndex(), 0);
    EXPECT_EQ(events, (std::vector<std::wstring>{L"click", L"change:Основной"}));
    cmb.Delete(0);
    EXPECT_EQ(cmb.ItemIndex(), -1);
    EXPECT_EQ(SendMessageW(cmb.Handle(), CB_GETCOUNT, 0, 0), 2);
}

TEST_F(UiControls, CheckListBoxKeepsCheckedBesideItsItems) {
    ui::CheckListBox& clb = form->clb;
    clb.SetItems({L"a.wav", L"b.wav"});
    clb.SetChecked(1, true);
    clb.Insert(0, L"first.wav");
    EXPECT_FALSE(clb.Checked(0));
    EXPECT_TRUE(clb.Checked(2));
    clb.Delete(0);
    EXPECT_TRUE(clb.Checked(1));
    EXPECT_EQ(SendMessageW(clb.Handle(), LB_GETCOUNT, 0, 0), 2);
}

TEST_F(UiControls, TrackBarAndScrollBarPositionsFromCodeFireOnChange) {
    int trb = 0, scb = 0;
    form->trb.OnChange = [&](ui::Component&) { ++trb; };
    form->scb.OnChange = [&](ui::Component&) { ++scb; };
    form->trb.SetParams(7, 1, 20);
    form->trb.SetPosition(7);
    form->trb.SetPosition(50);
    EXPECT_EQ(form->trb.Position(), 20);
    EXPECT_EQ(SendMessageW(form->trb.Handle(), TBM_GETPOS, 0, 0), 20);
    EXPECT_EQ(trb, 2);
    form->scb.SetParams(0, 0, 100);
    form->scb.SetPosition(60);
    EXPECT_EQ(scb, 1);
    EXPECT_EQ(GetScrollPos(form->scb.Handle(), SB_CTL), 60);
    // The user's drag: the bar's own position is read back.
    SendMessageW(form->trb.Handle(), TBM_SETPOS, TRUE, 3);
    SendMessageW(form->Handle(), WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(form->trb.Handle()));
    EXPECT_EQ(form->trb.Position(), 3);
    EXPECT_EQ(trb, 3);
}

namespace {

// The colours of a control's picture as it draws itself, row by row.
std::vector<COLORREF> Drawn(HWND control, RECT& client) {
    client = {};
    GetClientRect(control, &client);
    if (client.right <= 0 || client.bottom <= 0) return {};
    void* bits = nullptr;
    ui::BitmapHandle bitmap(ui::NewTopDownDib(client.right, client.bottom, &bits));
    ui::MemoryDc dc(CreateCompatibleDC(nullptr));
    {
        ui::SelectGuard select(dc.Get(), bitmap.Get());
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()),
                     PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
    }
    std::vector<COLORREF> colours;
    for (int i = 0; i < client.right * client.bottom; ++i) {
        const DWORD p = static_cast<const DWORD*>(bits)[i];
        colours.push_back(RGB(GetBValue(p), GetGValue(p), GetRValue(p)));  // the DIB holds blue first
    }
    return colours;
}

// Whether the part `r` of a picture `width` wide holds the colour.
bool Holds(const std::vector<COLORREF>& picture, int width, const RECT& r, COLORREF colour) {
    const int height = width > 0 ? static_cast<int>(picture.size()) / width : 0;
    for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, height); ++y)
        for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, width); ++x)
            if (picture[std::size_t(y) * width + x] == colour) return true;
    return false;
}

}  // namespace

TEST_F(UiControls, DisabledGroupImageAndTrackBarAreDrawnDisabled) {
    // The controls as the program makes them: common controls 6, drawn by the
    // visual style.
    const std::wstring program = testing_support::HoraltoExe().wstring();
    ACTCTXW manifest{};
    manifest.cbSize = sizeof manifest;
    manifest.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    manifest.lpSource = program.c_str();
    manifest.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&manifest);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << "no manifest in " << testing::PrintToString(program);
    ULONG_PTR cookie = 0;
    ASSERT_TRUE(ActivateActCtx(context, &cookie));
    ui::GdiplusSession gdiplus;
    ui::GroupBox group(form.get(), L"grb", L"Начертание");
    group.SetBounds(200, 10, 180, 60);
    ui::Image image(form.get(), L"img");
    image.SetBounds(200, 80, 40, 40);
    image.SetStretch(true);
    void* redBits = nullptr;
    HBITMAP red = ui::NewTopDownDib(4, 4, &redBits);
    std::fill_n(static_cast<DWORD*>(redBits), 16, 0x00FF0000);
    image.SetBitmap(red);
    ui::TrackBar track(form.get(), L"trbStyled");
    track.SetBounds(200, 130, 150, 45);
    for (ui::Control* c : {static_cast<ui::Control*>(&group), static_cast<ui::Control*>(&image),
                           static_cast<ui::Control*>(&track)})
        c->HandleNeeded();
    DeactivateActCtx(0, cookie);
    ReleaseActCtx(context);

    const COLORREF black = RGB(0, 0, 0), grey = GetSysColor(COLOR_GRAYTEXT), white = RGB(255, 255, 255);
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        for (ui::Control* c : {static_cast<ui::Control*>(&group), static_cast<ui::Control*>(&image),
                               static_cast<ui::Control*>(&track)})
            c->SetEnabled(enabled);
        RECT client{};
        // The caption: black, or grey.
        std::vector<COLORREF> drawn = Drawn(group.Handle(), client);
        const RECT caption{8, 0, 50, 12};
        EXPECT_EQ(Holds(drawn, client.right, caption, black), enabled);
        EXPECT_EQ(Holds(drawn, client.right, caption, grey), !enabled);
        // The picture: red, or grey.
        drawn = Drawn(image.Handle(), client);
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(std::count(drawn.begin(), drawn.end(), RGB(255, 0, 0)) > 0, enabled);
        EXPECT_EQ(std::all_of(drawn.begin(), drawn.end(),
                              [](COLORREF c) {
                                  return std::abs(GetRValue(c) - GetGValue(c)) <= 2 &&
                                         std::abs(GetGValue(c) - GetBValue(c)) <= 2;
                              }),
                  !enabled);
        // The thumb: lit (white in its face or on its edge), or flat.
        drawn = Drawn(track.Handle(), client);
        RECT thumb{};
        SendMessageW(track.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        EXPECT_EQ(Holds(drawn, client.right, thumb, white), enabled);
    }
}

TEST_F(UiControls, StringGridIsACellModel) {
    ui::StringGrid grid(form.get(), L"stgTasks");
    grid.SetColCount(11);
    grid.SetRowCount(2);
    grid.SetCell(1, 0, L"День");
    grid.SetRowCells(1, {L"->", L"01.01.2024", L"12:00"});
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Cell(2, 1), L"12:00");
    EXPECT_EQ(grid.Cell(2, 3), L"");
    EXPECT_EQ(grid.Cell(40, 40), L"");
    EXPECT_THROW(grid.SetCell(11, 0, L"x"), ui::Exception);
    grid.SetCell(1, 3, L"last");
    grid.DeleteRow(2);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cell(1, 2), L"last");
    grid.SetColWidth(0, -1);

    std::vector<int> selected;
    int clicks = 0;
    grid.OnSelectCell = [&](ui::Component&, int, int row, bool& can) {
        selected.push_back(row);
        can = row != 1;
    };
    grid.OnClick = [&](ui::Component&) { ++clicks; };
    grid.SetRow(2);
    EXPECT_EQ(grid.Row(), 2);
    grid.SetRow(1);  // refused by OnSelectCell
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(selected, (std::vector<int>{2, 1}));
    EXPECT_EQ(clicks, 1);
    grid.SetRowCount(1);  // the header row cannot stay fixed alone
    EXPECT_EQ(grid.FixedRows(), 0);
}

TEST(UiMenus, CommandIdsNeverRunOutAndFreedOnesAreGivenAgain) {
    ui::CommandIds ids;
    std::set<UINT> taken;
    // The ids below the system's commands come first.
    for (UINT i = ui::CommandIds::kFirst; i <= ui::CommandIds::kLastLow; ++i) {
        const UINT id = ids.Take();
        ASSERT_GE(id, ui::CommandIds::kFirst);
        ASSERT_LE(id, ui::CommandIds::kLastLow);
        taken.insert(id);
    }
    EXPECT_EQ(taken.size(), size_t(ui::CommandIds::kLastLow - ui::CommandIds::kFirst + 1));
    // Then ids above 0xFFFF whose low word names no other item.
    for (int i = 0; i < 150000; ++i) {
        const UINT id = ids.Take();
        ASSERT_GT(id, 0xFFFFu);
        ASSERT_GT(LOWORD(id), 0u);
        ASSERT_LT(LOWORD(id), ui::CommandIds::kFirst);
        ASSERT_TRUE(taken.insert(id).second) << id << " given twice";
    }
    // A freed id is given again, those below 0xF000 first.
    const UINT high = *taken.rbegin();
    ids.Give(high);
    ids.Give(20005);
    EXPECT_EQ(ids.Free(), 2u);
    EXPECT_EQ(ids.Take(), 20005u);
    EXPECT_EQ(ids.Take(), high);
    EXPECT_EQ(ids.Free(), 0u);
}

TEST(UiMenus, TwoHundredThousandItemsHaveTheirOwnIdsAndChoosingOneByItsIdWorks) {
    ui::MenuItem root(L"root");
    std::set<UINT> first;
    for (int i = 0; i < 200000; ++i) root.AddNew(L"item " + std::to_wstring(i));
    for (int i = 0; i < root.Count(); ++i) {
        ASSERT_EQ(ui::MenuItem::FromCommand(root[i].Command()), &root[i]);
        first.insert(root[i].Command());
    }
    EXPECT_EQ(first.size(), 200000u);
    // Freed and made again, the items take the ids of the freed ones.
    root.Clear();
    for (int i = 0; i < 200000; ++i) root.AddNew(L"again " + std::to_wstring(i));
    std::set<UINT> second;
    for (int i = 0; i < root.Count(); ++i) second.insert(root[i].Command());
    EXPECT_TRUE(second == first);
    // The menu shows the first of them, as many as anybody looks through.
    root[0].SetVisible(false);
    HMENU built = root.BuildPopup();
    EXPECT_EQ(GetMenuItemCount(built), ui::MenuItem::kShownItems);
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_ID;
    GetMenuItemInfoW(built, 0, TRUE, &mi);
    EXPECT_EQ(mi.wID, root[1].Command());
    DestroyMenu(built);

    // An item whose id lies above 0xFFFF is chosen from its popup menu.
    auto form = ui::NewForm<ControlsForm>();
    form->Show();
    ui::PopupMenu pmn(form.get(), L"pmnMenu");
    ui::MenuItem pmiHigh(pmn, L"pmiHigh", L"Задача");
    ASSERT_GT(pmiHigh.Command(), 0xFFFFu);
    bool clicked = false;
    pmiHigh.OnClick = [&](ui::Component&) { clicked = true; };
    static HWND owner;
    owner = form->Handle();
    pmn.OnPopup = [](ui::Component&) {
        SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(owner, WM_KEYDOWN, VK_RETURN, 0);
        });
    };
    pmn.Popup(150, 150);
    EXPECT_TRUE(clicked);
}

TEST(UiMenus, AnEntryOfAnOpenMenuReachesTheItemItShowedOrNothing) {
    auto form = ui::NewForm<ControlsForm>();
    form->Show();
    ui::PopupMenu pmn(form.get(), L"pmnMenu");
    std::vector<std::wstring> clicked;
    auto add = [&](const std::wstring& caption) {
        ui::MenuItem& item = pmn.Items().AddNew(caption);
        item.OnClick = [&clicked](ui::Component& s) {
            clicked.push_back(static_cast<ui::MenuItem&>(s).Caption());
        };
        return &item;
    };
    add(L"Первая");
    add(L"Вторая");
    // While the menu is open the items change; then its first entry is chosen.
    static std::function<void()> change;
    static HWND owner;
    owner = form->Handle();
    pmn.OnPopup = [](ui::Component&) {
        SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            if (change) change();
            PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(owner, WM_KEYDOWN, VK_RETURN, 0);
        });
    };
    change = nullptr;
    pmn.Popup(150, 150);
    EXPECT_EQ(clicked, std::vector<std::wstring>{L"Первая"});

    // The item freed while the menu was open: its id goes to no item made meanwhile.
    UINT freed = 0;
    change = [&] {
        freed = pmn.Items()[0].Command();
        pmn.Items().Delete(0);
        EXPECT_NE(add(L"Новая")->Command(), freed);
    };
    clicked.clear();
    pmn.Popup(150, 150);
    EXPECT_EQ(clicked, std::vector<std::wstring>{}) << "the entry of the freed item reached another one";
    // Once the menu has closed the id is given again.
    EXPECT_EQ(add(L"После")->Command(), freed);

    // An item made to show something else while the menu was open: its old entry reaches nothing.
    change = [&] {
        ui::MenuItem& first = pmn.Items()[0];
        first.RenewCommand();
        first.SetCaption(L"Другая");
    };
    pmn.Popup(150, 150);
    EXPECT_EQ(clicked, std::vector<std::wstring>{}) << "the entry of the changed item reached it";
    change = nullptr;
    pmn.Popup(150, 150);
    EXPECT_EQ(clicked, std::vector<std::wstring>{L"Другая"});
    pmn.OnPopup = nullptr;
}

namespace {

// Whether a popup menu of this thread is on the screen.
bool MenuShown() {
    bool shown = false;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) -> BOOL {
            wchar_t cls[8] = {};
            if (IsWindowVisible(hwnd) && GetClassNameW(hwnd, cls, 8) && wcscmp(cls, L"#32768") == 0)
                *reinterpret_cast<bool*>(lp) = true;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shown));
    return shown;
}

// A timer whose ticks run inside the loop of the popup menu opened next: once
// the menu is on the screen it runs `inside` (once); a menu still open 15 s
// after the start it ends, and says so.
struct InsideTheMenu {
    static inline void (*inside)() = nullptr;
    static inline bool ran = false, endedByTimer = false;
    static inline DWORD startedAt = 0;
    static inline UINT_PTR timer = 0;
    static void Start(void (*what)()) {
        inside = what;
        ran = endedByTimer = false;
        startedAt = GetTickCount();
        timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
            if (!ran && MenuShown()) {
                ran = true;
                inside();
            } else if (!endedByTimer && GetTickCount() - startedAt > 15000) {
                endedByTimer = true;
                EndMenu();
            }
        });
    }
    static void Stop() { KillTimer(nullptr, timer); }
};

// The exit code of the WM_QUIT waiting in the queue (taken off it), or -1.
long long PendingQuit() {
    MSG msg;
    return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? static_cast<long long>(msg.wParam) : -1;
}

}  // namespace

TEST(UiMenus, AQuitWhileAPopupMenuIsOpenClosesItAndIsPostedAgainOnceItHasClosed) {
    // Posted by a handler that runs while the menu is open (a timer, a hot
    // key): the menu's own loop takes the WM_QUIT off the queue. The menu
    // closes, and the quit with its exit code waits again for the outer loop.
    auto form = ui::NewForm<ControlsForm>();
    form->Show();
    ui::PopupMenu pmn(form.get(), L"pmnMenu");
    ui::MenuItem pmiFirst(pmn, L"pmiFirst", L"Первая");
    InsideTheMenu::Start([] { PostQuitMessage(3); });
    pmn.Popup(150, 150);
    InsideTheMenu::Stop();
    ASSERT_TRUE(InsideTheMenu::ran) << "the menu was not shown";
    EXPECT_FALSE(InsideTheMenu::endedByTimer) << "the quit left the menu open";
    EXPECT_EQ(PendingQuit(), 3) << "the quit was not posted again";
}

TEST_F(UiControls, ActionsAutoCheckBeforeExecuteAndMenuItemsShowTheirAction) {
    ui::ActionList list(form.get(), L"ActionList");
    ui::Action aStayOnTop(list, L"aStayOnTop", L"Поверх всех окон");
    aStayOnTop.SetAutoCheck(true);
    std::vector<bool> seen;
    aStayOnTop.OnExecute = [&](ui::Component&) { seen.push_back(aStayOnTop.Checked()); };
    ui::PopupMenu pmn(form.get(), L"pmnMenu");
    ui::MenuItem pmiTop(pmn, L"pmiTop");
    ui::MenuItem pmiSkins(pmn, L"pmiSkins", L"Шкуры");
    pmiTop.SetAction(&aStayOnTop);
    EXPECT_EQ(pmiTop.Caption(), L"Поверх всех окон");
    pmiTop.Click();
    EXPECT_EQ(seen, std::vector<bool>{true});
    EXPECT_TRUE(pmiTop.Checked());
    aStayOnTop.SetEnabled(false);
    EXPECT_FALSE(aStayOnTop.Execute());
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(form->FindComponent(L"aStayOnTop"), &aStayOnTop);
    EXPECT_EQ(pmn.Find(L"pmiSkins"), &pmiSkins);

    // Items made at run time belong to their parent item.
    int chosen = -1;
    for (int i = 0; i < 3; ++i)
        pmiSkins.AddNew(L"skin " + std::to_wstring(i)).OnClick = [&, i](ui::Component&) { chosen = i; };
    pmiSkins[1].Click();
    EXPECT_EQ(chosen, 1);
    pmiSkins[2].SetVisible(false);
    HMENU built = pmn.Items().BuildPopup();
    HMENU sub = GetSubMenu(built, 1);
    EXPECT_EQ(GetMenuItemCount(sub), 2);
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_STATE;
    GetMenuItemInfoW(built, 0, TRUE, &mi);
    EXPECT_TRUE(mi.fState & MFS_CHECKED);
    EXPECT_TRUE(mi.fState & MFS_DISABLED);
    DestroyMenu(built);
    while (pmiSkins.Count() > 0) pmiSkins.Delete(pmiSkins.Count() - 1);
    EXPECT_EQ(pmiSkins.Count(), 0);
}

TEST_F(UiControls, MessageBoxesCarryTheProgramsCaptions) {
    std::vector<std::wstring> captions;
    auto old = ui::SetMessageBoxHandler([&](const std::wstring&, const std::wstring& caption, UINT flags) {
        captions.push_back(caption);
        return (flags & MB_YESNO) ? IDNO : IDOK;
    });
    EXPECT_FALSE(ui::AskQuestion(L"Все звуки выключены. Вы хотите включить звуки?"));
    EXPECT_FALSE(ui::AskConfirmation(L"?"));
    ui::ShowWarning(L"!");
    ui::ShowError(L"!");
    ui::SetMessageBoxHandler(old);
    EXPECT_EQ(captions,
              (std::vector<std::wstring>{L"Вопрос", L"Подтверждение", L"Предупреждение", L"Ошибка"}));
}

TEST_F(UiControls, AnExceptionInAHandlerReachesTheExceptionDialogAndTheLoopGoesOn) {
    form->btn.OnClick = [](ui::Component&) { throw ui::Exception(L"Нельзя"); };
    Notify(form->btn, BN_CLICKED);
    ASSERT_EQ(exceptions.size(), 1u);
    EXPECT_EQ(exceptions[0], L"Нельзя");
    form->btn.OnClick = [](ui::Component&) { throw std::runtime_error("plain"); };
    Notify(form->btn, BN_CLICKED);
    EXPECT_EQ(exceptions.back(), L"plain");
}

TEST_F(UiControls, KeyPressCanSwallowCharactersOfASpinEdit) {
    ui::SpinEdit& spe = form->spe;
    spe.SetText(L"1");
    spe.OnKeyPress = [](ui::Component&, wchar_t& key) {
        if (key != 8 && (key < L'0' || key > L'9')) key = 0;
    };
    SendMessageW(spe.Handle(), EM_SETSEL, 1, 1);
    SendMessageW(spe.Handle(), WM_CHAR, L'a', 1);
    SendMessageW(spe.Handle(), WM_CHAR, L'5', 1);
    EXPECT_EQ(spe.Text(), L"15");
    EXPECT_EQ(spe.Value(), 15);
}

TEST_F(UiControls, TypingIntoAnEditableComboRaisesOnChange) {
    ui::ComboBox& cmb = form->cmb;
    cmb.SetItems({L"time.nist.gov", L"ntp.example"});
    int changes = 0;
    cmb.OnChange = [&](ui::Component&) { ++changes; };
    cmb.SetText(L"host");
    EXPECT_EQ(changes, 0);
    SetWindowTextW(cmb.Handle(), L"ntp.example");
    Notify(cmb, CBN_EDITCHANGE);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(cmb.Text(), L"ntp.example");
    EXPECT_EQ(cmb.ItemIndex(), 1);
}

TEST_F(UiControls, ListSelectionByTheUserClicksAndByCodeDoesNot) {
    ui::ListBox& lsb = form->lsb;
    lsb.SetItems({L"a.bmp", L"b.bmp", L"c.bmp"});
    int clicks = 0;
    lsb.OnClick = [&](ui::Component&) { ++clicks; };
    lsb.SetItemIndex(2);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(SendMessageW(lsb.Handle(), LB_GETCURSEL, 0, 0), 2);
    SendMessageW(lsb.Handle(), LB_SETCURSEL, 1, 0);
    Notify(lsb, LBN_SELCHANGE);
    EXPECT_EQ(lsb.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(UiControls, ClickOnTheBoxOfACheckListItemTogglesIt) {
    ui::CheckListBox& clb = form->clb;
    clb.SetItems({L"first", L"second"});
    int checks = 0;
    clb.OnClickCheck = [&](ui::Component&) { ++checks; };
    RECT r{};
    SendMessageW(clb.Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    LPARAM at = MAKELPARAM(r.left + 4, (r.top + r.bottom) / 2);
    SendMessageW(clb.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(clb.Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(clb.Checked(1));
    EXPECT_FALSE(clb.Checked(0));
    EXPECT_EQ(checks, 1);
    // A click on the text only selects.
    at = MAKELPARAM(r.left + 60, (r.top + r.bottom) / 2);
    SendMessageW(clb.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(clb.Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(clb.Checked(1));
    EXPECT_EQ(checks, 1);
}

TEST_F(UiControls, SpeedButtonsOfAGroupStayDownOneAtATime) {
    form->spbA.SetGroupIndex(1);
    form->spbB.SetGroupIndex(1);
    int clicks = 0;
    form->spbB.OnClick = [&](ui::Component&) { ++clicks; };
    form->spbA.SetDown(true);
    Notify(form->spbB, BN_CLICKED);
    EXPECT_TRUE(form->spbB.Down());
    EXPECT_FALSE(form->spbA.Down());
    EXPECT_EQ(clicks, 1);
    form->spbB.Click();  // from code: the handler only, the state stays
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(form->spbB.Down());
}

TEST_F(UiControls, GridFollowsArrowKeysAndMouseOverHiddenColumns) {
    ui::StringGrid grid(form.get(), L"stgHotKeysList");
    grid.HandleNeeded();
    grid.SetBounds(0, 0, 300, 200);
    grid.SetColCount(3);
    grid.SetRowCount(20);
    grid.SetDefaultRowHeight(18);
    grid.SetColWidth(0, -1);
    grid.SetRowSelect(true);
    int clicks = 0;
    grid.OnClick = [&](ui::Component&) { ++clicks; };
    SendMessageW(grid.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(grid.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(clicks, 2);
    SendMessageW(grid.Handle(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(grid.Row(), 19);
    EXPECT_EQ(grid.TopRow(), 11);  // scrolled so the last row is in view: 9 rows fit below the header  //
                                   // scrolled to keep the row in view
    SendMessageW(grid.Handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(grid.TopRow(), 1);
    int col, row;
    ASSERT_TRUE(grid.MouseToCell(5, 19 * 2 + 5, col, row));
    EXPECT_EQ(col, 1);  // column 0 is hidden
    EXPECT_EQ(row, 2);
    SendMessageW(grid.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 19 * 2 + 5));
    SendMessageW(grid.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 19 * 2 + 5));
    EXPECT_EQ(grid.Row(), 2);
}

TEST_F(UiControls, DatePickerMirrorsItsValueAndReportsTheUsersChange) {
    ui::DateTimePicker& dtp = form->dtp;
    int changes = 0;
    dtp.OnChange = [&](ui::Component&) { ++changes; };
    dtp.SetDateTime(45292.5);  // 2024-01-01 12:00
    SYSTEMTIME st{};
    SendMessageW(dtp.Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
    EXPECT_EQ(st.wYear, 2024);
    EXPECT_EQ(st.wHour, 12);
    EXPECT_EQ(changes, 0);
    NMDATETIMECHANGE nm{};
    nm.nmhdr.hwndFrom = dtp.Handle();
    nm.nmhdr.idFrom = GetDlgCtrlID(dtp.Handle());
    nm.nmhdr.code = DTN_DATETIMECHANGE;
    nm.dwFlags = GDT_VALID;
    nm.st = st;
    nm.st.wDay = 2;
    SendMessageW(form->Handle(), WM_NOTIFY, nm.nmhdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    EXPECT_EQ(changes, 1);
    EXPECT_DOUBLE_EQ(dtp.DateTime(), 45293.5);
}

TEST(UiRegistry, ReadsWritesAndDeletesValues) {
    const std::wstring key = L"\\Software\\HoraltoUiTest";
    {
        ui::Registry reg(HKEY_CURRENT_USER);
        ASSERT_TRUE(reg.OpenKey(key, true));
        reg.WriteString(L"Horalto", L"C:\\Horalto.exe");
        reg.WriteInteger(L"Count", 278);
        EXPECT_TRUE(reg.ValueExists(L"Horalto"));
        EXPECT_EQ(reg.ReadString(L"Missing"), L"");
        EXPECT_THROW(reg.ReadInteger(L"Horalto"), ui::Exception);
    }
    ui::Registry ro(HKEY_CURRENT_USER, KEY_READ);
    ASSERT_TRUE(ro.OpenKeyReadOnly(key));
    EXPECT_EQ(ro.ReadString(L"Horalto"), L"C:\\Horalto.exe");
    EXPECT_EQ(ro.ReadInteger(L"Count"), 278);
    EXPECT_THROW(ro.WriteString(L"x", L"y"), ui::Exception);
    ro.CloseKey();
    EXPECT_TRUE(ro.KeyExists(key));
    ui::Registry reg;
    ASSERT_TRUE(reg.OpenKey(key, false));
    EXPECT_TRUE(reg.DeleteValue(L"Horalto"));
    EXPECT_FALSE(reg.ValueExists(L"Horalto"));
    reg.CloseKey();
    EXPECT_TRUE(reg.DeleteKey(key));
    EXPECT_FALSE(reg.KeyExists(key));
}

}  // namespace
