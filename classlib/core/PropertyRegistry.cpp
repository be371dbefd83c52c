#include "classlib/core/PropertyRegistry.h"

#include <map>
#include <memory>
#include <mutex>

#include "classlib/core/Collection.h"
#include "classlib/core/ConvertText.h"
#include "classlib/core/Strings.h"

namespace classlib {

namespace {

struct TRegistry {
  std::map<std::type_index, std::unique_ptr<TClassInfo>> classes;
  std::map<std::wstring, TClassInfo*> byName;  // upper-case names
  std::map<std::type_index, const TClassInfo*> resolved;  // unregistered types -> nearest base
  std::map<std::type_index, std::unique_ptr<TEnumNames>> enums;
  std::mutex mutex;

  TRegistry();
  TClassInfo& Ensure(std::type_index type, const std::wstring& name, std::type_index parent,
                     std::function<bool(const TObject*)> isInstance);
};

TRegistry::TRegistry() {
  auto& root = Ensure(typeid(TObject), L"TObject", typeid(void), [](const TObject*) { return true; });
  (void)root;
  const auto is = [](auto* tag) {
    using T = std::remove_pointer_t<decltype(tag)>;
    return [](const TObject* o) { return dynamic_cast<const T*>(o) != nullptr; };
  };
  Ensure(typeid(TPersistent), L"TPersistent", typeid(TObject), is(static_cast<TPersistent*>(nullptr)));
  TClassInfo& component =
      Ensure(typeid(TComponent), L"TComponent", typeid(TPersistent), is(static_cast<TComponent*>(nullptr)));
  // The name is published but written in the object's header, never as a property.
  TPropertyBuilder<TComponent>(component)
      .String(L"Name", &TComponent::Name, &TComponent::SetName)
      .Stored([](const TComponent&) { return false; })
      .Integer(L"Tag", &TComponent::Tag, &TComponent::SetTag, 0);
  Ensure(typeid(TCollection), L"TCollection", typeid(TPersistent), is(static_cast<TCollection*>(nullptr)));
  Ensure(typeid(TCollectionItem), L"TCollectionItem", typeid(TPersistent),
         is(static_cast<TCollectionItem*>(nullptr)));
  Ensure(typeid(TStrings), L"TStrings", typeid(TPersistent), is(static_cast<TStrings*>(nullptr)));
  Ensure(typeid(TStringList), L"TStringList", typeid(TStrings), is(static_cast<TStringList*>(nullptr)));
}

TClassInfo& TRegistry::Ensure(std::type_index type, const std::wstring& name, std::type_index parent,
                              std::function<bool(const TObject*)> isInstance) {
  auto it = classes.find(type);
  if (it != classes.end()) return *it->second;
  const TClassInfo* parentInfo = nullptr;
  if (parent != typeid(void)) {
    const auto p = classes.find(parent);
    if (p == classes.end()) throw std::logic_error("base class registered after its derived class");
    parentInfo = p->second.get();
  }
  auto info = std::make_unique<TClassInfo>();
  info->Name = name;
  info->Type = type;
  info->Parent = parentInfo;
  info->IsInstance = std::move(isInstance);
  TClassInfo& result = *info;
  classes.emplace(type, std::move(info));
  byName[UpperCase(name)] = &result;
  resolved.clear();  // a nearer base may now exist
  return result;
}

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

}  // namespace

std::wstring TEnumNames::NameOf(int64_t value) const {
  return value >= 0 && value < static_cast<int64_t>(Names.size()) ? Names[static_cast<size_t>(value)]
                                                                   : std::wstring();
}

std::optional<int64_t> TEnumNames::ValueOf(std::wstring_view name) const {
  for (size_t i = 0; i < Names.size(); ++i)
    if (SameText(Names[i], name)) return static_cast<int64_t>(i);
  return std::nullopt;
}

const std::wstring* TIdentMap::NameOf(int64_t value) const {
  for (const auto& entry : Entries)
    if (entry.second == value) return &entry.first;
  return nullptr;
}

std::optional<int64_t> TIdentMap::ValueOf(std::wstring_view name) const {
  for (const auto& entry : Entries)
    if (SameText(entry.first, name)) return entry.second;
  return std::nullopt;
}

bool TPropInfo::IsOrdinal() const {
  return Kind == TPropKind::Integer || Kind == TPropKind::Enumeration || Kind == TPropKind::Set ||
         Kind == TPropKind::Boolean;
}

bool TPropInfo::ShouldWrite(const TObject* instance) const {
  if (Stored && !Stored(instance)) return false;
  if (IsOrdinal()) return !OrdDefault || GetOrd(instance) != *OrdDefault;
  if (Kind == TPropKind::Float) return !FloatDefault || GetFloat(instance) != *FloatDefault;
  if (Kind == TPropKind::String) return GetStr(instance) != StrDefault;
  return true;
}

const TPropInfo* TClassInfo::FindProperty(std::wstring_view name) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    for (const TPropInfo& p : c->Properties)
      if (SameText(p.Name, name)) return &p;
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProperties() const {
  std::vector<const TPropInfo*> result = Parent ? Parent->AllProperties() : std::vector<const TPropInfo*>();
  for (const TPropInfo& p : Properties) {
    // A class may register again a property of its base (another default).
    bool replaced = false;
    for (const TPropInfo*& q : result)
      if (SameText(q->Name, p.Name)) {
        q = &p;
        replaced = true;
      }
    if (!replaced) result.push_back(&p);
  }
  return result;
}

bool TClassInfo::InheritsFrom(const TClassInfo* other) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (c == other) return true;
  return false;
}

int TClassInfo::Depth() const { return Parent ? Parent->Depth() + 1 : 0; }

namespace detail {

TClassInfo& EnsureClass(std::type_index type, const std::wstring& name, std::type_index parent,
                        std::function<bool(const TObject*)> isInstance) {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  return r.Ensure(type, name, parent, std::move(isInstance));
}

const TEnumNames* FindEnumNames(std::type_index type) {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  const auto it = r.enums.find(type);
  return it == r.enums.end() ? nullptr : it->second.get();
}

void AddEnumNames(std::type_index type, std::vector<std::wstring> names) {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  auto& slot = r.enums[type];
  if (!slot) slot = std::make_unique<TEnumNames>();
  slot->Names = std::move(names);
}

}  // namespace detail

const TClassInfo* ClassInfoOf(const TObject* instance) {
  if (!instance) return nullptr;
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  const std::type_index type = typeid(*instance);
  if (const auto it = r.classes.find(type); it != r.classes.end()) return it->second.get();
  if (const auto it = r.resolved.find(type); it != r.resolved.end()) return it->second;
  // An unregistered class: the deepest registered class it derives from.
  const TClassInfo* best = nullptr;
  for (const auto& [t, info] : r.classes)
    if ((!best || info->Depth() > best->Depth()) && info->IsInstance(instance)) best = info.get();
  r.resolved[type] = best;
  return best;
}

const TClassInfo* GetClass(std::wstring_view name) {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> lock(r.mutex);
  const auto it = r.byName.find(UpperCase(name));
  return it == r.byName.end() ? nullptr : it->second;
}

const TClassInfo& FindClass(std::wstring_view name) {
  const TClassInfo* info = GetClass(name);
  if (!info) throw EClassNotFound(L"Class " + std::wstring(name) + L" not found");
  return *info;
}

}  // namespace classlib
