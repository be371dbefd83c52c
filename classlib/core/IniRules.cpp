#include "classlib/core/IniRules.h"

#include <filesystem>
#include <system_error>

#include "classlib/core/ConvertNumbers.h"
#include "classlib/core/ConvertText.h"
#include "classlib/core/Cp1250.h"
#include "classlib/core/FileUtilsIO.h"
#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/IniFile.h"

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

std::wstring IniReadString(const TIniDocument& document, std::wstring_view section, std::wstring_view key,
                           std::wstring_view defaultValue) {
  const auto raw = document.RawValue(Trim(section), Trim(key));
  if (!raw) return std::wstring(defaultValue);
  std::wstring value = StripMatchingQuotes(Trim(*raw));
  if (value.size() > kMaxValueLength) value.resize(kMaxValueLength);
  return value;
}

int IniReadInteger(const TIniDocument& document, std::wstring_view section, std::wstring_view key,
                   int defaultValue) {
  const std::wstring text = IniReadString(document, section, key, L"");
  int value;
  return TryStrToInt(text, value) ? value : defaultValue;
}

void IniSetValue(TIniDocument& document, std::wstring_view section, std::wstring_view key,
                 std::wstring_view value, const std::wstring& fileName) {
  const std::wstring sectionName = Trim(section), keyName = Trim(key), text = Trim(value);
  // Check the caller's texts first, so an error names them, not the file.
  WideToCp1250Strict(sectionName);
  WideToCp1250Strict(keyName);
  WideToCp1250Strict(text);
  if (sectionName.empty() || HasLineBreak(sectionName) || sectionName.find(L']') != std::wstring::npos)
    throw EIniFileException(L"Invalid section name \"" + sectionName + L"\" for " + fileName);
  if (keyName.empty() || HasLineBreak(keyName) || keyName.find(L'=') != std::wstring::npos ||
      keyName[0] == L'[' || keyName[0] == L';')
    throw EIniFileException(L"Invalid key name \"" + keyName + L"\" for " + fileName);
  if (HasLineBreak(text))
    throw EIniFileException(L"The value of " + keyName + L" cannot hold a line break: " + fileName);
  document.Set(sectionName, keyName, text);
}

TIniDocument IniLoad(const std::wstring& fileName) {
  std::string bytes;
  if (!TryReadFileBytes(fileName, bytes)) return TIniDocument();
  return TIniDocument::Parse(Cp1250ToWide(bytes));
}

TIniDocument IniLoadForChange(const std::wstring& fileName) {
  std::string bytes;
  if (TryReadFileBytes(fileName, bytes)) return TIniDocument::Parse(Cp1250ToWide(bytes));
  std::error_code error;
  if (std::filesystem::exists(ToFsPath(fileName), error) || error)
    throw EIniFileException(L"Unable to read " + fileName);
  return TIniDocument();
}

void IniSave(const TIniDocument& document, const std::wstring& fileName) {
  const std::string bytes = WideToCp1250Strict(document.Text());
  try {
    WriteFileAtomic(fileName, bytes);
  } catch (const EInOutError&) {
    throw EIniFileException(L"Unable to write to " + fileName);
  }
}

}  // namespace classlib
