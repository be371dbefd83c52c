// The region painters' Windows edge: key runs cut out of a real region,
// read back with GetRegionData.
#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "MaskFixture.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/MaskRegions_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {
namespace {

using testing::Coded;
using testing::TMaskFactory;
using testing::TMaskShape;

std::vector<RECT> RegionRects(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<std::uint8_t> bytes(size);
  auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
  EXPECT_EQ(GetRegionData(region, size, data), size);
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  return {rects, rects + data->rdh.nCount};
}

std::unique_ptr<classlib::TBitmap> Bitmap32(int w, int h) {
  auto bmp = std::make_unique<classlib::TBitmap>();
  bmp->SetPixelFormat(classlib::pf32bit);
  bmp->SetSize(w, h);
  return bmp;
}

TEST(MaskRegionsGdi, KeyKeyOpaqueKeyLeavesTwoHolesInTheRegion) {
  TMaskFactory factory;
  TMaskShape shape;
  shape.FrameWidth = 4, shape.FrameHeight = 1, shape.WL = 4, shape.WT = 1, shape.WR = 0, shape.WB = 0;
  const TsMaskData mask = factory.Make(shape, [](std::int32_t, std::int32_t x, std::int32_t y) {
    return x == 2 ? Coded(0, x, y) : 0x00FF00FFu;
  });
  auto bmp = Bitmap32(4, 2);
  HRGN region = CreateRectRgn(0, 0, 4, 2);
  CopyMaskCorners(0, 0, 3, 0, 0, 0, 3, 0, bmp.get(), region, mask, true);
  // Row 0 keeps only column 2; row 1 is whole.
  const std::vector<RECT> rects = RegionRects(region);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0].left, 2);
  EXPECT_EQ(rects[0].right, 3);
  EXPECT_EQ(rects[0].bottom, 1);
  EXPECT_EQ(rects[1].left, 0);
  EXPECT_EQ(rects[1].right, 4);
  EXPECT_EQ(ViewOf(bmp.get()).Pixel32(2, 0), Coded(0, 2, 0));
  DeleteObject(region);
}

TEST(MaskRegionsGdi, WholeFrameCutsEveryKeyCornerPixelOutOfTheWindowRegion) {
  TMaskFactory factory;
  TMaskShape shape;
  shape.FrameWidth = 6, shape.FrameHeight = 6, shape.WL = shape.WT = shape.WR = shape.WB = 2;
  const TsMaskData mask = factory.Make(shape, [](std::int32_t, std::int32_t x, std::int32_t y) {
    return (x == 0 || x == 5) && (y == 0 || y == 5) ? 0x00FF00FFu : Coded(0, x, y);
  });
  auto bmp = Bitmap32(30, 12);
  HRGN region = CreateRectRgn(0, 0, 30, 12);
  CopyMaskCornersWithRegion(bmp.get(), region, true, mask, 0);
  for (const POINT p : {POINT{0, 0}, POINT{29, 0}, POINT{0, 11}, POINT{29, 11}}) EXPECT_FALSE(PtInRegion(region, p.x, p.y));
  for (const POINT p : {POINT{1, 0}, POINT{0, 1}, POINT{28, 11}, POINT{15, 6}}) EXPECT_TRUE(PtInRegion(region, p.x, p.y));
  DeleteObject(region);
}

TEST(MaskRegionsGdi, PaintMaskRectOverTheClassLibraryBitmap) {
  TMaskFactory factory;
  TMaskShape shape;
  shape.DrawMode = 4;
  const TsMaskData mask = factory.Make(shape);
  auto bmp = Bitmap32(40, 20);
  PaintMaskRect(bmp.get(), TRect{0, 0, 40, 20}, true, EmptyCacheInfo, mask, 0, true, nullptr);
  EXPECT_EQ(ViewOf(bmp.get()).Pixel32(39, 19), Coded(0, 15, 15));
  EXPECT_EQ(ViewOf(bmp.get()).Pixel32(20, 10) & 0xFFFFFFu, Coded(0, 4 + 16 % 8, 4 + 6 % 8) & 0xFFFFFFu);
}

}  // namespace
}  // namespace skin::paint
#endif
