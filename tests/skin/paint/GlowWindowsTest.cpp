// Glow windows over a skin made here: a BUTTON section with a 12 x 12 glow
// mask "GLOW0" (4-pixel borders, mask rows below the picture), an EDIT
// section whose mask lies only under "HALO" and a CHILD section that would
// inherit BUTTON's mask. With TESSARILO_PICTURES_DIR set under Xvfb a
// picture of a glow on the screen is saved there.
#ifdef _WIN32
#include "skin/paint/GlowWindows_Gdi.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "FixtureSkin.h"
#include "tests/skin/paint/DcPixels.h"
#include "png/PngObject.h"
#include "skin/core/CacheInfo.h"
#include "skin/paint/LayeredPush_Gdi.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {
namespace {

namespace fs = std::filesystem;

constexpr char kOptions[] =
    "[GLOBALINFO]\r\nVERSION=8.0\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=8421504\r\n"
    "[BUTTON]\r\nCOLOR=33023\r\nGLOW=1\r\nGLOWMARGIN=3\r\n"
    "GLOW0=^0000,0000,0012,0024,0004,0004,0004,0004,1,1,0,0\r\n"
    "[EDIT]\r\nCOLOR=33023\r\nHALO=^0000,0000,0012,0024,0004,0004,0004,0004,1,1,0,0\r\n"
    "[CHILD]\r\nPARENTCLASS=BUTTON\r\nCOLOR=33023\r\n"
    "[PANEL]\r\nCOLOR=33023\r\nGLOW0=!GLOW.BMP!1!0!0!4!4!4!4!0\r\n";

// The glow picture: warm colours by position; its mask clear at the rim
// (255) and solid from 4 pixels in (0).
std::uint32_t MasterPixel(int x, int y) {
  if (y < 12) return 0xFF0000u | static_cast<std::uint32_t>(20 * x) << 8 | static_cast<std::uint32_t>(15 * y);
  y -= 12;
  const int in = std::min({x, 11 - x, y, 11 - y});
  const std::uint32_t m = static_cast<std::uint32_t>(std::max(0, 255 - 64 * in));
  return m << 16 | m << 8 | m;
}

// A glow with alpha of its own (a 32-bit BMP, premultiplied as layered
// windows take it): orange, fading out over 4 pixels toward the rim.
std::string GlowBmp32() {
  constexpr int n = 12;
  return skin::testing::BmpFile(n, n, 32, [](int x, int y) {
    const int in = std::min({x, n - 1 - x, y, n - 1 - y});
    const std::uint32_t a = static_cast<std::uint32_t>(std::min(255, 40 + 60 * in));
    return a << 24 | (255 * a / 255) << 16 | (160 * a / 255) << 8 | (32 * a / 255);
  });
}

using testing::PixelsOf;

class GlowWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = std::make_unique<testing::TFixtureSkin>(kOptions, 12, 24, MasterPixel,
                                                   std::vector<std::pair<std::string, std::string>>{
                                                       {"GLOW.BMP", GlowBmp32()}});
    manager_ = skin_->Manager();
    ASSERT_NE(manager_->Skin(), nullptr);
    // The control's top-level window covers the glow's place; a button in it is the control.
    top_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 50, 50, 300, 200, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    control_ = CreateWindowExW(0, L"BUTTON", L"Glow", WS_CHILD | WS_VISIBLE, 50, 50, 80, 30, top_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(top_);
    savedPush_ = SetLayeredPushHandler([this](const TLayeredPush& push) {
      pushed_.push_back({push.Position, push.Size, push.SourceOrigin, PixelsOf(push.Source, push.SourceOrigin, push.Size)});
      return SystemPushLayeredWindow(push);
    });
  }
  void TearDown() override {
    CloseAllGlows(true);
    SetLayeredPushHandler(savedPush_);
    DestroyWindow(top_);
    skin_.reset();
  }

  // The control at (100, 100, 180, 130) with its visible part ClipRect.
  std::int32_t Open(const TRect& clip = TRect{0, 0, 80, 30}, const wchar_t* section = L"BUTTON",
                    const wchar_t* mask = L"GLOW") {
    return OpenGlow(TRect{100, 100, 180, 130}, clip, section, manager_, control_, 255, 3, mask);
  }

  // The whole glow picture as the painter makes it: state 0 of the mask over
  // a transparent bitmap of that size.
  std::vector<std::uint32_t> Painted(const wchar_t* section, std::int32_t w, std::int32_t h, POINT origin, SIZE size) {
    classlib::TBitmap bmp;
    bmp.SetPixelFormat(classlib::pf32bit);
    bmp.SetSize(w, h);
    const TPixelView view = ViewOf(&bmp);
    for (std::int32_t y = 0; y < h; ++y) std::fill_n(view.Row32(y), w, 0u);
    const int index = manager_->FindMaskIndex(section, L"GLOW0");
    PaintMaskRect(&bmp, TRect{0, 0, w, h}, false, EmptyCacheInfo, manager_->Skin()->Masks[index], 0, false,
                  manager_);
    return PixelsOf(bmp.Canvas()->Handle(), origin, size);
  }

