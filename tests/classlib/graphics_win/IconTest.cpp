#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Icon.h"
#include "classlib/graphics/Picture.h"

namespace classlib {
namespace {

// A 16 x 16 icon: opaque red with a transparent left half.
HICON MakeIcon() {
  TBitmap color;
  color.SetPixelFormat(pf32bit);
  color.SetSize(16, 16);
  TBitmap mask;
  mask.SetPixelFormat(pf1bit);
  mask.SetSize(16, 16);
  for (int y = 0; y < 16; ++y) {
    uint8_t* c = color.ScanLine(y);
    for (int x = 0; x < 16; ++x) {
      c[4 * x + 2] = 255;
      c[4 * x + 3] = x < 8 ? 0 : 255;
    }
    mask.ScanLine(y)[0] = 0xFF;  // left 8 pixels transparent
  }
  ICONINFO info{TRUE, 0, 0, mask.Handle(), color.Handle()};
  return CreateIconIndirect(&info);
}

TEST(Icon, HandleSaveLoadAndDraw) {
  TIcon icon;
  icon.SetHandle(MakeIcon());
  EXPECT_EQ(icon.Width(), 16);
  TMemoryStream stream;
  icon.SaveToStream(stream);
  stream.SetPosition(0);

  TIcon loaded;
  loaded.LoadFromStream(stream);
  EXPECT_EQ(loaded.Width(), 16);
  EXPECT_EQ(loaded.Height(), 16);
  ASSERT_NE(loaded.Handle(), nullptr);

  TBitmap target;
  target.SetPixelFormat(pf24bit);
  target.SetSize(16, 16);
  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect(Rect(0, 0, 16, 16));
  target.Canvas()->Draw(0, 0, &loaded);
  EXPECT_EQ(target.Canvas()->Pixels(12, 5), 0x0000FF);
  EXPECT_EQ(target.Canvas()->Pixels(3, 5), 0xFFFFFF);

  TPicture picture;
  picture.SetGraphic(&loaded);
  EXPECT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);

  // Any graphic assigns to a bitmap by drawing on white.
  TBitmap drawn;
  drawn.Assign(&loaded);
  EXPECT_EQ(drawn.PixelFormat(), pf24bit);
  EXPECT_EQ(drawn.Canvas()->Pixels(12, 5), 0x0000FF);
  EXPECT_EQ(drawn.Canvas()->Pixels(3, 5), 0xFFFFFF);
}

TEST(Icon, BadFilesRaise) {
  TIcon good;
  good.SetHandle(MakeIcon());
  TMemoryStream full;
  good.SaveToStream(full);
  const std::vector<uint8_t>& bytes = full.Bytes();
  std::vector<uint8_t> huge = bytes;
  huge[22 + 8] = 0x7F;  // image header claims a very wide image
  for (const std::vector<uint8_t>& bad :
       {std::vector<uint8_t>(bytes.begin(), bytes.begin() + 10), std::vector<uint8_t>(bytes.begin(), bytes.end() - 40),
        std::vector<uint8_t>{0, 0, 2, 0, 1, 0}, huge}) {
    TMemoryStream stream;
    stream.WriteBuffer(bad.data(), static_cast<int64_t>(bad.size()));
    stream.SetPosition(0);
    TIcon icon;
    icon.SetHandle(MakeIcon());
    EXPECT_THROW(icon.LoadFromStream(stream), EInvalidGraphic);
    EXPECT_EQ(icon.Width(), 16);
  }
}

}  // namespace
}  // namespace classlib
#endif
