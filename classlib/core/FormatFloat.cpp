#include "classlib/core/FormatFloat.h"

#include <charconv>
#include <cmath>
#include <string>

#include "classlib/core/FormatSettings.h"

namespace classlib {
namespace {

struct Picture {
  std::wstring prefix, suffix;
  int integerZeros = 0;    // '0' before the point: minimum integer digits
  int fractionZeros = 0;   // '0' after the point: decimals always shown
  int fractionDigits = 0;  // '0' and '#' after the point: decimals at most
  bool hasPoint = false;
};

Picture ParsePicture(std::wstring_view text) {
  Picture p;
  bool inDigits = false, afterDigits = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    std::wstring& literal = inDigits || afterDigits ? p.suffix : p.prefix;
    if (c == L'"' || c == L'\'') {
      const std::size_t close = text.find(c, i + 1);
      const std::size_t end = close == std::wstring_view::npos ? text.size() : close;
      literal.append(text.substr(i + 1, end - i - 1));
      if (inDigits) afterDigits = true, inDigits = false;
      i = end;
    } else if (!afterDigits && (c == L'0' || c == L'#')) {
      inDigits = true;
      if (p.hasPoint) {
        ++p.fractionDigits;
        if (c == L'0') p.fractionZeros = p.fractionDigits;
      } else if (c == L'0') {
        ++p.integerZeros;
      }
    } else if (!afterDigits && c == L'.' && !p.hasPoint) {
      inDigits = true;
      p.hasPoint = true;
    } else {
      if (inDigits) afterDigits = true, inDigits = false;
      (afterDigits ? p.suffix : p.prefix).push_back(c);
    }
  }
  return p;
}

// Digits of |value| rounded half away from zero to `decimals` places, as an
// integer part and a fraction of exactly `decimals` digits.
void RoundedDigits(double value, int decimals, std::string& integer, std::string& fraction) {
  // The shortest fixed form of a double is at most about 330 digits before
  // and 770 after the point.
  char buffer[1200];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
  std::string text = result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0");
  const std::size_t point = text.find('.');
  integer = text.substr(0, point);
  fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
  const bool roundUp = fraction.size() > static_cast<std::size_t>(decimals) && fraction[decimals] >= '5';
  fraction.resize(decimals, '0');
  if (!roundUp) return;
  std::string digits = integer + fraction;
  int i = static_cast<int>(digits.size()) - 1;
  while (i >= 0 && digits[i] == '9') digits[i--] = '0';
  if (i >= 0)
    ++digits[i];
  else
    digits.insert(digits.begin(), '1');
  integer = digits.substr(0, digits.size() - decimals);
  fraction = digits.substr(digits.size() - decimals);
}

}  // namespace

std::wstring FormatFloat(std::wstring_view pictureText, double value) {
  const Picture picture = ParsePicture(pictureText);
  if (!std::isfinite(value)) return std::isnan(value) ? L"NAN" : value > 0 ? L"INF" : L"-INF";
  std::string integer, fraction;
  RoundedDigits(value, picture.fractionDigits, integer, fraction);
  // Optional decimals ('#') drop their trailing zeros.
  while (static_cast<int>(fraction.size()) > picture.fractionZeros && !fraction.empty() && fraction.back() == '0')
    fraction.pop_back();
  std::size_t firstNonZero = integer.find_first_not_of('0');
  integer = firstNonZero == std::string::npos ? std::string() : integer.substr(firstNonZero);
  if (static_cast<int>(integer.size()) < picture.integerZeros)
    integer.insert(0, picture.integerZeros - integer.size(), '0');
  const bool isZero = integer.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
  std::wstring out = picture.prefix;
  if (value < 0 && !isZero) out.push_back(L'-');
  out.append(integer.begin(), integer.end());
  if (!fraction.empty()) {
    out.push_back(DecimalSeparator());
    out.append(fraction.begin(), fraction.end());
  }
  out += picture.suffix;
  return out;
}

}  // namespace classlib
