// The reminder window "Сообщение": one task message, on top of the other
// windows until its OK button or close box is pressed, then it frees itself.
// Several may be open at once. Closed while active, it makes the window that
// was active before it appeared active again, so the keys go back there.
#pragma once

#include <string>
#include <vector>

#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/panels.h"

namespace planner {

class TfrmMessage : public ui::Form {
  public:
    TfrmMessage();
    ~TfrmMessage() override;

    ui::Label lblMessage;
    ui::Button btnOK;

    // Fills, sizes, centres and shows the window without waiting.
    void ShowMessageWin(const std::wstring& title, const std::wstring& text);

    void btnOKClick(ui::Component& sender);
    void FormCloseQuery(ui::Component& sender, bool& canClose);
    void FormClose(ui::Component& sender, ui::CloseAction& action);
    void FormPaint(ui::Component& sender);

    // A new reminder owned by the application (freed when closed, or with the
    // application at the end).
    static TfrmMessage* Create();

    // The window's size at design: a reminder is never narrower or lower.
    static constexpr int kDesignClientWidth = 196;
    static constexpr int kDesignClientHeight = 118;

  private:
    // Activates the window that was active before this one, when this one is.
    void GiveBackActivation();

    // The foreground window when the reminder appeared.
    HWND activeBefore_ = nullptr;
    // The reminders on the screen: one closed hands its predecessor on to
    // those that came after it.
    static std::vector<TfrmMessage*>& Shown();
};

}  // namespace planner
