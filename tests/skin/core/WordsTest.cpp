#include "skin/core/Words.h"

#include <gtest/gtest.h>

#include "skin/core/StrUtils.h"

namespace {

using skin::TSysCharSet;

TEST(Words, RunsOfDelimitersMakeNoEmptyWords) {
  const TSysCharSet comma{L','};
  const std::wstring text = L",,a,,b,";
  EXPECT_EQ(skin::WordCount(text, comma), 2);
  EXPECT_EQ(skin::WordCountEx(text, comma), 2);
  EXPECT_EQ(skin::ExtractWord(1, text, comma), L"a");
  EXPECT_EQ(skin::ExtractWord(2, text, comma), L"b");
  EXPECT_EQ(skin::ExtractWord(3, text, comma), L"");
  EXPECT_EQ(skin::ExtractWord(0, text, comma), L"");
  EXPECT_EQ(skin::WordPosition(1, text, comma), 3);
  EXPECT_EQ(skin::WordPositionEx(2, text, comma), 6);
  EXPECT_EQ(skin::WordPosition(3, text, comma), 0);
  EXPECT_EQ(skin::WordCount(L"", comma), 0);
  EXPECT_EQ(skin::WordCount(L",,,", comma), 0);
}

TEST(Words, SeveralDelimitersAndIntegerWords) {
  const TSysCharSet delimiters{L' ', L';'};
  const std::wstring text = L"10 ; abc;-3";
  EXPECT_EQ(skin::WordCount(text, delimiters), 3);
  EXPECT_EQ(skin::IntWord(1, text, delimiters), 10);
  EXPECT_EQ(skin::IntWord(2, text, delimiters), 0);
  EXPECT_EQ(skin::IntWord(3, text, delimiters), -3);
  EXPECT_EQ(skin::IntWord(4, text, delimiters), 0);
}

TEST(Words, CharactersAboveTheByteRangeAreNeverDelimiters) {
  const TSysCharSet set{L'a', L'\x0142'};  // ł cannot be a member
  EXPECT_TRUE(skin::CharInSet(L'a', set));
  EXPECT_FALSE(skin::CharInSet(L'\x0142', set));
  EXPECT_FALSE(skin::CharInSet(static_cast<wchar_t>(0x161), set));  // 0x61 + 256
  EXPECT_EQ(skin::WordCount(L"x\x0142y", set), 1);
}

TEST(StrUtils, DeleteReplaceAndChoose) {
  EXPECT_EQ(skin::DeleteChars(L" a b  c ", L' '), L"abc");
  EXPECT_EQ(skin::ReplaceAllStr(L"aXbXX", L"X", L"YY"), L"aYYbYYYY");
  // Replacements are not scanned again.
  EXPECT_EQ(skin::ReplaceAllStr(L"aaa", L"a", L"aa"), L"aaaaaa");
  EXPECT_EQ(skin::ReplaceAllStr(L"aaaa", L"aa", L"a"), L"aa");
  EXPECT_EQ(skin::ReplaceAllStr(L"abc", L"", L"x"), L"abc");
  EXPECT_EQ(skin::IfThenStr(true, L"a", L"b"), L"a");
  EXPECT_EQ(skin::IfThenStr(false, L"a", L"b"), L"b");
}

}  // namespace
