#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Backends.h"
#include "bitmap/Bmp32_Error.h"
#include "bitmap/Bmp32_Gamma.h"
#include "bitmap/Bmp32_Registration.h"
#include "classlib/core/PropertyRegistry.h"

namespace bmp32 {
namespace {

struct Events {
  int changes = 0;
  int resizes = 0;
  std::vector<TRect> areas;
  void Watch(TCustomBitmap32& b) {
    b.SetOnChange([this](classlib::TObject*) { ++changes; });
    b.SetOnResize([this](classlib::TObject*) { ++resizes; });
    b.SetOnAreaChanged([this](classlib::TObject*, const TRect& r, std::uint32_t info) {
      EXPECT_EQ(info, AREA_PLAIN_RECT);
      areas.push_back(r);
    });
  }
};

TEST(Bitmap32, NewBitmapIsEmptyAndMemoryPixelsStartOpaqueBlack) {
  TCustomBitmap32 b;
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Bits(), nullptr);
  EXPECT_EQ(b.DrawMode(), dmOpaque);
  EXPECT_EQ(b.CombineMode(), cmBlend);
  EXPECT_EQ(b.WrapMode(), wmClamp);
  EXPECT_EQ(b.MasterAlpha(), 255u);
  EXPECT_EQ(b.OuterColor(), 0u);
  EXPECT_TRUE(b.SetSize(3, 2));
  ASSERT_NE(b.Bits(), nullptr);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(b.Bits()[i], 0xFF000000u);
  EXPECT_EQ(b.ClipRect(), (TRect{0, 0, 3, 2}));
  EXPECT_FALSE(b.Clipping());
}

TEST(Bitmap32, NegativeSizeCountsAsZeroAndRepeatingItDoesNothing) {
  TCustomBitmap32 b;
  Events e;
  e.Watch(b);
  EXPECT_TRUE(b.SetSize(-5, 10));
  EXPECT_EQ(b.Width(), 0);
  EXPECT_EQ(b.Height(), 10);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Bits(), nullptr);
  const int changes = e.changes;
  EXPECT_FALSE(b.SetSize(-5, 10));
  EXPECT_EQ(e.changes, changes);
  EXPECT_EQ(e.resizes, 1);
}

TEST(Bitmap32, ChangeEventsFollowUpdateBracketsAndMeasuring) {
  TCustomBitmap32 b;
  Events e;
  b.Clear();  // empty: nothing
  e.Watch(b);
  b.Clear();
  EXPECT_EQ(e.changes, 0);
  EXPECT_TRUE(e.areas.empty());

  b.SetSize(4, 4);
  EXPECT_EQ(e.changes, 1);
  ASSERT_EQ(e.areas.size(), 1u);
  EXPECT_EQ(e.areas[0], (TRect{0, 0, 4, 4}));

  b.BeginUpdate();
  b.Clear(0xFF112233);
  b.SetDrawMode(dmBlend);
  b.EndUpdate();
  EXPECT_EQ(e.changes, 1);  // silent inside the bracket
  EXPECT_EQ(e.areas.size(), 1u);
  EXPECT_EQ(b.Pixel(3, 3), 0xFF112233u);
  b.SetDrawMode(dmBlend);  // same value: nothing
  EXPECT_EQ(e.changes, 1);

  std::vector<TRect> measured;
  b.BeginAreaMeasuring([&](classlib::TObject*, const TRect& r, std::uint32_t) { measured.push_back(r); });
  b.BeginUpdate();  // areas are reported even inside a bracket while measuring
  b.FillRect(1, 1, 3, 2, 0xFFFFFFFF);
  b.Clear(0);
  b.ResetAlpha(7);
  b.EndUpdate();
  b.EndAreaMeasuring();
  EXPECT_EQ(measured, (std::vector<TRect>{{1, 1, 3, 2}, {0, 0, 4, 4}, {0, 0, 4, 4}}));
  EXPECT_EQ(b.Pixel(1, 1), 0xFF112233u);  // nothing written while measuring
  EXPECT_EQ(e.changes, 1);
  EXPECT_EQ(e.areas.size(), 1u);  // the saved handler was not called and is back

  b.FillRect(1, 1, 3, 2, 0xFFFFFFFF);
  EXPECT_EQ(e.areas.back(), (TRect{1, 1, 3, 2}));
  EXPECT_EQ(b.Pixel(2, 1), 0xFFFFFFFFu);
  EXPECT_EQ(b.Pixel(3, 1), 0xFF112233u);
  b.ResetAlpha(0x40);
  EXPECT_EQ(b.Pixel(2, 1), 0x40FFFFFFu);
  EXPECT_EQ(b.Pixel(0, 0), 0x40112233u);

  EXPECT_THROW(b.EndUpdate(), EBmp32Error);
}

