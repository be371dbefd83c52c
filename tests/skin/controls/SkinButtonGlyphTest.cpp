#ifdef _WIN32
// Button pictures: the alpha image list's renderings (resampled once, then
// cached; damaged items), which image and which frame a button shows in
// each state, and blending only in the normal state.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "SkinnedControlFixture.h"
#include "classlib/core/ComponentReader.h"
#include "skin/controls/ButtonGlyph.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sButton.h"
#include "tests/png/core/PngTestFiles.h"

namespace skin_test {
namespace {

using namespace classlib;
using namespace skin;
using pngtest::Bytes;
using classlib::TButtonLayout;

// A w x h opaque RGBA PNG of one colour (0xRRGGBB).
Bytes SolidPng(uint32_t w, uint32_t h, uint32_t rgb) {
  Bytes raw;
  for (uint32_t y = 0; y < h; ++y) {
    raw.push_back(0);
    for (uint32_t x = 0; x < w; ++x)
      raw.insert(raw.end(), {uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), uint8_t(255)});
  }
  return pngtest::PngFile().Chunk("IHDR", pngtest::Ihdr(w, h, 8, 6)).Idat(pngtest::Zlib(raw)).End().bytes;
}

int AddPng(TsAlphaImageList& list, const Bytes& png) {
  TMemoryStream file;
  file.WriteBuffer(png.data(), static_cast<int64_t>(png.size()));
  file.SetPosition(0);
  return list.AddImageFile(file, ifPNG);
}

// A w x h 32-bit glyph of one pixel value (0xAARRGGBB).
void FillGlyph(TBitmap& glyph, int w, int h, uint32_t argb) {
  glyph.SetPixelFormat(pf32bit);
  glyph.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) reinterpret_cast<uint32_t*>(glyph.ScanLine(y))[x] = argb;
}

// The pixel as 0xAARRGGBB.
uint32_t Argb(TBitmap& bmp, int x, int y) { return reinterpret_cast<const uint32_t*>(bmp.ScanLine(y))[x]; }

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

TEST(SkinAlphaImageListRendering, ASmallerPngIsResampledOnceAndThenServedFromTheCache) {
  // Twenty images a round, and the best of five rounds with fresh lists, so
  // that one slow moment of a busy machine does not decide.
  constexpr int kImages = 20;
  std::unique_ptr<TsAlphaImageList> list;
  std::vector<std::unique_ptr<TBitmap>> first(kImages), second(kImages);
  double bestRatio = 0, firstSeconds = 0, cachedSeconds = 0;
  for (int round = 0; round < 5; ++round) {
    list.reset(New<TsAlphaImageList>(nullptr));
    list->SetSize(24, 24);
    for (int i = 0; i < kImages; ++i)
      ASSERT_EQ(AddPng(*list, SolidPng(16, 16, 0x3060C0 + static_cast<uint32_t>(i))), i);
    for (int i = 0; i < kImages; ++i) {
      first[i] = std::make_unique<TBitmap>();
      second[i] = std::make_unique<TBitmap>();
      second[i]->SetPixelFormat(pf32bit);
      second[i]->SetSize(24, 24);
    }
    LARGE_INTEGER t0, t1, t2;
    QueryPerformanceCounter(&t0);
    for (int i = 0; i < kImages; ++i) ASSERT_TRUE(list->GetBitmap32(i, first[i].get()));
    QueryPerformanceCounter(&t1);
    for (int i = 0; i < kImages; ++i) ASSERT_TRUE(list->GetBitmap32(i, second[i].get()));
    QueryPerformanceCounter(&t2);
    const double ratio = Seconds(t0, t1) / std::max(Seconds(t1, t2), 1e-9);
    if (ratio > bestRatio) {
      bestRatio = ratio;
      firstSeconds = Seconds(t0, t1);
      cachedSeconds = Seconds(t1, t2);
    }
  }
  EXPECT_GE(bestRatio, 10.0) << firstSeconds << " s then " << cachedSeconds << " s";
  ASSERT_EQ(first[0]->Width(), 24);
  ASSERT_EQ(first[0]->Height(), 24);
  EXPECT_EQ(Argb(*first[5], 12, 12), 0xFF3060C5u);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) ASSERT_EQ(Argb(*second[5], x, y), Argb(*first[5], x, y)) << x << "," << y;
  // Outside the list, or without a bitmap: nothing.
  EXPECT_FALSE(list->GetBitmap32(kImages, first[0].get()));
  EXPECT_FALSE(list->GetBitmap32(-1, first[0].get()));
  EXPECT_FALSE(list->GetBitmap32(0, nullptr));
}

