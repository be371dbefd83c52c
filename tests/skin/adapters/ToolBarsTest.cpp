// Tool bars and status bars painted by their adapters over the marker
// skin: button states, images one pixel off when pressed, separators,
// drop-down arrows, long captions and part texts read whole, simple and
// many-part status bars.
#include "skin/adapters/ToolBarWnd.h"
#include "tests/skin/adapters/ControlAdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;

namespace {

constexpr COLORREF kImageColour = RGB(0x12, 0x34, 0x56);

class ToolBarsTest : public ControlAdapterFixture {
 protected:
  void TearDown() override {
    tool_.reset();
    status_.reset();
    if (images_) ImageList_Destroy(images_);
    ControlAdapterFixture::TearDown();
  }
  HWND ToolBar() {
    HWND bar = Child(TOOLBARCLASSNAMEW, TBSTYLE_FLAT | CCS_NORESIZE | CCS_NODIVIDER, 0, 0, 390, 60);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    images_ = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    MemoryDC dc(16, 16);
    HBITMAP bmp = CreateCompatibleBitmap(dc.Handle(), 16, 16);
    HGDIOBJ old = SelectObject(dc.Handle(), bmp);
    RECT all{0, 0, 16, 16};
    HBRUSH brush = CreateSolidBrush(kImageColour);
    FillRect(dc.Handle(), &all, brush);
    DeleteObject(brush);
    SelectObject(dc.Handle(), old);
    ImageList_Add(images_, bmp, nullptr);
    DeleteObject(bmp);
    SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    long_ = std::wstring(300, L'x');
    for (int i = 0; i < 300; i += 10) long_[static_cast<std::size_t>(i)] = L' ';
    TBBUTTON buttons[] = {
        {0, 100, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(L"Nowa")},
        {0, 101, TBSTATE_ENABLED | TBSTATE_PRESSED, BTNS_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(L"Zapisz")},
        {0, 102, 0, BTNS_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(L"Usuń")},
        {8, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {0, 103, TBSTATE_ENABLED, BTNS_WHOLEDROPDOWN, {}, 0, reinterpret_cast<INT_PTR>(L"Lista")},
        {0, 104, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(long_.c_str())},
    };
    SendMessageW(bar, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(60, 44));
    tool_.reset(MakeAdapter<TacToolBarWnd>(bar, true, L"", manager_.get(), nullptr));
    return bar;
  }
  static RECT Item(HWND bar, int i) {
    RECT r{};
    SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  // The top-left corner of the image colour inside R, relative to R.
  static POINT ImageAt(const PrintedWindow& image, const RECT& r) {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (image.At(x, y) == kImageColour) return POINT{x - r.left, y - r.top};
    return POINT{-1, -1};
  }

  HIMAGELIST images_ = nullptr;
  std::wstring long_;
  std::unique_ptr<TacToolBarWnd> tool_;
  std::unique_ptr<TacStatusBarWnd> status_;
};

TEST_F(ToolBarsTest, ButtonsShowTheirStatesSeparatorAndArrow) {
  HWND bar = ToolBar();
  PrintedWindow image(bar, PRF_CLIENT);
  const auto& button = MarkerSection("TOOLBUTTON");
  EXPECT_EQ(image.At(200, 55), Marker(MarkerSection("BAR").colour));
  EXPECT_GT(image.Count(Marker(button.colour), Item(bar, 0)), 0);
  EXPECT_GT(image.Count(Marker(button.border), Item(bar, 0)), 0);
  EXPECT_GT(image.Count(Marker(button.border + 2), Item(bar, 1)), 0);  // pressed: state 2
  // Disabled: mixed with the bar, no pure button colour left.
  EXPECT_EQ(image.Count(Marker(button.colour), Item(bar, 2)), 0);
  EXPECT_GT(image.Count(Marker(MarkerSection("DIVIDER").colour), Item(bar, 3)) +
                image.Count(Marker(MarkerSection("DIVIDER").border), Item(bar, 3)),
            0);
  EXPECT_GT(image.Count(Marker(MarkerSection("SCROLLBTNBOTTOM").glyph), Item(bar, 4)), 0);
  // The pressed button's image lies one pixel lower and to the right.
  const POINT normal = ImageAt(image, Item(bar, 0)), pressed = ImageAt(image, Item(bar, 1));
  ASSERT_GE(normal.x, 0);
  EXPECT_EQ(pressed.x, normal.x + 1);
  EXPECT_EQ(pressed.y, normal.y + 1);
  EXPECT_TRUE(raised_.empty());
}

TEST_F(ToolBarsTest, CaptionsAreReadWhole) {
  HWND bar = ToolBar();
  EXPECT_EQ(ToolButtonText(bar, 104), long_);
  EXPECT_EQ(ToolButtonText(bar, 100), L"Nowa");
  EXPECT_EQ(ToolButtonText(bar, 999), L"");
}

TEST_F(ToolBarsTest, AStatusBarInSimpleModeShowsOnePanel) {
  HWND bar = Child(STATUSCLASSNAMEW, 0, 0, 250, 390, 24);
  const int parts[] = {100, 200, -1};
  SendMessageW(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
  SendMessageW(bar, SB_SIMPLE, TRUE, 0);
  SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(L"Zapisano kartę"));
  status_.reset(MakeAdapter<TacStatusBarWnd>(bar, true, L"", manager_.get(), nullptr));
  PrintedWindow image(bar);
  EXPECT_EQ(image.At(image.Width() - 20, image.Height() / 2), Marker(MarkerSection("STATUSBAR").colour));
  EXPECT_EQ(image.Count(Marker(MarkerSection("DIVIDER").border)), 0);
  ASSERT_EQ(StatusBarTexts(bar).size(), 1u);
  EXPECT_EQ(StatusBarTexts(bar)[0], L"Zapisano kartę");
}

TEST_F(ToolBarsTest, AStatusBarWithManyPartsDividesAllButTheLast) {
  HWND bar = Child(STATUSCLASSNAMEW, 0, 0, 250, 390, 24);
  std::vector<int> parts;
  for (int i = 1; i <= 12; ++i) parts.push_back(i * 30);
  parts.back() = -1;
  SendMessageW(bar, SB_SETPARTS, parts.size(), reinterpret_cast<LPARAM>(parts.data()));
  const std::wstring longText(600, L'k');
  SendMessageW(bar, SB_SETTEXTW, 3, reinterpret_cast<LPARAM>(longText.c_str()));
  status_.reset(MakeAdapter<TacStatusBarWnd>(bar, true, L"", manager_.get(), nullptr));
  PrintedWindow image(bar);
  const COLORREF divider = Marker(MarkerSection("DIVIDER").colour);
  const COLORREF dividerBorder = Marker(MarkerSection("DIVIDER").border);
  for (int i = 0; i < 12; ++i) {
    RECT r{};
    SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    const RECT edge{r.right - 3, r.top, r.right + 1, r.bottom};
    const int found = image.Count(divider, edge) + image.Count(dividerBorder, edge);
    EXPECT_EQ(found > 0, i < 11) << i;
  }
  const auto texts = StatusBarTexts(bar);
  ASSERT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts[3], longText);
  EXPECT_TRUE(raised_.empty());
}

}  // namespace
}  // namespace skin_test
