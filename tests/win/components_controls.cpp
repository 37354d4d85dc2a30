// Balloon tooltips on controls and the font-name combo box.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "components/balloon_hint.h"
#include "components/font_combo_box.h"
#include "core/frm_horalto.h"
#include "core/horalto_globals.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/form.h"

namespace {

class ControlsForm : public ui::Form {
  public:
    ControlsForm() : ui::Form(L"TfrmComponentsControls") {
        SetBounds(100, 100, 400, 300);
        btnOk.SetBounds(10, 10, 80, 25);
        fcbMainFont.SetStyle(TOwnerDrawComboStyle::csSimple);
        fcbMainFont.SetBounds(10, 50, 180, 119);
        fcbTrayFont.SetBounds(200, 50, 180, 21);
    }
    ui::Button btnOk{this, L"btnOk", L"OK"};
    TFontComboBox fcbMainFont{this, L"fcbMainFont"};
    TFontComboBox fcbTrayFont{this, L"fcbTrayFont"};
};

int ToolCount() {
    return static_cast<int>(SendMessageW(BaloonToolTipWindow(), TTM_GETTOOLCOUNT, 0, 0));
}

std::wstring ToolText(HWND control) {
    wchar_t buffer[256] = {};
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = control;
    ti.uId = 0;
    ti.lpszText = buffer;
    SendMessageW(BaloonToolTipWindow(), TTM_GETTEXTW, 255, reinterpret_cast<LPARAM>(&ti));
    return buffer;
}

int CountTooltipsOf(HWND owner) {
    struct Count {
        HWND owner;
        int n = 0;
    } count{owner};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) {
            auto* c = reinterpret_cast<Count*>(p);
            wchar_t cls[64] = {};
            GetClassNameW(w, cls, 64);
            if (lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0 && GetWindow(w, GW_OWNER) == c->owner) ++c->n;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.n;
}

// The font families of the screen as the system lists them.
std::vector<std::wstring> ScreenFamilies() {
    std::vector<std::wstring> names;
    HDC dc = GetDC(nullptr);
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(
        dc, &lf,
        [](const LOGFONTW* f, const TEXTMETRICW*, DWORD, LPARAM p) {
            reinterpret_cast<std::vector<std::wstring>*>(p)->push_back(f->lfFaceName);
            return 1;
        },
        reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(nullptr, dc);
    return names;
}

void TypeInto(ui::ComboBox& box, const std::wstring& text) {
    SetWindowTextW(box.Handle(), text.c_str());
    SendMessageW(GetParent(box.Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box.Handle()), CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(box.Handle()));
}

std::wstring Lower(std::wstring s) {
    CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

}  // namespace

TEST(BalloonToolTips, OneWindowWithToolsTextsAndTitles) {
    auto form = ui::NewForm<ControlsForm>();
    EXPECT_EQ(AddBaloonToolTip(form->btnOk.Handle(), 1, L"x", L"y"), 0);  // no window yet
    ASSERT_TRUE(CreateBaloonToolTips(form->Handle()));
    ASSERT_TRUE(CreateBaloonToolTips(form->Handle()));
    EXPECT_EQ(CountTooltipsOf(form->Handle()), 1);
    HWND tips = BaloonToolTipWindow();
    EXPECT_TRUE(GetWindowLongPtrW(tips, GWL_STYLE) & TTS_BALLOON);
    EXPECT_TRUE(GetWindowLongPtrW(tips, GWL_EXSTYLE) & WS_EX_TOPMOST);

    EXPECT_NE(AddBaloonToolTip(form->btnOk.Handle(), 1, L"Закрыть окно", L"Horalto"), 0);
    EXPECT_NE(AddBaloonToolTip(form->Handle(), 0, L"12:00", L""), 0);
    EXPECT_EQ(ToolCount(), 2);
    EXPECT_EQ(ToolText(form->btnOk.Handle()), L"Закрыть окно");
    UpdateBaloonToolTip(form->btnOk.Handle(), 2, L"Новый текст", L"Заголовок");
    EXPECT_EQ(ToolText(form->btnOk.Handle()), L"Новый текст");
    // Any icon number goes (none shown for unknown ones), a long title is cut.
    UpdateBaloonToolTip(form->btnOk.Handle(), 7, L"Без значка", L"Другой");
    UpdateBaloonToolTip(form->btnOk.Handle(), -1, L"Без значка", std::wstring(3000, L'з'));
    EXPECT_EQ(ToolText(form->btnOk.Handle()), L"Без значка");

    EXPECT_EQ(UpdateBaloonToolTip(nullptr, 1, L"t", L""), 0);
    DelBaloonToolTip(nullptr);
    DelBaloonToolTip(form->btnOk.Handle());
    EXPECT_EQ(ToolCount(), 1);
    SetMaxWidthToolTip(400);
    EXPECT_EQ(SendMessageW(tips, TTM_GETMAXTIPWIDTH, 0, 0), 400);
    SetDelayTime(TTDT_INITIAL, 1000);
    EXPECT_EQ(SendMessageW(tips, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 1000);
    SetActivateToolTip(true);

    EXPECT_TRUE(DestroyBaloonToolTips());
    EXPECT_FALSE(IsWindow(tips));
    EXPECT_EQ(BaloonToolTipWindow(), nullptr);
    EXPECT_FALSE(DestroyBaloonToolTips());
    EXPECT_EQ(UpdateBaloonToolTip(form->btnOk.Handle(), 1, L"t", L""), 0);
}

TEST(BalloonToolTips, TheClockCarriesTheHintAndDropsItsTipsAtTheEnd) {
    InitUnitGlobals();
    ui::Application().CreateForm(frmHoralto);
    frmHoralto->SetHint(L"Среда, 12 июня");
    frmHoralto->SetUpWindowToolTip();
    ASSERT_NE(BaloonToolTipWindow(), nullptr);
    EXPECT_EQ(ToolCount(), 2);  // the window and its text label
    EXPECT_EQ(ToolText(frmHoralto->Handle()), L"Среда, 12 июня");
    frmHoralto->SetUpWindowToolTip();  // a rebuild keeps one tool each
    EXPECT_EQ(ToolCount(), 2);
    frmHoralto->UpdateBaloonToolTip(frmHoralto->Handle(), 0, L"Четверг", L"");
    EXPECT_EQ(ToolText(frmHoralto->Handle()), L"Четверг");
    EXPECT_EQ(ToolText(frmHoralto->lblDateTime.Handle()), L"Четверг");

    // The taskbar clock's panel (here inside a window of the test) gets its tip too.
    auto host = ui::NewForm<ControlsForm>();
    frmHoralto->pnlTrayTime.SetParentWindow(host->Handle());
    ASSERT_NE(frmHoralto->pnlTrayTime.Handle(), nullptr);
    frmHoralto->SetUpTaskbarClockToolTip();
    EXPECT_EQ(ToolCount(), 3);
    frmHoralto->UpdateBaloonToolTip(frmHoralto->pnlTrayTime.Handle(), 1, L"Пятница", L"Horalto");
    EXPECT_EQ(ToolText(frmHoralto->pnlTrayTime.Handle()), L"Пятница");
    EXPECT_EQ(ToolText(frmHoralto->Handle()), L"Четверг");
    frmHoralto->RemoveTaskbarClockToolTip();
    EXPECT_EQ(ToolCount(), 2);

    HWND tips = BaloonToolTipWindow();
    ui::Application().DestroyForms();
    frmHoralto = nullptr;
    EXPECT_FALSE(IsWindow(tips));
    EXPECT_EQ(BaloonToolTipWindow(), nullptr);
}

TEST(FontComboBox, ListsEveryScreenFamilyOnceSorted) {
    const std::vector<std::wstring> system = ScreenFamilies();
    ASSERT_FALSE(system.empty());
    auto form = ui::NewForm<ControlsForm>();
    TFontComboBox& box = form->fcbMainFont;
    const std::vector<std::wstring>& items = box.Items();
    ASSERT_FALSE(items.empty());
    for (size_t i = 1; i < items.size(); ++i)
        EXPECT_LT(CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, items[i - 1].c_str(), -1,
                                 items[i].c_str(), -1),
                  CSTR_EQUAL)
            << i;
    for (const std::wstring& family : system) {
        const auto n = std::count_if(items.begin(), items.end(),
                                     [&](const std::wstring& s) { return Lower(s) == Lower(family); });
        EXPECT_EQ(n, 1) << std::string(family.begin(), family.end());
    }
    EXPECT_EQ(static_cast<int>(SendMessageW(box.Handle(), CB_GETCOUNT, 0, 0)), box.Count());
    // A TrueType family carries its glyph's mark.
    bool trueType = false;
    for (int i = 0; i < box.Count(); ++i) trueType |= (box.FontType(i) & TRUETYPE_FONTTYPE) != 0;
    EXPECT_TRUE(trueType);
    // The simple box keeps the height it was given.
    RECT r;
    GetWindowRect(box.Handle(), &r);
    EXPECT_EQ(r.bottom - r.top, 119);
    EXPECT_GE(SendMessageW(box.Handle(), CB_GETITEMHEIGHT, 0, 0), 12);
    form->Show();
    UpdateWindow(form->Handle());
}

TEST(FontComboBox, TypingANameInAnyCaseChoosesItsFamily) {
    auto form = ui::NewForm<ControlsForm>();
    TFontComboBox& box = form->fcbMainFont;
    ASSERT_GT(box.Count(), 0);
    const std::wstring family = box.Item(box.Count() / 2);
    int changes = 0;
    box.OnChange = [&](ui::Component&) { ++changes; };

    TypeInto(box, Lower(family));
    EXPECT_EQ(box.ItemIndex(), box.Count() / 2);
    EXPECT_EQ(Lower(box.FontName()), Lower(family));
    EXPECT_EQ(changes, 1);

    TypeInto(box, L"Нет такого шрифта");
    EXPECT_EQ(box.FontName(), L"Нет такого шрифта");
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(changes, 1);
}

TEST(FontComboBox, FontNameFromCodeAndFontChangesKeepTheName) {
    auto form = ui::NewForm<ControlsForm>();
    TFontComboBox& simple = form->fcbMainFont;
    TFontComboBox& list = form->fcbTrayFont;
    ASSERT_GT(list.Count(), 1);
    const std::wstring family = list.Item(1);
    int changes = 0;
    list.OnChange = [&](ui::Component&) { ++changes; };
    list.SetFontName(Lower(family));
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.FontName(), family);
    EXPECT_EQ(changes, 1);
    list.SetFontName(family);  // the same name: nothing
    EXPECT_EQ(changes, 1);
    list.SetFontName(L"Нет такого шрифта");  // a list without an edit clears its choice
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.FontName(), L"");
    EXPECT_EQ(changes, 2);

    simple.SetFontName(L"Нет такого шрифта");  // an edit keeps the text
    EXPECT_EQ(simple.FontName(), L"Нет такого шрифта");
    EXPECT_EQ(simple.ItemIndex(), -1);

    // The system's fonts changed: both lists are filled again, names kept.
    list.SetFontName(family);
    simple.SetFontName(family);
    const int count = list.Count();
    changes = 0;
    SendMessageW(form->Handle(), WM_FONTCHANGE, 0, 0);
    EXPECT_EQ(list.Count(), count);
    EXPECT_EQ(list.FontName(), family);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(simple.FontName(), family);
    EXPECT_EQ(changes, 0);

    // Filters fill the list again too.
    list.SetTrueTypeOnly(true);
    for (int i = 0; i < list.Count(); ++i) EXPECT_TRUE(list.FontType(i) & TRUETYPE_FONTTYPE);
    list.SetUseFonts(true);
    form->Show();
    UpdateWindow(form->Handle());
}
