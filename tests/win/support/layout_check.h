// Checks of a form's layout as it stands on screen: every visible control's
// caption, measured in the control's own font, fits the control (and a list of
// columns shows all its items); no control reaches out of its parent's client
// area; no two visible controls of one parent overlap.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ui {
class Form;
}

namespace testing_support {

// The faults of the visible controls under `parent` (its whole tree).
std::vector<std::wstring> LayoutFaults(HWND parent);

// The faults of every page of every page control of `form` (each page is
// chosen in turn, with the pages that hold it), and of the controls outside
// the page controls; the pages chosen before are chosen again at the end.
std::vector<std::wstring> FormLayoutFaults(ui::Form& form);

// The faults as one text for a test's failure message.
std::string FaultText(const std::vector<std::wstring>& faults);

}  // namespace testing_support
