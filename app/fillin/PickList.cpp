#include "app/fillin/PickList.h"

#include "classlib/core/ConvertText.h"
#include "classlib/core/Cp1250.h"
#include "classlib/core/FileUtilsIO.h"
#include "classlib/core/Utf8.h"

namespace app {

const std::vector<std::wstring>& DefaultComplications() {
  static const std::vector<std::wstring> lines{L"Komplikacja 1", L"Komplikacja 2", L"Komplikacja 3"};
  return lines;
}

const std::vector<std::wstring>& DefaultMechanisms() {
  static const std::vector<std::wstring> lines = [] {
    std::vector<std::wstring> result;
    bool first = true;
    for (const wchar_t* maker : {L"ETA", L"Sellita", L"Ronda", L"Seiko", L"Miyota", L"Seagull"}) {
      if (std::wstring_view(maker) == L"Seiko") result.emplace_back(L"-");
      result.push_back(std::wstring(first ? L"#" : L"#/") + maker);
      for (const wchar_t* calibre : {L"Mechanizm 1", L"Mechanizm 2", L"Mechanizm 3"}) result.emplace_back(calibre);
      first = false;
    }
    return result;
  }();
  return lines;
}

std::vector<std::wstring> PickListLines(std::string_view bytes) {
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  const std::wstring text = bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark
                                ? classlib::Utf8ToWide(bytes.substr(kUtf8Mark.size()))
                                : classlib::Cp1250ToWide(bytes);
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = classlib::Trim(std::wstring_view(text).substr(start, end - start));
    if (!line.empty()) lines.push_back(std::move(line));
    if (end < text.size() && text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ++end;
    start = end + 1;
  }
  return lines;
}

std::vector<std::wstring> ReadPickList(const std::wstring& fileName) {
  std::string bytes;
  if (!classlib::TryReadFileBytes(fileName, bytes)) return {};
  return PickListLines(bytes);
}

std::string PickListBytes(const std::vector<std::wstring>& lines) {
  std::string bytes;
  for (const std::wstring& line : lines) bytes += classlib::WideToCp1250(line) + "\r\n";
  return bytes;
}

}  // namespace app
