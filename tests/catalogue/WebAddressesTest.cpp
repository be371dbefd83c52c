#include "app/catalogue/WebAddresses.h"

#include <gtest/gtest.h>

namespace {

using namespace catalogue;
using Addresses = std::vector<std::wstring>;

TEST(WebAddresses, FoundInTextOrderEachOnceUpToTheNextBreak) {
  EXPECT_EQ(FindWebAddresses(L"Serwis: https://a.pl/x?y=1 tel.\r\nsklep www.b.pl"),
            (Addresses{L"https://a.pl/x?y=1", L"www.b.pl"}));
  // Scanning resumes after an address, so its inner "www." is no second one.
  EXPECT_EQ(FindWebAddresses(L"http://www.c.pl\nwww.c.pl\thttp://www.c.pl"),
            (Addresses{L"http://www.c.pl", L"www.c.pl\thttp://www.c.pl"}));
  EXPECT_EQ(FindWebAddresses(L"www.a.pl www.a.pl\rwww.a.pl"), (Addresses{L"www.a.pl"}));
  EXPECT_EQ(FindWebAddresses(L"brak adresów, ftp://x, http:/ www"), Addresses{});
  EXPECT_EQ(FindWebAddresses(L"www."), (Addresses{L"www."}));
}

TEST(WebAddresses, ASelectionIsOneAddressOnlyWithoutInnerBreaks) {
  EXPECT_TRUE(IsSingleWebAddress(L"  www.a.pl  "));
  EXPECT_TRUE(IsSingleWebAddress(L"https://a.pl/b"));
  EXPECT_FALSE(IsSingleWebAddress(L"www.a.pl strona"));
  EXPECT_FALSE(IsSingleWebAddress(L"www.a.pl\r\nwww.b.pl"));
  EXPECT_FALSE(IsSingleWebAddress(L"a www.a.pl"));
  EXPECT_FALSE(IsSingleWebAddress(L""));
}

TEST(WebAddresses, OnlyHttpAddressesWithoutControlsOrQuotesReachTheBrowser) {
  EXPECT_EQ(BrowserTarget(L"www.a.pl"), L"http://www.a.pl");
  EXPECT_EQ(BrowserTarget(L"HTTPS://a.pl"), L"HTTPS://a.pl");
  EXPECT_EQ(BrowserTarget(L"http://a.pl/\"x\" -arg"), L"http://a.pl/%22x%22 -arg");
  EXPECT_EQ(BrowserTarget(L"http://a.pl/\tb"), std::nullopt);
  EXPECT_EQ(BrowserTarget(L"http://a.pl/\x7f"), std::nullopt);
  EXPECT_EQ(BrowserTarget(L"file:///C:/Windows/x.exe"), std::nullopt);
  EXPECT_EQ(BrowserTarget(L"C:\\Windows\\notepad.exe"), std::nullopt);
}

}  // namespace
