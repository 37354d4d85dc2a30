// Actions and action lists: a caption, checked and enabled state, hint and
// shortcut shared by the menu items linked to the action, and OnExecute.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/events.h"

namespace ui {

class Action;
class MenuItem;

// A shortcut: virtual key in the low byte plus these bits.
using ShortCut = WORD;
constexpr ShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

class ActionList : public Component {
  public:
    ActionList(Form* owner, std::wstring name);
    ~ActionList() override;
    int Count() const { return static_cast<int>(actions_.size()); }
    Action& operator[](int index) const { return *actions_.at(index); }
    Action* Find(const std::wstring& name) const;
    // Executes the enabled action with this shortcut; true when one was found.
    bool IsShortCut(ShortCut sc);

  private:
    friend class Action;
    std::vector<Action*> actions_;
};

class Action : public Component {
  public:
    Action(ActionList& list, std::wstring name, std::wstring caption = {});
    ~Action() override;

    ActionList* List() const { return list_; }
    int Index() const;

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& v);
    bool Checked() const { return checked_; }
    // Checking an action of a group (GroupIndex > 0) unchecks the others of its list.
    void SetChecked(bool v);
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool v) { autoCheck_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    const std::wstring& Hint() const { return hint_; }
    void SetHint(const std::wstring& v);
    ui::ShortCut GetShortCut() const { return shortCut_; }
    void SetShortCut(ui::ShortCut v) { shortCut_ = v; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }

    // When enabled: AutoCheck toggles Checked, then OnExecute runs. False when
    // the action is disabled.
    bool Execute();

    NotifyEvent OnExecute;

  private:
    friend class MenuItem;
    friend class ActionList;
    void Changed();
    ActionList* list_;
    std::vector<MenuItem*> clients_;
    std::wstring caption_, hint_;
    bool checked_ = false, autoCheck_ = false, enabled_ = true, visible_ = true;
    ui::ShortCut shortCut_ = 0;
    int imageIndex_ = -1, groupIndex_ = 0;
};

}  // namespace ui
