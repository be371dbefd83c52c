#include "classlib/core/IniFile.h"

#include <filesystem>
#include <system_error>

#include "classlib/core/ConvertNumbers.h"
#include "classlib/core/ConvertText.h"
#include "classlib/core/Cp1250.h"
#include "classlib/core/FileUtilsIO.h"
#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/IniDocument.h"

namespace classlib {
namespace {

// The profile functions read into a buffer of 2048 characters.
constexpr std::size_t kMaxValueLength = 2047;

bool HasLineBreak(std::wstring_view text) { return text.find_first_of(L"\r\n") != std::wstring_view::npos; }

std::wstring StripMatchingQuotes(std::wstring value) {
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

TIniFile::TIniFile(std::wstring fileName) : fileName_(std::move(fileName)) {}

TIniDocument TIniFile::Load() const {
  std::string bytes;
  if (!TryReadFileBytes(fileName_, bytes)) return TIniDocument();
  return TIniDocument::Parse(Cp1250ToWide(bytes));
}

TIniDocument TIniFile::LoadForChange() const {
  std::string bytes;
  if (TryReadFileBytes(fileName_, bytes)) return TIniDocument::Parse(Cp1250ToWide(bytes));
  // A file that is there but cannot be read (locked, no access) must not be
  // replaced by one that holds only the new value.
  std::error_code error;
  if (std::filesystem::exists(ToFsPath(fileName_), error) || error)
    throw EIniFileException(L"Unable to read " + fileName_);
  return TIniDocument();
}

void TIniFile::Save(const TIniDocument& document) {
  const std::string bytes = WideToCp1250Strict(document.Text());
  try {
    WriteFileAtomic(fileName_, bytes);
  } catch (const EInOutError&) {
    throw EIniFileException(L"Unable to write to " + fileName_);
  }
}

std::wstring TIniFile::ReadString(std::wstring_view section, std::wstring_view key,
                                  std::wstring_view defaultValue) const {
  const auto raw = Load().RawValue(Trim(section), Trim(key));
  if (!raw) return std::wstring(defaultValue);
  std::wstring value = StripMatchingQuotes(Trim(*raw));
  if (value.size() > kMaxValueLength) value.resize(kMaxValueLength);
  return value;
}

int TIniFile::ReadInteger(std::wstring_view section, std::wstring_view key, int defaultValue) const {
  const std::wstring text = ReadString(section, key, L"");
  int value;
  return TryStrToInt(text, value) ? value : defaultValue;
}

bool TIniFile::ReadBool(std::wstring_view section, std::wstring_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  const std::wstring sectionName = Trim(section), keyName = Trim(key), text = Trim(value);
  // Check the caller's texts first, so an error names them, not the file.
  WideToCp1250Strict(sectionName);
  WideToCp1250Strict(keyName);
  WideToCp1250Strict(text);
  if (sectionName.empty() || HasLineBreak(sectionName) || sectionName.find(L']') != std::wstring::npos)
    throw EIniFileException(L"Invalid section name \"" + sectionName + L"\" for " + fileName_);
  if (keyName.empty() || HasLineBreak(keyName) || keyName.find(L'=') != std::wstring::npos ||
      keyName[0] == L'[' || keyName[0] == L';')
    throw EIniFileException(L"Invalid key name \"" + keyName + L"\" for " + fileName_);
  if (HasLineBreak(text))
    throw EIniFileException(L"The value of " + keyName + L" cannot hold a line break: " + fileName_);
  TIniDocument document = LoadForChange();
  document.Set(sectionName, keyName, text);
  Save(document);
}

void TIniFile::WriteInteger(std::wstring_view section, std::wstring_view key, int value) {
  WriteString(section, key, IntToStr(value));
}

void TIniFile::WriteBool(std::wstring_view section, std::wstring_view key, bool value) {
  WriteString(section, key, value ? L"1" : L"0");
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
