// The extended-border window: where a point over it sizes, drags or goes
// through, its cursors, its region with the form's client hole, the pass
// of a shadow click to the window below, and no handle growing per update.
#include "skin/forms/BorderForm.h"
#include "tests/skin/forms/LayeredPushRecorder.h"
#include "tests/skin/forms/SkinnedFormFixture.h"

namespace skin_test {

using namespace classlib;
using namespace skin;

namespace {

// Margin 20 on every side, sizing bands reaching 2 into it, frame 3, a
// 440 x 340 border window with a 30-pixel caption.
TBorderHitInput Fixture() {
  TBorderHitInput in;
  in.M = TBorderMargins{20, 20, 20, 20};
  in.AlignOffset = 2;
  in.FrameWidth = 3;
  in.Width = 440;
  in.Height = 340;
  in.CaptionHeight = 30;
  in.Sizable = true;
  return in;
}

}  // namespace

TEST(BorderGeometry, HitTestTable) {
  struct Case {
    int x, y, code;
    const char* what;
  };
  const Case cases[] = {
      {220, 19, HTTOP, "top band"},         {20, 20, HTTOPLEFT, "top-left"},     {420, 20, HTTOPRIGHT, "top-right"},
      {220, 320, HTBOTTOM, "bottom band"},  {19, 200, HTLEFT, "left band"},      {421, 200, HTRIGHT, "right band"},
      {20, 320, HTBOTTOMLEFT, "b-left"},    {420, 320, HTBOTTOMRIGHT, "b-right"}, {220, 40, HTCAPTION, "caption"},
      {220, 5, HTCAPTION, "top shadow"},    {5, 200, -1, "left shadow"},         {220, 335, -1, "bottom shadow"},
      {435, 40, -1, "right shadow at the caption"}, {220, 200, 0, "inside"},
  };
  for (const Case& c : cases) EXPECT_EQ(BorderHitTest(Fixture(), c.x, c.y), c.code) << c.what;

  TBorderHitInput icon = Fixture();
  icon.OnIcon = true;
  EXPECT_EQ(BorderHitTest(icon, 30, 30), HTSYSMENU);
  TBorderHitInput button = Fixture();
  button.ButtonCode = HTCLOSE;
  EXPECT_EQ(BorderHitTest(button, 400, 30), HTCLOSE);
  TBorderHitInput menu = Fixture();
  menu.MenuLineHeight = 20;
  EXPECT_EQ(BorderHitTest(menu, 220, 60), HTMENU);
  EXPECT_EQ(BorderHitTest(menu, 220, 80), 0);
  TBorderHitInput grip = Fixture();
  grip.GripSize = 16;
  EXPECT_EQ(BorderHitTest(grip, 415, 315), HTBOTTOMRIGHT);
  // Maximized: no sizing bands.
  TBorderHitInput max = Fixture();
  max.Maximized = true;
  EXPECT_EQ(BorderHitTest(max, 20, 20), HTCAPTION);
  EXPECT_EQ(BorderHitTest(max, 220, 200), 0);
  EXPECT_EQ(BorderHitTest(max, 19, 200), -1);
  // Not sizable: the bands are the window's.
  TBorderHitInput fixed = Fixture();
  fixed.Sizable = false;
  EXPECT_EQ(BorderHitTest(fixed, 21, 200), 0);
}

TEST(BorderGeometry, CursorTable) {
  const std::pair<int, TBorderCursor> cases[] = {
      {HTCAPTION, TBorderCursor::Arrow},     {HTMENU, TBorderCursor::Arrow},
      {HTLEFT, TBorderCursor::SizeWE},       {HTRIGHT, TBorderCursor::SizeWE},
      {HTTOP, TBorderCursor::SizeNS},        {HTBOTTOM, TBorderCursor::SizeNS},
      {HTTOPLEFT, TBorderCursor::SizeNWSE},  {HTBOTTOMRIGHT, TBorderCursor::SizeNWSE},
      {HTTOPRIGHT, TBorderCursor::SizeNESW}, {HTBOTTOMLEFT, TBorderCursor::SizeNESW},
      {HTCLOSE, TBorderCursor::Default},     {-1, TBorderCursor::Default},
  };
  for (const auto& [code, cursor] : cases) EXPECT_EQ(BorderCursorOf(code), cursor) << code;
  const TBorderBox box = MaximizedBorderBox(TBorderMargins{20, 20, 20, 20}, 3, 1, 440, 340);
  EXPECT_EQ(box.Left, 24);
  EXPECT_EQ(box.Top, 24);
  EXPECT_EQ(box.Right, 416);
  EXPECT_EQ(box.Bottom, 316);
}

class BorderFormTest : public SkinnedFormFixture {
 protected:
  // A border of the fixture's margins around a shown form, its image a
  // half-transparent frame of the border window's size.
  void MakeBorder() {
    MakeForm();
    border_ = std::make_unique<TacBorderForm>(provider_);
    border_->Values.Margins = TBorderMargins{20, 20, 20, 20};
    border_->Values.AlignOffset = 2;
    border_->ClientHole = [] { return RECT{40, 60, 380, 300}; };
    RECT r{};
    GetWindowRect(Wnd(), &r);
    TBitmap* image = provider_->SkinData()->CacheBmp();
    image->SetPixelFormat(pf32bit);
    image->SetSize(r.right - r.left + 40, r.bottom - r.top + 40);
    for (int y = 0; y < image->Height(); ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(image->ScanLine(y));
      for (int x = 0; x < image->Width(); ++x) row[x] = (x < 20 || y < 20) ? 0x40000000u : 0xFF3070A0u;
    }
    provider_->SkinData()->BGChanged = false;
  }
  void Update(bool repaint) {
    provider_->SkinData()->BGChanged = false;
    border_->UpdateExBorders(repaint, 255);
  }
  void TearDown() override {
    border_.reset();
    SkinnedFormFixture::TearDown();
  }
  std::unique_ptr<TacBorderForm> border_;
};

TEST_F(BorderFormTest, PushesTheImageBehindTheFormAndRestoresItsVisibleBit) {
  MakeBorder();
  TLayeredPushRecorder recorder;
  Update(true);
  HWND border = border_->BorderWindow();
  ASSERT_NE(border, nullptr);
  EXPECT_EQ(GetWindow(border, GW_OWNER), Wnd());
  ASSERT_EQ(recorder.Frames.size(), 1u);
  EXPECT_EQ(recorder.Frames[0].Wnd, border);
  EXPECT_TRUE(IsWindowVisible(border));
  EXPECT_TRUE(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_VISIBLE);
  // Unchanged and not repainted: only moved.
  Update(false);
  EXPECT_EQ(recorder.Frames.size(), 1u);
  EXPECT_TRUE(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_VISIBLE);
  border_->SetSuspended(true);
  Update(true);
  EXPECT_EQ(recorder.Frames.size(), 1u);
  const std::wstring dir = skin::paint::testing::PicturesDir();
  if (!dir.empty()) SaveFramesOverCheckerboard({&recorder.Frames[0]}, dir + L"\\border-pushed.png");
}

TEST_F(BorderFormTest, RegionHasTheClientHole) {
  MakeBorder();
  Update(true);
  HRGN region = border_->MakeRgn(0, 0);
  ASSERT_NE(region, nullptr);
  EXPECT_TRUE(PtInRegion(region, 10, 10));
  EXPECT_FALSE(PtInRegion(region, 100, 100));  // the client hole
  EXPECT_TRUE(PtInRegion(region, 39, 100));
  DeleteObject(region);
  // While an animation owns the window there is no hole.
  provider_->SetStateBits(0x100);
  region = border_->MakeRgn(200, 200);
  EXPECT_TRUE(PtInRegion(region, 100, 100));
  DeleteObject(region);
  provider_->SetStateBits(0);
  TacBorderForm none(provider_);
  EXPECT_EQ(none.MakeRgn(0, 0), nullptr);
}

TEST_F(BorderFormTest, ShadowClickPassesThroughAndTheRegionComesBack) {
  HWND below = CreateWindowExW(0, L"BUTTON", L"", WS_POPUP | WS_VISIBLE, 0, 0, 800, 700, nullptr, nullptr, nullptr,
                               nullptr);
  MakeBorder();
  Update(true);
  HWND border = border_->BorderWindow();
  RECT r{};
  GetWindowRect(border, &r);
  const POINT shadow{r.left + 5, r.top + 200};
  ASSERT_EQ(border_->HitTest(shadow), -1);
  SetCursorPos(shadow.x, shadow.y);
  ASSERT_EQ(WindowFromPoint(shadow), border);
  // Twice: a second message must not fill the hole again.
  for (int i = 0; i < 2; ++i) SendMessageW(border, WM_MOUSEMOVE, 0, MAKELPARAM(5, 200));
  EXPECT_TRUE(border_->RegionChanged());
  EXPECT_EQ(WindowFromPoint(shadow), below);
  border_->RestoreRgn();
  EXPECT_EQ(WindowFromPoint(shadow), border);
  // Without a region (an animation runs) the cut leaves the rest standing.
  SetWindowRgn(border, nullptr, FALSE);
  SendMessageW(border, WM_MOUSEMOVE, 0, MAKELPARAM(5, 200));
  EXPECT_EQ(WindowFromPoint(POINT{r.left + 10, r.top + 10}), border);
  DestroyWindow(below);
}

TEST_F(BorderFormTest, OverrideEventAnswersEverywhere) {
  MakeBorder();
  Update(true);
  border_->OnExtHitTest = [](TMessage& m) { m.Result = HTCAPTION; };
  RECT r{};
  GetWindowRect(border_->BorderWindow(), &r);
  EXPECT_EQ(border_->HitTest(POINT{r.left + 2, r.bottom - 2}), HTCAPTION);
}

TEST_F(BorderFormTest, GdiCountStaysOverAHundredUpdates) {
  MakeBorder();
  Update(true);
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 100; ++i) {
    SetWindowPos(Wnd(), nullptr, 100 + i % 7, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Update(true);
    border_->RestoreRgn();
  }
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 2);
}

}  // namespace skin_test
