// The animated show and hide of a window (the alpha effects of the window
// components). `before` runs before the effect draws (the window is then made
// visible), `after` once it is over; a hide effect (reverse) hides the window.
// The call returns when the effect has finished, the messages flowing meanwhile.
#pragma once

#include <functional>

#include "ui/form.h"

void PlayWindowEffect(ui::Form& form, bool reverse, bool restoreOpaque, const std::function<void()>& before,
                      const std::function<void()>& after);
