// Stand-in until window placement defines this; linked only while nothing else does.
#include <windows.h>

#include <string>

#include "core/frm_horalto.h"

void TfrmHoralto::SnapToScreenEdges(TMessage&) {}
