// A skinned form with extended borders on, over the generated skin with an
// EXBORDER mask: the manager's margins and pictures, the border window the
// provider keeps (made, following the form, hidden with it, dropped with
// the skin), its caption buttons and corners, and what its window does with
// double-clicks and snapping.
#include <filesystem>
#include <fstream>

#include "skin/common/Composition.h"
#include "skin/forms/BorderForm.h"
#include "skin/forms/FormAnimations.h"
#include "tests/skin/forms/LayeredPushRecorder.h"
#include "tests/skin/forms/SkinnedFormFixture.h"

namespace skin_test {

using namespace classlib;
using namespace skin;

namespace {

// The generated skin's measures (tools/skingen/ExBorderSkin.h).
constexpr int kMargin = 20, kAlign = 2, kMaskBorder = 24, kCornerKey = 2;

}  // namespace

class BorderProviderTest : public SkinnedFormFixture {
 protected:
  void SetUp() override {
    SkinnedFormFixture::SetUp();
    for (const char* name : {"Options.dat", "MASTER.BMP", "EXBORDER.BMP"}) {
      std::ifstream in(fs::path(TESSARILO_EXBORDER_SKIN_DIR) / name, std::ios::binary);
      ASSERT_TRUE(in) << name;
      WriteFile(Skins() / "ExBorder" / name, std::string(std::istreambuf_iterator<char>(in), {}));
    }
    manager_->SetExtendedBorders(true);
    manager_->SetSkinName(L"ExBorder");
    Pump();
  }
  TacBorderForm* Border() const { return provider_->BorderForm(); }
  HWND BorderWnd() const { return Border() ? Border()->BorderWindow() : nullptr; }
  static RECT RectOf(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return r;
  }
};

TEST_F(BorderProviderTest, ManagerReadsTheMarginsAndPicturesOfTheMask) {
  EXPECT_EQ(manager_->ExtBorderMargins(), (TsExtBorderMargins{kMargin, kMargin, kMargin, kMargin}));
  const bmp32::TCustomBitmap32* inactive = manager_->ExtBorderImage(false);
  const bmp32::TCustomBitmap32* active = manager_->ExtBorderImage(true);
  ASSERT_NE(inactive, nullptr);
  ASSERT_NE(active, nullptr);
  EXPECT_EQ(inactive->Width(), 64);
  EXPECT_EQ(inactive->Height(), 64);
  // The opaque frame band next to the form: grey inactive, blue active.
  EXPECT_EQ(inactive->Pixel(kMargin + 1, 32), 0xFF707070u);
  EXPECT_EQ(active->Pixel(kMargin + 1, 32), 0xFF2060C0u);
  EXPECT_EQ(inactive->Pixel(0, 0), 0x00FF00FFu);  // the key corner
  manager_->SetExtendedBorders(false);
  EXPECT_EQ(manager_->ExtBorderMargins(), TsExtBorderMargins{});
  EXPECT_EQ(manager_->ExtBorderImage(true), nullptr);
}

TEST_F(BorderProviderTest, BorderWindowFollowsTheFormAndGoesWithTheSkin) {
  TLayeredPushRecorder recorder;
  MakeForm();
  ASSERT_NE(provider_->ExtBorder(), nullptr);
  HWND border = BorderWnd();
  ASSERT_NE(border, nullptr);
  EXPECT_TRUE(IsWindowVisible(border));
  EXPECT_EQ(GetWindow(border, GW_OWNER), Wnd());
  EXPECT_EQ(Border()->Values.Margins.Left, kMargin);
  ASSERT_FALSE(recorder.Frames.empty());
  EXPECT_EQ(recorder.Frames.back().Wnd, border);
  // Moves and sizes: the border stands at the offsets around the form and
  // reaches the margin beyond its far edges.
  form_->SetBounds(150, 130, 420, 320);
  Pump();
  RECT b = RectOf(border), f = RectOf(Wnd());
  EXPECT_EQ(b.left, f.left - Border()->LeftOffset());
  EXPECT_EQ(b.top, f.top - Border()->TopOffset());
  EXPECT_EQ(b.right, f.right + kMargin);
  EXPECT_EQ(b.bottom, f.bottom + kMargin);
  const TPushedFrame& last = recorder.Frames.back();
  EXPECT_EQ(last.Width, b.right - b.left);
  // Hidden and shown with the form.
  form_->Hide();
  Pump();
  EXPECT_FALSE(IsWindowVisible(border));
  form_->Show();
  Pump();
  EXPECT_TRUE(IsWindowVisible(BorderWnd()));
  // Not allowed by the provider, then allowed again.
  provider_->SetAllowExtBorders(false);
  EXPECT_EQ(provider_->ExtBorder(), nullptr);
  EXPECT_FALSE(IsWindow(border));
  provider_->SetAllowExtBorders(true);
  Pump();
  ASSERT_NE(BorderWnd(), nullptr);
  border = BorderWnd();
  // Freed when the skin goes, and when the manager stops allowing them.
  manager_->SetActive(false);
  Pump();
  EXPECT_EQ(provider_->ExtBorder(), nullptr);
  EXPECT_FALSE(IsWindow(border));
  manager_->SetActive(true);
  Pump();
  ASSERT_NE(provider_->ExtBorder(), nullptr);
  manager_->SetExtendedBorders(false);
  Pump();
  EXPECT_EQ(provider_->ExtBorder(), nullptr);
}

TEST_F(BorderProviderTest, MaximizedFormGoesWithoutItWhileTheSwitchIsOn) {
  SetNoExtBordersWhenMaximized(true);
  MakeForm();
  ASSERT_NE(provider_->ExtBorder(), nullptr);
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  Pump();
  EXPECT_EQ(provider_->ExtBorder(), nullptr);
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  EXPECT_NE(provider_->ExtBorder(), nullptr);
  SetNoExtBordersWhenMaximized(false);
}

TEST_F(BorderProviderTest, NoBorderWithoutCaptionOrWithoutTheManagersSwitch) {
  MakeForm(bsNone);
  EXPECT_EQ(provider_->ExtBorder(), nullptr);
  manager_->SetExtendedBorders(false);
  MakeForm();
  EXPECT_EQ(provider_->ExtBorder(), nullptr);
}

TEST_F(BorderProviderTest, CaptionButtonsAnswerOverTheBorder) {
  MakeForm();
  ASSERT_NE(Border(), nullptr);
  const RECT close = provider_->SystemButton(HTCLOSE).Rect;
  ASSERT_GT(close.right, close.left);
  const RECT f = RectOf(Wnd());
  const POINT centre{f.left + (close.left + close.right) / 2, f.top + (close.top + close.bottom) / 2};
  EXPECT_EQ(Border()->HitTest(centre), HTCLOSE);
  const RECT max = provider_->SystemButton(HTMAXBUTTON).Rect;
  EXPECT_EQ(Border()->HitTest(POINT{f.left + (max.left + max.right) / 2, f.top + (max.top + max.bottom) / 2}),
            HTMAXBUTTON);
  // Beside the buttons in the caption band: the caption; far out in the
  // side shadow: through.
  const RECT b = RectOf(BorderWnd());
  EXPECT_EQ(Border()->HitTest(POINT{f.left + 150, b.top + kMargin + 5}), HTCAPTION);
  EXPECT_EQ(Border()->HitTest(POINT{b.left + 3, (b.top + b.bottom) / 2}), -1);
  // The window answers the frame as a border, so that mouse input comes as
  // non-client messages.
  EXPECT_EQ(SendMessageW(BorderWnd(), WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), 19);
}

TEST_F(BorderProviderTest, CloseButtonClickedOnTheBorderClosesTheForm) {
  MakeForm();
  ASSERT_NE(BorderWnd(), nullptr);
  // The form keeps only its inside: the border window shows frame and caption.
  HRGN formRegion = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Wnd(), formRegion), ERROR);
  EXPECT_FALSE(PtInRegion(formRegion, 1, 1));
  EXPECT_TRUE(PtInRegion(formRegion, 200, 150));
  DeleteObject(formRegion);
  const RECT close = provider_->SystemButton(HTCLOSE).Rect;
  const RECT f = RectOf(Wnd());
  const LPARAM at = MAKELPARAM(f.left + (close.left + close.right) / 2, f.top + (close.top + close.bottom) / 2);
  SendMessageW(BorderWnd(), WM_NCLBUTTONDOWN, 19, at);
  EXPECT_EQ(provider_->CurrentButton(), HTCLOSE);
  SendMessageW(BorderWnd(), WM_NCLBUTTONUP, 19, at);
  Pump();
  EXPECT_FALSE(IsWindowVisible(Wnd()));
}

