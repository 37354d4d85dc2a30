#include "face/layered_frame.h"

#include <algorithm>
#include <cstring>

#include "face/face_cache.h"
#include "face/window_background.h"
#include "ui/graphics.h"

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

// Premultiplied source over premultiplied destination.
std::uint32_t Over(std::uint32_t top, std::uint32_t under) {
    const std::uint32_t keep = 255 - (top >> 24);
    if (keep == 0 || under == 0) return top;
    auto channel = [&](int shift) {
        return (((top >> shift) & 0xFF) + (((under >> shift) & 0xFF) * keep + 127) / 255) << shift;
    };
    return channel(24) | channel(16) | channel(8) | channel(0);
}

}  // namespace

void LayeredFrame::Clear() {
    *this = LayeredFrame{};
}

void LayeredFrame::Touch(int left, int top, int right, int bottom) {
    RECT r{left, top, right, bottom};
    UnionRect(&changed_, &changed_, &r);
}

bool LayeredFrame::Compose(int width, int height, const ImagePtr& background, Bitmap* clock) {
    composed_ = false;
    if ((!background && !clock) || width <= 0 || height <= 0) return false;
    if (width != width_ || height != height_) {
        const unsigned drawings = backgroundDrawings_;
        Clear();
        backgroundDrawings_ = drawings;
        width_ = width;
        height_ = height;
    }
    if (background != background_ || (background && !stretched_)) {
        stretched_.reset();
        under_.clear();
        lastClock_.clear();
        background_ = background;
        if (background) {
            stretched_ = NewArgbBitmap(width, height);
            if (!stretched_) return false;
            {
                Graphics g(stretched_.get());
                PrepareStretch(g);
                Stretch(g, *background, width, height);
            }
            under_ = PremultipliedPixels(*stretched_);
            ++backgroundDrawings_;
        }
    }
    const size_t count = size_t(width) * size_t(height);
    // A clock bitmap of the window's size lies pixel on pixel over the background.
    if (clock && clock->GetWidth() == UINT(width) && clock->GetHeight() == UINT(height)) {
        if (pixels_.size() != count || lastClock_.size() != count) {
            // Every pixel is made anew: no clock pixel matches a transparent one
            // that differs from what the frame holds.
            pixels_.assign(count, 0);
            lastClock_.assign(count, 0);
            if (!under_.empty()) pixels_ = under_;
            Touch(0, 0, width, height);
        }
        Rect rect(0, 0, width, height);
        BitmapData data{};
        if (clock->LockBits(&rect, ImageLockModeRead, PixelFormat32bppARGB, &data) != Ok) return false;
        const bool withUnder = under_.size() == count;
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const BYTE*>(data.Scan0) +
                                                                     INT_PTR(y) * data.Stride);
            const std::uint32_t* under = withUnder ? &under_[size_t(y) * width] : nullptr;
            std::uint32_t* out = &pixels_[size_t(y) * width];
            std::uint32_t* lastRow = &lastClock_[size_t(y) * width];
            int first = width, last = -1;
            for (int x = 0; x < width; ++x) {
                if (row[x] == lastRow[x]) continue;  // the pixel of the last frame stands
                lastRow[x] = row[x];
                const std::uint32_t top = Premultiplied(row[x]);
                const std::uint32_t p = under ? Over(top, under[x]) : top;
                if (p == out[x]) continue;
                out[x] = p;
                first = std::min(first, x);
                last = x;
            }
            if (last >= 0) Touch(first, y, last + 1, y + 1);
        }
        clock->UnlockBits(&data);
    } else if (!ComposeStretched(clock)) {
        return false;
    }
    composed_ = true;
    return true;
}

bool LayeredFrame::ComposeStretched(Bitmap* clock) {
    auto frame = NewArgbBitmap(width_, height_);
    if (!frame) return false;
    if (stretched_ && !CopyArgbPixels(*stretched_, *frame)) return false;
    if (clock) {
        Graphics g(frame.get());
        PrepareStretch(g);
        Stretch(g, *clock, width_, height_);
    }
    pixels_ = PremultipliedPixels(*frame);
    lastClock_.clear();
    Touch(0, 0, width_, height_);
    return pixels_.size() == size_t(width_) * size_t(height_);
}

bool LayeredFrame::Push(HWND hwnd, POINT position, BYTE constantAlpha) {
    if (!hwnd || !composed_) return false;
    const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    if (!(ex & WS_EX_LAYERED)) {
        SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
        Invalidate();
    }
    const bool visible = IsWindowVisible(hwnd) != FALSE;
    const bool again = hwnd == pushedTo_ && dib_ && position.x == pushedAt_.x && position.y == pushedAt_.y &&
                       constantAlpha == pushedAlpha_ && visible == pushedVisible_;
    if (again && IsRectEmpty(&changed_)) return true;
    if (!again) changed_ = RECT{0, 0, width_, height_};

    ui::WindowDc screen(nullptr);
    if (!dib_) {
        dib_ = ui::BitmapHandle(ui::NewTopDownDib(width_, height_, &bits_));
        if (!dib_ || !bits_) {
            dib_ = ui::BitmapHandle();
            return false;
        }
    }
    GdiFlush();
    auto* bits = static_cast<std::uint32_t*>(bits_);
    const size_t runLength = size_t(changed_.right - changed_.left) * 4;
    for (int y = changed_.top; y < changed_.bottom; ++y) {
        const size_t at = size_t(y) * width_ + changed_.left;
        std::memcpy(bits + at, pixels_.data() + at, runLength);
    }

    ui::MemoryDc memory(CreateCompatibleDC(screen.Get()));
    ui::SelectGuard select(memory.Get(), dib_.Get());
    SIZE size{width_, height_};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, constantAlpha, AC_SRC_ALPHA};
    UPDATELAYEREDWINDOWINFO info{};
    info.cbSize = sizeof(info);
    info.hdcDst = screen.Get();
    info.pptDst = &position;
    info.psize = &size;
    info.hdcSrc = memory.Get();
    info.pptSrc = &source;
    info.pblend = &blend;
    info.dwFlags = ULW_ALPHA;
    info.prcDirty = &changed_;
    const bool done = UpdateLayeredWindowIndirect(hwnd, &info) != FALSE;
    if (done) {
        pushedTo_ = hwnd;
        pushedAt_ = position;
        pushedAlpha_ = constantAlpha;
        pushedVisible_ = visible;
        changed_ = RECT{};
    } else {
        pushedTo_ = nullptr;
    }
    return done;
}

}  // namespace face
