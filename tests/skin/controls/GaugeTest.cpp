// The progress gauge: range rules and their errors, change events and
// repaints, the bar's pixels with and without the program's skin, the
// sweeping highlight and its picture, and what one highlight step costs.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "classlib/core/ComponentReader.h"
#include "classlib/core/ResourceStream.h"
#include "classlib/core/Stream.h"
#include "classlib/graphics/GdiErrors.h"
#include "skin/controls/sGauge.h"
#include "tests/skin/controls/SkinnedControlFixture.h"
#include "tests/skin/paint/PictureFiles.h"

namespace skin_test {
namespace {

using namespace classlib;
using skin::TsGauge;

// A gauge that counts how often it is asked to repaint.
class CountingGauge : public TsGauge {
 public:
  using TsGauge::TsGauge;
  void Repaint() override {
    ++repaints;
    TsGauge::Repaint();
  }
  int repaints = 0;
};

// The RCDATA resources of this test program, as the application opens them.
std::unique_ptr<TStream> OpenOwnResource(const std::wstring& name) {
  HRSRC info = FindResourceW(nullptr, name.c_str(), MAKEINTRESOURCEW(10));
  if (!info) return nullptr;
  HGLOBAL data = LoadResource(nullptr, info);
  auto stream = std::make_unique<TMemoryStream>();
  stream->WriteBuffer(LockResource(data), SizeofResource(nullptr, info));
  stream->SetPosition(0);
  return stream;
}

// The gauge's face drawn through WM_PAINT into a 32-bit bitmap, as the
// parent would have it drawn; pixels as 0x00BBGGRR.
struct Face {
  explicit Face(TsGauge* gauge) : width(gauge->Width()), height(gauge->Height()) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bmp);
    gauge->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    GdiFlush();
    const auto* p = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) pixels.push_back(PaletteColour(p[i] & 0xFFFFFF));
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
  }
  TColor At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  int width, height;
  std::vector<TColor> pixels;
};

// --- Without a skin

class PlainGaugeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::RegisterSkinControlsClasses();
    Application->Initialize();
    form_.reset(New<TForm>(Application));
    form_->SetBounds(100, 100, 400, 200);
    gauge_ = New<CountingGauge>(form_.get());
    gauge_->SetParent(form_.get());
  }
  std::unique_ptr<TForm> form_;
  CountingGauge* gauge_ = nullptr;
};

TEST_F(PlainGaugeTest, DefaultsAndShownText) {
  EXPECT_EQ(gauge_->Progress(), 47);
  EXPECT_EQ(gauge_->Width(), 120);
  EXPECT_EQ(gauge_->Height(), 30);
  EXPECT_EQ(gauge_->ShownText(), L"47%");
  gauge_->SetMaxValue(200);
  EXPECT_EQ(gauge_->ShownText(), L"24%");  // 23.5 rounds to the even 24
  gauge_->SetCalcPercents(false);
  EXPECT_EQ(gauge_->ShownText(), L"47%");
  gauge_->SetSuffix(L" szt.");
  EXPECT_EQ(gauge_->ShownText(), L"47 szt.");
}

TEST_F(PlainGaugeTest, ProgressIsClampedAndOnlyAChangeIsAnnounced) {
  int changes = 0;
  gauge_->OnChange = [&](TObject*) { ++changes; };
  gauge_->SetMaxValue(1000);
  gauge_->SetProgress(47);  // the current value
  EXPECT_EQ(changes, 0);
  gauge_->SetProgress(5000);
  EXPECT_EQ(gauge_->Progress(), 1000);
  gauge_->SetProgress(-4);
  EXPECT_EQ(gauge_->Progress(), 0);
  EXPECT_EQ(changes, 2);
  // 0.1 % and 0.2 % both show 0: the event runs, the face is not repainted.
  gauge_->SetProgress(1);
  const int repaints = gauge_->repaints;
  gauge_->SetProgress(2);
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(gauge_->repaints, repaints);
  gauge_->SetProgress(5);  // 0.5 % rounds to 0 as well (halves to even)
  EXPECT_EQ(gauge_->repaints, repaints);
  gauge_->SetProgress(6);
  EXPECT_EQ(gauge_->repaints, repaints + 1);
}

TEST_F(PlainGaugeTest, InvertedRangesRaiseAndKeepTheOldValue) {
  gauge_->SetMinValue(10);
  gauge_->SetMaxValue(20);
  struct Case {
    std::function<void()> set;
    const wchar_t* message;
  } cases[] = {
      {[&] { gauge_->SetMinValue(21); }, L"Value must be between -2147483647 and 19"},
      {[&] { gauge_->SetMaxValue(9); }, L"Value must be between 11 and 2147483647"},
  };
  for (const Case& c : cases) {
    try {
      c.set();
      ADD_FAILURE() << "no exception";
    } catch (const EInvalidOperation& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(gauge_->MinValue(), 10);
    EXPECT_EQ(gauge_->MaxValue(), 20);
  }
  // The edges of the integers in the message do not overflow.
  gauge_->SetMinValue(INT_MIN);
  gauge_->SetMaxValue(INT_MIN);
  try {
    gauge_->SetMinValue(0);
    ADD_FAILURE() << "no exception";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), L"Value must be between -2147483647 and -2147483649");
  }
}

