#pragma once
// Components: named persistent objects with an owner that frees them, told
// about each other's insertion and removal, and built from form descriptions.
#include <any>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/core/Persistent.h"
#include "classlib/core/Set.h"

namespace classlib {

CLASSLIB_EXCEPTION(EComponentError, Exception);

enum TOperation { opInsert, opRemove };

enum TComponentStateItem { csLoading, csReading, csDestroying, csDesigning, csFreeNotification };
using TComponentState = TSet<TComponentStateItem>;

// A method of a form, stored inside the std::function bound to an event so
// that the form writer can name it again.
template <class F>
struct TNamedMethod {
  std::wstring Name;
  F Function;
  template <class... A>
  auto operator()(A&&... args) const {
    return Function(std::forward<A>(args)...);
  }
};

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }

  const std::wstring& Name() const { return name_; }
  // Raises EComponentError when the name is not an identifier or another
  // component of the same owner has it (names compare ignoring case).
  virtual void SetName(const std::wstring& name);

  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t tag) { tag_ = tag; }

  // Owned components in creation order.
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  // The owned component with that name (ignoring case), or null.
  TComponent* FindComponent(const std::wstring& name) const;

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // Frees every owned component, the last created first.
  void DestroyComponents();

  TComponentState ComponentState() const { return state_; }
  // Sets or clears csDesigning here and in every owned component.
  void SetDesigning(bool value);

  // Asks `component` to be told (Notification with opRemove) when this one is
  // freed, and the other way round. Components of the same owner need no
  // registration: the owner passes every notification to all it owns.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Marks this component and all it owns as being destroyed.
  virtual void Destroying();

  // Published methods: a form registers its event handlers by name before its
  // description is read; event properties bind to them by name.
  template <class C, class R, class... A>
  void RegisterMethod(const std::wstring& name, R (C::*method)(A...)) {
    C* self = static_cast<C*>(this);
    RegisterMethod<R(A...)>(name, [self, method](A... args) { return (self->*method)(std::forward<A>(args)...); });
  }
  template <class Signature>
  void RegisterMethod(const std::wstring& name, std::function<Signature> method) {
    using F = std::function<Signature>;
    AddMethod(name, std::any(F(TNamedMethod<F>{name, std::move(method)})));
  }
  // The registered method (a std::function of its signature), or null.
  const std::any* FindMethod(const std::wstring& name) const;

  // Published fields: a form registers the pointer fields that the reader
  // fills with the components of the same name as it creates them.
  template <class T>
  void RegisterField(const std::wstring& name, T*& field) {
    AddField(name, [&field](TComponent* c) {
      field = dynamic_cast<T*>(c);
      return field != nullptr || c == nullptr;
    });
  }
  // Sets the field of that name; false when the component has the wrong class.
  bool BindField(const std::wstring& name, TComponent* component);

  // Form description hooks. A component read inside another one's object
  // block gets that one as its parent component; the writer asks each
  // component for the children it writes inside its own block.
  virtual void SetParentComponent(TComponent* /*parent*/) {}
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual bool HasParent() const { return false; }
  // By default the root writes the components it owns that have no parent.
  virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);

  // Called once the whole description is read and references are fixed up;
  // clears csLoading.
  virtual void Loaded();

  TPersistent* GetOwner() const override { return owner_; }

  // Used by the form reader.
  void SetLoadingState(bool loading, bool reading);

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  void ValidateRename(TComponent* component, const std::wstring& oldName, const std::wstring& newName) const;

 private:
  void AddMethod(const std::wstring& name, std::any method);
  void AddField(const std::wstring& name, std::function<bool(TComponent*)> setter);
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void RemoveNotification(TComponent* component);

  struct TPublished;

  TComponent* owner_ = nullptr;
  std::wstring name_;
  intptr_t tag_ = 0;
  TComponentState state_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::unique_ptr<TPublished> published_;
};

// True for a valid component name: a letter or underscore, then letters,
// digits and underscores.
bool IsValidIdent(const std::wstring& name);

}  // namespace classlib
