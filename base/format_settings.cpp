#include "base/format_settings.h"

namespace base {

FormatSettings RussianWindowsProfile() {
    return FormatSettings{};
}

}  // namespace base
