#include "classlib/core/ConvertNumbers.h"

#include <charconv>
#include <cmath>

#include "classlib/core/ConvertErrors.h"
#include "classlib/core/FormatSettings.h"

namespace classlib {
namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// Parses a float whose decimal separator is any of `separators`; the text is
// checked here and then handed, as plain ASCII with '.', to from_chars, which
// ignores the C locale.
bool ParseFloat(std::wstring_view text, std::wstring_view separators, double& value) {
  std::size_t i = 0, end = text.size();
  while (i < end && text[i] == L' ') ++i;
  while (end > i && text[end - 1] == L' ') --end;
  std::string ascii;
  if (i < end && (text[i] == L'+' || text[i] == L'-')) {
    if (text[i] == L'-') ascii.push_back('-');
    ++i;
  }
  std::size_t digits = 0;
  bool separatorSeen = false;
  for (; i < end; ++i) {
    const wchar_t c = text[i];
    if (IsDigit(c)) {
      ascii.push_back(static_cast<char>(c));
      ++digits;
    } else if (!separatorSeen && separators.find(c) != std::wstring_view::npos) {
      ascii.push_back('.');
      separatorSeen = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i < end && (text[i] == L'e' || text[i] == L'E')) {
    ascii.push_back('e');
    ++i;
    if (i < end && (text[i] == L'+' || text[i] == L'-')) ascii.push_back(static_cast<char>(text[i++]));
    std::size_t exponentDigits = 0;
    for (; i < end && IsDigit(text[i]); ++i, ++exponentDigits) ascii.push_back(static_cast<char>(text[i]));
    if (exponentDigits == 0) return false;
  }
  if (i != end) return false;
  double parsed = 0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
  if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size() || !std::isfinite(parsed))
    return false;
  value = parsed;
  return true;
}

}  // namespace

std::wstring IntToStr(std::int64_t value) { return std::to_wstring(value); }

bool TryStrToInt(std::wstring_view text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  bool hex = false;
  if (i < text.size() && text[i] == L'$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) {
    hex = true;
    i += 2;
  }
  if (i == text.size()) return false;
  std::uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = hex ? HexDigit(text[i]) : (IsDigit(text[i]) ? text[i] - L'0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<unsigned>(digit);
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  std::int64_t result;
  if (hex) {
    // All 32 bits: 0xFFFFFFFF is -1.
    result = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    if (negative) result = -result;
    if (result > 0x7FFFFFFF) return false;  // -(-2^31)
  } else {
    result = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (result < -0x80000000ll || result > 0x7FFFFFFFll) return false;
  }
  value = static_cast<int>(result);
  return true;
}

int StrToIntDef(std::wstring_view text, int defaultValue) {
  int value;
  return TryStrToInt(text, value) ? value : defaultValue;
}

int StrToIntStrict(std::wstring_view text) {
  int value;
  if (!TryStrToInt(text, value))
    throw EConvertError(L"'" + std::wstring(text) + L"' is not a valid integer value");
  return value;
}

bool TryStrToFloat(std::wstring_view text, double& value) {
  return TryStrToFloat(text, value, DecimalSeparator());
}

bool TryStrToFloat(std::wstring_view text, double& value, wchar_t decimalSeparator) {
  return ParseFloat(text, std::wstring_view(&decimalSeparator, 1), value);
}

bool TryStrToFloatEitherSeparator(std::wstring_view text, double& value) {
  return ParseFloat(text, L".,", value);
}

double StrToFloat(std::wstring_view text) {
  double value;
  if (!TryStrToFloat(text, value))
    throw EConvertError(L"'" + std::wstring(text) + L"' is not a valid floating point value");
  return value;
}

}  // namespace classlib
