#include "planner/clipboard_text.h"

#include <cstring>

namespace planner {

namespace {

// The clipboard, open for the object's life.
class OpenedClipboard {
  public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != 0) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool Open() const { return open_; }

  private:
    bool open_;
};

// A locked global memory block.
class LockedMemory {
  public:
    explicit LockedMemory(HGLOBAL memory) : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
    ~LockedMemory() {
        if (data_) GlobalUnlock(memory_);
    }
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;
    void* Data() const { return data_; }

  private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace

std::optional<std::wstring> ClipboardText(HWND owner) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return std::nullopt;
    OpenedClipboard clipboard(owner);
    if (!clipboard.Open()) return std::nullopt;
    HANDLE handle = GetClipboardData(CF_UNICODETEXT);
    LockedMemory locked(static_cast<HGLOBAL>(handle));
    if (!locked.Data()) return std::nullopt;
    const auto* text = static_cast<const wchar_t*>(locked.Data());
    const size_t limit = GlobalSize(static_cast<HGLOBAL>(handle)) / sizeof(wchar_t);
    size_t length = 0;
    while (length < limit && text[length] != L'\0') ++length;
    return std::wstring(text, length);
}

bool SetClipboardText(HWND owner, const std::wstring& text) {
    OpenedClipboard clipboard(owner);
    if (!clipboard.Open()) return false;
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return false;
    {
        LockedMemory locked(memory);
        if (!locked.Data()) {
            GlobalFree(memory);
            return false;
        }
        std::memcpy(locked.Data(), text.c_str(), bytes);
    }
    if (!SetClipboardData(CF_UNICODETEXT, memory)) {
        GlobalFree(memory);  // still ours when the clipboard did not take it
        return false;
    }
    return true;
}

}  // namespace planner
