// Stand-in until the alpha effects (components) defines this; linked only while nothing else does.
#include <windows.h>

#include <cwchar>
#include <string>

#include "core/frm_horalto.h"
#include "options/window_effects.h"

// Without the effect: the window simply shows or hides.
void PlayWindowEffect(ui::Form& form, bool reverse, bool, const std::function<void()>& before,
                      const std::function<void()>& after) {
    if (before) before();
    if (reverse)
        form.Hide();
    else
        form.Show();
    if (after) after();
}
