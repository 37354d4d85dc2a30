#include "ui/image.h"

#include <objidl.h>
#include <gdiplus.h>

#include <memory>

namespace ui {

Image::Image(Container* parent, std::wstring name) : Control(parent, std::move(name)) {
    width_ = 105, height_ = 105;
    RegisterOwnClass(L"TImage", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
}

Control::CreateParams Image::GetCreateParams() {
    CreateParams p;
    p.className = L"TImage";
    p.ownClass = true;
    return p;
}

void Image::SetBitmap(HBITMAP bitmap) {
    bitmap_.Reset(bitmap);
    picture_.reset();
    Invalidate();
}

void Image::SetPicture(std::shared_ptr<Gdiplus::Image> picture) {
    picture_ = std::move(picture);
    bitmap_.Reset();
    Invalidate();
}

void Image::Clear() {
    bitmap_.Reset();
    picture_.reset();
    Invalidate();
}

void Image::SetStretch(bool v) {
    stretch_ = v;
    Invalidate();
}

void Image::SetCenter(bool v) {
    center_ = v;
    Invalidate();
}

namespace {

// Grey, and nearer the background the more so: a picture that cannot be used.
Gdiplus::ColorMatrix DisabledLook(COLORREF background) {
    constexpr Gdiplus::REAL kept = 0.45f;
    const Gdiplus::REAL grey[3] = {0.30f * kept, 0.59f * kept, 0.11f * kept};
    const Gdiplus::REAL back[3] = {GetRValue(background) / 255.0f, GetGValue(background) / 255.0f,
                                   GetBValue(background) / 255.0f};
    Gdiplus::ColorMatrix m{};
    for (int c = 0; c < 3; ++c) {
        for (int from = 0; from < 3; ++from) m.m[from][c] = grey[from];
        m.m[4][c] = (1 - kept) * back[c];
    }
    m.m[3][3] = 1;
    m.m[4][4] = 1;
    return m;
}

}  // namespace

void Image::Paint(HDC dc, const RECT& rc) {
    FillRect(dc, &rc, CachedBrush(EffectiveColor()));
    int w = 0, h = 0;
    if (bitmap_) {
        BITMAP bm{};
        GetObjectW(bitmap_.Get(), sizeof bm, &bm);
        w = bm.bmWidth, h = abs(bm.bmHeight);
    } else if (picture_) {
        w = static_cast<int>(picture_->GetWidth()), h = static_cast<int>(picture_->GetHeight());
    } else {
        return;
    }
    RECT dst{0, 0, w, h};
    if (stretch_) {
        dst = rc;
    } else if (center_) {
        OffsetRect(&dst, (rc.right - w) / 2, (rc.bottom - h) / 2);
    }
    if (!IsWindowEnabled(hwnd_)) {
        std::unique_ptr<Gdiplus::Bitmap> copy;
        Gdiplus::Image* image = picture_.get();
        if (!image) {
            copy.reset(Gdiplus::Bitmap::FromHBITMAP(bitmap_.Get(), nullptr));
            image = copy.get();
        }
        Gdiplus::ImageAttributes look;
        const Gdiplus::ColorMatrix matrix = DisabledLook(ColorToRGB(EffectiveColor()));
        look.SetColorMatrix(&matrix);
        Gdiplus::Graphics g(dc);
        const Gdiplus::Rect to(dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top);
        if (image && image->GetLastStatus() == Gdiplus::Ok &&
            g.DrawImage(image, to, 0, 0, w, h, Gdiplus::UnitPixel, &look) == Gdiplus::Ok)
            return;
    }
    if (bitmap_) {
        MemoryDc mem(CreateCompatibleDC(dc));
        SelectGuard sel(mem.Get(), bitmap_.Get());
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top, mem.Get(), 0, 0, w, h,
                   SRCCOPY);
    } else {
        Gdiplus::Graphics g(dc);
        g.DrawImage(picture_.get(), static_cast<INT>(dst.left), static_cast<INT>(dst.top),
                    static_cast<INT>(dst.right - dst.left), static_cast<INT>(dst.bottom - dst.top));
    }
}

bool Image::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    auto paint = [this](HDC dc, const RECT& rc) {
        if (OnPaint)
            OnPaint(*this, dc, rc);
        else
            Paint(dc, rc);
    };
    if (PaintWholeClient(msg, result, paint)) return true;
    // Drawn into another picture (a window's picture taken while it is hidden).
    if (msg == WM_PRINTCLIENT) {
        RECT rc;
        GetClientRect(hwnd_, &rc);
        paint(reinterpret_cast<HDC>(wp), rc);
        return true;
    }
    return Control::HandleMessage(msg, wp, lp, result);
}

}  // namespace ui