  struct Push {
    POINT position;
    SIZE size;
    POINT origin;
    std::vector<std::uint32_t> pixels;
  };
  std::unique_ptr<testing::TFixtureSkin> skin_;
  TsSkinManager* manager_ = nullptr;
  HWND top_ = nullptr, control_ = nullptr;
  TLayeredPushHandler savedPush_;
  std::vector<Push> pushed_;
};

TEST_F(GlowWindows, ASectionWithoutItsOwnMaskUnderTheNameAndZeroGetsNoGlow) {
  EXPECT_EQ(Open(TRect{0, 0, 80, 30}, L"EDIT", L"HALO"), -1);   // only "HALO", no "HALO0"
  EXPECT_EQ(Open(TRect{0, 0, 80, 30}, L"CHILD", L"GLOW"), -1);  // its parent's is not taken
  EXPECT_EQ(Open(TRect{0, 0, 80, 30}, L"NOSUCH", L"GLOW"), -1);
  EXPECT_TRUE(pushed_.empty());
  // No manager given: the default one (the fixture's, the first made) has the mask.
  ASSERT_EQ(TsSkinManager::DefaultManager(), manager_);
  EXPECT_GE(OpenGlow(TRect{100, 100, 180, 130}, TRect{0, 0, 80, 30}, L"BUTTON", nullptr, control_, 0, 3, L"GLOW"), 0);
}

TEST_F(GlowWindows, TheWindowLiesDirectlyAboveTheTopLevelWindowUnactivatedAndClickThrough) {
  const std::int32_t index = Open();
  ASSERT_GE(index, 0);
  const HWND glow = GlowWindow(index);
  ASSERT_NE(glow, nullptr);
  RECT r{};
  GetWindowRect(glow, &r);
  // 80 + 4 + 4 - 2 x 3 by 30 + 4 + 4 - 2 x 3, from (100 - 4 + 3, 100 - 4 + 3).
  EXPECT_EQ(r.left, 99);
  EXPECT_EQ(r.top, 99);
  EXPECT_EQ(r.right, 181);
  EXPECT_EQ(r.bottom, 131);
  EXPECT_TRUE(IsWindowVisible(glow));
  EXPECT_EQ(GetWindow(glow, GW_HWNDNEXT), top_);
  EXPECT_EQ(GetWindow(glow, GW_OWNER), nullptr);
  EXPECT_EQ(GetAncestor(glow, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(glow, GWL_EXSTYLE)) & 0x080800A0u, 0x080800A0u);
  EXPECT_EQ(GetActiveWindow(), top_);
  EXPECT_EQ(SendMessageW(glow, WM_NCHITTEST, 0, MAKELPARAM(120, 110)), HTTRANSPARENT);
  const HWND under = WindowFromPoint(POINT{120, 110});
  EXPECT_NE(under, glow);
  EXPECT_TRUE(under == top_ || IsChild(top_, under));
}

TEST_F(GlowWindows, ClosingMinusOneAnIndexBeyondTheListOrTwiceDoesNothing) {
  const std::int32_t first = Open(), second = Open();
  ASSERT_GE(first, 0);
  ASSERT_EQ(second, first + 1);
  const HWND a = GlowWindow(first), b = GlowWindow(second);
  CloseGlow(-1);
  CloseGlow(second + 1);
  CloseGlow(1000);
  EXPECT_TRUE(IsWindow(a));
  EXPECT_TRUE(IsWindow(b));
  CloseGlow(first);
  EXPECT_FALSE(IsWindow(a));
  EXPECT_EQ(GlowWindow(first), nullptr);
  CloseGlow(first);
  EXPECT_TRUE(IsWindow(b));
  EXPECT_EQ(Open(), second + 1);  // the closed entry keeps its place
  CloseAllGlows(true);
  EXPECT_FALSE(IsWindow(b));
  EXPECT_EQ(GlowWindow(second), nullptr);
  EXPECT_EQ(Open(), 0);  // the list starts again
}