TEST_F(BorderProviderTest, RegionLosesTheKeyCornersAndTheClientArea) {
  MakeForm();
  ASSERT_NE(BorderWnd(), nullptr);
  HRGN region = Border()->MakeRgn(0, 0);
  ASSERT_NE(region, nullptr);
  const RECT b = RectOf(BorderWnd());
  const int w = b.right - b.left, h = b.bottom - b.top;
  // The frame's picture starts at the left offset less the margin.
  const int x0 = Border()->LeftOffset() - kMargin, y0 = Border()->TopOffset() - kMargin;
  struct Case {
    int x, y;
    bool in;
    const char* what;
  };
  const Case cases[] = {
      {x0, y0, false, "top-left key"},
      {x0 + kCornerKey - 1, y0 + kCornerKey - 1, false, "top-left key, inner pixel"},
      {x0 + kCornerKey, y0, true, "top edge beside the key"},
      {w - 1, y0, false, "top-right key"},
      {x0, h - 1, false, "bottom-left key"},
      {w - 1, h - 1, false, "bottom-right key"},
      {w / 2, h - 1, true, "bottom shadow"},
      {w / 2, h / 2, false, "the client hole"},
  };
  for (const Case& c : cases) EXPECT_EQ(PtInRegion(region, c.x, c.y) != 0, c.in) << c.what;
  DeleteObject(region);
  // Maximized: the inner box, no corners to cut.
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  Pump();
  region = Border()->MakeRgn(0, 0);
  EXPECT_FALSE(PtInRegion(region, x0, y0));
  DeleteObject(region);
}

