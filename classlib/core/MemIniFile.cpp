#include "classlib/core/MemIniFile.h"

#include "classlib/core/IniRules.h"

namespace classlib {

TMemIniFile::TMemIniFile(std::wstring fileName)
    : TCustomIniFile(std::move(fileName)), document_(IniLoadForChange(FileName())) {}

std::wstring TMemIniFile::ReadString(std::wstring_view section, std::wstring_view key,
                                     std::wstring_view defaultValue) const {
  return IniReadString(document_, section, key, defaultValue);
}

int TMemIniFile::ReadInteger(std::wstring_view section, std::wstring_view key, int defaultValue) const {
  return IniReadInteger(document_, section, key, defaultValue);
}

void TMemIniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  IniSetValue(document_, section, key, value, FileName());
}

void TMemIniFile::UpdateFile() const { IniSave(document_, FileName()); }

}  // namespace classlib
