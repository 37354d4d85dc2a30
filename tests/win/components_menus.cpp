// The menu painter: switching a form's menus to its drawing, the sizes it
// gives, its drawing, and the record of the highlighted item, both from the
// item paints and from a real popup menu driven by keys.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "components/xp_menu.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/menus.h"

namespace {

class MenuForm : public ui::Form {
  public:
    MenuForm() : ui::Form(L"TfrmComponentsMenus") { SetBounds(100, 100, 200, 100); }
    ui::PopupMenu pmnMenu{this, L"pmnMenu"};
    ui::MenuItem pmiFirst{pmnMenu, L"pmiFirst", L"Первый"};
    ui::MenuItem pmiTasks{pmnMenu, L"pmiTasks", L"Планировщик"};
    ui::MenuItem pmiOnOff{pmiTasks, L"pmiOnOff", L"Выключить"};
    ui::MenuItem pmiSep{pmiTasks, L"pmiSep", L"-"};
    ui::MenuItem pmiTask{pmiTasks, L"pmiTask", L"Задача"};
    ui::MenuItem pmiLast{pmnMenu, L"pmiLast", L"Выход"};
    ui::PopupMenu pmnOther{this, L"pmnOther"};
    ui::MenuItem pmiOther{pmnOther, L"pmiOther", L"Другой"};
};

// One item painted into a bitmap, as the menu's owner would get it.
void Paint(ui::Menu& menu, ui::MenuItem& item, UINT state, HDC dc) {
    ASSERT_TRUE(menu.OnDrawItem);
    menu.OnDrawItem(item, dc, RECT{0, 0, 160, 22}, state);
}

struct Canvas {
    Canvas() {
        ui::WindowDc screen(nullptr);
        dc.Reset(CreateCompatibleDC(screen.Get()));
        bitmap.Reset(CreateCompatibleBitmap(screen.Get(), 160, 22));
        SelectObject(dc.Get(), bitmap.Get());
    }
    ui::BitmapHandle bitmap;
    ui::MemoryDc dc;
};

}  // namespace

TEST(MenuPainter, TakesOverTheMenusAndGivesThemBack) {
    auto form = ui::NewForm<MenuForm>();
    bool ownDrawn = false;
    int ownCloses = 0;
    form->pmnOther.OnDrawItem = [&](ui::MenuItem&, HDC, const RECT&, UINT) { ownDrawn = true; };
    form->pmnOther.OnClose = [&](ui::Component&) { ++ownCloses; };
    {
        TXPMenu painter(form.get());
        EXPECT_FALSE(painter.Active());
        EXPECT_FALSE(form->pmnMenu.OwnerDraw());
        painter.SetActive(true);
        EXPECT_TRUE(form->pmnMenu.OwnerDraw());
        EXPECT_TRUE(form->pmnMenu.OnDrawItem);
        EXPECT_TRUE(form->pmnMenu.OnMeasureItem);
        EXPECT_TRUE(form->pmnMenu.OnClose);
        EXPECT_TRUE(form->pmnOther.OwnerDraw());
        // A menu's own close handler still runs, and the record goes.
        form->pmnMenu.OnDrawItem(form->pmiFirst, Canvas().dc.Get(), RECT{0, 0, 10, 10}, ODS_SELECTED);
        EXPECT_EQ(painter.SelectedItem(), &form->pmiFirst);
        form->pmnOther.OnClose(form->pmnOther);
        EXPECT_EQ(ownCloses, 1);
        EXPECT_EQ(painter.SelectedItem(), nullptr);
        // A menu with its own drawing keeps it.
        Canvas canvas;
        form->pmnOther.OnDrawItem(form->pmiOther, canvas.dc.Get(), RECT{0, 0, 10, 10}, 0);
        EXPECT_TRUE(ownDrawn);
        EXPECT_TRUE(form->pmnOther.OnMeasureItem);

        painter.SetOverrideOwnerDraw(true);
        ownDrawn = false;
        form->pmnOther.OnDrawItem(form->pmiOther, canvas.dc.Get(), RECT{0, 0, 10, 10}, 0);
        EXPECT_FALSE(ownDrawn);
        painter.SetOverrideOwnerDraw(false);

        painter.SetActive(false);
        EXPECT_FALSE(form->pmnMenu.OwnerDraw());
        EXPECT_FALSE(form->pmnMenu.OnDrawItem);
        painter.SetActive(true);
    }
    // Freed, the painter leaves no handler of its own behind.
    EXPECT_FALSE(form->pmnMenu.OwnerDraw());
    EXPECT_FALSE(form->pmnMenu.OnDrawItem);
    EXPECT_FALSE(form->pmnMenu.OnMeasureItem);
    EXPECT_FALSE(form->pmnMenu.OnClose);
    form->pmnOther.OnClose(form->pmnOther);
    EXPECT_EQ(ownCloses, 2);
}

