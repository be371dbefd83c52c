#include <gtest/gtest.h>

#include "classlib/menus/MenusShortCut.h"

namespace classlib {
namespace {

TEST(ShortCut, TextRoundTrips) {
  struct Case {
    TShortCut shortCut;
    const wchar_t* text;
  };
  const Case cases[] = {
      {static_cast<TShortCut>(scCtrl | 'S'), L"Ctrl+S"},
      {static_cast<TShortCut>(scAlt | 0x73), L"Alt+F4"},
      {static_cast<TShortCut>(scShift | scCtrl | 0x2E), L"Shift+Ctrl+Del"},
      {static_cast<TShortCut>('7'), L"7"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
    EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
  }
}

TEST(ShortCut, UnknownTextOrKeyGivesNone) {
  EXPECT_EQ(ShortCutToText(0), L"");
  EXPECT_EQ(TextToShortCut(L""), scNone);
  EXPECT_EQ(TextToShortCut(L"Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut(L"Hyper+Q"), scNone);
  EXPECT_EQ(TextToShortCut(L"alt+f4"), static_cast<TShortCut>(scAlt | 0x73));
}

}  // namespace
}  // namespace classlib
