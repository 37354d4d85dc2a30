// The root of the class library's objects: a name (the component name the
// forms use), an integer tag, and the form that owns it.
#pragma once

#include <cstddef>
#include <string>
#include <utility>

namespace ui {

class Form;

class Component {
  public:
    explicit Component(std::wstring name = {});
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::wstring& Name() const { return name_; }
    void SetName(std::wstring name) { name_ = std::move(name); }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    // The form the component belongs to (null for free-standing ones).
    Form* Owner() const { return owner_; }

  protected:
    // Registers the component in the form's list (Form::FindComponent).
    void SetOwner(Form* owner);

  private:
    friend class Form;
    std::wstring name_;
    int tag_ = 0;
    Form* owner_ = nullptr;
    std::size_t ownerSlot_ = 0;  // its place in the owner's list
};

}  // namespace ui