std::wstring Hex(const Bytes& bytes) {
  static const wchar_t kHex[] = L"0123456789ABCDEF";
  std::wstring out;
  for (uint8_t b : bytes) out += {kHex[b >> 4], kHex[b & 15]};
  return out;
}

TEST(SkinAlphaImageListRendering, ADamagedItemLeavesABlankImageAndTheLaterImagesInPlace) {
  RegisterSkinControlsClasses();
  const std::wstring text = L"object List: TsAlphaImageList\n  Width = 8\n  Height = 8\n  Items = <\n"
                            L"    item\n      ImgData = {" + Hex(SolidPng(8, 8, 0xFF0000)) + L"}\n    end\n"
                            L"    item\n      ImgData = {89504E470D0A1A0A0000DEADBEEF}\n    end\n"
                            L"    item\n      ImgData = {" + Hex(SolidPng(8, 8, 0x0000FF)) + L"}\n    end>\nend\n";
  std::unique_ptr<TComponent> root(CreateComponentFromText(text, nullptr));
  auto& list = dynamic_cast<TsAlphaImageList&>(*root);
  ASSERT_EQ(list.Count(), 3);
  TBitmap image;
  ASSERT_TRUE(list.GetBitmap32(0, &image));
  EXPECT_EQ(Argb(image, 4, 4), 0xFFFF0000u);
  ASSERT_TRUE(list.GetBitmap32(1, &image));
  EXPECT_EQ(Argb(image, 4, 4) >> 24, 0u);
  ASSERT_TRUE(list.GetBitmap32(2, &image));
  EXPECT_EQ(Argb(image, 4, 4), 0xFF0000FFu);
  // Still usable: a new image goes to the end.
  EXPECT_EQ(AddPng(list, SolidPng(8, 8, 0x00FF00)), 3);
  ASSERT_TRUE(list.GetBitmap32(2, &image));
  EXPECT_EQ(Argb(image, 4, 4), 0xFF0000FFu);
}

TEST(SkinAlphaImageListRendering, AssignBringsTheFilesAlongAndNilDropsTheSystemList) {
  std::unique_ptr<TsAlphaImageList> from(New<TsAlphaImageList>(nullptr)), to(New<TsAlphaImageList>(nullptr));
  from->SetSize(8, 8);
  AddPng(*from, SolidPng(8, 8, 0x102030));
  to->Assign(from.get());
  ASSERT_EQ(to->Count(), 1);
  ASSERT_EQ(to->Items()->Count(), 1);
  EXPECT_EQ(to->Items()->Items(0)->ImgData().Bytes(), from->Items()->Items(0)->ImgData().Bytes());
  TBitmap image;
  ASSERT_TRUE(to->GetBitmap32(0, &image));
  EXPECT_EQ(Argb(image, 1, 1), 0xFF102030u);
  to->Assign(nullptr);
  EXPECT_FALSE(to->HandleAllocated());
}

TEST(SkinAlphaImageListRendering, DrawingWithNoGlyphCountDrawsTheWholeImage) {
  std::unique_ptr<TsAlphaImageList> list(New<TsAlphaImageList>(nullptr));
  list->SetSize(8, 8);
  AddPng(*list, SolidPng(8, 8, 0x00FF00));
  for (const int numGlyphs : {0, 1}) {
    TBitmap target;
    FillGlyph(target, 10, 10, 0xFF000000);
    DrawImageToBitmap(list.get(), 0, &target, 1, 1, false, numGlyphs, 0, clNone, 0);
    EXPECT_EQ(Argb(target, 8, 8) & 0xFFFFFF, 0x00FE00u) << numGlyphs;
    EXPECT_EQ(Argb(target, 9, 9) & 0xFFFFFF, 0u) << numGlyphs;
  }
}

TEST(SkinAlphaImageListRendering, AlphaFixUpKeysTheBottomLeftColourOnlyWhenNoPixelHasAlpha) {
  struct Case {
    uint32_t corner, other;
    uint32_t expectedCorner, expectedOther;
  } cases[] = {
      {0x00FF00FF, 0x00123456, 0x00FF00FF, 0xFF123456},  // no alpha anywhere: the corner colour is clear
      {0x00FF00FF, 0x80123456, 0x00FF00FF, 0x80123456},  // some alpha: left as it is
  };
  for (const Case& c : cases) {
    TBitmap bmp;
    bmp.SetPixelFormat(pf32bit);
    bmp.SetSize(3, 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) reinterpret_cast<uint32_t*>(bmp.ScanLine(y))[x] = c.other;
    reinterpret_cast<uint32_t*>(bmp.ScanLine(1))[0] = c.corner;
    reinterpret_cast<uint32_t*>(bmp.ScanLine(0))[2] = c.corner;
    FixAlpha(&bmp);
    EXPECT_EQ(Argb(bmp, 0, 1), c.expectedCorner);
    EXPECT_EQ(Argb(bmp, 2, 0), c.expectedCorner);
    EXPECT_EQ(Argb(bmp, 1, 0), c.expectedOther);
  }
}

