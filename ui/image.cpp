#include "ui/image.h"

#include <objidl.h>
#include <gdiplus.h>

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
    const bool painted = PaintWholeClient(msg, result, [this](HDC dc, const RECT& rc) {
        if (OnPaint)
            OnPaint(*this, dc, rc);
        else
            Paint(dc, rc);
    });
    return painted || Control::HandleMessage(msg, wp, lp, result);
}

}  // namespace ui
