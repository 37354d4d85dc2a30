#include "ui/image_list.h"

#include "ui/exception.h"
#include "ui/form.h"

namespace ui {

ImageList::ImageList(Form* owner, std::wstring name, int width, int height)
    : Component(std::move(name)), width_(width), height_(height) {
    SetOwner(owner);
    handle_.Reset(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 32, 8));
    if (!handle_) throw Exception(L"Error creating image list");
}

ImageList::~ImageList() = default;

int ImageList::Count() const {
    return ImageList_GetImageCount(handle_.Get());
}

int ImageList::AddMasked(HBITMAP strip, COLORREF key) {
    if (!strip) return 0;
    const int before = Count();
    ImageList_AddMasked(handle_.Get(), strip, key);
    return Count() - before;
}

int ImageList::AddMaskedResource(const wchar_t* name, COLORREF key) {
    BitmapHandle strip(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return AddMasked(strip.Get(), key);
}

void ImageList::Clear() {
    ImageList_RemoveAll(handle_.Get());
}

void ImageList::Draw(HDC dc, int x, int y, int index) const {
    if (index >= 0 && index < Count()) ImageList_Draw(handle_.Get(), index, dc, x, y, ILD_TRANSPARENT);
}

IconHandle ImageList::GetIcon(int index) const {
    if (index < 0 || index >= Count()) return IconHandle();
    return IconHandle(ImageList_GetIcon(handle_.Get(), index, ILD_NORMAL));
}

}  // namespace ui
