#include "classlib/core/CommandLine.h"

namespace classlib {

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
  std::vector<std::wstring> result;
  size_t pos = 0;
  // The program name.
  std::wstring name;
  if (pos < line.size() && line[pos] == L'"') {
    const size_t close = line.find(L'"', pos + 1);
    const size_t end = close == std::wstring_view::npos ? line.size() : close;
    name.assign(line.substr(pos + 1, end - pos - 1));
    pos = close == std::wstring_view::npos ? line.size() : close + 1;
  } else {
    while (pos < line.size() && !IsBlank(line[pos])) name += line[pos++];
  }
  result.push_back(std::move(name));

  for (;;) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos >= line.size()) break;
    std::wstring argument;
    bool quoted = false;
    while (pos < line.size() && (quoted || !IsBlank(line[pos]))) {
      if (line[pos] == L'\\') {
        size_t count = 0;
        while (pos < line.size() && line[pos] == L'\\') ++count, ++pos;
        if (pos < line.size() && line[pos] == L'"') {
          argument.append(count / 2, L'\\');
          if (count % 2 == 1) {
            argument += L'"';
            ++pos;
          }
        } else {
          argument.append(count, L'\\');
        }
      } else if (line[pos] == L'"') {
        if (quoted && pos + 1 < line.size() && line[pos + 1] == L'"') {
          argument += L'"';
          quoted = false;
          pos += 2;
        } else {
          quoted = !quoted;
          ++pos;
        }
      } else {
        argument += line[pos++];
      }
    }
    result.push_back(std::move(argument));
  }
  return result;
}

}  // namespace classlib
