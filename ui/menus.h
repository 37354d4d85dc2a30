// Menus: a tree of named items (declared as form members, or made at run time
// and owned by their parent item); the Win32 menu is built from the tree each
// time it is shown, so the items' state is always current.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/actions.h"
#include "ui/component.h"
#include "ui/events.h"

namespace ui {

class Control;
class Menu;

// The command ids of the menu items: each living item has its own, and the id
// of a freed item is given again, each in a constant time however many items
// there are. The ids 20000 to 0xEFFF come first (0xF000 and up are the
// system's commands); with more items alive at once, ids above 0xFFFF follow.
// A popup menu returns them whole, so their items are chosen there as any
// other; a menu bar's WM_COMMAND carries only 16 bits, so from a menu bar such
// an item does nothing (its low word stays below 20000 and names no item).
// While a popup menu is open (held), an id given back waits until it has
// closed: the open menu still shows it, and choosing that entry must reach
// the item it showed or nothing, never an item made meanwhile.
class CommandIds {
  public:
    static constexpr UINT kFirst = 20000;
    static constexpr UINT kLastLow = 0xEFFF;
    UINT Take();
    void Give(UINT id);
    // Holds may nest; the ids given back meanwhile are free once the last ends.
    void Hold();
    void Release();
    // The number of the hold that lasts now (each outermost hold has its own,
    // from 1 on); 0 when none does.
    std::uint64_t HoldNumber() const { return holds_ > 0 ? holdNumber_ : 0; }
    // Ids that can be taken again (given back, not held, not yet taken).
    std::size_t Free() const;

  private:
    std::vector<UINT> freeLow_, freeHigh_, held_;
    int holds_ = 0;
    std::uint64_t holdNumber_ = 0;
    UINT nextLow_ = kFirst;
    UINT nextHigh_ = 0x10001;
};

class MenuItem : public Component {
  public:
    // An item of a menu's top level, or of another item's submenu.
    MenuItem(Menu& menu, std::wstring name, std::wstring caption = {});
    MenuItem(MenuItem& parent, std::wstring name, std::wstring caption = {});
    explicit MenuItem(std::wstring name = {});
    ~MenuItem() override;

    // With an action linked, Caption, Checked, Enabled, Visible, Hint and
    // ImageIndex are the action's.
    const std::wstring& Caption() const;
    void SetCaption(const std::wstring& v);
    bool IsSeparator() const { return Caption() == L"-"; }
    bool Checked() const;
    void SetChecked(bool v);
    bool Enabled() const;
    void SetEnabled(bool v);
    bool Visible() const;
    void SetVisible(bool v);
    const std::wstring& Hint() const;
    void SetHint(const std::wstring& v) { hint_ = v; }
    int ImageIndex() const;
    void SetImageIndex(int v) { imageIndex_ = v; }
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool v) { autoCheck_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v);
    ui::ShortCut GetShortCut() const;
    void SetShortCut(ui::ShortCut v) { shortCut_ = v; }
    Action* GetAction() const { return action_; }
    void SetAction(Action* action);

    MenuItem* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(items_.size()); }
    MenuItem& operator[](int index) const { return *items_.at(index); }
    int IndexOf(const MenuItem* item) const;
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
    Menu* GetMenu() const;

    void Add(MenuItem& item);
    void Insert(int index, MenuItem& item);
    // A new item owned by this one (freed by Delete, Clear or with this item).
    MenuItem& AddNew(const std::wstring& caption, std::wstring name = {});
    // Removes the item at index; frees it when this item owns it.
    void Delete(int index);
    void Clear();

    // What choosing the item does: OnClick (AutoCheck toggles first), or the action.
    void Click();
    NotifyEvent OnClick;

    UINT Command() const { return command_; }
    // For an item made to show or do something else: when the open popup menu
    // shows it, the item takes a new command id (once), so that the entry that
    // showed it as it was reaches nothing. An item that no open menu shows
    // keeps its id: no entry names it.
    void RenewCommand();
    static MenuItem* FromCommand(UINT command);
    // The item under a screen point in an open menu of this thread, or null.
    static MenuItem* AtScreenPoint(POINT point);
    // A new popup menu of the visible children (the caller destroys it). A
    // menu shows at most kShownItems of them, the first: the system's menus
    // grow slow with the square of their length (two hundred thousand items
    // take many minutes), and nobody looks through more.
    static constexpr int kShownItems = 1000;
    HMENU BuildPopup() const;
    // Owner-drawn menu items (ODT_MENU) of the menus' OnDrawItem / OnMeasureItem.
    static bool DrawMenuItem(DRAWITEMSTRUCT& dis);
    static bool MeasureMenuItem(MEASUREITEMSTRUCT& mis);

  private:
    friend class Action;
    friend class Menu;
    friend class MainMenu;
    void Changed();
    void Detach(MenuItem& item);
    void AppendTo(HMENU menu) const;

    MenuItem* parent_ = nullptr;
    Menu* menu_ = nullptr;  // set on the root item of a menu
    std::vector<MenuItem*> items_;
    std::vector<std::unique_ptr<MenuItem>> owned_;
    Action* action_ = nullptr;
    std::wstring caption_, hint_;
    bool checked_ = false, enabled_ = true, visible_ = true, radioItem_ = false, autoCheck_ = false,
         default_ = false;
    int imageIndex_ = -1, groupIndex_ = 0;
    ui::ShortCut shortCut_ = 0;
    UINT command_ = 0;
    // The hold of the popup menu that shows the item under its command id.
    mutable std::uint64_t shownIn_ = 0;
};

class Menu : public Component {
  public:
    Menu(Form* owner, std::wstring name);
    ~Menu() override;
    MenuItem& Items() { return items_; }
    const MenuItem& Items() const { return items_; }
    // The item with this name anywhere in the tree, or null.
    MenuItem* Find(const std::wstring& name);
    bool IsShortCut(ShortCut sc);

    // When set, every item of this menu is drawn by the handlers.
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v) { ownerDraw_ = v; }
    std::function<void(MenuItem& item, HDC dc, const RECT& rect, UINT state)> OnDrawItem;
    std::function<void(MenuItem& item, int& width, int& height)> OnMeasureItem;
    // Raised when a shown popup of this menu has closed, before the chosen item's Click.
    NotifyEvent OnClose;

  protected:
    friend class MenuItem;
    virtual void Changed() {}

  private:
    MenuItem items_;
    bool ownerDraw_ = false;
};

class PopupMenu : public Menu {
  public:
    PopupMenu(Form* owner, std::wstring name);
    // Shows the menu at a screen point and runs the chosen item's Click after it closed.
    // A WM_QUIT met while it is open closes it; the quit is posted again, with
    // its exit code, once it has closed, and no choice runs.
    void Popup(int x, int y);
    // The control whose context menu this was.
    Control* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(Control* c) { popupComponent_ = c; }
    NotifyEvent OnPopup;

  private:
    Control* popupComponent_ = nullptr;
};

class MainMenu : public Menu {
  public:
    MainMenu(Form* owner, std::wstring name);
    void SetForm(Form* form) { form_ = form; }
    HMENU BuildMenuBar() const;

  protected:
    void Changed() override;

  private:
    Form* form_ = nullptr;
};

}  // namespace ui
