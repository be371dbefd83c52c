#pragma once
// Published properties of any object by name, for code that knows foreign
// controls only by their property names. A missing property is never an
// error: readers give their "none" value and writers do nothing.
#include <string_view>

#include "classlib/core/Object.h"

namespace skin {

bool HasProperty(const classlib::TObject* instance, std::wstring_view name);
// The object the property holds; null when there is no such property.
classlib::TObject* GetObjProperty(const classlib::TObject* instance, std::wstring_view name);
// The ordinal value; -1 when there is no such property.
int GetIntProperty(const classlib::TObject* instance, std::wstring_view name);
void SetIntProperty(classlib::TObject* instance, std::wstring_view name, int value);

// Whether the set property holds the named element (names ignore case).
bool SetPropHasElement(const classlib::TObject* instance, std::wstring_view setProperty, std::wstring_view element);
// Puts the element first into the set (when absent) or takes it out, through
// the set's text form. An element name the set does not know raises
// EConvertError. Always answers false.
bool ChangeSetProperty(classlib::TObject* instance, std::wstring_view setProperty, std::wstring_view element,
                       bool include);

}  // namespace skin
