#include "ui/menus.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <unordered_map>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/handles.h"

namespace ui {

namespace {

// Never freed: items of forms that live to the end of the program still
// give their ids back after the other statics have gone.
std::unordered_map<UINT, MenuItem*>& Commands() {
    static auto* map = new std::unordered_map<UINT, MenuItem*>;
    return *map;
}

CommandIds& Ids() {
    static auto* ids = new CommandIds;
    return *ids;
}

}  // namespace

UINT CommandIds::Take() {
    UINT id;
    if (!freeLow_.empty()) {
        id = freeLow_.back();
        freeLow_.pop_back();
    } else if (nextLow_ <= kLastLow) {
        id = nextLow_++;
    } else if (!freeHigh_.empty()) {
        id = freeHigh_.back();
        freeHigh_.pop_back();
    } else {
        id = nextHigh_++;
        // The low words of the ids above 0xFFFF stay below kFirst.
        if (LOWORD(nextHigh_) >= kFirst) nextHigh_ = (nextHigh_ & 0xFFFF0000u) + 0x10001u;
    }
    return id;
}

void CommandIds::Give(UINT id) {
    if (holds_ > 0)
        held_.push_back(id);
    else
        (id <= kLastLow ? freeLow_ : freeHigh_).push_back(id);
}

void CommandIds::Hold() {
    if (holds_++ == 0) ++holdNumber_;
}

void CommandIds::Release() {
    if (holds_ == 0 || --holds_ > 0) return;
    for (UINT id : held_) Give(id);
    held_.clear();
}

std::size_t CommandIds::Free() const {
    return freeLow_.size() + freeHigh_.size();
}

MenuItem::MenuItem(std::wstring name) : Component(std::move(name)) {
    command_ = Ids().Take();
    Commands()[command_] = this;
}

MenuItem::MenuItem(Menu& menu, std::wstring name, std::wstring caption) : MenuItem(std::move(name)) {
    caption_ = std::move(caption);
    SetOwner(menu.Owner());
    menu.Items().Add(*this);
}

MenuItem::MenuItem(MenuItem& parent, std::wstring name, std::wstring caption) : MenuItem(std::move(name)) {
    caption_ = std::move(caption);
    SetOwner(parent.Owner());
    parent.Add(*this);
}

MenuItem::~MenuItem() {
    SetAction(nullptr);
    // The children let go of this item first: freed one by one, each would
    // look for itself among the others.
    for (MenuItem* i : items_) i->parent_ = nullptr;
    items_.clear();
    owned_.clear();
    if (parent_) parent_->Detach(*this);
    Commands().erase(command_);
    Ids().Give(command_);
}

void MenuItem::RenewCommand() {
    const std::uint64_t hold = Ids().HoldNumber();
    if (hold == 0 || shownIn_ != hold) return;
    shownIn_ = 0;
    const UINT renewed = Ids().Take();
    Commands().erase(command_);
    Ids().Give(command_);
    command_ = renewed;
    Commands()[command_] = this;
}

MenuItem* MenuItem::FromCommand(UINT command) {
    auto it = Commands().find(command);
    return it == Commands().end() ? nullptr : it->second;
}

MenuItem* MenuItem::AtScreenPoint(POINT point) {
    HWND window = WindowFromPoint(point);
    wchar_t cls[8] = {};
    if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() ||
        !GetClassNameW(window, cls, 8) || wcscmp(cls, L"#32768") != 0)
        return nullptr;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    const int position = menu ? MenuItemFromPoint(nullptr, menu, point) : -1;
    if (position < 0) return nullptr;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return nullptr;
    return FromCommand(static_cast<UINT>(info.dwItemData));
}

Menu* MenuItem::GetMenu() const {
    const MenuItem* i = this;
    while (i->parent_) i = i->parent_;
    return i->menu_;
}

void MenuItem::Changed() {
    if (Menu* m = GetMenu()) m->Changed();
}

