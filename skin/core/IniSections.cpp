#include "skin/core/IniSections.h"

#include "classlib/core/ConvertNumbers.h"

namespace skin {

using classlib::TStringList;
using classlib::TStrings;

void FreeIniSections(TStrings& sections) {
  for (int i = 0; i < sections.Count(); ++i) {
    delete sections.Objects(i);
    sections.SetObjects(i, nullptr);
  }
  sections.Clear();
}

void ParseIniSections(const TStrings& lines, TStrings& sections) {
  // Clearing alone would leak the lists of an earlier parse.
  FreeIniSections(sections);
  TStringList* current = nullptr;
  for (int i = 0; i < lines.Count(); ++i) {
    const std::wstring line = lines.Strings(i);
    if (line.empty() || line.front() == L';') continue;
    if (line.size() >= 2 && line.front() == L'[' && line.back() == L']') {
      current = new TStringList();
      try {
        sections.AddObject(line.substr(1, line.size() - 2), current);
      } catch (...) {
        delete current;
        throw;
      }
    } else if (current) {
      current->Add(line);
    }
  }
}

std::wstring ReadIniString(const TStrings& sections, const std::wstring& section, const std::wstring& key,
                           const std::wstring& defaultValue) {
  const int sectionIndex = sections.IndexOf(section);
  if (sectionIndex < 0) return defaultValue;
  const auto* lines = dynamic_cast<const TStrings*>(sections.Objects(sectionIndex));
  if (!lines) return defaultValue;
  const int keyIndex = lines->IndexOfName(key);
  if (keyIndex < 0) return defaultValue;
  return lines->ValueFromIndex(keyIndex);
}

int ReadIniInteger(const TStrings& sections, const std::wstring& section, const std::wstring& key,
                   int defaultValue) {
  std::wstring text = ReadIniString(sections, section, key, std::wstring());
  if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) text.replace(0, 2, L"$");
  return classlib::StrToIntDef(text, defaultValue);
}

}  // namespace skin
