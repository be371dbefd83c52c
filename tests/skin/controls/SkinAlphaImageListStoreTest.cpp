#ifdef _WIN32
// The alpha image list's stored form: its images travel in the form
// description as the PNG files they came from, and the system list is built
// from them when the description has been read.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "classlib/core/ComponentReader.h"
#include "classlib/core/ComponentWriter.h"
#include "classlib/core/FormParser.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/controls/sAlphaImageList.h"
#include "tests/png/core/PngTestFiles.h"

namespace skin_test {

using namespace classlib;
using namespace skin;
using pngtest::Bytes;

// A w x h RGBA PNG: the left half opaque `rgb` but for its last column at
// half alpha, the right half clear.
Bytes HalfPng(uint32_t w, uint32_t h, uint32_t rgb) {
  Bytes raw;
  for (uint32_t y = 0; y < h; ++y) {
    raw.push_back(0);
    for (uint32_t x = 0; x < w; ++x)
      raw.insert(raw.end(), {uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), uint8_t(x + 1 < w / 2 ? 255 : x < w / 2 ? 128 : 0)});
  }
  return pngtest::PngFile().Chunk("IHDR", pngtest::Ihdr(w, h, 8, 6)).Idat(pngtest::Zlib(raw)).End().bytes;
}

std::wstring Hex(const Bytes& bytes) {
  static const wchar_t kHex[] = L"0123456789ABCDEF";
  std::wstring out;
  for (uint8_t b : bytes) out += {kHex[b >> 4], kHex[b & 15]};
  return out;
}

TColor PixelOver(TsAlphaImageList& list, int index, int x, int y) {
  TBitmap target;
  target.SetPixelFormat(pf32bit);
  target.SetSize(list.Width(), list.Height());
  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect(TRect{0, 0, list.Width(), list.Height()});
  list.Draw(*target.Canvas(), 0, 0, index);
  return target.Canvas()->Pixels(x, y);
}

TEST(SkinAlphaImageListStore, BuildsItsImagesFromTheStoredFilesAndWritesThemBackByteForByte) {
  RegisterSkinControlsClasses();
  const Bytes red = HalfPng(8, 8, 0xFF0000), blue = HalfPng(4, 4, 0x0000FF);
  const std::wstring text = L"object List: TsAlphaImageList\n  Width = 8\n  Height = 8\n  Bitmap = {}\n"
                            L"  Items = <\n    item\n      ImgData = {" + Hex(red) +
                            L"}\n    end\n    item\n      ImageFormat = ifPNG\n      ImgData = {" + Hex(blue) +
                            L"}\n    end>\nend\n";
  std::unique_ptr<TComponent> root(CreateComponentFromText(text, nullptr));
  auto& list = dynamic_cast<TsAlphaImageList&>(*root);
  ASSERT_EQ(list.Count(), 2);
  ASSERT_EQ(list.Items()->Count(), 2);
  EXPECT_EQ(list.Items()->Items(1)->OrigWidth(), 4);
  // Alpha kept: the clear half shows what is under it; a smaller image is
  // resampled to the list's size.
  EXPECT_EQ(PixelOver(list, 0, 1, 4), clRed);
  EXPECT_EQ(PixelOver(list, 0, 6, 4), clWhite);
  const TColor half = PixelOver(list, 0, 3, 4);  // red at half alpha over white
  EXPECT_EQ(GetRValue(half), 255);
  EXPECT_NEAR(GetGValue(half), 127, 2);
  EXPECT_NEAR(GetBValue(half), 127, 2);
  const TColor stretched = PixelOver(list, 1, 0, 4);
  EXPECT_EQ(GetBValue(stretched), 255);
  EXPECT_LT(GetRValue(stretched), 64);
  EXPECT_EQ(PixelOver(list, 1, 7, 4), clWhite);

  // Written back: an empty Bitmap and every file unchanged.
  const TFormObject written = ParseFormText(WriteComponentToText(&list));
  bool sawBitmap = false;
  for (const TFormProperty& p : written.Properties) {
    if (p.Name == L"Bitmap") {
      sawBitmap = true;
      EXPECT_TRUE(p.Value.Bytes.empty());
    }
    if (p.Name != L"Items") continue;
    ASSERT_EQ(p.Value.Items.size(), 2u);
    const Bytes* files[] = {&red, &blue};
    for (size_t i = 0; i < 2; ++i) {
      const auto& props = p.Value.Items[i].Properties;
      ASSERT_EQ(props.size(), 1u) << "defaults are not written";
      EXPECT_EQ(props[0].Name, L"ImgData");
      EXPECT_EQ(props[0].Value.Bytes, *files[i]);
    }
  }
  EXPECT_TRUE(sawBitmap);
}

TEST(SkinAlphaImageListStore, ItemsChangedAtRunTimeRebuildTheImagesAndABrokenFileAddsNothing) {
  std::unique_ptr<TsAlphaImageList> list(New<TsAlphaImageList>(nullptr));
  list->SetSize(8, 8);
  const Bytes red = HalfPng(8, 8, 0xFF0000);
  TMemoryStream file;
  file.WriteBuffer(red.data(), static_cast<int64_t>(red.size()));
  file.SetPosition(0);
  EXPECT_EQ(list->AddImageFile(file, ifPNG), 0);
  file.SetPosition(0);
  EXPECT_EQ(list->AddImageFile(file, ifPNG), 1);
  EXPECT_EQ(list->Count(), 2);

  TMemoryStream broken;
  broken.WriteBuffer("not a picture", 13);
  broken.SetPosition(0);
  EXPECT_ANY_THROW(list->AddImageFile(broken, ifPNG));
  EXPECT_EQ(list->Items()->Count(), 2);
  EXPECT_EQ(list->Count(), 2);

  list->Items()->Delete(0);
  EXPECT_EQ(list->Count(), 1);
  EXPECT_EQ(PixelOver(*list, 0, 1, 4), clRed);
}

}  // namespace skin_test
#endif