TEST(Bitmap32, ClipRectIsKeptInsideTheBoundsAndClipsClear) {
  TCustomBitmap32 b;
  b.SetSize(4, 3);
  b.SetClipRect({2, 1, 10, 10});
  EXPECT_EQ(b.ClipRect(), (TRect{2, 1, 4, 3}));
  EXPECT_TRUE(b.Clipping());
  EXPECT_EQ(b.ClipRectFixed(), (TFixedRect{2 << 16, 1 << 16, 4 << 16, 3 << 16}));
  EXPECT_EQ(b.ClipRect256(), (TRect{512, 256, 1024, 768}));
  b.Clear(0xFFFFFFFF);
  EXPECT_EQ(b.Pixel(1, 1), 0xFF000000u);
  EXPECT_EQ(b.Pixel(2, 0), 0xFF000000u);
  EXPECT_EQ(b.Pixel(2, 1), 0xFFFFFFFFu);
  EXPECT_EQ(b.Pixel(3, 2), 0xFFFFFFFFu);
  b.SetClipRect({5, 5, 9, 9});
  EXPECT_EQ(b.ClipRect(), (TRect{}));
  b.SetSize(2, 2);  // resizing resets the clip rectangle
  EXPECT_EQ(b.ClipRect(), (TRect{0, 0, 2, 2}));
  EXPECT_FALSE(b.Clipping());
}

TEST(Bitmap32, SafeAndWrappedPixelReads) {
  TCustomBitmap32 b;
  b.SetSize(4, 1);
  for (int x = 0; x < 4; ++x) b.SetPixel(x, 0, 0xFF000000u + x);
  b.SetOuterColor(0x12345678);
  EXPECT_EQ(b.PixelSafe(3, 0), 0xFF000003u);
  EXPECT_EQ(b.PixelSafe(4, 0), 0x12345678u);
  EXPECT_EQ(b.PixelSafe(-1, 0), 0x12345678u);

  struct Case {
    TWrapMode mode;
    int x;
    TColor32 expected;
  };
  for (const Case& c : {Case{wmClamp, 7, 0xFF000003u}, Case{wmClamp, -2, 0xFF000000u},
                        Case{wmRepeat, 5, 0xFF000001u}, Case{wmRepeat, -1, 0xFF000003u},
                        Case{wmMirror, 5, 0xFF000002u}, Case{wmMirror, -1, 0xFF000000u}}) {
    b.SetWrapMode(c.mode);
    EXPECT_EQ(b.PixelWrap(c.x, 3), c.expected) << "mode " << c.mode << " x " << c.x;
  }
  b.SetClipRect({1, 0, 3, 1});  // wrapping follows the clip rectangle
  b.SetWrapMode(wmRepeat);
  EXPECT_EQ(b.PixelWrap(3, 0), 0xFF000001u);
  b.SetSize(0, 0);
  EXPECT_EQ(b.PixelWrap(0, 0), 0x12345678u);  // no pixel to wrap onto
  EXPECT_EQ(b.InterpolatedPixelFixedWrap(0, 0), 0x12345678u);
}

TEST(Bitmap32, SubPixelReads) {
  TCustomBitmap32 b;
  b.SetSize(3, 3);
  b.Clear(0xFF808080);
  b.SetOuterColor(0x11223344);
  // A uniform block reads back exactly under every binding.
  EXPECT_EQ(b.InterpolatedPixel256(100, 37), 0xFF808080u);
  EXPECT_EQ(b.InterpolatedPixelFixed(0x12345, 0x8000), 0xFF808080u);

  // Columns: grey, white, grey; a read a quarter into column 0 weights it
  // by the gamma table.
  for (int y = 0; y < 3; ++y) b.SetPixel(1, y, 0xFFFFFFFF);
  const TColor32 quarter = b.InterpolatedPixel256(64, 0);
  const double w = GammaTable[255 - 64];
  EXPECT_NEAR(static_cast<double>(quarter & 0xFF), (128 * w + 255 * (255 - w)) / 255, 2.0);
  EXPECT_EQ(quarter >> 24, 0xFFu);

  // Edges of the safe read: XM = (Right - 1) * 256.
  EXPECT_EQ(b.InterpolatedPixelSafe256(-1, 0), 0x11223344u);
  EXPECT_EQ(b.InterpolatedPixelSafe256(512, 300), 0xFF000000u | 0x808080u);  // column 2, row 1
  EXPECT_EQ(b.InterpolatedPixelSafe256(256, 512), 0xFFFFFFFFu);              // row 2, column 1
  EXPECT_EQ(b.InterpolatedPixelSafe256(513, 0), 0x11223344u);
  EXPECT_EQ(b.InterpolatedPixelSafe256(0, 600), 0x11223344u);
  EXPECT_EQ(b.InterpolatedPixelFixedSafe(2 << 16, 1 << 16), 0xFF808080u);

  // A whole coordinate of the wrapping read gives that pixel; half-way past
  // the last column mixes it with the first (repeat).
  b.SetWrapMode(wmRepeat);
  EXPECT_EQ(b.InterpolatedPixelFixedWrap(1 << 16, 1 << 16), 0xFFFFFFFFu);
  EXPECT_EQ(b.InterpolatedPixelFixedWrap(0, 0), 0xFF808080u);
  b.SetPixel(0, 0, 0xFF000000);
  b.SetPixel(2, 0, 0xFF000000);
  const TColor32 past = b.InterpolatedPixelFixedWrap((2 << 16) + 0x8000, 0);
  EXPECT_EQ(past, 0xFF000000u);  // column 2 and column 0, both black
  const TColor32 between = b.InterpolatedPixelFixedWrap(0x8000, 0);
  EXPECT_NEAR(static_cast<double>(between & 0xFF), 128.0, 1.0);
}

