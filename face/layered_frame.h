// The layered window's picture, made again on every tick from parts kept
// between ticks: the background picture already stretched to the window, the
// bitmap the frame is composed in and the DIB section the window is given.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "face/gdiplus_util.h"
#include "ui/handles.h"

namespace face {

class LayeredFrame {
  public:
    // The background picture (may be none) and the clock bitmap (may be none),
    // each stretched to width x height over transparent; none when there is
    // neither. The frame stays valid until the next call.
    Gdiplus::Bitmap* Compose(int width, int height, const ImagePtr& background, Gdiplus::Bitmap* clock);
    // Gives the window (WS_EX_LAYERED is set here) the composed frame at position.
    bool Push(HWND hwnd, POINT position, BYTE constantAlpha);
    // Lets go of everything (the next frame is made from scratch).
    void Clear();
    unsigned BackgroundDrawings() const { return backgroundDrawings_; }

  private:
    int width_ = 0, height_ = 0;
    ImagePtr background_;  // held, so that a new picture never meets an old address
    std::unique_ptr<Gdiplus::Bitmap> stretched_;
    std::unique_ptr<Gdiplus::Bitmap> frame_;
    bool composed_ = false;
    ui::BitmapHandle dib_;
    void* bits_ = nullptr;
    unsigned backgroundDrawings_ = 0;
};

}  // namespace face
