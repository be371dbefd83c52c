#include "classlib/core/PublishedProps.h"

#include "classlib/core/ConvertErrors.h"
#include "classlib/core/ConvertText.h"

namespace classlib {

namespace {

std::optional<TPropRef> Find(const TObject* instance, std::wstring_view path, bool (*kindOk)(TPropKind)) {
  const auto ref = FindPublishedProperty(instance, path);
  if (!ref || !kindOk(ref->Info->Kind)) return std::nullopt;
  return ref;
}

bool IsOrdinalKind(TPropKind k) {
  return k == TPropKind::Integer || k == TPropKind::Enumeration || k == TPropKind::Set || k == TPropKind::Boolean;
}
bool IsEnumKind(TPropKind k) { return k == TPropKind::Enumeration || k == TPropKind::Boolean; }
bool IsSetKind(TPropKind k) { return k == TPropKind::Set; }
bool IsFloatKind(TPropKind k) { return k == TPropKind::Float; }
bool IsStringKind(TPropKind k) { return k == TPropKind::String; }
bool IsObjectKind(TPropKind k) { return k == TPropKind::Object || k == TPropKind::Component; }
bool IsMethodKind(TPropKind k) { return k == TPropKind::Method; }

void CheckRange(const TPropInfo& info, int64_t value) {
  bool ok = true;
  if (info.Kind == TPropKind::Set) {
    const size_t n = info.Names->Names.size();
    ok = n >= 64 || (static_cast<uint64_t>(value) >> n) == 0;
  } else {
    ok = value >= info.MinValue && value <= info.MaxValue;
  }
  if (!ok) throw EConvertError(L"Value " + std::to_wstring(value) + L" out of range for property " + info.Name);
}

}  // namespace

std::optional<TPropRef> FindPublishedProperty(const TObject* instance, std::wstring_view path) {
  TObject* current = const_cast<TObject*>(instance);
  while (current) {
    const size_t dot = path.find(L'.');
    const TPropInfo* info = ClassInfoOf(current)->FindProperty(path.substr(0, dot));
    if (!info) return std::nullopt;
    if (dot == std::wstring_view::npos) return TPropRef{current, info};
    if (info->Kind != TPropKind::Object) return std::nullopt;
    current = info->GetSubObject(current);
    path = path.substr(dot + 1);
  }
  return std::nullopt;
}

bool HasProperty(const TObject* instance, std::wstring_view path) {
  return FindPublishedProperty(instance, path).has_value();
}

std::optional<int64_t> GetOrdProp(const TObject* instance, std::wstring_view path) {
  const auto ref = Find(instance, path, IsOrdinalKind);
  if (!ref) return std::nullopt;
  return ref->Info->GetOrd(ref->Instance);
}

bool SetOrdProp(TObject* instance, std::wstring_view path, int64_t value) {
  const auto ref = Find(instance, path, IsOrdinalKind);
  if (!ref) return false;
  CheckRange(*ref->Info, value);
  ref->Info->SetOrd(ref->Instance, value);
  return true;
}

std::optional<std::wstring> GetEnumProp(const TObject* instance, std::wstring_view path) {
  const auto ref = Find(instance, path, IsEnumKind);
  if (!ref) return std::nullopt;
  const int64_t value = ref->Info->GetOrd(ref->Instance);
  if (ref->Info->Kind == TPropKind::Boolean) return std::wstring(value ? L"True" : L"False");
  return ref->Info->Names->NameOf(value);
}

bool SetEnumProp(TObject* instance, std::wstring_view path, std::wstring_view value) {
  const auto ref = Find(instance, path, IsEnumKind);
  if (!ref) return false;
  std::optional<int64_t> ordinal;
  if (ref->Info->Kind == TPropKind::Boolean) {
    if (SameText(value, L"True")) ordinal = 1;
    if (SameText(value, L"False")) ordinal = 0;
  } else {
    ordinal = ref->Info->Names->ValueOf(value);
  }
  if (!ordinal)
    throw EConvertError(L"Invalid value " + std::wstring(value) + L" for property " + ref->Info->Name);
  ref->Info->SetOrd(ref->Instance, *ordinal);
  return true;
}

std::wstring SetToString(const TEnumNames& names, uint64_t mask) {
  std::wstring text = L"[";
  for (size_t i = 0; i < names.Names.size() && i < 64; ++i) {
    if (!(mask & (uint64_t{1} << i))) continue;
    if (text.size() > 1) text += L',';
    text += names.Names[i];
  }
  return text + L"]";
}

uint64_t StringToSet(const TEnumNames& names, std::wstring_view text) {
  std::wstring body = Trim(text);
  if (!body.empty() && body.front() == L'[') body.erase(0, 1);
  if (!body.empty() && body.back() == L']') body.pop_back();
  uint64_t mask = 0;
  size_t start = 0;
  while (start <= body.size()) {
    size_t end = body.find(L',', start);
    if (end == std::wstring::npos) end = body.size();
    const std::wstring element = Trim(std::wstring_view(body).substr(start, end - start));
    if (!element.empty() || end < body.size()) {
      const auto value = names.ValueOf(element);
      if (!value || *value >= 64) throw EConvertError(L"Invalid set element '" + element + L"'");
      mask |= uint64_t{1} << *value;
    }
    start = end + 1;
  }
  return mask;
}

std::optional<std::wstring> GetSetProp(const TObject* instance, std::wstring_view path) {
  const auto ref = Find(instance, path, IsSetKind);
  if (!ref) return std::nullopt;
  return SetToString(*ref->Info->Names, static_cast<uint64_t>(ref->Info->GetOrd(ref->Instance)));
}

bool SetSetProp(TObject* instance, std::wstring_view path, std::wstring_view text) {
  const auto ref = Find(instance, path, IsSetKind);
  if (!ref) return false;
  ref->Info->SetOrd(ref->Instance, static_cast<int64_t>(StringToSet(*ref->Info->Names, text)));
  return true;
}

std::optional<double> GetFloatProp(const TObject* instance, std::wstring_view path) {
  const auto ref = Find(instance, path, IsFloatKind);
  if (!ref) return std::nullopt;
  return ref->Info->GetFloat(ref->Instance);
}

bool SetFloatProp(TObject* instance, std::wstring_view path, double value) {
  const auto ref = Find(instance, path, IsFloatKind);
  if (!ref) return false;
  ref->Info->SetFloat(ref->Instance, value);
  return true;
}

std::optional<std::wstring> GetStrProp(const TObject* instance, std::wstring_view path) {
  const auto ref = Find(instance, path, IsStringKind);
  if (!ref) return std::nullopt;
  return ref->Info->GetStr(ref->Instance);
}

bool SetStrProp(TObject* instance, std::wstring_view path, const std::wstring& value) {
  const auto ref = Find(instance, path, IsStringKind);
  if (!ref) return false;
  ref->Info->SetStr(ref->Instance, value);
  return true;
}

std::optional<TObject*> GetObjectProp(const TObject* instance, std::wstring_view path) {
  const auto ref = Find(instance, path, IsObjectKind);
  if (!ref) return std::nullopt;
  return ref->Info->GetSubObject(ref->Instance);
}

bool SetObjectProp(TObject* instance, std::wstring_view path, TObject* value) {
  const auto ref = Find(instance, path, IsObjectKind);
  if (!ref || !ref->Info->SetSubObject) return false;
  return ref->Info->SetSubObject(ref->Instance, value);
}

std::optional<std::any> GetMethodProp(const TObject* instance, std::wstring_view path) {
  const auto ref = Find(instance, path, IsMethodKind);
  if (!ref) return std::nullopt;
  return ref->Info->GetMethod(ref->Instance);
}

bool SetMethodProp(TObject* instance, std::wstring_view path, const std::any& method) {
  const auto ref = Find(instance, path, IsMethodKind);
  if (!ref) return false;
  return ref->Info->SetMethod(ref->Instance, method);
}

}  // namespace classlib
