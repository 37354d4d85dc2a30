#include "timetext/frm_calendar.h"

#include <commctrl.h>

#include "core/horalto_globals.h"
#include "ui/application.h"

namespace {

SYSTEMTIME ToSystemTime(base::TDateTime date) {
    const base::DateParts d = base::DecodeDate(date);
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(d.year);
    st.wMonth = static_cast<WORD>(d.month);
    st.wDay = static_cast<WORD>(d.day);
    return st;
}

}  // namespace

TMonthCalendar::TMonthCalendar(ui::Container* parent, std::wstring name)
    : ui::Control(parent, std::move(name)) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
}

void TMonthCalendar::SetDate(base::TDateTime date) {
    date_ = base::DateOf(date);
    if (hwnd_) {
        SYSTEMTIME st = ToSystemTime(date_);
        Silently([&] { SendMessageW(hwnd_, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st)); });
    }
}

SIZE TMonthCalendar::MinimumSize() {
    RECT rc{0, 0, 180, 160};
    if (hwnd_) SendMessageW(hwnd_, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&rc));
    return {rc.right - rc.left, rc.bottom - rc.top};
}

ui::Control::CreateParams TMonthCalendar::GetCreateParams() {
    CreateParams params;
    params.className = MONTHCAL_CLASSW;
    params.style = WS_TABSTOP;
    return params;
}

void TMonthCalendar::HandleCreated() {
    if (date_ != 0) SetDate(date_);
}

bool TMonthCalendar::Notify(NMHDR& nm, LRESULT& result) {
    if (nm.code == MCN_SELCHANGE || nm.code == MCN_SELECT) {
        const auto& sel = reinterpret_cast<NMSELCHANGE&>(nm);
        base::TDateTime date;
        if (!Updating() &&
            base::TryEncodeDate(sel.stSelStart.wYear, sel.stSelStart.wMonth, sel.stSelStart.wDay, date))
            date_ = date;
        result = 0;
        return true;
    }
    return false;
}

TfrmCalendar::TfrmCalendar() : ui::Form(L"TfrmCalendar"), MonthCalendar(this, L"MonthCalendar") {
    SetCaption(L"Календарь");
    SetBorderStyle(ui::bsDialog);
    SetBorderIcons(ui::biSystemMenu);
    SetFormStyle(ui::fsStayOnTop);
    MonthCalendar.SetBounds(0, 0, 180, 160);
    OnCreate = [this](ui::Component& s) { FormCreate(s); };
    // The calendar has no buttons: Esc closes it wherever the focus is.
    SetKeyPreview(true);
    OnKeyDown = [this](ui::Component&, WORD& key, ui::ShiftState) {
        if (key != VK_ESCAPE) return;
        key = 0;
        Close();
    };
    // Sized to the calendar and put in the middle of the desktop the first time it shows.
    OnShow = [this](ui::Component&) {
        if (placed_) return;
        placed_ = true;
        const SIZE size = MonthCalendar.MinimumSize();
        MonthCalendar.SetBounds(0, 0, size.cx, size.cy);
        SetClientWidth(size.cx);
        SetClientHeight(size.cy);
        RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        SetBounds(work.left + (work.right - work.left - Width()) / 2,
                  work.top + (work.bottom - work.top - Height()) / 2, Width(), Height());
    };
}

void TfrmCalendar::FormCreate(ui::Component&) {
    MonthCalendar.SetDate(Now());
}

void ShowCalendar() {
    if (!frmCalendar) ui::Application().CreateForm(frmCalendar);
    frmCalendar->Show();
}
