#include "skin/paint/TextCut.h"

#include <gtest/gtest.h>

namespace skin::paint {
namespace {

// Every character 5 pixels wide, a dot 2.
std::int32_t FixedWidth(std::wstring_view text) {
  std::int32_t w = 0;
  for (wchar_t c : text) w += c == L'.' ? 2 : 5;
  return w;
}

TEST(TextCut, ShortensToTheWidthWithDots) {
  struct Case {
    const wchar_t* text;
    int maxWidth;
    const wchar_t* out;
  };
  const Case cases[] = {
      {L"Zegarek", 0, L""},             // no room at all
      {L"Zegarek", -3, L""},
      {L"Zegarek", 35, L"Zegarek"},     // fits exactly: unchanged
      {L"Zegarek", 34, L"Zegar..."},    // 25 + 6 = 31 fits, 30 + 6 = 36 does not
      {L"Zegarek", 31, L"Zegar..."},
      {L"Zegarek", 30, L"Zega..."},
      {L"Zegarek", 11, L"Z..."},        // one character and the dots
      {L"Zegarek", 10, L""},            // not even one character with the dots: no dots
      {L"W", 4, L""},
      {L"", 20, L""},
  };
  for (const Case& c : cases) EXPECT_EQ(CutTextToWidth(c.text, c.maxWidth, FixedWidth), c.out) << c.maxWidth;
}

TEST(TextCut, NeverSplitsASurrogatePair) {
  // A clock face outside the basic plane, as its UTF-16 pair.
  const std::wstring text{L'a', L'b', static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDD52), L'c', L'd'};
  // Room for "ab" plus one unit and the dots: the pair goes whole.
  EXPECT_EQ(CutTextToWidth(text, 5 * 3 + 6, FixedWidth), L"ab...");
}

}  // namespace
}  // namespace skin::paint
