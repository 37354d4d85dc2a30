// A window message handed to a form's message-map handler: the handler reads
// the arguments and sets the result.
#pragma once

#include <windows.h>

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};
