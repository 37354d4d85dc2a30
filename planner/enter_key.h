// A control that gets the Enter key itself: in a form, the dialog manager
// would otherwise take Enter for the default button before the control sees it.
#pragma once

#include <windows.h>

namespace planner {

template <class Base>
class EnterKeyControl : public Base {
  public:
    using Base::Base;

  protected:
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        if (msg != WM_GETDLGCODE) return Base::HandleMessage(msg, wp, lp, result);
        if (!Base::HandleMessage(msg, wp, lp, result)) result = this->DefaultProc(msg, wp, lp);
        const auto* key = reinterpret_cast<const MSG*>(lp);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) result |= DLGC_WANTMESSAGE;
        return true;
    }
};

}  // namespace planner
