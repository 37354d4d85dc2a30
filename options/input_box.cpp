#include "options/input_box.h"

#include "options/dialog_font.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/panels.h"

namespace options {

namespace {

InputBoxHandler& Handler() {
    static InputBoxHandler handler;
    return handler;
}

class TfrmInputBox : public ui::Form {
  public:
    TfrmInputBox(const std::wstring& caption, const std::wstring& prompt, const std::wstring& value)
        : ui::Form(L"TfrmInputBox"),
          lblPrompt(this, L"lblPrompt", prompt),
          edtValue(this, L"edtValue"),
          btnOK(this, L"btnOK", L"OK"),
          btnCancel(this, L"btnCancel", L"Отмена") {
        SetCaption(caption);
        SetBorderStyle(ui::bsDialog);
        SetBorderIcons(ui::biSystemMenu);
        SetFont(options::DialogFont());
        SetClientWidth(330);
        SetClientHeight(106);
        lblPrompt.SetBounds(8, 10, 314, 16);
        edtValue.SetBounds(8, 32, 314, 21);
        btnOK.SetBounds(166, 70, 75, 25);
        btnCancel.SetBounds(247, 70, 75, 25);
        btnOK.SetDefault(true);
        btnOK.SetModalResult(ui::mrOk);
        btnCancel.SetModalResult(ui::mrCancel);
        btnCancel.SetCancel(true);
        edtValue.SetText(value);
        OnShow = [this](ui::Component&) {
            edtValue.SetFocus();
            edtValue.SelectAll();
        };
    }

    ui::Label lblPrompt;
    ui::Edit edtValue;
    ui::Button btnOK, btnCancel;
};

}  // namespace

std::optional<std::wstring> InputBox(const std::wstring& caption, const std::wstring& prompt,
                                     const std::wstring& value) {
    if (Handler()) return Handler()(caption, prompt, value);
    ui::Application().Initialize();
    auto box = ui::NewForm<TfrmInputBox>(caption, prompt, value);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    box->SetBounds(work.left + (work.right - work.left - box->Width()) / 2,
                   work.top + (work.bottom - work.top - box->Height()) / 2, box->Width(), box->Height());
    if (box->ShowModal() != ui::mrOk) return std::nullopt;
    return box->edtValue.Text();
}

InputBoxHandler SetInputBoxHandler(InputBoxHandler handler) {
    InputBoxHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

}  // namespace options