const std::wstring& MenuItem::Caption() const {
    return action_ ? action_->Caption() : caption_;
}
bool MenuItem::Checked() const {
    return action_ ? action_->Checked() : checked_;
}
bool MenuItem::Enabled() const {
    return action_ ? action_->Enabled() : enabled_;
}
bool MenuItem::Visible() const {
    return action_ ? action_->Visible() : visible_;
}
const std::wstring& MenuItem::Hint() const {
    return action_ ? action_->Hint() : hint_;
}
int MenuItem::ImageIndex() const {
    return action_ ? action_->ImageIndex() : imageIndex_;
}
ShortCut MenuItem::GetShortCut() const {
    return action_ ? action_->GetShortCut() : shortCut_;
}

void MenuItem::SetCaption(const std::wstring& v) {
    caption_ = v;
    Changed();
}

void MenuItem::SetChecked(bool v) {
    if (checked_ == v) return;
    checked_ = v;
    // Radio items of one group in one submenu exclude each other.
    if (v && radioItem_ && parent_) {
        for (MenuItem* s : parent_->items_)
            if (s != this && s->radioItem_ && s->groupIndex_ == groupIndex_) s->checked_ = false;
    }
    Changed();
}

void MenuItem::SetEnabled(bool v) {
    enabled_ = v;
    Changed();
}

void MenuItem::SetVisible(bool v) {
    visible_ = v;
    Changed();
}

void MenuItem::SetRadioItem(bool v) {
    radioItem_ = v;
    Changed();
}

void MenuItem::SetDefault(bool v) {
    default_ = v;
    Changed();
}

void MenuItem::SetAction(Action* action) {
    if (action_ == action) return;
    if (action_) {
        auto& c = action_->clients_;
        c.erase(std::remove(c.begin(), c.end(), this), c.end());
    }
    action_ = action;
    if (action_) action_->clients_.push_back(this);
    Changed();
}

