#include "classlib/core/IniDocument.h"

#include "classlib/core/ConvertText.h"

namespace classlib {

TIniDocument::Line TIniDocument::ParseLine(std::wstring text) {
  Line line;
  line.text = std::move(text);
  const std::wstring trimmed = TrimLeft(line.text);
  if (!trimmed.empty() && trimmed[0] == L'[') {
    const std::size_t close = trimmed.find(L']');
    if (close != std::wstring::npos) {
      line.kind = Kind::Section;
      line.name = Trim(std::wstring_view(trimmed).substr(1, close - 1));
    }
    return line;
  }
  if (!trimmed.empty() && trimmed[0] == L';') return line;
  const std::size_t equals = line.text.find(L'=');
  if (equals == std::wstring::npos) return line;
  std::wstring name = Trim(std::wstring_view(line.text).substr(0, equals));
  if (name.empty()) return line;
  line.kind = Kind::Key;
  line.name = std::move(name);
  line.valueStart = equals + 1;
  return line;
}

TIniDocument TIniDocument::Parse(std::wstring_view text) {
  TIniDocument document;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring_view::npos) end = text.size();
    document.lines_.push_back(ParseLine(std::wstring(text.substr(start, end - start))));
    start = end;
    if (start < text.size() && text[start] == L'\r') ++start;
    if (start < text.size() && text[start] == L'\n') ++start;
  }
  return document;
}

std::wstring TIniDocument::Text() const {
  std::wstring text;
  for (const auto& line : lines_) {
    text += line.text;
    text += L"\r\n";
  }
  return text;
}

template <typename Visit>
void TIniDocument::ForEachKeyIn(std::wstring_view section, Visit visit) const {
  bool inSection = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::Section)
      inSection = AnsiSameText(line.name, section);
    else if (inSection && line.kind == Kind::Key && !visit(i, line))
      return;
  }
}

std::optional<std::wstring> TIniDocument::RawValue(std::wstring_view section, std::wstring_view key) const {
  std::optional<std::wstring> value;
  ForEachKeyIn(section, [&](std::size_t, const Line& line) {
    if (!AnsiSameText(line.name, key)) return true;
    value = line.text.substr(line.valueStart);
    return false;
  });
  return value;
}

std::vector<std::wstring> TIniDocument::KeyNames(std::wstring_view section) const {
  std::vector<std::wstring> names;
  ForEachKeyIn(section, [&](std::size_t, const Line& line) {
    for (const auto& name : names)
      if (AnsiSameText(name, line.name)) return true;
    names.push_back(line.name);
    return true;
  });
  return names;
}

std::vector<std::wstring> TIniDocument::SectionNames() const {
  std::vector<std::wstring> names;
  for (const auto& line : lines_) {
    if (line.kind != Kind::Section) continue;
    bool known = false;
    for (const auto& name : names) known = known || AnsiSameText(name, line.name);
    if (!known) names.push_back(line.name);
  }
  return names;
}

void TIniDocument::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  std::optional<std::size_t> existing;
  ForEachKeyIn(section, [&](std::size_t i, const Line& line) {
    if (!AnsiSameText(line.name, key)) return true;
    existing = i;
    return false;
  });
  if (existing) {
    Line& line = lines_[*existing];
    line = ParseLine(line.name + L"=" + std::wstring(value));
    return;
  }
  // After the last key of the first section of that name, so blank lines and
  // comments before the next section stay where they are.
  std::optional<std::size_t> insertAt;
  bool inFirstSection = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::Section) {
      if (insertAt) break;
      inFirstSection = AnsiSameText(line.name, section);
      if (inFirstSection) insertAt = i + 1;
    } else if (inFirstSection && line.kind == Kind::Key) {
      insertAt = i + 1;
    }
  }
  Line newLine = ParseLine(std::wstring(key) + L"=" + std::wstring(value));
  if (insertAt) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*insertAt), std::move(newLine));
    return;
  }
  lines_.push_back(ParseLine(L"[" + std::wstring(section) + L"]"));
  lines_.push_back(std::move(newLine));
}

bool TIniDocument::EraseSection(std::wstring_view section) {
  const std::size_t before = lines_.size();
  std::vector<Line> kept;
  bool inSection = false;
  for (auto& line : lines_) {
    if (line.kind == Kind::Section) inSection = AnsiSameText(line.name, section);
    if (!inSection) kept.push_back(std::move(line));
  }
  lines_ = std::move(kept);
  return lines_.size() != before;
}

bool TIniDocument::DeleteKey(std::wstring_view section, std::wstring_view key) {
  std::vector<std::size_t> doomed;
  ForEachKeyIn(section, [&](std::size_t i, const Line& line) {
    if (AnsiSameText(line.name, key)) doomed.push_back(i);
    return true;
  });
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it)
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*it));
  return !doomed.empty();
}

}  // namespace classlib
