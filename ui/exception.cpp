#include "ui/exception.h"

#include <windows.h>

namespace ui {

Exception::Exception(std::wstring message)
    : std::runtime_error(Utf8FromWide(message)), message_(std::move(message)) {}

std::wstring WideFromNarrow(const std::string& text) {
    if (text.empty()) return {};
    for (UINT cp : {static_cast<UINT>(CP_UTF8), static_cast<UINT>(CP_ACP)}) {
        DWORD flags = cp == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
        int n = MultiByteToWideChar(cp, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
        if (n <= 0) continue;
        std::wstring out(n, L'\0');
        MultiByteToWideChar(cp, flags, text.data(), static_cast<int>(text.size()), out.data(), n);
        return out;
    }
    return std::wstring(text.begin(), text.end());
}

std::string Utf8FromWide(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                            nullptr);
    return out;
}

std::wstring ExceptionText(const std::exception& e) {
    if (auto* own = dynamic_cast<const Exception*>(&e)) return own->Message();
    return WideFromNarrow(e.what());
}

}  // namespace ui
