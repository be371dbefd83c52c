#include "app/fillin/MechanismMenus.h"

#include "classlib/core/ConvertText.h"

namespace app {
namespace {

struct TParsedName {
  std::wstring Caption;
  bool NewColumn = false;
};

// The name after dropping the "#" of a heading and one leading "/".
TParsedName ParseName(const std::wstring& line, bool heading) {
  std::wstring name = heading ? classlib::Trim(std::wstring_view(line).substr(1)) : line;
  TParsedName parsed;
  if (!name.empty() && name.front() == L'/') {
    parsed.NewColumn = true;
    name.erase(0, 1);
  }
  parsed.Caption = name.empty() ? std::wstring(kUnnamedEntry) : name;
  return parsed;
}

bool IsHeading(const std::wstring& line) { return line.front() == L'#'; }
bool IsSeparator(const std::wstring& line) { return line == L"-"; }

}  // namespace

std::vector<TMechanismMenuEntry> MakerMenuEntries(const std::vector<std::wstring>& lines) {
  std::vector<TMechanismMenuEntry> entries;
  for (const std::wstring& line : lines) {
    if (line.empty()) continue;
    if (IsSeparator(line))
      entries.push_back({TMechanismMenuEntry::Separator, L"-"});
    else if (IsHeading(line))
      entries.push_back({TMechanismMenuEntry::Item, ParseName(line, true).Caption});
  }
  return entries;
}

std::vector<TMechanismMenuEntry> CalibreMenuEntries(const std::vector<std::wstring>& lines) {
  std::vector<TMechanismMenuEntry> entries;
  for (const std::wstring& line : lines) {
    if (line.empty() || IsSeparator(line)) continue;
    const bool heading = IsHeading(line);
    TParsedName name = ParseName(line, heading);
    entries.push_back({heading ? TMechanismMenuEntry::Heading : TMechanismMenuEntry::Item, std::move(name.Caption),
                       !heading, name.NewColumn});
    if (heading) entries.push_back({TMechanismMenuEntry::Separator, L"-"});
  }
  return entries;
}

int CalibreMenuColumns(const std::vector<std::wstring>& lines) {
  int columns = 1;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::wstring& line = lines[i];
    if ((line.size() > 0 && line[0] == L'/') || (line.size() > 1 && line[1] == L'/')) ++columns;
  }
  return columns;
}

int CalibreMenuShift(int columns) { return columns >= 4 ? (columns - 3) * 135 : 0; }

}  // namespace app
