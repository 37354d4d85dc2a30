// The key-capture control of the hot-key page (the system's hot-key control):
// shows and takes a key combination; a key pressed without any modifier is
// taken with Ctrl+Alt.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "core/hot_key_text.h"
#include "ui/control.h"

namespace options {

class HotKeyEdit : public ui::Control {
  public:
    HotKeyEdit(ui::Container* parent, std::wstring name) : ui::Control(parent, std::move(name)) {}

    // The combination as a shortcut (virtual key plus the shortcut's modifier bits).
    core::ShortCut HotKey() const {
        return core::WithDefaultModifiers(hwnd_ ? ShortCutOfControl(ControlValue()) : value_);
    }
    void SetHotKey(core::ShortCut value) {
        value_ = value;
        if (hwnd_) Silently([this] { SendMessageW(hwnd_, HKM_SETHOTKEY, ControlOfShortCut(value_), 0); });
    }

  protected:
    CreateParams GetCreateParams() override { return {HOTKEY_CLASSW, WS_TABSTOP, WS_EX_CLIENTEDGE}; }
    void HandleCreated() override {
        Silently([this] {
            SendMessageW(hwnd_, HKM_SETRULES, HKCOMB_NONE, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
            SendMessageW(hwnd_, HKM_SETHOTKEY, ControlOfShortCut(value_), 0);
        });
    }
    bool Command(WORD code) override {
        if (code != EN_CHANGE) return false;
        if (!Updating()) value_ = ShortCutOfControl(ControlValue());
        return true;
    }

  private:
    WORD ControlValue() const { return LOWORD(SendMessageW(hwnd_, HKM_GETHOTKEY, 0, 0)); }
    // The control's word: key in the low byte, HOTKEYF_* bits in the high byte.
    static core::ShortCut ShortCutOfControl(WORD value) {
        const BYTE flags = HIBYTE(value);
        core::ShortCut sc = LOBYTE(value);
        if (flags & HOTKEYF_SHIFT) sc |= core::kShortCutShift;
        if (flags & HOTKEYF_CONTROL) sc |= core::kShortCutCtrl;
        if (flags & HOTKEYF_ALT) sc |= core::kShortCutAlt;
        return sc;
    }
    static WORD ControlOfShortCut(core::ShortCut sc) {
        BYTE flags = 0;
        if (sc & core::kShortCutShift) flags |= HOTKEYF_SHIFT;
        if (sc & core::kShortCutCtrl) flags |= HOTKEYF_CONTROL;
        if (sc & core::kShortCutAlt) flags |= HOTKEYF_ALT;
        return MAKEWORD(core::ShortCutKey(sc), flags);
    }

    core::ShortCut value_ = 0;
};

}  // namespace options
