// Stand-in until the menu painter (components) defines this; linked only while nothing else does.
#include <windows.h>

#include "core/frm_horalto.h"

// Without the painter no item is known as selected.
ui::MenuItem* TfrmHoralto::MenuPainterSelectedItem() {
    return nullptr;
}
