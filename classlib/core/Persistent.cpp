#include "classlib/core/Persistent.h"

namespace classlib {

void TPersistent::Assign(const TPersistent* source) {
  if (source) {
    source->AssignTo(this);
    return;
  }
  AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) const { dest->AssignError(this); }

void TPersistent::DefineProperties(TFiler&) {}

void TPersistent::AssignError(const TPersistent* source) const {
  const std::wstring sourceName = source ? source->ClassName() : L"nil";
  throw EConvertError(L"Cannot assign a " + sourceName + L" to a " + ClassName());
}

}  // namespace classlib
