// A drop-down list whose items carry a picture of an image list before their
// text.
#pragma once

#include <vector>

#include "ui/lists.h"

namespace ui {

class ImageList;

class ImageComboBox : public ComboBox {
  public:
    ImageComboBox(Container* parent, std::wstring name);

    // The pictures (not owned; none by default).
    const ImageList* Images() const { return images_; }
    void SetImages(const ImageList* images);
    // The picture of each item by item index (-1 or a missing entry: none).
    void SetItemImages(std::vector<int> images);
    int ItemImage(int index) const;

  protected:
    bool DrawItem(DRAWITEMSTRUCT& dis) override;

  private:
    const ImageList* images_ = nullptr;
    std::vector<int> itemImages_;
};

}  // namespace ui
