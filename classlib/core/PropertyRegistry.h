#pragma once
// Run-time descriptions of classes and their published properties: what the
// form reader and writer and the by-name property access work from.
//
// Each class registers its properties once (before the first form is read),
// naming its base class so that it inherits the base's properties:
//
//   Properties<TMyControl, TControl>()
//       .Integer(L"Left", &TMyControl::Left, &TMyControl::SetLeft, 0)
//       .String(L"Caption", &TMyControl::Caption, &TMyControl::SetCaption)
//       .Enum(L"Align", &TMyControl::Align, &TMyControl::SetAlign, alNone)
//       .Object(L"Font", &TMyControl::Font)
//       .Event(L"OnClick", &TMyControl::OnClick, &TMyControl::SetOnClick);
//   RegisterComponentClass<TMyControl, TControl>();  // creatable from a description
//
// Getters and setters are member functions or callables taking the object.
// Registration is not thread-safe; do it at start-up.
#include <any>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <vector>

#include "classlib/core/Component.h"
#include "classlib/core/Set.h"

namespace classlib {

CLASSLIB_EXCEPTION(EClassNotFound, Exception);

enum class TPropKind { Integer, Enumeration, Set, Boolean, Float, String, Object, Component, Method };

// The identifiers of an enumeration's values, in value order from 0; also
// the element names of sets of that enumeration.
struct TEnumNames {
  std::vector<std::wstring> Names;
  std::wstring NameOf(int64_t value) const;
  std::optional<int64_t> ValueOf(std::wstring_view name) const;  // ignoring case
};

// Named values of an integer property (colour constants and the like).
struct TIdentMap {
  std::vector<std::pair<std::wstring, int64_t>> Entries;
  const std::wstring* NameOf(int64_t value) const;
  std::optional<int64_t> ValueOf(std::wstring_view name) const;  // ignoring case
};

struct TPropInfo {
  std::wstring Name;
  TPropKind Kind = TPropKind::Integer;
  const TEnumNames* Names = nullptr;  // Enumeration and Set
  const TIdentMap* Idents = nullptr;  // Integer, optional
  int64_t MinValue = 0, MaxValue = 0;  // Integer and Enumeration

  // Defaults: a property equal to its default is not written. Ordinals and
  // floats without a default are always written; strings equal to
  // StrDefault (empty unless given) are not.
  std::optional<int64_t> OrdDefault;
  std::optional<double> FloatDefault;
  std::wstring StrDefault;

  // Ordinal kinds: Integer, Enumeration (the value's position), Set (bit
  // mask of element positions), Boolean (0 or 1).
  std::function<int64_t(const TObject*)> GetOrd;
  std::function<void(TObject*, int64_t)> SetOrd;
  std::function<double(const TObject*)> GetFloat;
  std::function<void(TObject*, double)> SetFloat;
  std::function<std::wstring(const TObject*)> GetStr;
  std::function<void(TObject*, const std::wstring&)> SetStr;
  // Object (an owned sub-object, setter optional) and Component (a
  // reference); the setter returns false for an object of the wrong class.
  std::function<TObject*(const TObject*)> GetSubObject;
  std::function<bool(TObject*, TObject*)> SetSubObject;
  // Method: the bound std::function in a std::any, the name of the form
  // method bound (empty when none or not a named one), and the setter, which
  // takes a std::function of the event's exact type (an empty any clears)
  // and returns false for any other type.
  std::function<std::any(const TObject*)> GetMethod;
  std::function<std::wstring(const TObject*)> GetMethodName;
  std::function<bool(TObject*, const std::any&)> SetMethod;

  // Written only when this is empty or answers true.
  std::function<bool(const TObject*)> Stored;