TEST_F(PlainGaugeTest, InvertedRangesFromADescriptionShowNoneOrAll) {
  struct Case {
    const wchar_t* text;
    int percent;
  } cases[] = {
      {L"object G: TsGauge\n MinValue = 10\n MaxValue = 0\nend", 100},  // Progress lowered to 0
      {L"object G: TsGauge\n MaxValue = 0\n MinValue = 10\n Progress = 0\nend", 0},  // raised to 10
  };
  for (const Case& c : cases) {
    std::unique_ptr<TComponent> read;
    ASSERT_NO_THROW(read.reset(CreateComponentFromText(c.text, nullptr)));
    auto* gauge = dynamic_cast<TsGauge*>(read.get());
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->MinValue(), 10);
    EXPECT_EQ(gauge->MaxValue(), 0);
    EXPECT_EQ(gauge->PercentDone(), c.percent) << gauge->Progress();
  }
}

TEST_F(PlainGaugeTest, BarFillsFromInsideTheBorderAndTiesRoundToEven) {
  // 152 wide with a single border: 150 inside, 7 % of it is 10.5 -> 10.
  gauge_->SetBounds(0, 0, 152, 12);
  gauge_->SetShowText(false);
  gauge_->SetForeColor(0x0000FF);
  gauge_->SetBackColor(0x00FF00);
  gauge_->SetProgress(7);
  const Face face(gauge_);
  EXPECT_EQ(face.At(0, 6), 0u);  // the frame stays black
  EXPECT_EQ(face.At(10, 6), 0x0000FFu);
  EXPECT_EQ(face.At(11, 6), 0x00FF00u);
  EXPECT_EQ(face.At(150, 6), 0x00FF00u);
  EXPECT_EQ(face.At(151, 6), 0u);
  // A full vertical bar keeps its top row in the back colour.
  gauge_->SetKind(skin::gkVerticalBar);
  gauge_->SetProgress(100);
  const Face full(gauge_);
  EXPECT_EQ(full.At(70, 1), 0x00FF00u);
  EXPECT_EQ(full.At(70, 2), 0x0000FFu);
  EXPECT_EQ(full.At(70, 10), 0x0000FFu);
  // No room inside the border: nothing but the frame.
  gauge_->SetBounds(0, 0, 2, 12);
  const Face none(gauge_);
  EXPECT_EQ(none.At(0, 5), 0u);
  EXPECT_EQ(none.At(1, 5), 0u);
}

TEST_F(PlainGaugeTest, TextInvertsWhatLiesUnderIt) {
  gauge_->SetBounds(0, 0, 200, 30);
  gauge_->SetForeColor(0xFFFFFF);
  gauge_->SetBackColor(0x000000);
  gauge_->SetProgress(50);
  const Face face(gauge_);
  // Over the white half the text is black, over the black half white.
  int blackOnWhite = 0, whiteOnBlack = 0;
  for (int y = 1; y < 29; ++y)
    for (int x = 1; x < 199; ++x) {
      const bool filled = x < 100;
      if (filled && face.At(x, y) == 0) ++blackOnWhite;
      if (!filled && face.At(x, y) == 0xFFFFFF) ++whiteOnBlack;
    }
  EXPECT_GT(blackOnWhite, 5);
  EXPECT_GT(whiteOnBlack, 5);
}

// --- Over the program's skin

class SkinnedGaugeTest : public SkinnedControlFixture {
 protected:
  void SetUp() override {
    SkinnedControlFixture::SetUp();
    form_->SetBounds(0, 0, 1000, 120);
    gauge_ = Add<CountingGauge>(nullptr, 20, 20, 960, 38);
    gauge_->SkinData()->Loaded();  // as after reading the form
    ASSERT_TRUE(gauge_->SkinData()->Skinned());
    gauge_->SetMaxValue(20);
    gauge_->SetProgress(0);
    gauge_->SetShowText(false);
  }
  void TearDown() override {
    SetResourceOpener(OpenOwnResource);
    SkinnedControlFixture::TearDown();
  }
  // The bar's and the track's colour in the middle row at column X.
  TColor At(int x) const { return CachePixel(gauge_->SkinData(), TPoint{x, 19}); }
  CountingGauge* gauge_ = nullptr;
};

