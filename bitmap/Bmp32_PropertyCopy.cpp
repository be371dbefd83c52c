#include "bitmap/Bmp32_PropertyCopy.h"

#include "classlib/core/Persistent.h"

namespace bmp32 {

using classlib::TObject;
using classlib::TPersistent;
using classlib::TPropInfo;
using classlib::TPropKind;

TPropKinds AllKindsButMethods() {
  return {TPropKind::Integer, TPropKind::Enumeration, TPropKind::Set,    TPropKind::Boolean,
          TPropKind::Float,   TPropKind::String,      TPropKind::Object, TPropKind::Component};
}

namespace {

void CopyValue(const TPropInfo& from, const TObject& source, const TPropInfo& to, TObject& dest) {
  switch (from.Kind) {
    case TPropKind::Object: {
      auto* target = dynamic_cast<TPersistent*>(to.GetSubObject(&dest));
      auto* value = dynamic_cast<const TPersistent*>(from.GetSubObject(&source));
      if (target && target != value) target->Assign(value);
      return;
    }
    case TPropKind::Component:
      if (to.SetSubObject) to.SetSubObject(&dest, from.GetSubObject(&source));
      return;
    case TPropKind::Float:
      if (to.SetFloat) to.SetFloat(&dest, from.GetFloat(&source));
      return;
    case TPropKind::String:
      if (to.SetStr) to.SetStr(&dest, from.GetStr(&source));
      return;
    case TPropKind::Method:
      if (to.SetMethod) to.SetMethod(&dest, from.GetMethod(&source));
      return;
    default:  // ordinal kinds
      if (to.SetOrd) to.SetOrd(&dest, from.GetOrd(&source));
      return;
  }
}

}  // namespace

void CopyPublishedProperties(const TObject& source, TObject& dest, TPropKinds kinds) {
  const auto* sourceClass = classlib::ClassInfoOf(&source);
  const auto* destClass = classlib::ClassInfoOf(&dest);
  if (!sourceClass || !destClass) return;
  for (const TPropInfo* from : sourceClass->AllProperties()) {
    if (!kinds.Contains(from->Kind)) continue;
    const TPropInfo* to = destClass->FindProperty(from->Name);
    if (!to || to->Kind != from->Kind) continue;
    // Enumerations and sets only carry over between the same element names.
    if (from->Names != to->Names) continue;
    CopyValue(*from, source, *to, dest);
  }
}

}  // namespace bmp32
