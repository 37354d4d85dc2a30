#include "face/layered_frame.h"

#include "face/face_cache.h"
#include "face/window_background.h"

namespace face {

using namespace Gdiplus;

namespace {

void PrepareStretch(Graphics& g) {
    g.SetInterpolationMode(InterpolationModeHighQualityBicubic);
    g.SetPixelOffsetMode(PixelOffsetModeHalf);
}

void Stretch(Graphics& g, Bitmap& b, int width, int height) {
    g.DrawImage(&b, RectF(0, 0, REAL(width), REAL(height)), 0, 0, REAL(b.GetWidth()), REAL(b.GetHeight()),
                UnitPixel);
}

}  // namespace

void LayeredFrame::Clear() {
    *this = LayeredFrame{};
}

Bitmap* LayeredFrame::Compose(int width, int height, const ImagePtr& background, Bitmap* clock) {
    composed_ = false;
    if ((!background && !clock) || width <= 0 || height <= 0) return nullptr;
    if (width != width_ || height != height_ || !frame_) {
        const unsigned drawings = backgroundDrawings_;
        Clear();
        backgroundDrawings_ = drawings;
        width_ = width;
        height_ = height;
        frame_ = NewArgbBitmap(width, height);
        if (!frame_) return nullptr;
    }
    if (background != background_ || (background && !stretched_)) {
        stretched_.reset();
        background_ = background;
        if (background) {
            stretched_ = NewArgbBitmap(width, height);
            if (!stretched_) return nullptr;
            Graphics g(stretched_.get());
            PrepareStretch(g);
            Stretch(g, *background, width, height);
            ++backgroundDrawings_;
        }
    }
    if (stretched_) {
        if (!CopyArgbPixels(*stretched_, *frame_)) return nullptr;
    } else {
        Graphics g(frame_.get());
        g.Clear(Color(0, 0, 0, 0));
    }
    if (clock) {
        Graphics g(frame_.get());
        PrepareStretch(g);
        Stretch(g, *clock, width, height);
    }
    composed_ = true;
    return frame_.get();
}

bool LayeredFrame::Push(HWND hwnd, POINT position, BYTE constantAlpha) {
    if (!hwnd || !composed_ || !frame_) return false;
    const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);

    ui::WindowDc screen(nullptr);
    if (!dib_) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // rows from the top
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dib_ = ui::BitmapHandle(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        if (!dib_ || !bits_) {
            dib_ = ui::BitmapHandle();
            return false;
        }
    }
    // Premultiplied, as the window takes them.
    Rect rect(0, 0, width_, height_);
    BitmapData data{};
    if (frame_->LockBits(&rect, ImageLockModeRead, PixelFormat32bppARGB, &data) != Ok) return false;
    auto* out = static_cast<std::uint32_t*>(bits_);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const BYTE*>(data.Scan0) +
                                                                 INT_PTR(y) * data.Stride);
        for (int x = 0; x < width_; ++x) *out++ = Premultiplied(row[x]);
    }
    frame_->UnlockBits(&data);
    GdiFlush();

    ui::MemoryDc memory(CreateCompatibleDC(screen.Get()));
    ui::SelectGuard select(memory.Get(), dib_.Get());
    SIZE size{width_, height_};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, constantAlpha, AC_SRC_ALPHA};
    return UpdateLayeredWindow(hwnd, screen.Get(), &position, &size, memory.Get(), &source, 0, &blend,
                               ULW_ALPHA);
}

}  // namespace face
