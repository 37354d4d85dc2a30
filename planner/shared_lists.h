// The planner page's lists as the task runner sees them.
#pragma once

#include "planner/task_runner.h"
#include "ui/lists.h"

namespace planner {

// A list box (the pictures): no check marks.
class ListBoxItems : public SharedList {
  public:
    explicit ListBoxItems(ui::ItemsControl& list) : list_(list) {}
    int Count() const override { return list_.Count(); }
    std::wstring Item(int index) const override { return list_.Item(index); }
    int IndexOf(const std::wstring& text) const override { return list_.IndexOf(text); }
    int Add(const std::wstring& item) override { return list_.Add(item); }
    void SetChecked(int, bool) override {}
    int ItemIndex() const override { return list_.ItemIndex(); }
    void SetItemIndex(int index) override { list_.SetItemIndex(index); }

  private:
    ui::ItemsControl& list_;
};

// A check list box (sounds, files).
class CheckListItems : public ListBoxItems {
  public:
    explicit CheckListItems(ui::CheckListBox& list) : ListBoxItems(list), checks_(list) {}
    void SetChecked(int index, bool checked) override { checks_.SetChecked(index, checked); }

  private:
    ui::CheckListBox& checks_;
};

}  // namespace planner
