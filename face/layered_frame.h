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
    // Gives the window (WS_EX_LAYERED is set here) the composed frame at position.
    bool Push(HWND hwnd, POINT position, BYTE constantAlpha);
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
    bool composed_ = false;
    ui::BitmapHandle dib_;
    void* bits_ = nullptr;
    unsigned backgroundDrawings_ = 0;
};

}  // namespace face
