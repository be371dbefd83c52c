#pragma once
// Objects that can copy themselves from one another and be stored in form
// descriptions.
#include "classlib/core/ConvertErrors.h"
#include "classlib/core/Object.h"

namespace classlib {

class TFiler;

class TPersistent : public TObject {
 public:
  // Copies from `source`: the default asks the source to assign itself to
  // this object, and raises EConvertError "Cannot assign a <source class> to a
  // <this class>" when neither side knows the other. A null source is "nil".
  virtual void Assign(const TPersistent* source);

  // The object that owns this one for storage (a collection's owner, an
  // item's collection); null by default.
  virtual TPersistent* GetOwner() const { return nullptr; }

  // Names the non-published data the object stores; see TFiler.
  virtual void DefineProperties(TFiler& filer);

 protected:
  // Copies this object into `dest`; the default raises the assign error.
  virtual void AssignTo(TPersistent* dest) const;
  [[noreturn]] void AssignError(const TPersistent* source) const;
};

}  // namespace classlib