TEST(MenuPainter, MeasuresSeparatorsAndTexts) {
    auto form = ui::NewForm<MenuForm>();
    TXPMenu painter(form.get());
    painter.SetActive(true);
    int w = 0, h = 0;
    form->pmnMenu.OnMeasureItem(form->pmiSep, w, h);
    EXPECT_EQ(h, 4);

    ui::WindowDc screen(nullptr);
    ui::SelectGuard font(screen.Get(), ui::CachedFont(painter.Font()));
    SIZE text{}, amp{};
    GetTextExtentPoint32W(screen.Get(), L"Первый", 6, &text);
    w = h = 0;
    form->pmnMenu.OnMeasureItem(form->pmiFirst, w, h);
    EXPECT_EQ(w, text.cx + 24 + 10);
    EXPECT_GE(h, text.cy + text.cy * 3 / 4);

    form->pmiLast.SetCaption(L"&Выход");
    GetTextExtentPoint32W(screen.Get(), L"&Выход", 6, &text);
    GetTextExtentPoint32W(screen.Get(), L"&", 1, &amp);
    w = h = 0;
    form->pmnMenu.OnMeasureItem(form->pmiLast, w, h);
    EXPECT_EQ(w, text.cx - amp.cx + 24 + 10);
    // A shortcut leaves room for its text.
    form->pmiFirst.SetShortCut(static_cast<ui::ShortCut>(ui::scCtrl | 'Q'));
    int withKeys = 0;
    h = 0;
    form->pmnMenu.OnMeasureItem(form->pmiFirst, withKeys, h);
    EXPECT_GT(withKeys, text.cx + 34);
}

TEST(MenuPainter, DrawsTheFlatLookAndRecordsTheHighlight) {
    auto form = ui::NewForm<MenuForm>();
    TXPMenu painter(form.get());
    painter.SetActive(true);
    painter.SetGradient(true);
    Canvas canvas;
    HDC dc = canvas.dc.Get();
    ui::Menu& menu = form->pmnMenu;

    Paint(menu, form->pmiFirst, 0, dc);
    const COLORREF iconColumn = GetPixel(dc, 2, 11), farRight = GetPixel(dc, 150, 11);
    EXPECT_NE(iconColumn, farRight);  // the gradient from the icon column
    EXPECT_EQ(painter.SelectedItem(), nullptr);

    Paint(menu, form->pmiTasks, ODS_SELECTED, dc);
    EXPECT_EQ(painter.SelectedItem(), &form->pmiTasks);
    // The selection box in its frame colour.
    EXPECT_EQ(GetPixel(dc, 0, 1), GetNearestColor(dc, GetSysColor(COLOR_HIGHLIGHT)));

    // The submenu opens with nothing highlighted: its owner is reported.
    Paint(menu, form->pmiOnOff, 0, dc);
    Paint(menu, form->pmiSep, 0, dc);
    EXPECT_EQ(painter.SelectedItem(), &form->pmiTasks);
    Paint(menu, form->pmiTask, ODS_SELECTED, dc);
    EXPECT_EQ(painter.SelectedItem(), &form->pmiTask);

    // Checked, disabled and default items are drawn too.
    form->pmiOnOff.SetChecked(true);
    Paint(menu, form->pmiOnOff, ODS_SELECTED | ODS_CHECKED, dc);
    form->pmiOnOff.SetRadioItem(true);
    Paint(menu, form->pmiOnOff, ODS_CHECKED, dc);
    form->pmiLast.SetEnabled(false);
    Paint(menu, form->pmiLast, ODS_SELECTED | ODS_DISABLED, dc);
    form->pmiFirst.SetDefault(true);
    Paint(menu, form->pmiFirst, 0, dc);
}

TEST(MenuPainter, SelectedItemFollowsTheHighlightOfAShownMenu) {
    auto form = ui::NewForm<MenuForm>();
    form->Show();
    TXPMenu painter(form.get());
    painter.SetActive(true);

    // Keys go into the menu's loop from a timer inside it; each tick first
    // notes what the painter reports, then presses the next key.
    static std::vector<const ui::MenuItem*> seen;
    static TXPMenu* active = nullptr;
    static HWND owner = nullptr;
    static int step = 0;
    seen.clear();
    active = &painter;
    owner = form->Handle();
    step = 0;
    form->pmnMenu.OnPopup = [](ui::Component&) {
        SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id, DWORD) {
            seen.push_back(active->SelectedItem());
            const WPARAM keys[] = {VK_DOWN, VK_DOWN, VK_DOWN};
            if (step < 3) {
                PostMessageW(owner, WM_KEYDOWN, keys[step], 0);
                ++step;
            } else {
                KillTimer(nullptr, id);
                EndMenu();
            }
        });
    };
    form->pmnMenu.Popup(150, 150);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], nullptr);
    EXPECT_EQ(seen[1], &form->pmiFirst);
    EXPECT_EQ(seen[2], &form->pmiTasks);
    EXPECT_EQ(seen[3], &form->pmiLast);
    // The closed menu leaves no record behind.
    EXPECT_EQ(painter.SelectedItem(), nullptr);
}

TEST(MenuPainter, TheMainWindowsMenuIsPainted) {
    InitUnitGlobals();
    ui::Application().CreateForm(frmHoralto);
    ASSERT_TRUE(frmHoralto->XPMenu);
    EXPECT_TRUE(frmHoralto->XPMenu->Active());
    EXPECT_TRUE(frmHoralto->XPMenu->Gradient());
    EXPECT_TRUE(frmHoralto->pmnMenu.OwnerDraw());
    EXPECT_EQ(frmHoralto->MenuPainterSelectedItem(), nullptr);
    Canvas canvas;
    frmHoralto->pmnMenu.OnDrawItem(frmHoralto->pmiTasks, canvas.dc.Get(), RECT{0, 0, 160, 22}, ODS_SELECTED);
    EXPECT_EQ(frmHoralto->MenuPainterSelectedItem(), &frmHoralto->pmiTasks);
    ui::Application().DestroyForms();
    frmHoralto = nullptr;
}
