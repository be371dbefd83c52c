#pragma once
// Reading and writing an object's published properties by name, for code
// that knows a class only by the names of its properties (skin adapters
// looking at foreign controls, copying properties between objects).
//
// A name may be a dotted path through owned sub-objects ("Font.Color"). Every
// getter answers nullopt and every setter false when the object has no such
// property or it is of another kind; that is not an error.
#include <any>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "classlib/core/PropertyRegistry.h"

namespace classlib {

struct TPropRef {
  TObject* Instance = nullptr;  // the object holding the last name of the path
  const TPropInfo* Info = nullptr;
};

// Resolves a (dotted) property name; empty when any part is missing.
std::optional<TPropRef> FindPublishedProperty(const TObject* instance, std::wstring_view path);
bool HasProperty(const TObject* instance, std::wstring_view path);

// Ordinal kinds: integer, enumeration (position), set (bit mask), Boolean.
// Setting a value outside the property's range raises EConvertError.
std::optional<int64_t> GetOrdProp(const TObject* instance, std::wstring_view path);
bool SetOrdProp(TObject* instance, std::wstring_view path, int64_t value);

// Enumerations and Booleans by identifier ("alClient", "True").
std::optional<std::wstring> GetEnumProp(const TObject* instance, std::wstring_view path);
bool SetEnumProp(TObject* instance, std::wstring_view path, std::wstring_view value);

// Sets as text: "[akLeft,akTop]". Setting takes the brackets optional and
// blanks anywhere; an unknown element raises EConvertError.
std::optional<std::wstring> GetSetProp(const TObject* instance, std::wstring_view path);
bool SetSetProp(TObject* instance, std::wstring_view path, std::wstring_view text);
std::wstring SetToString(const TEnumNames& names, uint64_t mask);
uint64_t StringToSet(const TEnumNames& names, std::wstring_view text);

std::optional<double> GetFloatProp(const TObject* instance, std::wstring_view path);
bool SetFloatProp(TObject* instance, std::wstring_view path, double value);

std::optional<std::wstring> GetStrProp(const TObject* instance, std::wstring_view path);
bool SetStrProp(TObject* instance, std::wstring_view path, const std::wstring& value);

// Object and component properties. Setting fails (false) for an object of
// the wrong class or a sub-object property without a setter.
std::optional<TObject*> GetObjectProp(const TObject* instance, std::wstring_view path);
bool SetObjectProp(TObject* instance, std::wstring_view path, TObject* value);

// Events: the bound std::function in a std::any; setting takes a
// std::function of the event's exact type, or an empty any to clear.
std::optional<std::any> GetMethodProp(const TObject* instance, std::wstring_view path);
bool SetMethodProp(TObject* instance, std::wstring_view path, const std::any& method);

}  // namespace classlib
