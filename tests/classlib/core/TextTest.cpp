#include "classlib/core/Exception.h"
#include "classlib/core/Utf8.h"

#include <gtest/gtest.h>

using classlib::Utf8ToWide;
using classlib::WideToUtf8;

TEST(Utf8, RoundTripsPolishAndAstralCharacters) {
  const std::wstring text = L"Łódź, żółw, Ścieżka \U0001F570";
  EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
  EXPECT_EQ(WideToUtf8(L"ł"), "\xC5\x82");
}

TEST(Utf8, InvalidBytesBecomeReplacementCharacters) {
  struct Case {
    const char* bytes;
    const wchar_t* text;
  } cases[] = {
      {"a\xFF" "b", L"a\uFFFDb"},          // never a lead byte
      {"a\xC5", L"a\uFFFD"},               // truncated sequence
      {"\xC0\xAF", L"\uFFFD\uFFFD"},       // overlong '/'
      {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToWide(c.bytes), c.text) << c.bytes;
}

TEST(Exception, CarriesItsMessageAsTextAndUtf8) {
  const classlib::Exception e(L"Błąd odczytu");
  EXPECT_EQ(e.Message(), L"Błąd odczytu");
  EXPECT_STREQ(e.what(), "B\xC5\x82\xC4\x85" "d odczytu");
}