  bool IsOrdinal() const;
  // The value differs from the default and the stored test passes.
  bool ShouldWrite(const TObject* instance) const;
};

struct TClassInfo {
  std::wstring Name;
  std::type_index Type = typeid(void);
  const TClassInfo* Parent = nullptr;
  std::deque<TPropInfo> Properties;  // this class's own, in registration order
  std::function<TComponent*(TComponent* owner)> Factory;  // creatable classes only
  std::function<bool(const TObject*)> IsInstance;

  // Searches this class, then its bases; names ignore case.
  const TPropInfo* FindProperty(std::wstring_view name) const;
  // The base classes' properties first.
  std::vector<const TPropInfo*> AllProperties() const;
  bool InheritsFrom(const TClassInfo* other) const;
  int Depth() const;
};

namespace detail {
TClassInfo& EnsureClass(std::type_index type, const std::wstring& name, std::type_index parent,
                        std::function<bool(const TObject*)> isInstance);
const TEnumNames* FindEnumNames(std::type_index type);
void AddEnumNames(std::type_index type, std::vector<std::wstring> names);

template <class C, class G>
using TGetterValue = std::decay_t<std::invoke_result_t<G, const C&>>;

template <class T>
struct TIsSet : std::false_type {};
template <class E>
struct TIsSet<TSet<E>> : std::true_type {};
}  // namespace detail

// The class description of an object's class, or of its nearest registered
// base class. Never null for a TObject.
const TClassInfo* ClassInfoOf(const TObject* instance);
// The registered class of that name (ignoring case), or null.
const TClassInfo* GetClass(std::wstring_view name);
// As GetClass, but raises EClassNotFound "Class <name> not found".
const TClassInfo& FindClass(std::wstring_view name);

template <class E>
void RegisterEnum(std::initializer_list<const wchar_t*> names) {
  detail::AddEnumNames(typeid(E), std::vector<std::wstring>(names.begin(), names.end()));
}
template <class E>
const TEnumNames* EnumNamesOf() {
  return detail::FindEnumNames(typeid(E));
}

template <class C>
class TPropertyBuilder {
 public:
  explicit TPropertyBuilder(TClassInfo& info) : info_(info) {}

  template <class G, class S>
  TPropertyBuilder& Integer(const wchar_t* name, G get, S set, std::optional<int64_t> def = std::nullopt) {
    using T = detail::TGetterValue<C, G>;
    static_assert(std::is_integral_v<T>, "Integer properties need an integral getter");
    TPropInfo& p = Add(name, TPropKind::Integer);
    p.MinValue = static_cast<int64_t>(std::numeric_limits<T>::min());
    if constexpr (std::is_unsigned_v<T> && sizeof(T) >= sizeof(int64_t)) p.MaxValue = INT64_MAX;
    else p.MaxValue = static_cast<int64_t>(std::numeric_limits<T>::max());
    p.OrdDefault = def;
    p.GetOrd = [get](const TObject* o) { return static_cast<int64_t>(std::invoke(get, Self(o))); };
    p.SetOrd = [set](TObject* o, int64_t v) { std::invoke(set, Self(o), static_cast<T>(v)); };
    return *this;
  }

  template <class G, class S>
  TPropertyBuilder& Enum(const wchar_t* name, G get, S set,
                         std::optional<detail::TGetterValue<C, G>> def = std::nullopt) {
    using T = detail::TGetterValue<C, G>;
    static_assert(std::is_enum_v<T>, "Enum properties need an enumeration getter");
    TPropInfo& p = Add(name, TPropKind::Enumeration);
    p.Names = NamesOf<T>();
    p.MinValue = 0;
    p.MaxValue = static_cast<int64_t>(p.Names->Names.size()) - 1;
    if (def) p.OrdDefault = static_cast<int64_t>(*def);
    p.GetOrd = [get](const TObject* o) { return static_cast<int64_t>(std::invoke(get, Self(o))); };
    p.SetOrd = [set](TObject* o, int64_t v) { std::invoke(set, Self(o), static_cast<T>(v)); };
    return *this;
  }

