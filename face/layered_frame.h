// The layered window's picture, made again on every tick from parts kept
// between ticks: the background picture already stretched to the window and
// premultiplied, the frame's pixels and the DIB section the window is given.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "face/gdiplus_util.h"
#include "ui/handles.h"

namespace face {

class LayeredFrame {
  public:
    // The background picture (may be none) and the clock bitmap (may be none),
    // each stretched to width x height over transparent; false when there is
    // neither.
    bool Compose(int width, int height, const ImagePtr& background, Gdiplus::Bitmap* clock);
    // The composed frame: premultiplied 32-bit pixels, rows from the top.
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Gives the window (WS_EX_LAYERED is set here) the composed frame at
    // position. Only the pixels that changed since the last push are sent;
    // when none did and the window stays put, nothing is.
    bool Push(HWND hwnd, POINT position, BYTE constantAlpha);
    // The next push sends the whole frame (the window's shape or visibility changed).
    void Invalidate() { pushedTo_ = nullptr; }
    // The rectangle that changed since the last push (empty: none).
    RECT Changed() const { return changed_; }
    // Lets go of everything (the next frame is made from scratch).
    void Clear();
    unsigned BackgroundDrawings() const { return backgroundDrawings_; }

  private:
    bool ComposeStretched(Gdiplus::Bitmap* clock);
    int width_ = 0, height_ = 0;
    ImagePtr background_;  // held, so that a new picture never meets an old address
    std::unique_ptr<Gdiplus::Bitmap> stretched_;
    std::vector<std::uint32_t> under_;  // the stretched background, premultiplied
    std::vector<std::uint32_t> pixels_;
    std::vector<std::uint32_t> lastClock_;  // the clock pixels the frame was made from
    bool composed_ = false;
    RECT changed_{};  // since the last push
    void Touch(int left, int top, int right, int bottom);
    // What the window was given last.
    HWND pushedTo_ = nullptr;
    POINT pushedAt_{};
    BYTE pushedAlpha_ = 0;
    bool pushedVisible_ = false;
    ui::BitmapHandle dib_;
    void* bits_ = nullptr;
    unsigned backgroundDrawings_ = 0;
};

}  // namespace face
