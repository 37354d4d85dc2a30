// An image list: pictures of one size in one common-controls image list, which
// this object owns. Menus, tab sheets, choosers and the tray icon refer to its
// pictures by index; the picture with index i is at i * Width() of a strip.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/component.h"
#include "ui/handles.h"

namespace ui {

namespace handle_traits {
struct ImageList {
    using Handle = HIMAGELIST;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { ImageList_Destroy(h); }
};
}  // namespace handle_traits
using ImageListHandle = UniqueHandle<handle_traits::ImageList>;

class Form;

class ImageList : public Component {
  public:
    // An empty list of pictures of width x height pixels (with masks).
    ImageList(Form* owner, std::wstring name, int width = 16, int height = 16);
    ~ImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;
    HIMAGELIST Handle() const { return handle_.Get(); }

    // Appends the pictures of a strip (a bitmap Width() high, its pictures side
    // by side); pixels of the key colour are transparent. Returns how many were added.
    int AddMasked(HBITMAP strip, COLORREF key);
    // The same from a bitmap resource of the program; 0 when it is missing.
    int AddMaskedResource(const wchar_t* name, COLORREF key);
    void Clear();

    // Draws picture index at x, y with its transparent pixels left alone.
    void Draw(HDC dc, int x, int y, int index) const;
    // A new icon of picture index (null for an index out of range).
    IconHandle GetIcon(int index) const;

  private:
    int width_, height_;
    ImageListHandle handle_;
};

}  // namespace ui
