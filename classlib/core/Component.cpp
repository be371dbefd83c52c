#include "classlib/core/Component.h"

#include <algorithm>

#include "classlib/core/ConvertText.h"
#include "classlib/core/List.h"

namespace classlib {

struct TComponent::TPublished {
  std::map<std::wstring, std::any> methods;  // keyed by upper-case name
  std::map<std::wstring, std::function<bool(TComponent*)>> fields;
};

namespace {
std::wstring Key(const std::wstring& name) { return UpperCase(name); }
}  // namespace

bool IsValidIdent(const std::wstring& name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const wchar_t c = name[i];
    const bool letter = (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_';
    const bool digit = c >= L'0' && c <= L'9';
    if (!letter && !(digit && i > 0)) return false;
  }
  return true;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Peers registered through FreeNotification learn that this one goes.
  while (!freeNotifies_.empty()) {
    TComponent* peer = freeNotifies_.back();
    freeNotifies_.pop_back();
    peer->RemoveNotification(this);
    peer->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError(L"List index out of bounds (" + std::to_wstring(index) + L")");
  return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  const auto& list = owner_->components_;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::wstring& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::ValidateRename(TComponent* component, const std::wstring& oldName,
                                const std::wstring& newName) const {
  if (!newName.empty() && !SameText(oldName, newName)) {
    const TComponent* other = FindComponent(newName);
    if (other && other != component)
      throw EComponentError(L"A component named " + newName + L" already exists");
  }
}

void TComponent::SetName(const std::wstring& name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name))
    throw EComponentError(L"'" + name + L"' is not a valid component name");
  if (owner_) owner_->ValidateRename(this, name_, name);
  name_ = name;
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this) return;
  // Checked before the component leaves its old owner, so a refused move
  // leaves it where it was (and freed with that owner).
  ValidateRename(component, L"", component->name_);
  if (component->owner_) component->owner_->RemoveComponent(component);
  Insert(component);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (!component || component->owner_ != this) return;
  Notification(component, opRemove);
  Remove(component);
}

void TComponent::Insert(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
  // A component made while its owner is being read or designed shares that state.
  if (state_.Contains(csLoading)) component->state_.Include(csLoading);
  if (state_.Contains(csDesigning)) component->SetDesigning(true);
}

void TComponent::Remove(TComponent* component) {
  const auto it = std::find(components_.begin(), components_.end(), component);
  if (it != components_.end()) components_.erase(it);
  component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* component = components_.back();
    // The owner is going: only components with peers outside need the
    // removal announced to their siblings.
    if (component->state_.Contains(csFreeNotification)) RemoveComponent(component);
    else Remove(component);
    delete component;
  }
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::SetDesigning(bool value) {
  if (value) state_.Include(csDesigning);
  else state_.Exclude(csDesigning);
  for (TComponent* c : components_) c->SetDesigning(value);
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (!owner_ || component->owner_ != owner_) {
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
      freeNotifies_.push_back(component);
      component->FreeNotification(this);
    }
  }
  state_.Include(csFreeNotification);
}

void TComponent::RemoveNotification(TComponent* component) {
  const auto it = std::find(freeNotifies_.begin(), freeNotifies_.end(), component);
  if (it != freeNotifies_.end()) freeNotifies_.erase(it);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  RemoveNotification(component);
  component->RemoveNotification(this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) RemoveFreeNotification(component);
  // Everything owned hears about it too (a control learns that the image list
  // it shows was freed). Walk by index: a handler may free components.
  for (size_t i = components_.size(); i-- > 0;) {
    if (i >= components_.size()) continue;
    components_[i]->Notification(component, operation);
  }
}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  if (root != this) return;
  for (TComponent* c : components_)
    if (!c->HasParent()) proc(c);
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::SetLoadingState(bool loading, bool reading) {
  if (loading) state_.Include(csLoading);
  else state_.Exclude(csLoading);
  if (reading) state_.Include(csReading);
  else state_.Exclude(csReading);
}

void TComponent::AddMethod(const std::wstring& name, std::any method) {
  if (!published_) published_ = std::make_unique<TPublished>();
  published_->methods[Key(name)] = std::move(method);
}

const std::any* TComponent::FindMethod(const std::wstring& name) const {
  if (!published_) return nullptr;
  const auto it = published_->methods.find(Key(name));
  return it == published_->methods.end() ? nullptr : &it->second;
}

void TComponent::AddField(const std::wstring& name, std::function<bool(TComponent*)> setter) {
  if (!published_) published_ = std::make_unique<TPublished>();
  published_->fields[Key(name)] = std::move(setter);
}

bool TComponent::BindField(const std::wstring& name, TComponent* component) {
  if (!published_) return true;
  const auto it = published_->fields.find(Key(name));
  return it == published_->fields.end() || it->second(component);
}

}  // namespace classlib
