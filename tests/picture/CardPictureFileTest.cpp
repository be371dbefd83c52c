#include <gtest/gtest.h>

#include <cstdlib>

#include "app/picture/CardPictureFile.h"
#include "classlib/core/FileUtilsIO.h"
#include "tests/classlib/core/TestFolder.h"

namespace app {
namespace {

class CardPictureFile : public coretest::TestFolder {};

// Quality 100 keeps a smooth gradient within a few steps; the offsets come
// back kept within the picture's own range.
TEST_F(CardPictureFile, SavedAtQuality100AndReadBackWithOffsets) {
  bmp32::TCustomBitmap32 picture;
  picture.SetSize(447, 298);
  for (std::int32_t y = 0; y < 298; ++y)
    for (std::int32_t x = 0; x < 447; ++x)
      picture.SetPixel(x, y, 0xFF000000u | static_cast<std::uint32_t>(x * 255 / 446) << 16 |
                                 static_cast<std::uint32_t>(y * 255 / 297) << 8 | 0x80);
  const std::wstring file = File(kPictureFileName);
  SavePictureJpeg(picture, file);
  const std::string bytes = classlib::ReadFileBytes(file);
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8);

  const TLoadedPicture loaded = LoadPictureJpeg(file, -100, 0);
  ASSERT_EQ(loaded.Bitmap->Width(), 447);
  ASSERT_EQ(loaded.Bitmap->Height(), 298);
  EXPECT_EQ(loaded.Left, -100);
  EXPECT_EQ(loaded.Top, 0);
  int worst = 0;
  for (std::int32_t i = 0; i < 447 * 298; ++i) {
    const bmp32::TColor32 a = picture.Bits()[i], b = loaded.Bitmap->Bits()[i];
    EXPECT_EQ(b >> 24, 0xFFu);
    for (int c = 0; c < 24; c += 8) worst = std::max(worst, std::abs(int((a >> c) & 0xFF) - int((b >> c) & 0xFF)));
  }
  EXPECT_LE(worst, 6);

  const TLoadedPicture damaged = LoadPictureJpeg(file, -900, 12);
  EXPECT_EQ(damaged.Left, -144);
  EXPECT_EQ(damaged.Top, 0);
}

TEST_F(CardPictureFile, MissingFileRaises) {
  EXPECT_THROW(LoadPictureJpeg(File(L"brak.jpg"), 0, 0), classlib::Exception);
}

}  // namespace
}  // namespace app
