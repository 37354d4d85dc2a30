#include "options/about_rules.h"

namespace options {

FileVersion VersionFromFixedInfo(std::uint32_t mostSignificant, std::uint32_t leastSignificant) {
    return FileVersion{static_cast<int>(mostSignificant >> 16), static_cast<int>(mostSignificant & 0xFFFF),
                       static_cast<int>(leastSignificant >> 16), static_cast<int>(leastSignificant & 0xFFFF)};
}

std::wstring VersionCaption(const FileVersion& v, const std::wstring& date) {
    return L"Версия: " + std::to_wstring(v.major) + L"." + std::to_wstring(v.minor) +
           std::to_wstring(v.release) + L" (" + date + L")";
}

std::wstring BuildCaption(const FileVersion& v) {
    return L"Сборка: " + std::to_wstring(v.build);
}

bool CommentsScroller::Tick(int& shown) {
    if (offset_ > total_) offset_ = -view_;
    shown = offset_;
    const bool toBar = offset_ >= 0 && offset_ <= BarMax();
    ++offset_;
    return toBar;
}

void CommentsScroller::StartDrag(int y) {
    dragging_ = true;
    dragOffset_ = offset_;
    dragY_ = y;
}

void CommentsScroller::DragTo(int y) {
    if (!dragging_) return;
    offset_ = dragOffset_ + dragY_ - y;
    if (offset_ > total_ || offset_ < -view_) {
        offset_ = offset_ > total_ ? -view_ : total_;
        dragOffset_ = offset_;
        dragY_ = y;
    }
}

}  // namespace options
