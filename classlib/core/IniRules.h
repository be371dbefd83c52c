#pragma once
// The rules TIniFile and TMemIniFile share: how a value is read out of the
// lines of a profile file, how a write is checked before it changes them,
// and how the file is loaded and saved (see IniFile.h for the rules).
#include <string>
#include <string_view>

#include "classlib/core/IniDocument.h"

namespace classlib {

std::wstring IniReadString(const TIniDocument& document, std::wstring_view section, std::wstring_view key,
                           std::wstring_view defaultValue);
int IniReadInteger(const TIniDocument& document, std::wstring_view section, std::wstring_view key,
                   int defaultValue);

// Checks the names and the value as TIniFile::WriteString documents (raising
// EEncodingError or EIniFileException naming `fileName`), then sets the
// trimmed value.
void IniSetValue(TIniDocument& document, std::wstring_view section, std::wstring_view key,
                 std::wstring_view value, const std::wstring& fileName);

// An absent or unreadable file reads as empty.
TIniDocument IniLoad(const std::wstring& fileName);
// Raises EIniFileException for a file that exists but cannot be read, so
// that it is never replaced by one holding only the new values.
TIniDocument IniLoadForChange(const std::wstring& fileName);
// The whole file at once, through a temporary file.
void IniSave(const TIniDocument& document, const std::wstring& fileName);

}  // namespace classlib