TEST(SkinButtonImages, EachStateTakesItsImageAndFallsBackToTheNormalOne) {
  const std::array<int, 5> indexes{0, 99, 2, -1, 3};  // normal, hot, pressed, selected, disabled
  struct Case {
    bool enabled;
    int state;
    bool focused;
    int expected;
  } cases[] = {
      {true, 0, false, 0},  {true, 1, false, 0},  // hot index out of range
      {true, 2, false, 2},  {true, 2, true, 2},   // pressed wins over focus
      {true, 0, true, 0},   {true, 3, false, 0},  // selected unset
      {false, 2, true, 3},                        // disabled wins over everything
  };
  for (const Case& c : cases) {
    const int state = PushButtonImageState(c.enabled, c.state, c.focused);
    EXPECT_EQ(PushButtonImageIndex(indexes, state, 4), c.expected) << c.enabled << c.state << c.focused;
  }
}

class SkinButtonGlyphTest : public SkinnedControlFixture {
 protected:
  void SetUp() override {
    SkinnedControlFixture::SetUp();
    images_ = classlib::New<TsAlphaImageList>(form_.get());
    images_->SetSize(24, 24);
    for (uint32_t rgb : {0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFFFF00u}) AddPng(*images_, SolidPng(24, 24, rgb));
    ShowForm();
  }
  // Buttons here change their look at once.
  template <class T>
  T* AddButton(int width) {
    T* button = Add<T>(nullptr, 20, 20, width, 40);
    button->SetAnimatEvents(paint::TacAnimatEvents{});
    return button;
  }
  static TColor Centre(TsCommonData* skinData, const TRect& r) {
    return CachePixel(skinData, TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  TsAlphaImageList* images_ = nullptr;
};

TEST_F(SkinButtonGlyphTest, APushButtonShowsTheImageOfItsStateAndAHotIndexOutOfRangeFallsBack) {
  auto* button = AddButton<TsButton>(160);
  button->SetCaption(L"OK");
  button->SetImages(images_);
  button->SetImageIndex(0);
  button->SetPressedImageIndex(2);
  button->SetHotImageIndex(99);
  button->Repaint();
  EXPECT_COLOUR_NEAR(Centre(button->SkinData(), button->GlyphRect()), clRed, 2);
  button->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(button->CurrentImageIndex(), 0);
  EXPECT_COLOUR_NEAR(Centre(button->SkinData(), button->GlyphRect()), clRed, 2);
  button->SetHotImageIndex(1);
  button->Repaint();
  EXPECT_COLOUR_NEAR(Centre(button->SkinData(), button->GlyphRect()), clLime, 2);
  button->SetDown(true);
  button->Repaint();
  EXPECT_COLOUR_NEAR(Centre(button->SkinData(), button->GlyphRect()), clBlue, 2);
}

TEST_F(SkinButtonGlyphTest, ABitmapButtonsGlyphFrameFollowsItsState) {
  // Four opaque 32-bit frames of 10 x 10: red, green, blue, yellow. Each
  // frame is told by its first column.
  TBitmap glyph;
  glyph.SetPixelFormat(pf32bit);
  glyph.SetSize(40, 10);
  const uint32_t frames[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00};
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 40; ++x) reinterpret_cast<uint32_t*>(glyph.ScanLine(y))[x] = frames[x / 10];
  auto* button = AddButton<TsBitBtn>(140);
  button->SetCaption(L"Raport");
  button->SetGlyph(&glyph);
  struct Case {
    int numGlyphs;
    bool hot, down;
    TColor expected;
  } cases[] = {
      {4, false, false, clRed}, {4, true, false, clLime}, {4, false, true, clBlue},
      {2, false, true, clBlue},  // beyond the last frame: the last one (its first column blue)
      {1, true, false, clRed},
  };
  for (const Case& c : cases) {
    button->SetNumGlyphs(c.numGlyphs);
    button->Perform(c.hot ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
    button->SetDown(c.down);
    button->SkinData()->Invalidate(true);
    const TRect r = button->GlyphRect();
    EXPECT_COLOUR_NEAR(CachePixel(button->SkinData(), TPoint{r.Left + 2, (r.Top + r.Bottom) / 2}), c.expected, 2)
        << c.numGlyphs << " hot " << c.hot << " down " << c.down;
  }
}

TEST_F(SkinButtonGlyphTest, BlendLightensTheImageOnlyInTheNormalState) {
  auto* button = AddButton<TsBitBtn>(140);
  button->SetCaption(L"Dokument");
  button->SetImages(images_);
  button->SetImageIndex(0);
  button->SetBlend(150);
  EXPECT_EQ(button->Blend(), 100);
  button->SetBlend(-5);
  EXPECT_EQ(button->Blend(), 0);
  button->SetBlend(60);
  button->SkinData()->Invalidate(true);
  const TColor normal = Centre(button->SkinData(), button->GlyphRect());
  EXPECT_GT(ChannelDistance(normal, clRed), 40);
  EXPECT_GT(GetGValue(normal), 0);
  button->Perform(CM_MOUSEENTER, 0, 0);
  button->SkinData()->Invalidate(true);
  EXPECT_COLOUR_NEAR(Centre(button->SkinData(), button->GlyphRect()), clRed, 2);
  button->SetDown(true);
  EXPECT_COLOUR_NEAR(Centre(button->SkinData(), button->GlyphRect()), clRed, 2);
}

TEST(SkinPushButtonLayout, CommandLinksMakeRoomForAGlyphAndCentredContentSharesTheMiddle) {
  TPushButtonLayout l;
  l.Width = 200;
  l.Height = 60;
  l.TextSize = TPoint{50, 14};
  struct Case {
    TButtonStyle style;
    bool glyph;
    TImageAlignment alignment;
    TRect caption, image;
  } cases[] = {
      // Without images a command link keeps 32 x 32 for the glyph: 32 + 6 + 6.
      {bsCommandLink, false, iaLeft, {44, 6, 194, 20}, {}},
      {bsCommandLink, true, iaLeft, {36, 6, 194, 20}, {6, 6, 30, 30}},
      {bsPushButton, true, iaCenter, {74, 23, 126, 37}, {88, 18, 112, 42}},
      {bsPushButton, true, iaLeft, {30, 23, 194, 37}, {6, 18, 30, 42}},
      {bsPushButton, true, iaRight, {6, 23, 170, 37}, {170, 18, 194, 42}},
      {bsPushButton, false, iaLeft, {74, 23, 126, 37}, {}},
      // A split button lays out in the width left of its arrow part.
      {bsSplitButton, false, iaLeft, {66, 23, 118, 37}, {}},
  };
  for (const Case& c : cases) {
    l.Style = c.style;
    l.HasGlyph = c.glyph;
    l.ImageSize = c.glyph ? TPoint{24, 24} : TPoint{};
    l.Alignment = c.alignment;
    EXPECT_EQ(PushButtonCaptionRect(l), c.caption) << c.style << " " << c.alignment;
    EXPECT_EQ(PushButtonGlyphRect(l), c.image) << c.style << " " << c.alignment;
  }
  l.Style = bsPushButton;
  l.HasGlyph = true;
  l.ImageSize = TPoint{24, 24};
  l.Alignment = iaLeft;
  l.Pressed = true;  // pressed: both move by one pixel
  EXPECT_EQ(PushButtonGlyphRect(l), (TRect{7, 19, 31, 43}));
  EXPECT_EQ(PushButtonCaptionRect(l), (TRect{31, 24, 195, 38}));
}

TEST_F(SkinButtonGlyphTest, ABitmapButtonUsesItsListOnlyForAnIndexInsideIt) {
  auto* button = AddButton<TsBitBtn>(140);
  TBitmap glyph;
  FillGlyph(glyph, 16, 16, 0xFF00FFFF);  // cyan
  button->SetGlyph(&glyph);
  button->SetImages(images_);
  button->SetImageIndex(3);
  EXPECT_TRUE(button->ImageListUsable());
  EXPECT_EQ(button->GlyphSize(), (TPoint{24, 24}));
  button->SetImageIndex(4);  // four images: index 4 is outside, the glyph stands
  EXPECT_FALSE(button->ImageListUsable());
  EXPECT_EQ(button->GlyphSize(), (TPoint{16, 16}));
  button->SkinData()->Invalidate(true);
  EXPECT_COLOUR_NEAR(Centre(button->SkinData(), button->GlyphRect()), static_cast<TColor>(RGB(0, 255, 255)), 2);
  // No caption (or none shown): no text area, whatever the layout.
  for (const TButtonLayout layout : {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom}) {
    button->SetLayout(layout);
    button->SetCaption(L"");
    EXPECT_EQ(button->TextAreaWidth(), 0);
    button->SetCaption(L"Zapisz");
    button->SetShowCaption(false);
    EXPECT_EQ(button->TextAreaWidth(), 0);
    button->SetShowCaption(true);
    EXPECT_GT(button->TextAreaWidth(), 0);
  }
}

TEST_F(SkinButtonGlyphTest, WithDrawOverBorderOffTheBorderLiesOverAGlyphThatFillsTheButton) {
  auto* button = Add<TsBitBtn>(nullptr, 20, 20, 48, 32);
  button->SetAnimatEvents(paint::TacAnimatEvents{});
  TBitmap glyph;
  FillGlyph(glyph, 48, 32, 0xFFFF0000);  // red
  button->SetGlyph(&glyph);
  button->SetMargin(0);
  const TPoint edge{0, 16};  // on the mask's outline, under the glyph
  button->SkinData()->Invalidate(true);
  EXPECT_COLOUR_NEAR(CachePixel(button->SkinData(), edge), clRed, 2);
  button->SetDrawOverBorder(false);
  button->SkinData()->Invalidate(true);
  EXPECT_GT(ChannelDistance(CachePixel(button->SkinData(), edge), clRed), 100)
      << ColourText(CachePixel(button->SkinData(), edge));
}

TEST_F(SkinButtonGlyphTest, ADisabledGlyphWithoutAlphaIsDrawnOpaque) {
  auto* button = AddButton<TsBitBtn>(140);
  TBitmap glyph;
  FillGlyph(glyph, 16, 16, 0x0000FF00);  // green, alpha 0
  reinterpret_cast<uint32_t*>(glyph.ScanLine(15))[0] = 0x00FF00FF;  // the key colour in the corner
  button->SetGlyph(&glyph);
  button->SetEnabled(false);
  button->SkinData()->Invalidate(true);
  const TColor shown = Centre(button->SkinData(), button->GlyphRect());
  EXPECT_GT(GetGValue(shown), GetRValue(shown) + 60) << ColourText(shown);
}

TEST(SkinButtonGlyph, AToolButtonsImageComesFromItsStatesListAtItsPlace) {
  std::unique_ptr<TsAlphaImageList> images(New<TsAlphaImageList>(nullptr)), hot(New<TsAlphaImageList>(nullptr));
  images->SetSize(16, 16);
  hot->SetSize(16, 16);
  AddPng(*images, SolidPng(16, 16, 0xFF0000));
  AddPng(*hot, SolidPng(16, 16, 0x0000FF));
  TToolButtonGlyph button;
  button.Images = images.get();
  button.HotImages = hot.get();
  button.ImageIndex = 0;
  button.ButtonWidth = 40;
  button.ButtonHeight = 30;
  struct Case {
    UINT itemState;
    TPoint topLeft;
    uint32_t colour;
  } cases[] = {
      {0, {13, 7}, 0xFE0000},             // normal: centred, one to the right
      {CDIS_DISABLED, {13, 7}, 0xFE0000},  // disabled alone counts as normal
      {CDIS_HOT, {13, 7}, 0x0000FE},       // hot: the hot list
      {CDIS_SELECTED, {14, 8}, 0x0000FE},  // pressed: one down and right
  };
  for (const Case& c : cases) {
    TBitmap bitmap;
    FillGlyph(bitmap, 40, 30, 0xFF000000);
    PaintToolButtonGlyph(&bitmap, button, c.itemState);
    EXPECT_EQ(Argb(bitmap, c.topLeft.X, c.topLeft.Y) & 0xFFFFFF, c.colour) << c.itemState;
    EXPECT_EQ(Argb(bitmap, c.topLeft.X - 1, c.topLeft.Y) & 0xFFFFFF, 0u) << c.itemState;
  }
  button.ListStyle = true;  // a list-style bar puts the image 5 from the left
  TBitmap bitmap;
  FillGlyph(bitmap, 40, 30, 0xFF000000);
  PaintToolButtonGlyph(&bitmap, button, 0);
  EXPECT_EQ(Argb(bitmap, 5, 7) & 0xFFFFFF, 0xFE0000u);
  EXPECT_EQ(Argb(bitmap, 4, 7) & 0xFFFFFF, 0u);
}

TEST(SkinButtonGlyph, FormClassesTheDialogHookLeavesAlone) {
  EXPECT_TRUE(IsExcludedFormClass(L"TApplication"));
  EXPECT_TRUE(IsExcludedFormClass(L"TfcPopup"));
  EXPECT_FALSE(IsExcludedFormClass(L"TForm1"));
  EXPECT_EQ(ImageListCount(nullptr), 0);
}

}  // namespace
}  // namespace skin_test
#endif
