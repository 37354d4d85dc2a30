#include "ui/actions.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/menus.h"

namespace ui {

ActionList::ActionList(Form* owner, std::wstring name) : Component(std::move(name)) {
    SetOwner(owner);
}

ActionList::~ActionList() {
    for (Action* a : actions_) a->list_ = nullptr;
}

Action* ActionList::Find(const std::wstring& name) const {
    for (Action* a : actions_)
        if (a->Name() == name) return a;
    return nullptr;
}

bool ActionList::IsShortCut(ShortCut sc) {
    if (sc == 0) return false;
    for (Action* a : actions_) {
        if (a->GetShortCut() == sc && a->Enabled()) {
            a->Execute();
            return true;
        }
    }
    return false;
}

Action::Action(ActionList& list, std::wstring name, std::wstring caption)
    : Component(std::move(name)), list_(&list), caption_(std::move(caption)) {
    list.actions_.push_back(this);
    SetOwner(list.Owner());
}

Action::~Action() {
    for (MenuItem* m : clients_) m->action_ = nullptr;
    if (list_) {
        auto& v = list_->actions_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
}

int Action::Index() const {
    if (!list_) return -1;
    auto& v = list_->actions_;
    auto it = std::find(v.begin(), v.end(), this);
    return it == v.end() ? -1 : static_cast<int>(it - v.begin());
}

void Action::Changed() {
    for (MenuItem* m : clients_) m->Changed();
}

void Action::SetCaption(const std::wstring& v) {
    caption_ = v;
    Changed();
}

void Action::SetChecked(bool v) {
    if (checked_ == v) return;
    checked_ = v;
    if (v && groupIndex_ > 0 && list_) {
        for (Action* a : list_->actions_)
            if (a != this && a->groupIndex_ == groupIndex_) a->SetChecked(false);
    }
    Changed();
}

void Action::SetEnabled(bool v) {
    enabled_ = v;
    Changed();
}

void Action::SetVisible(bool v) {
    visible_ = v;
    Changed();
}

void Action::SetHint(const std::wstring& v) {
    hint_ = v;
    Changed();
}

void Action::SetImageIndex(int v) {
    imageIndex_ = v;
    Changed();
}

bool Action::Execute() {
    if (!enabled_) return false;
    if (autoCheck_ && (!checked_ || groupIndex_ == 0)) SetChecked(!checked_);
    if (OnExecute) OnExecute(*this);
    return true;
}

}  // namespace ui
