// The animated show and hide of a window (the alpha effects of the window
// components). `before` runs before the effect draws (the window is then made
// visible), `after` once it is over; a hide effect (reverse) hides the window.
// The call returns when the effect has finished, the messages flowing meanwhile;
// false when it was cut short, the window left whole where it was (and not
// hidden).
#pragma once

#include <functional>

#include "ui/form.h"

bool PlayWindowEffect(ui::Form& form, bool reverse, bool restoreOpaque, const std::function<void()>& before,
                      const std::function<void()>& after);

// Ends the effect playing on the form at once; false when none plays.
bool CutWindowEffectShort(ui::Form& form);
