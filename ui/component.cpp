#include "ui/component.h"

#include "ui/form.h"

namespace ui {

Component::Component(std::wstring name) : name_(std::move(name)) {}

Component::~Component() {
    if (owner_) owner_->UnregisterComponent(this);
}

void Component::SetOwner(Form* owner) {
    if (owner_ == owner) return;
    if (owner_) owner_->UnregisterComponent(this);
    owner_ = owner;
    if (owner_ && owner_ != static_cast<Component*>(this)) owner_->RegisterComponent(this);
}

}  // namespace ui