  template <class G, class S>
  TPropertyBuilder& Set(const wchar_t* name, G get, S set,
                        std::optional<detail::TGetterValue<C, G>> def = std::nullopt) {
    using T = detail::TGetterValue<C, G>;
    static_assert(detail::TIsSet<T>::value, "Set properties need a TSet getter");
    TPropInfo& p = Add(name, TPropKind::Set);
    p.Names = NamesOf<typename T::Element>();
    if (def) p.OrdDefault = static_cast<int64_t>(def->Mask());
    p.GetOrd = [get](const TObject* o) { return static_cast<int64_t>(std::invoke(get, Self(o)).Mask()); };
    p.SetOrd = [set](TObject* o, int64_t v) { std::invoke(set, Self(o), T::FromMask(static_cast<uint64_t>(v))); };
    return *this;
  }

  template <class G, class S>
  TPropertyBuilder& Boolean(const wchar_t* name, G get, S set, std::optional<bool> def = std::nullopt) {
    TPropInfo& p = Add(name, TPropKind::Boolean);
    p.MinValue = 0;
    p.MaxValue = 1;
    if (def) p.OrdDefault = *def ? 1 : 0;
    p.GetOrd = [get](const TObject* o) -> int64_t { return std::invoke(get, Self(o)) ? 1 : 0; };
    p.SetOrd = [set](TObject* o, int64_t v) { std::invoke(set, Self(o), v != 0); };
    return *this;
  }

  template <class G, class S>
  TPropertyBuilder& Float(const wchar_t* name, G get, S set, std::optional<double> def = std::nullopt) {
    using T = detail::TGetterValue<C, G>;
    TPropInfo& p = Add(name, TPropKind::Float);
    p.FloatDefault = def;
    p.GetFloat = [get](const TObject* o) { return static_cast<double>(std::invoke(get, Self(o))); };
    p.SetFloat = [set](TObject* o, double v) { std::invoke(set, Self(o), static_cast<T>(v)); };
    return *this;
  }

  template <class G, class S>
  TPropertyBuilder& String(const wchar_t* name, G get, S set, std::wstring def = {}) {
    TPropInfo& p = Add(name, TPropKind::String);
    p.StrDefault = std::move(def);
    p.GetStr = [get](const TObject* o) { return std::wstring(std::invoke(get, Self(o))); };
    p.SetStr = [set](TObject* o, const std::wstring& v) { std::invoke(set, Self(o), v); };
    return *this;
  }

  // An owned sub-object (font, string list, collection), written and read
  // through its own properties (Font.Height = -16).
  template <class G>
  TPropertyBuilder& Object(const wchar_t* name, G get) {
    using T = std::remove_pointer_t<detail::TGetterValue<C, G>>;
    static_assert(std::is_base_of_v<TPersistent, T>, "Object properties need a TPersistent pointer getter");
    TPropInfo& p = Add(name, TPropKind::Object);
    p.GetSubObject = [get](const TObject* o) -> TObject* { return std::invoke(get, Self(o)); };
    return *this;
  }
  template <class G, class S>
  TPropertyBuilder& Object(const wchar_t* name, G get, S set) {
    Object(name, get);
    using T = std::remove_pointer_t<detail::TGetterValue<C, G>>;
    info_.Properties.back().SetSubObject = [set](TObject* o, TObject* v) {
      T* typed = dynamic_cast<T*>(v);
      if (v && !typed) return false;
      std::invoke(set, Self(o), typed);
      return true;
    };
    return *this;
  }

