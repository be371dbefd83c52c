#include "classlib/core/Cp1250.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

using classlib::Cp1250ToWide;
using classlib::WideToCp1250;

TEST(Cp1250, PolishLettersRoundTrip) {
  const std::wstring polish = L"Zażółć gęślą jaźń ZAŻÓŁĆ GĘŚLĄ JAŹŃ";
  bool lossy = true;
  const std::string bytes = WideToCp1250(polish, &lossy);
  EXPECT_FALSE(lossy);
  EXPECT_EQ(bytes.size(), polish.size());
  EXPECT_EQ(bytes.substr(0, 4), "Za\xBF\xF3");  // ż = 0xBF, ó = 0xF3
  EXPECT_EQ(Cp1250ToWide(bytes), polish);
}

TEST(Cp1250, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  bool lossy = true;
  EXPECT_EQ(WideToCp1250(Cp1250ToWide(all), &lossy), all);
  EXPECT_FALSE(lossy);
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  bool lossy = false;
  EXPECT_EQ(WideToCp1250(L"a\u0416b\u00E5", &lossy), "a?b?");  // Cyrillic Zhe, a-ring
  EXPECT_TRUE(lossy);
  EXPECT_EQ(WideToCp1250(L"x\U0001F600y"), "x?y");  // one character, whatever the unit size
}

#ifdef _WIN32
// The table must agree with the platform's own converter, byte for byte.
TEST(Cp1250, MatchesThePlatformConverter) {
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    wchar_t platform = 0;
    ASSERT_EQ(MultiByteToWideChar(1250, 0, &byte, 1, &platform, 1), 1);
    EXPECT_EQ(Cp1250ToWide(std::string_view(&byte, 1)), std::wstring(1, platform)) << "byte " << b;
  }
}
#endif
