// A skin loaded from an unpacked container: the description from its
// "Options.dat" entry, the images from its other entries.
#include <gtest/gtest.h>

#include "skin/core/PackedSkin.h"
#include "skin/core/SkinDataLoad.h"
#include "skin/core/SkinLookups.h"
#include "tests/skin/core/PackedSkinBytes.h"
#include "tests/skin/core/SkinTestImages.h"

namespace skin {
namespace {

TEST(SkinPackedLoad, DescriptionAndImagesComeFromTheContainer) {
  const std::string master = testing::Bmp24(40, 20, [](int x, int) { return x == 0 ? 0xFF00FFu : 0x303030u; });
  const std::string options =
      "[GLOBALINFO]\r\nVERSION=8.0\r\nMASTERBITMAP=MASTER.BMP\r\n"
      "[BUTTON]\r\nBORDERSMASK=^0000,0000,0030,0020,0003,0003,0003,0003,3,1,0,0\r\nGLYPHMASK=!Glyph.bmp!1!0!2\r\n";
  const auto bytes = skintest::Container(3, {skintest::Entry("Options.dat", skintest::Text(options)),
                                             skintest::Entry("Master.bmp", skintest::Text(master)),
                                             skintest::Entry("glyph.BMP", skintest::Text(testing::PlainBmp(8, 8)))});
  auto source = std::make_unique<classlib::TMemoryStream>();
  source->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  auto convertor = std::make_unique<TacSkinConvertor>();
  convertor->SetSource(std::move(source));
  ReadPackedSkin(convertor);
  ASSERT_TRUE(convertor && convertor->Options);

  const auto& text = convertor->Options->Bytes();
  const auto description =
      TsSkinOptions::FromBytes(L"Options.dat", std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
  const auto skin = LoadSkinModel(description, TsSkinPackedFiles(*convertor), {});
  EXPECT_EQ(skin->MasterBitmap->Width(), 40);
  const int border = FindMaskIndex(*skin, L"BUTTON", L"BORDERSMASK");
  ASSERT_GE(border, 0);
  EXPECT_EQ(skin->Masks[static_cast<std::size_t>(border)].CornerType, 1);
  const int glyph = FindMaskIndex(*skin, L"BUTTON", L"GLYPHMASK");
  ASSERT_GE(glyph, 0);
  EXPECT_EQ(skin->Masks[static_cast<std::size_t>(glyph)].Bmp->Width(), 8);
}

}  // namespace
}  // namespace skin