TEST_F(SkinnedGaugeTest, BarEndsWhereTheFilledLengthDoes) {
  gauge_->SetAnimated(false);
  const TColor bar = PaletteColour(palette::kBrass);
  const TColor track = PaletteColour(palette::kTrack);
  for (int progress : {1, 7, 10, 19}) {
    SCOPED_TRACE(progress);
    gauge_->SetProgress(progress);
    gauge_->PrepareCache();
    // 958 inside the border; the bar begins at column 1.
    const int end = 1 + skin::paint::GaugeFilledLength(progress * 5, 958);
    EXPECT_COLOUR_NEAR(At(end - 8), bar, 40);
    EXPECT_COLOUR_NEAR(At(end + 8), track, 40);
    EXPECT_GT(ChannelDistance(At(end - 8), At(end + 8)), 60);
  }
}

TEST_F(SkinnedGaugeTest, TheSaveFlashFillsTheBarInTwentyTicks) {
  gauge_->SetAnimated(false);
  int ticks = 0;
  while (gauge_->Progress() < gauge_->MaxValue()) {
    gauge_->SetProgress(gauge_->Progress() + 1);
    ++ticks;
  }
  EXPECT_EQ(ticks, 20);
  EXPECT_EQ(gauge_->PercentDone(), 100);
  gauge_->PrepareCache();
  EXPECT_COLOUR_NEAR(At(480), PaletteColour(palette::kBrass), 40);
  EXPECT_COLOUR_NEAR(At(950), PaletteColour(palette::kBrass), 40);
}

TEST_F(SkinnedGaugeTest, HighlightSweepsOnlyOverAStartedBar) {
  ShowForm();
  gauge_->SetMinValue(-10);
  gauge_->SetMaxValue(10);
  gauge_->SetProgress(0);  // half the bar, yet below 1
  gauge_->SetAnimated(false);
  gauge_->PrepareCache();
  const TColor still = At(200);
  gauge_->SetAnimated(true);
  for (int i = 0; i < 12; ++i) gauge_->AnimationStep();
  gauge_->PrepareCache();
  EXPECT_EQ(At(200), still);

  gauge_->SetProgress(10);
  gauge_->SetAnimated(false);
  gauge_->PrepareCache();
  const TColor plain = At(200);
  gauge_->SetAnimated(true);
  ASSERT_TRUE(gauge_->HasHighlightPicture());
  // The gleam's middle passes column 200 on the sweep's 19th step or so.
  int lighter = 0;
  for (int i = 0; i < 40; ++i) {
    gauge_->AnimationStep();
    if (At(200) != plain && ((At(200) >> 8) & 0xFF) > ((plain >> 8) & 0xFF)) ++lighter;
  }
  EXPECT_GT(lighter, 3);
}

TEST_F(SkinnedGaugeTest, MissingHighlightPictureIsLookedForOnceAndSweepsNothing) {
  int asked = 0;
  SetResourceOpener([&](const std::wstring& name) -> std::unique_ptr<TStream> {
    if (name == L"ACGL") ++asked;
    return nullptr;
  });
  ShowForm();
  gauge_->SetProgress(10);
  gauge_->SetAnimated(false);
  gauge_->PrepareCache();
  const TColor plain = At(200);
  gauge_->SetAnimated(true);
  for (int i = 0; i < 60; ++i) {
    ASSERT_NO_THROW(gauge_->AnimationStep());
    EXPECT_EQ(At(200), plain);
  }
  EXPECT_FALSE(gauge_->HasHighlightPicture());
  EXPECT_EQ(asked, 1);
}

// One highlight step at the program's size: repaint and blit. Reported, not
// asserted (the goal is a quarter of the 22 ms period, under Wine).
TEST_F(SkinnedGaugeTest, OneHighlightStepCost) {
  ShowForm();
  gauge_->SetProgress(10);
  std::vector<double> ms;
  for (int i = 0; i < 200; ++i) {
    const auto start = std::chrono::steady_clock::now();
    gauge_->AnimationStep();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  const double median = ms[ms.size() / 2];
  std::printf("gauge step 960x38: median %.3f ms, 90th %.3f ms\n", median, ms[ms.size() * 9 / 10]);
  RecordProperty("median_us", static_cast<int>(median * 1000));
}

TEST_F(SkinnedGaugeTest, PictureHalfwayThroughAFlash) {
  const std::wstring dir = skin::paint::testing::PicturesDir();
  if (dir.empty()) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  ShowForm();
  gauge_->SetProgress(10);
  for (int i = 0; i < 30; ++i) gauge_->AnimationStep();
  skin::paint::testing::SavePng(gauge_->SkinData()->CacheBmp(), dir + L"\\gauge-halfway.png");
  gauge_->SetShowText(true);
  gauge_->PrepareCache();
  skin::paint::testing::SavePng(gauge_->SkinData()->CacheBmp(), dir + L"\\gauge-text.png");
  gauge_->SetKind(skin::gkVerticalBar);
  gauge_->SetBounds(20, 20, 40, 90);
  gauge_->PrepareCache();
  skin::paint::testing::SavePng(gauge_->SkinData()->CacheBmp(), dir + L"\\gauge-vertical.png");
}

}  // namespace
}  // namespace skin_test
