#pragma once
// The root of the class library's object model. Every component, persistent
// object and list derives from TObject, so code above can test classes at run
// time and free any object through a TObject pointer.
#include <functional>
#include <string>
#include <typeinfo>

namespace classlib {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The C++ class name without namespaces ("TButton"), taken from RTTI so no
  // class has to spell it out; override only to publish another name.
  virtual std::wstring ClassName() const;

  // Runs once the most derived constructor has finished, when the object is
  // made through New() or by the class registry.
  virtual void AfterConstruction() {}
};

// The class name that TObject::ClassName gives for a type.
std::wstring ClassNameOf(const std::type_info& type);
template <class T>
std::wstring ClassNameOf() {
  return ClassNameOf(typeid(T));
}

// Constructs an object and runs its AfterConstruction.
template <class T, class... Args>
T* New(Args&&... args) {
  T* object = new T(std::forward<Args>(args)...);
  object->AfterConstruction();
  return object;
}

using TNotifyEvent = std::function<void(TObject* Sender)>;

}  // namespace classlib
