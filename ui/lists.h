// Combo boxes, list boxes and check list boxes: the items live in the control
// (a vector of strings) and are mirrored to the window when it exists.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// The item list shared by combo and list boxes.
class ItemsControl : public Control {
  public:
    using Control::Control;
    const std::vector<std::wstring>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    const std::wstring& Item(int index) const { return items_.at(index); }
    void SetItem(int index, const std::wstring& text);
    // Replacing or clearing the items leaves no item chosen.
    void SetItems(const std::vector<std::wstring>& items);
    int Add(const std::wstring& item);
    void Insert(int index, const std::wstring& item);
    void Delete(int index);
    void Clear();
    // First item equal to text ignoring case, or -1.
    int IndexOf(const std::wstring& text) const;
    int ItemIndex() const { return itemIndex_; }
    // Choosing an item from code raises no event.
    virtual void SetItemIndex(int index);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v) { itemHeight_ = v; }

    DrawItemEvent OnDrawItem;
    MeasureItemEvent OnMeasureItem;

  protected:
    // Window messages of the kind (CB_* or LB_*).
    struct Messages {
        UINT add, insert, remove, reset, setCurSel, getCurSel, setItemHeight;
    };
    virtual Messages Msgs() const = 0;
    void PushItems();
    virtual void ItemInserted(int) {}
    virtual void ItemDeleted(int) {}
    virtual void ItemsCleared() {}
    virtual void IndexChanged() {}
    bool DrawItem(DRAWITEMSTRUCT& dis) override;
    bool MeasureItem(MEASUREITEMSTRUCT& mis) override;

    std::vector<std::wstring> items_;
    int itemIndex_ = -1;
    int itemHeight_ = 16;
};

enum ComboBoxStyle { csDropDown, csDropDownList, csOwnerDrawFixed };

class ComboBox : public ItemsControl {
  public:
    ComboBox(Container* parent, std::wstring name);
    ComboBoxStyle Style() const { return style_; }
    void SetStyle(ComboBoxStyle style);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int v) { dropDownCount_ = v; }
    void SetBounds(int left, int top, int width, int height) override;
    bool DroppedDown() const;

    // The user's choice raises OnClick and then OnSelect (or OnChange when there
    // is no OnSelect); typing raises OnChange. Code raises nothing.
    NotifyEvent OnChange, OnSelect, OnDropDown, OnCloseUp;

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    Messages Msgs() const override;
    bool Command(WORD code) override;
    void TextChanged() override;
    void IndexChanged() override;

  private:
    void SizeDropDown();
    ComboBoxStyle style_ = csDropDown;
    int dropDownCount_ = 8;
};

enum ListBoxStyle { lbStandard, lbOwnerDrawFixed };

class ListBox : public ItemsControl {
  public:
    ListBox(Container* parent, std::wstring name);
    ListBoxStyle Style() const { return style_; }
    void SetStyle(ListBoxStyle style);
    int TopIndex() const;
    void SetTopIndex(int index);
    int ItemAtPos(POINT pt) const;  // client point; -1 when no item is there
                                    // The user's selection raises OnClick; code raises nothing.

  protected:
    CreateParams GetCreateParams() override;
    void HandleCreated() override;
    Messages Msgs() const override;
    bool Command(WORD code) override;
    virtual bool OwnerDrawn() const { return style_ == lbOwnerDrawFixed; }

  private:
    ListBoxStyle style_ = lbStandard;
};

// A list box with a check box before each item.
class CheckListBox : public ListBox {
  public:
    CheckListBox(Container* parent, std::wstring name);
    bool Checked(int index) const { return checked_.at(index); }
    // From code: no event.
    void SetChecked(int index, bool value);
    // Raised when the user toggles an item's box (click on the box or space).
    NotifyEvent OnClickCheck;

  protected:
    bool OwnerDrawn() const override { return true; }
    bool DrawItem(DRAWITEMSTRUCT& dis) override;
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void ItemInserted(int index) override;
    void ItemDeleted(int index) override;
    void ItemsCleared() override;

  private:
    void ToggleByUser(int index);
    std::vector<bool> checked_;
};

}  // namespace ui
