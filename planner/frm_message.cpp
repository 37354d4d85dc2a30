#include "planner/frm_message.h"

#include <algorithm>

#include "ui/application.h"

namespace planner {

namespace {

constexpr int kLabelLeft = 65;
constexpr int kLabelTop = 16;
// The label's width at design; the text wraps at it.
constexpr int kLabelWidth = TfrmMessage::kDesignClientWidth - kLabelLeft - 16;

}  // namespace

TfrmMessage::TfrmMessage()
    : ui::Form(L"TfrmMessage"), lblMessage(this, L"lblMessage"), btnOK(this, L"btnOK", L"OK") {
    SetCaption(L"Сообщение");
    SetBorderStyle(ui::bsSingle);
    SetBorderIcons(ui::biSystemMenu);
    SetFormStyle(ui::fsStayOnTop);
    SetClientWidth(kDesignClientWidth);
    SetClientHeight(kDesignClientHeight);
    lblMessage.SetBounds(kLabelLeft, kLabelTop, kLabelWidth, 13);
    lblMessage.SetWordWrap(true);
    btnOK.SetBounds(kDesignClientWidth / 2 - 50, kDesignClientHeight - 46, 100, 30);
    btnOK.SetDefault(true);
    btnOK.SetCancel(true);

    btnOK.OnClick = [this](ui::Component& s) { btnOKClick(s); };
    OnCloseQuery = [this](ui::Component& s, bool& canClose) { FormCloseQuery(s, canClose); };
    OnClose = [this](ui::Component& s, ui::CloseAction& action) { FormClose(s, action); };
    OnPaint = [this](ui::Component& s) { FormPaint(s); };
}

TfrmMessage::~TfrmMessage() {
    std::erase(Shown(), this);
}

std::vector<TfrmMessage*>& TfrmMessage::Shown() {
    static std::vector<TfrmMessage*> shown;
    return shown;
}

TfrmMessage* TfrmMessage::Create() {
    auto* form = new TfrmMessage();
    ui::Application().Adopt(form);
    form->AfterConstruction();
    return form;
}

void TfrmMessage::FormPaint(ui::Component&) {
    if (HDC dc = PaintDC())
        DrawIconEx(dc, 16, 16, LoadIconW(nullptr, IDI_INFORMATION), 32, 32, 0, nullptr, DI_NORMAL);
}

void TfrmMessage::ShowMessageWin(const std::wstring& title, const std::wstring& text) {
    SetCaption(title);
    lblMessage.SetCaption(text);

    // The label takes the size of its text, wrapped at its design width.
    RECT r{0, 0, kLabelWidth, 0};
    if (HDC dc = GetDC(nullptr)) {
        HGDIOBJ old = SelectObject(dc, ui::CachedFont(lblMessage.EffectiveFont()));
        DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
    }
    const int labelWidth = static_cast<int>(r.right - r.left) + 2;
    const int labelHeight = static_cast<int>(r.bottom - r.top);
    lblMessage.SetBounds(kLabelLeft, kLabelTop, labelWidth, labelHeight);

    // Never narrower than designed, so the OK button always fits.
    SetClientWidth(std::max(kDesignClientWidth, kLabelLeft + labelWidth + 16));
    SetClientHeight(std::max(kDesignClientHeight, kLabelTop + labelHeight + 62));
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (Width() > screenWidth) SetWidth(screenWidth);
    if (Height() > screenHeight) SetHeight(screenHeight);
    SetLeft(screenWidth / 2 - Width() / 2);
    SetTop(screenHeight / 2 - Height() / 2);
    btnOK.SetBounds(ClientWidth() / 2 - 50, ClientHeight() - 46, 100, 30);
    if (!Visible()) {
        activeBefore_ = GetForegroundWindow();
        Shown().push_back(this);
    }
    Show();
}

void TfrmMessage::GiveBackActivation() {
    const HWND before = activeBefore_;
    activeBefore_ = nullptr;
    std::erase(Shown(), this);
    for (TfrmMessage* other : Shown())
        if (other->activeBefore_ == Handle()) other->activeBefore_ = before;
    if (!Handle() || GetForegroundWindow() != Handle()) return;
    if (!before || before == Handle() || !IsWindow(before) || !IsWindowVisible(before) ||
        !IsWindowEnabled(before))
        return;
    // Done while this window is still on the screen: hidden first, it would
    // leave the choice of the next active window to the system.
    SetForegroundWindow(before);
}

void TfrmMessage::btnOKClick(ui::Component&) {
    Close();
}

void TfrmMessage::FormCloseQuery(ui::Component&, bool&) {
    lblMessage.SetCaption(L"");
}

void TfrmMessage::FormClose(ui::Component&, ui::CloseAction& action) {
    action = ui::caFree;
    GiveBackActivation();
}

}  // namespace planner