int MenuItem::IndexOf(const MenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void MenuItem::Add(MenuItem& item) {
    Insert(Count(), item);
}

void MenuItem::Insert(int index, MenuItem& item) {
    if (item.parent_) item.parent_->Detach(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, &item);
    item.parent_ = this;
    Changed();
}

MenuItem& MenuItem::AddNew(const std::wstring& caption, std::wstring name) {
    auto item = std::make_unique<MenuItem>(std::move(name));
    item->caption_ = caption;
    item->SetOwner(Owner());
    MenuItem& ref = *item;
    owned_.push_back(std::move(item));
    Add(ref);
    return ref;
}

void MenuItem::Detach(MenuItem& item) {
    // Searched from the end: a long list is emptied from its last item.
    auto it = std::find(items_.rbegin(), items_.rend(), &item);
    if (it != items_.rend()) items_.erase(std::next(it).base());
    item.parent_ = nullptr;
}

void MenuItem::Delete(int index) {
    MenuItem* item = items_.at(index);
    Detach(*item);
    auto it = std::find_if(owned_.rbegin(), owned_.rend(), [&](auto& p) { return p.get() == item; });
    if (it != owned_.rend()) owned_.erase(std::next(it).base());
    Changed();
}

void MenuItem::Clear() {
    while (!items_.empty()) Delete(Count() - 1);
}

void MenuItem::Click() {
    if (!Enabled()) return;
    if (OnClick || !action_) {
        if (autoCheck_) SetChecked(!checked_);
        if (OnClick) OnClick(*this);
    } else {
        action_->Execute();
    }
}

void MenuItem::AppendTo(HMENU menu) const {
    int shown = 0;
    for (const MenuItem* item : items_) {
        if (!item->Visible()) continue;
        if (shown++ == kShownItems) break;
        Menu* m = item->GetMenu();
        bool ownerDraw = m && m->OwnerDraw() && m->OnDrawItem;
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_DATA;
        mi.wID = item->command_;
        mi.dwItemData = item->command_;
        std::wstring text = item->Caption();
        if (item->IsSeparator()) {
            mi.fType = MFT_SEPARATOR;
        } else {
            mi.fMask |= MIIM_STRING;
            mi.dwTypeData = text.data();
        }
        if (ownerDraw) mi.fType |= MFT_OWNERDRAW;
        item->shownIn_ = Ids().HoldNumber();
        if (item->radioItem_) mi.fType |= MFT_RADIOCHECK;
        if (item->Checked()) mi.fState |= MFS_CHECKED;
        if (!item->Enabled()) mi.fState |= MFS_DISABLED;
        if (item->default_) mi.fState |= MFS_DEFAULT;
        if (!item->items_.empty()) {
            mi.fMask |= MIIM_SUBMENU;
            mi.hSubMenu = item->BuildPopup();
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &mi);
    }
}

HMENU MenuItem::BuildPopup() const {
    HMENU menu = CreatePopupMenu();
    AppendTo(menu);
    return menu;
}

bool MenuItem::DrawMenuItem(DRAWITEMSTRUCT& dis) {
    MenuItem* item = FromCommand(static_cast<UINT>(dis.itemData));
    Menu* m = item ? item->GetMenu() : nullptr;
    if (!m || !m->OnDrawItem) return false;
    m->OnDrawItem(*item, dis.hDC, dis.rcItem, dis.itemState);
    return true;
}

bool MenuItem::MeasureMenuItem(MEASUREITEMSTRUCT& mis) {
    MenuItem* item = FromCommand(static_cast<UINT>(mis.itemData));
    Menu* m = item ? item->GetMenu() : nullptr;
    if (!m || !m->OnMeasureItem) return false;
    int w = static_cast<int>(mis.itemWidth), h = static_cast<int>(mis.itemHeight);
    m->OnMeasureItem(*item, w, h);
    mis.itemWidth = w;
    mis.itemHeight = h;
    return true;
}

// --- menus ---------------------------------------------------------------------

Menu::Menu(Form* owner, std::wstring name) : Component(std::move(name)) {
    SetOwner(owner);
    items_.menu_ = this;
}

Menu::~Menu() {
    items_.menu_ = nullptr;
}

static MenuItem* FindIn(MenuItem& root, const std::wstring& name) {
    for (int i = 0; i < root.Count(); ++i) {
        if (root[i].Name() == name) return &root[i];
        if (MenuItem* f = FindIn(root[i], name)) return f;
    }
    return nullptr;
}

MenuItem* Menu::Find(const std::wstring& name) {
    return FindIn(items_, name);
}

static MenuItem* FindShortCut(MenuItem& root, ShortCut sc) {
    for (int i = 0; i < root.Count(); ++i) {
        if (root[i].GetShortCut() == sc && root[i].Enabled()) return &root[i];
        if (MenuItem* f = FindShortCut(root[i], sc)) return f;
    }
    return nullptr;
}

bool Menu::IsShortCut(ShortCut sc) {
    if (sc == 0) return false;
    if (MenuItem* item = FindShortCut(items_, sc)) {
        item->Click();
        return true;
    }
    return false;
}

PopupMenu::PopupMenu(Form* owner, std::wstring name) : Menu(owner, std::move(name)) {}

void PopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(*this);
    MenuItem* chosen = nullptr;
    bool ended = false;  // the program was told to end while the menu was open
    {
        // The ids of the shown entries are held from the menu's making until
        // the choice has found its item: an item freed meanwhile leaves its
        // entry reaching nothing.
        struct Held {
            Held() { Ids().Hold(); }
            ~Held() { Ids().Release(); }
        } held;
        MenuHandle menu(Items().BuildPopup());
        HWND owner = Owner() && Owner()->Handle() ? Owner()->Handle() : Application().Handle();
        SetForegroundWindow(owner);
        UINT cmd = 0;
        ended = Application().RunSystemLoop([&] {
            cmd = static_cast<UINT>(TrackPopupMenuEx(
                menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, owner, nullptr));
        });
        PostMessageW(owner, WM_NULL, 0, 0);
        menu.Reset();
        if (OnClose) OnClose(*this);
        if (cmd) chosen = MenuItem::FromCommand(cmd);
    }
    // A program told to end while its menu was open ends now (the quit the
    // menu's loop took is posted again), and runs no choice.
    if (ended) return;
    if (chosen) chosen->Click();
}

MainMenu::MainMenu(Form* owner, std::wstring name) : Menu(owner, std::move(name)) {}

HMENU MainMenu::BuildMenuBar() const {
    HMENU bar = CreateMenu();
    const_cast<MainMenu*>(this)->Items().AppendTo(bar);
    return bar;
}

void MainMenu::Changed() {
    if (form_ && form_->Menu() == this) form_->MenuChanged();
}

}  // namespace ui