// BUTTON's glow has mask rows in the master bitmap: premultiplied colours
// with alpha 0 (light added to what lies below). PANEL's has an image with
// alpha of its own, copied as it is.
TEST_F(GlowWindows, TheWindowShowsThePaintedMaskWholeOrTheVisiblePart) {
  struct Case {
    const wchar_t* section;
    TRect clip;
    RECT window;
    POINT origin;
  } cases[] = {
      {L"BUTTON", TRect{0, 0, 80, 30}, RECT{99, 99, 181, 131}, POINT{0, 0}},
      {L"BUTTON", TRect{20, 0, 80, 30}, RECT{120, 99, 181, 131}, POINT{21, 0}},  // left 20 hidden
      {L"BUTTON", TRect{0, 0, 50, 30}, RECT{99, 99, 150, 131}, POINT{0, 0}},     // right 30 hidden
      {L"PANEL", TRect{0, 0, 80, 30}, RECT{99, 99, 181, 131}, POINT{0, 0}},
      {L"PANEL", TRect{0, 10, 80, 30}, RECT{99, 110, 181, 131}, POINT{0, 11}},  // top 10 hidden
  };
  for (const Case& c : cases) {
    pushed_.clear();
    const std::int32_t index = Open(c.clip, c.section);
    ASSERT_GE(index, 0);
    ASSERT_EQ(pushed_.size(), 1u);
    const Push& p = pushed_.front();
    EXPECT_EQ(p.position.x, c.window.left);
    EXPECT_EQ(p.position.y, c.window.top);
    EXPECT_EQ(p.size.cx, c.window.right - c.window.left);
    EXPECT_EQ(p.size.cy, c.window.bottom - c.window.top);
    EXPECT_EQ(p.origin.x, c.origin.x);
    EXPECT_EQ(p.origin.y, c.origin.y);
    EXPECT_EQ(p.pixels, Painted(c.section, 82, 32, p.origin, p.size));
    EXPECT_NE(std::count(p.pixels.begin(), p.pixels.end(), 0u), static_cast<std::ptrdiff_t>(p.pixels.size()));
    RECT r{};
    GetWindowRect(GlowWindow(index), &r);
    EXPECT_TRUE(EqualRect(&r, &c.window));
    // The own image's alpha reaches the window: 40 + 60 x 3 on the row next to the control.
    if (c.section == std::wstring_view(L"PANEL") && c.origin.y == 0)
      EXPECT_EQ(p.pixels[static_cast<std::size_t>(3) * 82 + 40] >> 24, 220u);
    CloseGlow(index);
  }
}

TEST_F(GlowWindows, AGlowUnderOnePixelMakesNoWindow) {
  // A margin that eats the control and its borders.
  EXPECT_EQ(OpenGlow(TRect{100, 100, 104, 104}, TRect{0, 0, 4, 4}, L"BUTTON", manager_, control_, 0, 10,
                     L"GLOW"),
            -1);
  EXPECT_TRUE(pushed_.empty());
}

TEST_F(GlowWindows, PictureOnTheScreen) {
  const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
  if (dir == nullptr || GetSystemMetrics(SM_CXSCREEN) < 400) GTEST_SKIP() << "no pictures folder or display";
  const std::int32_t index = Open(TRect{0, 0, 80, 30}, L"PANEL");
  ASSERT_GE(index, 0);
  for (int i = 0; i < 20; ++i) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(25);
  }
  classlib::TBitmap shot;
  shot.SetPixelFormat(classlib::pf32bit);
  shot.SetSize(200, 120);
  const HDC screen = GetDC(nullptr);
  BitBlt(shot.Canvas()->Handle(), 0, 0, 200, 120, screen, 40, 60, SRCCOPY);
  ReleaseDC(nullptr, screen);
  shot.SetPixelFormat(classlib::pf24bit);
  png::TPNGObject image;
  image.Assign(&shot);
  image.SaveToFile(fs::path(dir).wstring() + L"\\glow-screen.png");
  // The glow picture itself, on white.
  ASSERT_FALSE(pushed_.empty());
  classlib::TBitmap picture;
  picture.SetPixelFormat(classlib::pf32bit);
  picture.SetSize(82 * 4, 32 * 4);
  const TPixelView view = ViewOf(&picture);
  for (std::int32_t y = 0; y < view.Height; ++y)
    for (std::int32_t x = 0; x < view.Width; ++x) {
      const std::uint32_t p = pushed_.front().pixels[static_cast<std::size_t>(y / 4) * 82 + x / 4];
      const std::uint32_t a = p >> 24;
      std::uint32_t out = 0;
      for (int shift = 0; shift < 24; shift += 8)
        out |= (((p >> shift) & 0xFF) * a / 255 + 255 - a) << shift;  // over white
      view.Row32(y)[x] = out;
    }
  picture.SetPixelFormat(classlib::pf24bit);
  png::TPNGObject pictureImage;
  pictureImage.Assign(&picture);
  pictureImage.SaveToFile(fs::path(dir).wstring() + L"\\glow-picture.png");
}

}  // namespace
}  // namespace skin::paint
#endif
