#include "skin/core/SkinOptions.h"

#include "classlib/core/ConvertNumbers.h"
#include "classlib/core/ConvertText.h"
#include "classlib/core/Cp1250.h"

namespace skin {

TsSkinOptions TsSkinOptions::FromText(std::wstring name, std::wstring_view text) {
  TsSkinOptions options;
  options.name_ = std::move(name);
  Section* current = nullptr;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find_first_of(L"\r\n", pos);
    if (end == std::wstring_view::npos) end = text.size();
    const std::wstring line = classlib::Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (end < text.size() && text[end] == L'\r' && pos < text.size() && text[pos] == L'\n') ++pos;
    if (line.empty() || line.front() == L';') continue;
    if (line.front() == L'[') {
      const std::size_t close = line.find(L']');
      if (close == std::wstring::npos) continue;
      const std::wstring sectionName = classlib::Trim(std::wstring_view(line).substr(1, close - 1));
      current = nullptr;
      for (Section& s : options.sections_)
        if (s.name == sectionName) current = &s;
      if (!current) current = &options.sections_.emplace_back(Section{sectionName, {}});
      continue;
    }
    const std::size_t equals = line.find(L'=');
    if (!current || equals == std::wstring::npos) continue;
    std::wstring key = classlib::Trim(std::wstring_view(line).substr(0, equals));
    if (key.empty() || options.Value(current->name, key)) continue;
    current->keys.emplace_back(std::move(key), classlib::Trim(std::wstring_view(line).substr(equals + 1)));
  }
  return options;
}

TsSkinOptions TsSkinOptions::FromBytes(std::wstring name, std::string_view bytes) {
  return FromText(std::move(name), classlib::Cp1250ToWide(bytes));
}

TsSkinOptions TsSkinOptions::FromLines(std::wstring name, const classlib::TStrings& lines) {
  std::wstring text;
  for (int i = 0; i < lines.Count(); ++i) text += lines.Strings(i) + L"\n";
  return FromText(std::move(name), text);
}

const TsSkinOptions::Section* TsSkinOptions::Find(std::wstring_view section) const {
  for (const Section& s : sections_)
    if (s.name == section) return &s;
  return nullptr;
}

const std::wstring* TsSkinOptions::Value(std::wstring_view section, std::wstring_view key) const {
  const Section* s = Find(section);
  if (!s) return nullptr;
  for (const auto& [name, value] : s->keys)
    if (name == key) return &value;
  return nullptr;
}

std::vector<std::wstring> TsSkinOptions::SectionNames() const {
  std::vector<std::wstring> names;
  names.reserve(sections_.size());
  for (const Section& s : sections_) names.push_back(s.name);
  return names;
}

std::vector<std::wstring> TsSkinOptions::KeyNames(std::wstring_view section) const {
  std::vector<std::wstring> names;
  if (const Section* s = Find(section))
    for (const auto& key : s->keys) names.push_back(key.first);
  return names;
}

std::wstring TsSkinOptions::ReadString(std::wstring_view section, std::wstring_view key,
                                       std::wstring_view defaultValue) const {
  const std::wstring* value = Value(section, key);
  return value ? *value : std::wstring(defaultValue);
}

int TsSkinOptions::ReadInteger(std::wstring_view section, std::wstring_view key, int defaultValue) const {
  const std::wstring* value = Value(section, key);
  return value ? classlib::StrToIntDef(*value, defaultValue) : defaultValue;
}

double TsSkinOptions::ReadFloat(std::wstring_view section, std::wstring_view key, double defaultValue) const {
  const std::wstring* text = Value(section, key);
  double value = 0;
  return text && classlib::TryStrToFloat(*text, value, L'.') ? value : defaultValue;
}

}  // namespace skin
