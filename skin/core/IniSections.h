#pragma once
// A minimal INI reader over string lists, for skin text held in memory (a
// skin manager's common sections). Each section becomes a string list of its
// "key=value" lines, held as the object of an entry named after it.
#include <string>

#include "classlib/core/Strings.h"

namespace skin {

// Fills `sections` from `lines`: empty lines and lines beginning with ";" are
// skipped; "[name]" starts a section (a new TStringList as the object of the
// entry "name"); any other line goes to the current section, lines before
// the first header nowhere. Section lists already in `sections` (from an
// earlier parse) are freed first; the new ones belong to the caller, who
// frees them with FreeIniSections.
void ParseIniSections(const classlib::TStrings& lines, classlib::TStrings& sections);
// Frees the section lists and empties `sections`.
void FreeIniSections(classlib::TStrings& sections);

// The value of `key` in `section`: the section by the sections list's own
// lookup (a case-sensitive list makes it case-sensitive), the key by the
// section's name lookup (ignoring case). The default when either is missing.
std::wstring ReadIniString(const classlib::TStrings& sections, const std::wstring& section, const std::wstring& key,
                           const std::wstring& defaultValue);
// The value as an integer: decimal, or hexadecimal after "0x", "0X" or "$";
// the default for anything else, an empty or missing value included.
int ReadIniInteger(const classlib::TStrings& sections, const std::wstring& section, const std::wstring& key,
                   int defaultValue);

}  // namespace skin