TEST(Bitmap32, AssignCopiesPixelsAndDrawingProperties) {
  TCustomBitmap32 a;
  a.SetSize(2, 2);
  a.Clear(0x80402010);
  a.SetDrawMode(dmBlend);
  a.SetCombineMode(cmMerge);
  a.SetWrapMode(wmMirror);
  a.SetMasterAlpha(99);
  a.SetOuterColor(0xABCDEF01);

  TCustomBitmap32 b;
  Events e;
  e.Watch(b);
  b.Assign(&a);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Pixel(1, 1), 0x80402010u);
  EXPECT_EQ(b.DrawMode(), dmBlend);
  EXPECT_EQ(b.CombineMode(), cmMerge);
  EXPECT_EQ(b.BlendOperation().Pixel, BlendOperationsFor(cmMerge).Pixel);
  EXPECT_EQ(b.WrapMode(), wmMirror);
  EXPECT_EQ(b.MasterAlpha(), 99u);
  EXPECT_EQ(b.OuterColor(), 0xABCDEF01u);
  EXPECT_EQ(e.changes, 1);  // one notification for the whole assignment

  b.Assign(&b);
  EXPECT_EQ(b.Pixel(0, 0), 0x80402010u);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());

  TCustomResampler notABitmap;
  EXPECT_THROW(b.Assign(&notABitmap), classlib::EConvertError);
}

class TTestResampler : public TCustomResampler {
 public:
  using TCustomResampler::TCustomResampler;
  std::wstring ClassName() const override { return L"TTestResampler"; }
};

TEST(Bitmap32, ResamplerIsFoundByClassName) {
  static const TResamplerClass testClass{L"TTestResampler",
                                         [](TCustomBitmap32* b) -> TCustomResampler* { return new TTestResampler(b); }};
  if (!ResamplerList().Find(L"TTestResampler")) RegisterResampler(&testClass);
  TCustomBitmap32 a;
  const std::wstring before = a.ResamplerClassName();
  a.SetResamplerClassName(L"TNoSuchResampler");
  EXPECT_EQ(a.ResamplerClassName(), before);
  a.SetResamplerClassName(L"TTestResampler");
  ASSERT_NE(a.Resampler(), nullptr);
  EXPECT_EQ(a.Resampler()->Bitmap(), &a);
  a.Resampler()->SetPixelAccessMode(pamWrap);

  TCustomBitmap32 b;
  b.Assign(&a);
  EXPECT_EQ(b.ResamplerClassName(), L"TTestResampler");
  EXPECT_EQ(b.Resampler()->PixelAccessMode(), pamWrap);
  EXPECT_EQ(b.Resampler()->Bitmap(), &b);
}

TEST(Bitmap32, BackendSwitchKeepsThePixels) {
  TCustomBitmap32 b;
  b.SetSize(2, 1);
  b.SetPixel(0, 0, 0x01020304);
  b.SetPixel(1, 0, 0x05060708);
  const auto original = b.Backend();
  std::shared_ptr<TCustomBackend> released;
  RequireBackendCapability(b, {IID_IDeviceContextCapability}, cmAnySuffices, false, released);
  ASSERT_EQ(released, original);
  EXPECT_NE(b.Backend(), original);
  EXPECT_EQ(b.Pixel(1, 0), 0x05060708u);
  b.SetPixel(0, 0, 0xCAFEBABE);
  RestoreBackend(b, released);
  EXPECT_EQ(b.Backend(), original);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Pixel(0, 0), 0xCAFEBABEu);
  EXPECT_EQ(original->Owner(), &b);

  RequireBackendCapability(b, {IID_IFontCapability}, cmAllRequired, true, released);
  EXPECT_TRUE(b.Empty());  // a destructive switch empties first
  RestoreBackend(b, released);
}

