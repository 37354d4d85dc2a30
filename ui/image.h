// A picture on a form: a GDI bitmap it owns, or a GDI+ image it shares. A
// disabled image shows its picture grey and faded.
#pragma once

#include <functional>
#include <memory>

#include "ui/control.h"
#include "ui/handles.h"

namespace Gdiplus {
class Image;
}

namespace ui {

class Image : public Control {
  public:
    Image(Container* parent, std::wstring name);
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    // Takes over the bitmap (deleted with the image or the next picture).
    void SetBitmap(HBITMAP bitmap);
    const std::shared_ptr<Gdiplus::Image>& Picture() const { return picture_; }
    // GDI+ must be running while a GDI+ picture is drawn.
    void SetPicture(std::shared_ptr<Gdiplus::Image> picture);
    void Clear();
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    // When set, draws the image instead of the picture (dc, client rectangle).
    std::function<void(Image& sender, HDC dc, const RECT& rect)> OnPaint;

  protected:
    CreateParams GetCreateParams() override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    bool ClicksFromMouse() const override { return true; }
    void WindowStateChanged() override { Invalidate(); }

  private:
    void Paint(HDC dc, const RECT& rc);
    BitmapHandle bitmap_;
    std::shared_ptr<Gdiplus::Image> picture_;
    bool stretch_ = false, center_ = false;
};

}  // namespace ui