  // A reference to another component of the form, written as its name.
  template <class G, class S>
  TPropertyBuilder& Component(const wchar_t* name, G get, S set) {
    using T = std::remove_pointer_t<detail::TGetterValue<C, G>>;
    static_assert(std::is_base_of_v<TComponent, T>, "Component properties need a TComponent pointer getter");
    TPropInfo& p = Add(name, TPropKind::Component);
    p.GetSubObject = [get](const TObject* o) -> TObject* { return std::invoke(get, Self(o)); };
    p.SetSubObject = [set](TObject* o, TObject* v) {
      T* typed = dynamic_cast<T*>(v);
      if (v && !typed) return false;
      std::invoke(set, Self(o), typed);
      return true;
    };
    return *this;
  }

  // An event: a std::function property bound by name to a method that the
  // form registered with TComponent::RegisterMethod.
  template <class G, class S>
  TPropertyBuilder& Event(const wchar_t* name, G get, S set) {
    using F = detail::TGetterValue<C, G>;
    TPropInfo& p = Add(name, TPropKind::Method);
    p.GetMethod = [get](const TObject* o) { return std::any(F(std::invoke(get, Self(o)))); };
    p.GetMethodName = [get](const TObject* o) {
      const F f = std::invoke(get, Self(o));
      const auto* named = f.template target<TNamedMethod<F>>();
      return named ? named->Name : std::wstring();
    };
    p.SetMethod = [set](TObject* o, const std::any& method) {
      if (!method.has_value()) {
        std::invoke(set, Self(o), F());
        return true;
      }
      const F* f = std::any_cast<F>(&method);
      if (!f) return false;
      std::invoke(set, Self(o), *f);
      return true;
    };
    return *this;
  }

  // Stored test of the property added last: a `bool () const` member or a
  // callable taking the object.
  template <class P>
  TPropertyBuilder& Stored(P predicate) {
    info_.Properties.back().Stored = [predicate](const TObject* o) { return std::invoke(predicate, Self(o)); };
    return *this;
  }

  // Named values for the Integer property added last.
  TPropertyBuilder& Idents(const TIdentMap& idents) {
    info_.Properties.back().Idents = &idents;
    return *this;
  }

  const TClassInfo& Info() const { return info_; }

 private:
  static const C& Self(const TObject* o) { return *static_cast<const C*>(o); }
  static C& Self(TObject* o) { return *static_cast<C*>(o); }

  template <class E>
  static const TEnumNames* NamesOf() {
    const TEnumNames* names = EnumNamesOf<E>();
    if (!names) throw std::logic_error("enumeration used by a property is not registered");
    return names;
  }

  TPropInfo& Add(const wchar_t* name, TPropKind kind) {
    // Registering again replaces the property, so registration may repeat.
    for (TPropInfo& p : info_.Properties)
      if (p.Name == name) {
        p = TPropInfo();
        p.Name = name;
        p.Kind = kind;
        return p;
      }
    TPropInfo& p = info_.Properties.emplace_back();
    p.Name = name;
    p.Kind = kind;
    return p;
  }

  TClassInfo& info_;
};

// Registers C (if not yet) as derived from Base and returns the builder of
// its properties. Base must be registered already (the core registers
// TObject, TPersistent, TComponent, TCollection, TCollectionItem, TStrings and
// TStringList).
template <class C, class Base>
TPropertyBuilder<C> Properties() {
  static_assert(std::is_base_of_v<Base, C> && !std::is_same_v<Base, C>, "Base must be a base class of C");
  return TPropertyBuilder<C>(detail::EnsureClass(typeid(C), ClassNameOf<C>(), typeid(Base), [](const TObject* o) {
    return dynamic_cast<const C*>(o) != nullptr;
  }));
}

// Makes C creatable by name from form descriptions: C(TComponent* owner).
// (Not named RegisterClass: <windows.h> defines that name as a macro.)
template <class C, class Base>
void RegisterComponentClass() {
  static_assert(std::is_base_of_v<TComponent, C>, "only components are created from descriptions");
  TClassInfo& info = const_cast<TClassInfo&>(Properties<C, Base>().Info());
  info.Factory = [](TComponent* owner) -> TComponent* { return New<C>(owner); };
}

}  // namespace classlib