// A store that cannot give any surface.
class TFailingBackend : public TCustomBackend {
 protected:
  void AllocateSurface(std::int32_t, std::int32_t, bool) override { throw EBmp32Error(L"no surface"); }
};

TEST(Bitmap32, FailedAllocationLeavesNoStalePixels) {
  TCustomBitmap32 b;
  b.SetSize(2, 2);
  b.Clear(0xFF445566);
  const auto original = b.Backend();
  EXPECT_THROW(b.SetBackend(std::make_shared<TFailingBackend>()), EBmp32Error);
  EXPECT_EQ(b.Backend(), original);  // kept, with its pixels
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Pixel(1, 1), 0xFF445566u);

  TCustomBitmap32 c;
  c.SetBackend(std::make_shared<TFailingBackend>());  // nothing to take yet
  EXPECT_THROW(c.SetSize(3, 3), EBmp32Error);
  EXPECT_TRUE(c.Empty());
  EXPECT_EQ(c.Bits(), nullptr);
  EXPECT_EQ(c.ClipRect(), (TRect{}));
  c.Clear(0);  // nothing to write on
}

TEST(Bitmap32, LockIsPerBitmapAndRecursive) {
  TCustomBitmap32 b;
  b.Lock();
  b.Lock();
  EXPECT_EQ(b.LockCount(), 2);
  bool entered = false;
  std::thread other([&] {
    b.Lock();
    entered = true;
    b.Unlock();
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_FALSE(entered);
  b.Unlock();
  b.Unlock();
  other.join();
  EXPECT_TRUE(entered);
  EXPECT_EQ(b.LockCount(), 0);
}

TEST(Bitmap32, PublishedPropertiesAreReachableByName) {
  RegisterBitmap32Classes();
  TCustomBitmap32 b;
  const classlib::TClassInfo* info = classlib::ClassInfoOf(&b);
  ASSERT_EQ(info->Name, L"TCustomBitmap32");
  std::vector<std::wstring> names;
  for (const classlib::TPropInfo* p : info->AllProperties()) names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"DrawMode", L"CombineMode", L"WrapMode", L"MasterAlpha", L"OuterColor",
                                              L"ResamplerClassName", L"Resampler", L"OnChange", L"OnPixelCombine",
                                              L"OnAreaChanged", L"OnResize"}));
  info->FindProperty(L"DrawMode")->SetOrd(&b, dmTransparent);
  info->FindProperty(L"masteralpha")->SetOrd(&b, 17);
  EXPECT_EQ(b.DrawMode(), dmTransparent);
  EXPECT_EQ(b.MasterAlpha(), 17u);
  EXPECT_FALSE(info->FindProperty(L"WrapMode")->ShouldWrite(&b));  // at its default
}

TEST(Bitmap32Geometry, RectRoutinesAndGamma) {
  EXPECT_EQ(MakeRect(TFixedRect{0x8000, 0x18000, 0x28001, 0x10000}, rrClosest), (TRect{0, 1, 3, 1}));
  EXPECT_EQ(MakeRect(TFixedRect{0x8000, 0x18000, 0x28001, 0x10000}, rrOutside), (TRect{0, 1, 3, 1}));
  EXPECT_EQ(MakeRect(TFixedRect{0x8000, 0x18000, 0x28001, 0x10000}, rrInside), (TRect{1, 2, 2, 2}));
  TRect r;
  EXPECT_TRUE(IntersectRect(r, {0, 0, 5, 5}, {5, 1, 9, 3}));  // zero width counts
  EXPECT_EQ(r, (TRect{5, 1, 5, 3}));
  EXPECT_FALSE(IntersectRect(r, {0, 0, 5, 5}, {6, 1, 9, 3}));
  EXPECT_EQ(r, (TRect{}));
  EXPECT_TRUE(IsRectEmpty({5, 1, 5, 3}));
  EXPECT_EQ(ToFixed(1.5f), 0x18000);
  EXPECT_EQ(ToFixed(3), 3 << 16);
  EXPECT_EQ(InflateRect(TFloatRect{1, 2, 3, 4}, 1, 2), (TFloatRect{0, 0, 4, 6}));
  EXPECT_EQ(GammaTable[0], 0);
  EXPECT_EQ(GammaTable[255], 255);
  EXPECT_EQ(GammaTable[128], static_cast<int>(std::nearbyint(std::pow(128 / 255.0, 0.7) * 255)));
  SetGamma(1.0);
  EXPECT_EQ(GammaTable[77], 77);
  SetGamma(0.7);
}

}  // namespace
}  // namespace bmp32
