#include "components/tray_icon_rules.h"

namespace trayicon {

namespace {

constexpr unsigned kMouseMove = 0x200, kLButtonDown = 0x201, kLButtonUp = 0x202, kLButtonDblClk = 0x203,
                   kRButtonDown = 0x204, kRButtonUp = 0x205, kRButtonDblClk = 0x206, kMButtonDown = 0x207,
                   kMButtonUp = 0x208, kMButtonDblClk = 0x209;

// Restore and the menu for a mouse action, when the settings name it.
void Triggered(std::vector<Step>& steps, TGTrayIconMessage action, TGTrayIconMessage restoreOn,
               TGTrayIconMessage popupMenuOn) {
    if (restoreOn == action) steps.push_back({Step::Restore});
    if (popupMenuOn == action) steps.push_back({Step::ShowMenu});
}

}  // namespace

std::vector<Step> StepsForMouseMessage(unsigned mouseMessage, TGTrayIconMessage restoreOn,
                                       TGTrayIconMessage popupMenuOn, bool hasOnClick) {
    std::vector<Step> steps;
    auto down = [&](int button) {
        Triggered(steps, imMouseDown, restoreOn, popupMenuOn);
        steps.push_back({Step::MouseDown, button});
    };
    auto up = [&](int button) {
        Triggered(steps, imMouseUp, restoreOn, popupMenuOn);
        steps.push_back({Step::MouseUp, button});
    };
    auto dblClick = [&] {
        Triggered(steps, imDoubleClick, restoreOn, popupMenuOn);
        steps.push_back({Step::DblClick});
    };
    switch (mouseMessage) {
        case kMouseMove:
            if (hasOnClick) steps.push_back({Step::MouseMove});
            break;
        case kLButtonDown:
            down(kLeft);
            break;
        case kLButtonUp:
            if (hasOnClick) {
                Triggered(steps, imClick, restoreOn, popupMenuOn);
                steps.push_back({Step::Click});
            }
            up(kLeft);
            Triggered(steps, imLeftClickUp, restoreOn, popupMenuOn);
            break;
        case kLButtonDblClk:
            dblClick();
            Triggered(steps, imLeftDoubleClick, restoreOn, popupMenuOn);
            break;
        case kRButtonDown:
            down(kRight);
            break;
        case kRButtonUp:
            up(kRight);
            Triggered(steps, imRightClickUp, restoreOn, popupMenuOn);
            break;
        case kRButtonDblClk:
            dblClick();
            Triggered(steps, imRightDoubleClick, restoreOn, popupMenuOn);
            break;
        case kMButtonDown:
            down(kMiddle);
            break;
        case kMButtonUp:
            up(kMiddle);
            break;
        case kMButtonDblClk:
            dblClick();
            break;
    }
    return steps;
}

int NextIconIndex(int index, int count) {
    return index + 1 < count ? index + 1 : 0;
}

bool HintAccepted(const std::wstring& hint) {
    return hint.size() <= kMaxHintLength;
}

std::wstring CutText(const std::wstring& text, std::size_t max) {
    return text.size() <= max ? text : text.substr(0, max);
}

int BalloonTitleIcon(int icon) {
    return icon >= 0 && icon <= 3 ? icon : 0;
}

}  // namespace trayicon