TEST_F(BorderProviderTest, PushedPictureHasTheShadowAndTheForm) {
  TLayeredPushRecorder recorder;
  MakeForm();
  SetForegroundWindow(Wnd());
  Pump();
  ASSERT_NE(BorderWnd(), nullptr);
  Border()->UpdateExBorders(true, 255);
  ASSERT_FALSE(recorder.Frames.empty());
  const TPushedFrame& frame = recorder.Frames.back();
  const int x0 = Border()->LeftOffset() - kMargin, y0 = Border()->TopOffset() - kMargin;
  const int midY = frame.Height / 2;
  // Shadow: black, its alpha rising by 8 a pixel from the picture's edge
  // (which may lie a pixel or two left of the window's).
  ASSERT_GE(x0 + 3, 0);
  EXPECT_EQ(frame.At(x0 + 3, midY) >> 24, 24u);
  EXPECT_GT(frame.At(x0 + kMargin - 1, midY) >> 24, 100u);
  EXPECT_EQ(frame.At(x0 + kMargin - 1, midY) & 0xFFFFFF, 0u);
  // The form's own picture is opaque in its place.
  EXPECT_EQ(frame.At(Border()->LeftOffset() + 50, Border()->TopOffset() + 100) >> 24, 255u);
  const std::wstring dir = skin::paint::testing::PicturesDir();
  if (!dir.empty()) SaveFramesOverCheckerboard({&frame}, dir + L"\\exborder-form.png");
}

