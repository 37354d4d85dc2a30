// Plain placement of a page's controls, row by row; a page's own layout may
// replace it.
#pragma once

#include "ui/control.h"

struct PageRows {
    int top = 8;
    // Puts the control into the current row.
    PageRows& Put(ui::Control& c, int left, int width, int height = 21) {
        c.SetBounds(left, top, width, height);
        return *this;
    }
    // Moves on to the next row.
    PageRows& Next(int height = 26) {
        top += height;
        return *this;
    }
};
