#include "classlib/core/MemIniFile.h"

#include "classlib/core/ConvertNumbers.h"
#include "classlib/core/IniRules.h"

namespace classlib {

TMemIniFile::TMemIniFile(std::wstring fileName)
    : fileName_(std::move(fileName)), document_(IniLoadForChange(fileName_)) {}

std::wstring TMemIniFile::ReadString(std::wstring_view section, std::wstring_view key,
                                     std::wstring_view defaultValue) const {
  return IniReadString(document_, section, key, defaultValue);
}

int TMemIniFile::ReadInteger(std::wstring_view section, std::wstring_view key, int defaultValue) const {
  return IniReadInteger(document_, section, key, defaultValue);
}

bool TMemIniFile::ReadBool(std::wstring_view section, std::wstring_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TMemIniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  IniSetValue(document_, section, key, value, fileName_);
}

void TMemIniFile::WriteInteger(std::wstring_view section, std::wstring_view key, int value) {
  WriteString(section, key, IntToStr(value));
}

void TMemIniFile::WriteBool(std::wstring_view section, std::wstring_view key, bool value) {
  WriteString(section, key, value ? L"1" : L"0");
}

void TMemIniFile::UpdateFile() const { IniSave(document_, fileName_); }

}  // namespace classlib