TEST_F(BorderProviderTest, DoubleClickOnTheCaptionBandMaximizesAndRestores) {
  MakeForm();
  ASSERT_NE(BorderWnd(), nullptr);
  const RECT b = RectOf(BorderWnd());
  const LPARAM caption = MAKELPARAM(b.left + 150, b.top + kMargin + 5);
  SendMessageW(BorderWnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, caption);
  Pump();
  EXPECT_TRUE(IsZoomed(Wnd()));
  const RECT zb = RectOf(BorderWnd());
  SendMessageW(BorderWnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(zb.left + 150, zb.top + kMargin + 5));
  Pump();
  EXPECT_FALSE(IsZoomed(Wnd()));
  // A double-click on the top band stretches the form over the work
  // area's height and back.
  const RECT before = RectOf(Wnd());
  const RECT nb = RectOf(BorderWnd());
  SendMessageW(BorderWnd(), WM_NCLBUTTONDBLCLK, HTTOP, MAKELPARAM(nb.left + 150, nb.top + kMargin - kAlign));
  Pump();
  EXPECT_GT(RectOf(Wnd()).bottom - RectOf(Wnd()).top, before.bottom - before.top);
  EXPECT_TRUE(provider_->StateBits() & 0x2000);
  const RECT tall = RectOf(BorderWnd());
  SendMessageW(BorderWnd(), WM_NCLBUTTONDBLCLK, HTTOP, MAKELPARAM(tall.left + 150, tall.top + kMargin - kAlign));
  Pump();
  EXPECT_EQ(RectOf(Wnd()).top, before.top);
  EXPECT_EQ(RectOf(Wnd()).bottom, before.bottom);
}

TEST_F(BorderProviderTest, TranslucentMoveSnapsTheBorderToTheWorkArea) {
  MakeForm();
  ASSERT_NE(BorderWnd(), nullptr);
  provider_->SetScreenSnap(true);
  provider_->SetSnapBuffer(20);
  provider_->SetStateBits(provider_->StateBits() | 0x80);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  // The frame's left edge (less the margin, plus the bands' reach) lands 5
  // pixels from the work area's left: it snaps onto it.
  SetWindowPos(BorderWnd(), nullptr, work.left + 5 - kMargin + kAlign, 300, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(RectOf(BorderWnd()).left, work.left - kMargin + kAlign);
  // Far from every edge it stays where it was put.
  SetWindowPos(BorderWnd(), nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(RectOf(BorderWnd()).left, 300);
  provider_->SetStateBits(provider_->StateBits() & ~0x80u);
}

TEST_F(BorderProviderTest, BlurBehindOnlyUnderComposition) {
  MakeForm();
  ASSERT_NE(Border(), nullptr);
  Border()->UpdateExBorders(true, 255);
  EXPECT_FALSE(Border()->BlurBehind());
  auto old = SetCompositionQuery([] { return true; });
  Border()->UpdateExBorders(true, 255);
  EXPECT_TRUE(Border()->BlurBehind());
  manager_->Effects()->SetAllowAeroBluring(false);
  Border()->UpdateExBorders(true, 255);
  EXPECT_FALSE(Border()->BlurBehind());
  SetCompositionQuery(old);
}

TEST_F(BorderProviderTest, GdiCountStaysOverAHundredUpdates) {
  MakeForm();
  ASSERT_NE(Border(), nullptr);
  for (int i = 0; i < 3; ++i) Border()->UpdateExBorders(true, 255);
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 100; ++i) {
    form_->SetBounds(100 + i % 7, 100, 400 + i % 3, 300);
    Border()->UpdateExBorders(true, 255);
  }
  Pump();
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 2);
}

}  // namespace skin_test
