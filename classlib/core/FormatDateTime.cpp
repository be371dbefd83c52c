#include "classlib/core/FormatDateTime.h"

namespace classlib {
namespace {

wchar_t Lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? c + 32 : c; }

void AppendNumber(std::wstring& out, int value, std::size_t minDigits) {
  std::wstring digits = std::to_wstring(value);
  if (digits.size() < minDigits) out.append(minDigits - digits.size(), L'0');
  out += digits;
}

}  // namespace

std::wstring FormatDateTime(std::wstring_view pattern, TDateTime value) {
  TDateParts date;
  TTimeParts time;
  DecodeDateTime(value, date, time);
  std::wstring out;
  bool afterHour = false;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const wchar_t c = pattern[i];
    if (c == L'"' || c == L'\'') {
      const std::size_t close = pattern.find(c, i + 1);
      const std::size_t end = close == std::wstring_view::npos ? pattern.size() : close;
      out.append(pattern.substr(i + 1, end - i - 1));
      i = end == pattern.size() ? end : end + 1;
      continue;
    }
    const wchar_t letter = Lower(c);
    std::size_t run = 1;
    while (i + run < pattern.size() && Lower(pattern[i + run]) == letter) ++run;
    switch (letter) {
      case L'd':
        AppendNumber(out, date.day, run >= 2 ? 2 : 1);
        break;
      case L'm':
        AppendNumber(out, afterHour ? time.minute : date.month, run >= 2 ? 2 : 1);
        afterHour = false;
        break;
      case L'y':
        if (run <= 2)
          AppendNumber(out, date.year % 100, 2);
        else
          AppendNumber(out, date.year, 4);
        break;
      case L'h':
        AppendNumber(out, time.hour, run >= 2 ? 2 : 1);
        afterHour = true;
        break;
      case L'n':
        AppendNumber(out, time.minute, run >= 2 ? 2 : 1);
        break;
      case L's':
        AppendNumber(out, time.second, run >= 2 ? 2 : 1);
        break;
      case L'z':
        AppendNumber(out, time.millisecond, run >= 3 ? 3 : 1);
        break;
      default:
        out.append(pattern.substr(i, run));
        break;
    }
    if (letter == L'd' || letter == L'y' || letter == L'n' || letter == L's' || letter == L'z') afterHour = false;
    i += run;
  }
  return out;
}

}  // namespace classlib
