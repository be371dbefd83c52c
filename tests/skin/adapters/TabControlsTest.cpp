// Tab controls under their adapters over the marker skin: the page frame
// by tab side, tabs on every side and in several rows, the selected tab
// over the frame, a skin without tab sections, the up-down child adapted,
// and page adapters that go with their windows.
#include "skin/adapters/SpinWnd.h"
#include "skin/adapters/TabWnd.h"
#include "skin/adapters/WindowClass.h"
#include "tests/skin/adapters/ControlAdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;
using classlib::TRect;

namespace {

class TabControlsTest : public ControlAdapterFixture {
 protected:
  HWND Tabs(DWORD style, int count, int w = 300, int h = 200) {
    HWND tab = Child(WC_TABCONTROLW, style | WS_CLIPSIBLINGS, 20, 20, w, h);
    for (int i = 0; i < count; ++i) {
      std::wstring text = L"Strona " + std::to_wstring(i + 1);
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = text.data();
      SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    return tab;
  }
  void TearDown() override {
    adapters_.clear();
    ControlAdapterFixture::TearDown();
  }
  TacTabControlWnd* Adapt(HWND tab) {
    adapters_.emplace_back(MakeAdapter<TacTabControlWnd>(tab, true, L"", manager_.get(), nullptr));
    return adapters_.back().get();
  }
  static int TabPixels(const PrintedWindow& image, const char* section, const TRect& r) {
    const auto& s = MarkerSection(section);
    const RECT rr{r.Left, r.Top, r.Right, r.Bottom};
    int n = 0;
    for (unsigned f = 0; f < 3; ++f) n += image.Count(Marker(s.border + f), rr);
    return n + image.Count(Marker(s.colour), rr);
  }
  std::vector<std::unique_ptr<TacTabControlWnd>> adapters_;
};

TEST_F(TabControlsTest, TabsOnEachSideTakeTheirSections) {
  struct Case {
    DWORD style;
    const char* page;
    const char* tab;
  };
  const Case cases[] = {
      {0, "PAGECONTROL", "TABTOP"},
      {TCS_BOTTOM, "PAGECONTROLBOTTOM", "TABBOTTOM"},
      {TCS_VERTICAL | TCS_MULTILINE, "PAGECONTROLLEFT", "TABLEFT"},
      {TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, "PAGECONTROLRIGHT", "TABRIGHT"},
  };
  for (const Case& c : cases) {
    HWND tab = Tabs(c.style, 3);
    SendMessageW(tab, TCM_SETCURSEL, 1, 0);
    TacTabControlWnd* adapter = Adapt(tab);
    PrintedWindow image(tab);
    EXPECT_EQ(image.At(150, 100), Marker(MarkerSection(c.page).colour)) << c.page;
    EXPECT_GT(TabPixels(image, c.tab, adapter->TabRect(0, false)), 0) << c.tab;
    // The selected tab is drawn pressed (frame 2) and not covered.
    const TRect active = adapter->TabRect(1, true);
    const RECT ar{active.Left, active.Top, active.Right, active.Bottom};
    EXPECT_GT(image.Count(Marker(MarkerSection(c.tab).border + 2), ar), 0) << c.tab;
    DestroyWindow(tab);
  }
  EXPECT_TRUE(raised_.empty());
}

TEST_F(TabControlsTest, SeveralRowsArePaintedAndTheSelectedTabStaysOnTop) {
  HWND tab = Tabs(TCS_MULTILINE, 14, 260, 200);
  ASSERT_GE(SendMessageW(tab, TCM_GETROWCOUNT, 0, 0), 2);
  SendMessageW(tab, TCM_SETCURSEL, 3, 0);
  TacTabControlWnd* adapter = Adapt(tab);
  PrintedWindow image(tab);
  for (int i = 0; i < 14; ++i)
    if (i != SendMessageW(tab, TCM_GETCURSEL, 0, 0))
      EXPECT_GT(TabPixels(image, "TABTOP", adapter->TabRect(i, false)), 0) << i;
  const int selected = static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
  const TRect active = adapter->TabRect(selected, true);
  // Its bottom row, where the frame would lie under it, is the tab's.
  const COLORREF below = image.At((active.Left + active.Right) / 2, active.Bottom - 3);
  EXPECT_NE(below, Marker(MarkerSection("PAGECONTROL").border));
  EXPECT_GT(TabPixels(image, "TABTOP", active), 0);
}

TEST_F(TabControlsTest, WithoutTabsTheFaceIsTheCheckBoxSection) {
  HWND tab = Tabs(0, 0);
  Adapt(tab);
  PrintedWindow image(tab);
  EXPECT_EQ(image.At(150, 100), Marker(MarkerSection("CHECKBOX").colour));
  EXPECT_EQ(image.At(150, 3), Marker(MarkerSection("CHECKBOX").colour));
}

TEST_F(TabControlsTest, ASkinWithoutTabSectionsLeavesTheTabsToTheControl) {
  manager_->Skin()->ConstData.Tabs[0].Section = -1;
  HWND tab = Tabs(0, 3);
  TacTabControlWnd* adapter = Adapt(tab);
  PrintedWindow image(tab);
  EXPECT_EQ(image.At(150, 100), Marker(MarkerSection("PAGECONTROL").colour));
  EXPECT_EQ(TabPixels(image, "TABTOP", adapter->TabRect(0, false)), 0);
  EXPECT_TRUE(raised_.empty());
}

TEST_F(TabControlsTest, TheUpDownChildGetsAnAdapter) {
  HWND tab = Tabs(0, 10, 150, 100);
  HWND spin = nullptr;
  for (HWND c = GetWindow(tab, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (WindowClassIs(c, L"msctls_updown32")) spin = c;
  ASSERT_NE(spin, nullptr);
  TacTabControlWnd* adapter = Adapt(tab);
  PrintedWindow image(tab);
  ASSERT_NE(adapter->UpDown, nullptr);
  EXPECT_EQ(adapter->UpDown->CtrlHandle, spin);
  EXPECT_EQ(GetAdapter(spin), adapter->UpDown.get());
  // Painting again keeps the same adapter.
  TacSpinWnd* first = adapter->UpDown.get();
  PrintedWindow again(tab);
  EXPECT_EQ(adapter->UpDown.get(), first);
}

TEST_F(TabControlsTest, PageAdaptersGoWithTheirWindows) {
  HWND tab = Tabs(0, 2);
  const std::size_t before = PageAdapterCount();
  HWND page = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 30, 200, 100, tab, nullptr, nullptr,
                              nullptr);
  adapters_.emplace_back(MakeAdapter<TacPageControlWnd>(tab, true, L"", manager_.get(), nullptr));
  EXPECT_EQ(PageAdapterCount(), before + 1);
  ASSERT_NE(GetAdapter(page), nullptr);
  // The page shows the tab control's face.
  PrintedWindow image(page);
  EXPECT_EQ(image.At(50, 50), Marker(MarkerSection("PAGECONTROL").colour));
  DestroyWindow(page);
  EXPECT_EQ(PageAdapterCount(), before);
}

}  // namespace
}  // namespace skin_test
