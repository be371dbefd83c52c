#include <gtest/gtest.h>

#include "app/picture/CardPictureFit.h"

namespace app {
namespace {

struct FitCase {
  std::int32_t width, height;
  TPictureFit expected;
};

TEST(CoverFit, ShorterSideBecomesTheBox) {
  const FitCase cases[] = {
      {600, 400, {447, 298, -74, 0, true}},  // 598 800 / 400 = 447; -149 / 2 truncated
      {400, 600, {298, 447, 0, -74, true}},
      {298, 298, {298, 298, 0, 0, false}},  // used as it is
      {1000, 1000, {298, 298, 0, 0, true}},
      {100, 100, {298, 298, 0, 0, true}},
      {4000, 3000, {397, 298, -49, 0, true}},  // 397.33 rounds down
      {4, 1, {1192, 298, -447, 0, true}},
      {596, 400, {444, 298, -73, 0, true}},  // 444.04
      {2, 1, {596, 298, -149, 0, true}},
      {3, 2, {447, 298, -74, 0, true}},
  };
  for (const FitCase& c : cases) EXPECT_EQ(CoverFit(c.width, c.height), c.expected) << c.width << "x" << c.height;
}

// Halves go to even: 298 * 5 / 4 = 372.5 -> 372, 298 * 7 / 4 = 521.5 -> 522.
TEST(CoverFit, HalvesRoundToEven) {
  EXPECT_EQ(CoverFit(5, 4).Width, 372);
  EXPECT_EQ(CoverFit(7, 4).Width, 522);
  EXPECT_EQ(CoverFit(4, 7).Height, 522);
}

TEST(CoverFit, AbsurdProportionsAreRefused) {
  EXPECT_THROW(CoverFit(3000, 1), EPictureFit);
  EXPECT_THROW(CoverFit(1, 3000), EPictureFit);
  EXPECT_THROW(CoverFit(0, 10), EPictureFit);
}

TEST(CoverFit, LimitIsOnTheFittedSide) {
  EXPECT_EQ(CoverFit(1649, 30).Width, 16380);  // 16 380.07
  try {
    CoverFit(1650, 30);  // 16 390
    FAIL();
  } catch (const EPictureFit& e) {
    EXPECT_NE(e.Message().find(L"16390"), std::wstring::npos);
    EXPECT_NE(e.Message().find(L"16384"), std::wstring::npos);
  }
}

TEST(FitPicture, ScalesThroughTheKernelResampler) {
  bmp32::TCustomBitmap32 source;
  source.SetSize(600, 400);
  source.Clear(0xFF123456);
  const TFittedPicture fitted = FitPicture(source);
  EXPECT_EQ(fitted.Fit, (TPictureFit{447, 298, -74, 0, true}));
  EXPECT_EQ(source.ResamplerClassName(), L"TKernelResampler");
  ASSERT_EQ(fitted.Bitmap->Width(), 447);
  ASSERT_EQ(fitted.Bitmap->Height(), 298);
  for (std::int32_t i = 0; i < 447 * 298; ++i) ASSERT_EQ(fitted.Bitmap->Bits()[i], 0xFF123456u);

  source.SetSize(298, 298);
  source.SetPixel(5, 7, 0xFFABCDEF);
  const TFittedPicture same = FitPicture(source);
  EXPECT_FALSE(same.Fit.Scaled);
  EXPECT_EQ(same.Bitmap->Pixel(5, 7), 0xFFABCDEFu);
}

TEST(FitPicture, RefusalLeavesTheSourceAlone) {
  bmp32::TCustomBitmap32 source;
  source.SetSize(3000, 1);
  EXPECT_THROW(FitPicture(source), EPictureFit);
  EXPECT_EQ(source.ResamplerClassName(), L"TNearestResampler");
}

TEST(CropDrag, LimitsOfTheLongerSide) {
  EXPECT_EQ(CropAxis(447, 298), TCropAxis::Horizontal);
  EXPECT_EQ(CropAxis(298, 447), TCropAxis::Vertical);
  EXPECT_EQ(CropAxis(298, 298), TCropAxis::None);
  EXPECT_EQ(DragOffset(-74, -1000, 447), -144);  // 298 - 447 + 5
  EXPECT_EQ(DragOffset(-74, 1000, 447), 0);
  EXPECT_EQ(DragOffset(-74, -10, 447), -84);
  // Overhanging by 5 pixels or less: the picture stays at 0.
  EXPECT_EQ(DragOffset(0, -3, 303), 0);
  EXPECT_EQ(DragOffset(0, -3, 304), -1);
}

TEST(CropDrag, StoredOffsetsStayWhereThePictureCanBe) {
  EXPECT_EQ(StoredOffset(-74, 447), -74);
  EXPECT_EQ(StoredOffset(-144, 447), -144);
  EXPECT_EQ(StoredOffset(-5000, 447), -144);
  EXPECT_EQ(StoredOffset(40, 447), 0);
  EXPECT_EQ(StoredOffset(-20, 298), 0);  // the other axis of a wide picture
  EXPECT_EQ(StoredOffset(-1, 301), -1);  // the centred place of a small overhang
  EXPECT_EQ(StoredOffset(-2, 301), -1);
}

}  // namespace
}  // namespace app
