// Window animations on real layered windows, every frame recorded where it
// is pushed: alphas and zoom of show animations, the hide fade, the change
// animation without steps, and graphic children painted off-screen.
#include "skin/common/WindowAnimations.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "png/PngObject.h"
#include "skin/common/ControlImages.h"
#include "skin/common/ControlUtils.h"
#include "skin/paint/LayeredPush_Gdi.h"
#include "tests/skin/common/SkinStateFixture.h"
#include "tests/skin/paint/DcPixels.h"
#include "tests/skin/common/SkinnedFormFixture.h"

namespace skin_test {
namespace {

using namespace skin;

// The pushed picture's pixels (0xAARRGGBB), row by row.
std::vector<std::uint32_t> PixelsOf(HDC dc, SIZE size) { return skin::paint::testing::PixelsOf(dc, POINT{0, 0}, size); }

struct Frame {
  HWND wnd;
  int alpha;
  SIZE size;
  std::vector<std::uint32_t> pixels;
};

class WindowAnimations : public SkinStateFixture {
 protected:
  void SetUp() override {
    SkinStateFixture::SetUp();
    skinned_.reset(classlib::New<TestSkinnedForm>(classlib::Application));
    skinned_->SetBounds(200, 150, 160, 120);
    skinned_->SetColor(0x00C08040);
    skinned_->Show();
    skinned_->FillCache(0x0000FF);
    savedPush_ = paint::SetLayeredPushHandler([this](const paint::TLayeredPush& push) {
      EXPECT_NE(GetWindowLongW(push.Wnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
      frames_.push_back({push.Wnd, push.Blend.SourceConstantAlpha, push.Size,
                         keepPixels_ ? PixelsOf(push.Source, push.Size) : std::vector<std::uint32_t>{}});
      return paint::SystemPushLayeredWindow(push);
    });
  }
  void TearDown() override {
    paint::SetLayeredPushHandler(savedPush_);
    skinned_.reset();
    SkinStateFixture::TearDown();
  }
  std::vector<int> Alphas() const {
    std::vector<int> alphas;
    for (const Frame& f : frames_) alphas.push_back(f.alpha);
    return alphas;
  }

  std::unique_ptr<TestSkinnedForm> skinned_;
  paint::TLayeredPushHandler savedPush_;
  std::vector<Frame> frames_;
  bool keepPixels_ = false;
};

TEST_F(WindowAnimations, AFormFadesInFrameByFrame) {
  AnimShowForm(*skinned_, 100, 255, atFading);
  EXPECT_EQ(Alphas(), (std::vector<int>{32, 64, 96, 128, 159, 191, 223, 255, 255}));
  EXPECT_EQ(frames_.front().size.cx, 160);
  EXPECT_NE(frames_.front().wnd, skinned_->Handle());  // an auxiliary layered window
  EXPECT_EQ(skinned_->afterAnimations, 1);
  EXPECT_FALSE(AnimationRunning());
  EXPECT_NE(GetWindowLongW(skinned_->Handle(), GWL_STYLE) & WS_VISIBLE, 0);
  EXPECT_FALSE(IsWindow(frames_.front().wnd));  // removed afterwards

  frames_.clear();
  AnimShowForm(*skinned_, 11, 200, atFading);
  EXPECT_EQ(Alphas(), std::vector<int>{200});

  // Without a skinned picture there is nothing to show.
  frames_.clear();
  skinned_->SkinData()->CacheBmp()->SetSize(0, 0);
  AnimShowForm(*skinned_, 100, 255, atFading);
  EXPECT_TRUE(frames_.empty());
}

TEST_F(WindowAnimations, AZoomStartsAnEighthInsideAndEndsWhole) {
  keepPixels_ = true;
  AnimShowForm(*skinned_, 120, 255, atAero);
  ASSERT_EQ(frames_.size(), 11u);
  const auto at = [](const Frame& f, int x, int y) { return f.pixels[static_cast<std::size_t>(y * f.size.cx + x)]; };
  // 160 x 120: the first frame covers (20, 15)-(140, 105).
  EXPECT_EQ(at(frames_.front(), 19, 60) >> 24, 0u);
  EXPECT_EQ(at(frames_.front(), 20, 60) >> 24, 255u);
  EXPECT_EQ(at(frames_.front(), 80, 14) >> 24, 0u);
  EXPECT_EQ(at(frames_.front(), 139, 104) >> 24, 255u);
  EXPECT_EQ(at(frames_.front(), 140, 60) >> 24, 0u);
  EXPECT_EQ(at(frames_.back(), 0, 0) >> 24, 255u);
  EXPECT_EQ(at(frames_.back(), 159, 119) >> 24, 255u);

  const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
  if (!dir) return;
  // A contact sheet of the frames over a checkerboard, as the screen would blend them.
  const int w = 160, h = 120, columns = 4;
  const int rows = (static_cast<int>(frames_.size()) + columns - 1) / columns;
  classlib::TBitmap sheet;
  sheet.SetPixelFormat(classlib::pf32bit);
  sheet.SetSize(columns * (w + 4), rows * (h + 4));
  for (int y = 0; y < sheet.Height(); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(sheet.ScanLine(y));
    for (int x = 0; x < sheet.Width(); ++x) {
      const int cell = static_cast<int>(frames_.size());
      const int index = (y / (h + 4)) * columns + x / (w + 4);
      const int fx = x % (w + 4), fy = y % (h + 4);
      const std::uint32_t board = ((x / 8 + y / 8) % 2) ? 0xC0C0C0 : 0xFFFFFF;
      std::uint32_t out = board;
      if (index < cell && fx < w && fy < h) {
        const Frame& f = frames_[static_cast<std::size_t>(index)];
        const std::uint32_t p = at(f, fx, fy);
        const std::uint32_t a = (p >> 24) * static_cast<std::uint32_t>(f.alpha) / 255;
        out = 0;
        for (int shift = 0; shift < 24; shift += 8) {
          const std::uint32_t s = ((p >> shift) & 0xFF) * static_cast<std::uint32_t>(f.alpha) / 255;  // premultiplied
          out |= std::min<std::uint32_t>(255, s + ((board >> shift) & 0xFF) * (255 - a) / 255) << shift;
        }
      }
      row[x] = out;
    }
  }
  sheet.SetPixelFormat(classlib::pf24bit);
  png::TPNGObject image;
  image.Assign(&sheet);
  image.SaveToFile(std::filesystem::path(dir).wstring() + L"\\form-show-frames.png");
}

class TestDialog : public TsAnimatedDialog {
 public:
  explicit TestDialog(HWND wnd) : wnd_(wnd), cache_(paint::NewBitmap32(150, 100)) {
    paint::FillRect32(cache_.get(), TRect{0, 0, 150, 100}, 0x00FF00, 128);
  }
  HWND Window() const override { return wnd_; }
  classlib::TBitmap* CacheBmp() const override { return cache_.get(); }
  TsExtBorder* ExtBorder() const override { return nullptr; }
  void PaintNonClientArea() override { ++nonClientPaints; }
  int ClientOffsetX() const override { return 3; }
  int ClientOffsetY() const override { return 22; }
  POINT ExtBorderOffset() const override { return POINT{0, 0}; }
  void ApplyWindowRegion(bool) override {}
  void PaintClientArea(HDC dc) override {
    RECT r{0, 0, 10, 10};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  int nonClientPaints = 0;

 private:
  HWND wnd_;
  std::unique_ptr<classlib::TBitmap> cache_;
};

TEST_F(WindowAnimations, ADialogReachesFullAlphaOnItsLastFrame) {
  keepPixels_ = true;
  TestDialog dialog(form_->Handle());
  AnimShowDlg(dialog, 100, 255, atFading);
  EXPECT_EQ(Alphas(), (std::vector<int>{28, 57, 85, 113, 142, 170, 198, 227, 255}));
  EXPECT_EQ(dialog.nonClientPaints, 1);
  // Without extended borders the whole picture is opaque.
  EXPECT_EQ(frames_.back().pixels.front() >> 24, 255u);
  EXPECT_FALSE(AnimationRunning());
}

// A window that tells when it is freed.
class WatchedWindow : public TacLayeredWindow {
 public:
  WatchedWindow(bool* freed) : TacLayeredWindow(nullptr), freed_(freed) {}
  ~WatchedWindow() override { *freed_ = true; }

 private:
  bool* freed_;
};

TEST_F(WindowAnimations, AHideFadesOutOnTheTimerAndFreesItsWindow) {
  bool freed = false;
  auto window = std::make_unique<WatchedWindow>(&freed);
  window->SetBounds(10, 10, 50, 40);
  window->HandleNeeded();
  AnimHideWindow(std::move(window), std::unique_ptr<classlib::TBitmap>(paint::NewBitmap32(50, 40)), 0, atFading, 255);
  EXPECT_TRUE(freed);  // no steps: at once
  EXPECT_TRUE(frames_.empty());

  freed = false;
  window = std::make_unique<WatchedWindow>(&freed);
  window->SetBounds(10, 10, 50, 40);
  window->HandleNeeded();
  AnimHideWindow(std::move(window), std::unique_ptr<classlib::TBitmap>(paint::NewBitmap32(50, 40)), 48, atAero, 200);
  EXPECT_TRUE(HideAnimationRunning());
  for (int i = 0; i < 200 && HideAnimationRunning(); ++i) PumpFor(10);
  EXPECT_TRUE(freed);
  EXPECT_EQ(Alphas(), (std::vector<int>{200, 150, 100, 50, 0, 0}));
}

TEST_F(WindowAnimations, AChangeWithoutStepsShowsTheNewPictureAtOnceAndPutsDrawingBack) {
  auto* panel = Add<CountingPanel>(form_.get(), 10, 10, 60, 30);
  form_->Show();
  ShowOutputWindow(panel);
  ASSERT_NE(AnimationCoverWindow(), nullptr);
  SendMessageW(panel->Handle(), WM_SETREDRAW, 0, 0);
  AnimChange(panel, 0, 255, atFading);
  EXPECT_EQ(AnimationCoverWindow(), nullptr);  // hidden again
  EXPECT_NE(GetWindowLongW(panel->Handle(), GWL_STYLE) & WS_VISIBLE, 0);
  EXPECT_FALSE(AnimationRunning());

  // A form changes through a layered window with the form's arithmetic.
  SendMessageW(skinned_->Handle(), WM_SETREDRAW, 0, 0);
  AnimChange(skinned_.get(), 24, 255, atFading);
  EXPECT_EQ(Alphas(), (std::vector<int>{128, 255, 255}));
  EXPECT_NE(GetWindowLongW(skinned_->Handle(), GWL_STYLE) & WS_VISIBLE, 0);
  EXPECT_GE(skinned_->regionsApplied, 1);
}

// Paints itself in one colour, the key colour at its own top-left pixel
// when asked to look empty.
class Swatch : public classlib::TGraphicControl {
 public:
  Swatch(classlib::TComponent* owner, COLORREF colour, bool keyCorner)
      : TGraphicControl(owner), colour_(colour), keyCorner_(keyCorner) {}

 protected:
  void WndProc(classlib::TMessage& message) override {
    if (message.Msg == WM_PAINT && message.WParam) {
      const HDC dc = reinterpret_cast<HDC>(message.WParam);
      HBRUSH brush = CreateSolidBrush(colour_);
      RECT r{0, 0, Width(), Height()};
      FillRect(dc, &r, brush);
      DeleteObject(brush);
      if (keyCorner_) SetPixel(dc, 0, 0, 0xFF00FF);
      return;
    }
    TGraphicControl::WndProc(message);
  }

 private:
  COLORREF colour_;
  bool keyCorner_;
};

TEST_F(WindowAnimations, GraphicChildrenArePaintedOffScreenAndCopiedWithTheOffset) {
  form_->Show();
  auto* painted = classlib::New<Swatch>(form_.get(), RGB(0, 0, 255), false);
  painted->SetBounds(10, 10, 20, 20);
  painted->SetParent(form_.get());
  auto* empty = classlib::New<Swatch>(form_.get(), RGB(0, 0, 255), true);
  empty->SetBounds(50, 10, 20, 20);
  empty->SetParent(form_.get());
  std::unique_ptr<classlib::TBitmap> target(paint::NewBitmap32(200, 100));
  paint::FillRect32(target.get(), TRect{0, 0, 200, 100}, 0xFFFFFF, 255);
  HDC dc = target->Canvas()->Handle();
  PaintGraphicControls(dc, form_.get(), true, POINT{5, 5});
  EXPECT_EQ(GetPixel(dc, 15, 15), RGB(0, 0, 255));    // painted, moved by the offset
  EXPECT_EQ(GetPixel(dc, 14, 14), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 60, 20), RGB(255, 255, 255));  // painted nothing: not copied
}

TEST_F(WindowAnimations, AControlTreeIsRenderedWhereItsWindowsLie) {
  form_->SetColor(0x00FFFFFF);
  auto* swatch = classlib::New<Swatch>(form_.get(), RGB(0, 128, 0), false);
  swatch->SetBounds(20, 10, 30, 20);
  swatch->SetParent(form_.get());
  form_->Show();
  std::unique_ptr<classlib::TBitmap> image(paint::NewBitmap32(form_->Width(), form_->Height()));
  CopyControlImage(*image, form_.get(), 0, nullptr, 0);
  RECT client{};
  GetClientRectInWindow(form_->Handle(), client);
  HDC dc = image->Canvas()->Handle();
  EXPECT_EQ(GetPixel(dc, client.left + 25, client.top + 15), RGB(0, 128, 0));
  EXPECT_EQ(GetPixel(dc, client.left + 5, client.top + 5), RGB(255, 255, 255));
  // A hidden control shows its parent's background.
  auto* hidden = Add<CountingPanel>(form_.get(), 60, 10, 30, 20);
  hidden->Hide();
  std::unique_ptr<classlib::TBitmap> part(paint::NewBitmap32(30, 20));
  paint::FillRect32(part.get(), TRect{0, 0, 30, 20}, 0x000000, 255);
  CopyControlImage(*part, hidden, 0, nullptr, 0);
  EXPECT_EQ(GetPixel(part->Canvas()->Handle(), 15, 10), RGB(255, 255, 255));
}

}  // namespace
}  // namespace skin_test
