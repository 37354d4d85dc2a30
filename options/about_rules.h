// The about box's rules that need no window: the version texts and the
// scrolling of the description text.
#pragma once

#include <cstdint>
#include <string>

namespace options {

struct FileVersion {
    int major = 0, minor = 0, release = 0, build = 0;
};
// From the two halves of a fixed file version (most and least significant).
FileVersion VersionFromFixedInfo(std::uint32_t mostSignificant, std::uint32_t leastSignificant);
// "Версия: " + major + "." + minor and release written one after the other + " (date)".
std::wstring VersionCaption(const FileVersion& v, const std::wstring& date);
// "Сборка: " + build.
std::wstring BuildCaption(const FileVersion& v);

// The description text scrolls up one pixel a tick and comes in again from
// below once it has left the view; it can also be dragged with the mouse,
// wrapping at both ends. Offsets are the text's top, in pixels, above the
// view's top (negative while the text still comes in from below).
class CommentsScroller {
  public:
    CommentsScroller(int totalHeight, int viewHeight)
        : total_(totalHeight), view_(viewHeight), offset_(-viewHeight) {}

    int Offset() const { return offset_; }
    void SetOffset(int offset) { offset_ = offset; }
    int TotalHeight() const { return total_; }
    int ViewHeight() const { return view_; }
    // The scroll bar's range: 0 to this.
    int BarMax() const { return total_ - view_; }

    // One tick: wraps an offset past the end, tells whether the scroll bar
    // takes the offset (inside its range) or the view is drawn directly, and
    // moves on by one pixel. `shown` gets the offset to show.
    bool Tick(int& shown);

    bool Dragging() const { return dragging_; }
    void StartDrag(int y);
    // The mouse at y while dragging: the text follows, wrapping at both ends.
    void DragTo(int y);
    // The mouse cursor was moved by dy to stay inside the view.
    void ShiftDragStart(int dy) { dragY_ += dy; }
    void EndDrag() { dragging_ = false; }

  private:
    int total_, view_, offset_;
    int dragOffset_ = 0, dragY_ = 0;
    bool dragging_ = false;
};

}  // namespace options
