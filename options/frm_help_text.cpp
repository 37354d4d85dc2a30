#include "options/frm_help_text.h"

#include <algorithm>

#include "options/dialog_font.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/handles.h"

namespace options {

namespace {

constexpr int kMargin = 8, kButtonWidth = 75, kButtonHeight = 25, kScrollBarRoom = 24;

class TfrmHelpText : public ui::Form {
  public:
    TfrmHelpText(const std::wstring& caption, const std::wstring& text)
        : ui::Form(L"TfrmHelpText"), memText(this, L"memText"), btnOK(this, L"btnOK", L"OK") {
        SetCaption(caption);
        SetBorderStyle(ui::bsDialog);
        SetBorderIcons(ui::biSystemMenu);
        SetFormStyle(ui::fsStayOnTop);
        SetFont(DialogFont());
        memText.SetWordWrap(false);
        memText.SetScrollBars(ui::ssVertical);
        memText.SetReadOnly(true);
        std::wstring lines;
        for (wchar_t c : text) lines += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
        memText.SetText(lines);
        btnOK.SetDefault(true);
        btnOK.SetCancel(true);
        btnOK.SetModalResult(ui::mrOk);
        FitTo(text);
        OnShow = [this](ui::Component&) { btnOK.SetFocus(); };
    }

    ui::Memo memText;
    ui::Button btnOK;

  private:
    // As wide as the longest line and as high as all lines, within the work area.
    void FitTo(const std::wstring& text) {
        ui::WindowDc dc(Handle());
        ui::SelectGuard font(dc.Get(), ui::CachedFont(DialogFont()));
        int widest = 0, lines = 0;
        for (size_t start = 0; start <= text.size(); ++lines) {
            size_t end = std::min(text.find(L'\n', start), text.size());
            SIZE size{};
            GetTextExtentPoint32W(dc.Get(), text.c_str() + start, static_cast<int>(end - start), &size);
            widest = std::max(widest, static_cast<int>(size.cx));
            start = end + 1;
        }
        TEXTMETRICW tm{};
        GetTextMetricsW(dc.Get(), &tm);
        RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const int frameW = Width() - ClientWidth(), frameH = Height() - ClientHeight();
        const int maxMemoW = (work.right - work.left) - frameW - 2 * kMargin;
        const int maxMemoH = (work.bottom - work.top) - frameH - 3 * kMargin - kButtonHeight;
        const int memoW = std::min(widest + kScrollBarRoom, maxMemoW);
        const int memoH = std::min(lines * static_cast<int>(tm.tmHeight) + 8, maxMemoH);
        memText.SetBounds(kMargin, kMargin, memoW, memoH);
        SetClientWidth(memoW + 2 * kMargin);
        SetClientHeight(memoH + 3 * kMargin + kButtonHeight);
        btnOK.SetBounds((ClientWidth() - kButtonWidth) / 2, memoH + 2 * kMargin, kButtonWidth, kButtonHeight);
        SetBounds(work.left + (work.right - work.left - Width()) / 2,
                  work.top + (work.bottom - work.top - Height()) / 2, Width(), Height());
    }
};

}  // namespace

void ShowHelpText(const std::wstring& caption, const std::wstring& text) {
    ui::Application().Initialize();
    auto box = ui::NewForm<TfrmHelpText>(caption, text);
    box->ShowModal();
}

}  // namespace options
