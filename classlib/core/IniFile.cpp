#include "classlib/core/IniFile.h"

#include "classlib/core/ConvertNumbers.h"
#include "classlib/core/ConvertText.h"
#include "classlib/core/IniDocument.h"
#include "classlib/core/IniRules.h"

namespace classlib {

bool TCustomIniFile::ReadBool(std::wstring_view section, std::wstring_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteInteger(std::wstring_view section, std::wstring_view key, int value) {
  WriteString(section, key, IntToStr(value));
}

void TCustomIniFile::WriteBool(std::wstring_view section, std::wstring_view key, bool value) {
  WriteString(section, key, value ? L"1" : L"0");
}

TIniDocument TIniFile::Load() const { return IniLoad(FileName()); }

TIniDocument TIniFile::LoadForChange() const { return IniLoadForChange(FileName()); }

void TIniFile::Save(const TIniDocument& document) { IniSave(document, FileName()); }

std::wstring TIniFile::ReadString(std::wstring_view section, std::wstring_view key,
                                  std::wstring_view defaultValue) const {
  return IniReadString(Load(), section, key, defaultValue);
}

int TIniFile::ReadInteger(std::wstring_view section, std::wstring_view key, int defaultValue) const {
  return IniReadInteger(Load(), section, key, defaultValue);
}

void TIniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  // The checks run before the file is read, so a bad name or value never
  // depends on the file's state.
  TIniDocument probe;
  IniSetValue(probe, section, key, value, FileName());
  TIniDocument document = LoadForChange();
  IniSetValue(document, section, key, value, FileName());
  Save(document);
}

bool TIniFile::SectionExists(std::wstring_view section) const { return !ReadSection(section).empty(); }

bool TIniFile::ValueExists(std::wstring_view section, std::wstring_view key) const {
  return Load().RawValue(Trim(section), Trim(key)).has_value();
}

std::vector<std::wstring> TIniFile::ReadSection(std::wstring_view section) const {
  return Load().KeyNames(Trim(section));
}

std::vector<std::wstring> TIniFile::ReadSections() const { return Load().SectionNames(); }

void TIniFile::EraseSection(std::wstring_view section) {
  TIniDocument document = LoadForChange();
  if (document.EraseSection(Trim(section))) Save(document);
}

void TIniFile::DeleteKey(std::wstring_view section, std::wstring_view key) {
  TIniDocument document = LoadForChange();
  if (document.DeleteKey(Trim(section), Trim(key))) Save(document);
}

}  // namespace classlib
