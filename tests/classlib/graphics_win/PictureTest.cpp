#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "classlib/core/ComponentReader.h"
#include "classlib/core/ComponentWriter.h"
#include "classlib/core/FileStream.h"
#include "classlib/core/PropertyRegistry.h"
#include "classlib/graphics/Icon.h"
#include "classlib/graphics/JpegImage.h"
#include "classlib/graphics/Picture.h"

namespace classlib::picture_test {

// Stand-ins for a PNG graphic: bitmaps that mark which class read the file.
class TFirstPng : public TBitmap {
 public:
  void LoadFromStream(TStream&) override { SetSize(1, 1); }
};
class TSecondPng : public TBitmap {
 public:
  void LoadFromStream(TStream&) override { SetSize(2, 2); }
};

std::wstring WriteFile(const std::wstring& name, const std::vector<uint8_t>& bytes) {
  TFileStream file(name, fmCreate);
  if (!bytes.empty()) file.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  return name;
}

std::vector<uint8_t> SmallBmp() {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(3, 2);
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Bytes();
}

std::vector<uint8_t> SmallJpeg() {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(8, 8);
  TJPEGImage jpeg;
  jpeg.Assign(&bitmap);
  TMemoryStream stream;
  jpeg.SaveToStream(stream);
  return stream.Bytes();
}

void Load(TGraphic& graphic, const std::vector<uint8_t>& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  graphic.LoadFromStream(stream);
}

class PictureFiles : public testing::Test {
 protected:
  void TearDown() override {
    TPicture::UnregisterGraphicClass<TFirstPng>();
    TPicture::UnregisterGraphicClass<TSecondPng>();
    for (const std::wstring& f : files_) DeleteFileW(f.c_str());
  }
  std::wstring File(const std::wstring& name, const std::vector<uint8_t>& bytes) {
    files_.push_back(name);
    return WriteFile(name, bytes);
  }
  std::vector<std::wstring> files_;
};

TEST_F(PictureFiles, ChoosesTheClassByExtensionIgnoringCase) {
  TPicture picture;
  picture.LoadFromFile(File(L"picture_a.BMP", SmallBmp()));
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 3);
  picture.LoadFromFile(File(L"picture_b.Jpg", SmallJpeg()));
  EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
  picture.LoadFromFile(File(L"picture_c.jpeg", SmallJpeg()));
  EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);

  TPicture::RegisterFileFormat<TFirstPng>(L"png", L"First");
  picture.LoadFromFile(File(L"picture_d.PNG", {1, 2, 3}));
  EXPECT_NE(dynamic_cast<TFirstPng*>(picture.Graphic()), nullptr);
}

TEST_F(PictureFiles, TheNewestRegistrationWins) {
  const std::wstring file = File(L"picture_e.png", {1});
  TPicture::RegisterFileFormat<TFirstPng>(L"png", L"First");
  TPicture::RegisterFileFormat<TSecondPng>(L".PNG", L"Second");
  TPicture picture;
  picture.LoadFromFile(file);
  EXPECT_NE(dynamic_cast<TSecondPng*>(picture.Graphic()), nullptr);
  TPicture::UnregisterGraphicClass<TSecondPng>();
  picture.LoadFromFile(file);
  EXPECT_NE(dynamic_cast<TFirstPng*>(picture.Graphic()), nullptr);
}

TEST_F(PictureFiles, UnknownExtensionsAndBadFilesLeaveThePictureAlone) {
  TPicture picture;
  picture.LoadFromFile(File(L"picture_f.bmp", SmallBmp()));
  TGraphic* before = picture.Graphic();
  try {
    picture.LoadFromFile(File(L"picture_g.xyz", {1}));
    FAIL() << "no exception";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), L"Unknown picture file extension (.xyz)");
  }
  EXPECT_THROW(picture.LoadFromFile(File(L"picture_h.jpg", {0xFF, 0xD8, 0xFF})), EInvalidGraphic);
  EXPECT_EQ(picture.Graphic(), before);
  EXPECT_EQ(picture.Width(), 3);
}

TEST(Picture, TellsAboutChangesOfItsGraphic) {
  TPicture picture;
  int changes = 0;
  picture.SetOnChange([&](TObject*) { ++changes; });
  picture.Bitmap()->SetSize(4, 4);
  EXPECT_GE(changes, 2);  // the new bitmap, then its size
  const int before = changes;
  picture.Bitmap()->Canvas()->FillRect(Rect(0, 0, 1, 1));
  EXPECT_GT(changes, before);

  TPicture copy;
  copy.Assign(&picture);
  EXPECT_NE(copy.Graphic(), picture.Graphic());
  EXPECT_EQ(copy.Width(), 4);
  copy.Assign(nullptr);
  EXPECT_EQ(copy.Graphic(), nullptr);
}

// A component with a font and a picture, as controls will have.
class THolder : public TComponent {
 public:
  using TComponent::TComponent;
  TFont* Font() const { return &font_; }
  TPicture* Picture() const { return &picture_; }

 private:
  mutable TFont font_;
  mutable TPicture picture_;
};

void RegisterHolder() {
  static const bool done = [] {
    Properties<THolder, TComponent>().Object(L"Font", &THolder::Font).Object(L"Picture", &THolder::Picture);
    RegisterComponentClass<THolder, TComponent>();
    return true;
  }();
  (void)done;
}

TEST(Picture, FontAndPictureInFormDescriptions) {
  RegisterHolder();
  THolder holder(nullptr);
  ReadComponentFromText(&holder,
                        L"object Holder1: THolder\n"
                        L"  Font.Charset = EASTEUROPE_CHARSET\n"
                        L"  Font.Color = clBtnFace\n"
                        L"  Font.Height = -16\n"
                        L"  Font.Name = 'Segoe UI'\n"
                        L"  Font.Style = [fsBold, fsItalic]\n"
                        L"end\n");
  EXPECT_EQ(holder.Font()->Height(), -16);
  EXPECT_EQ(holder.Font()->Charset(), EASTEUROPE_CHARSET);
  EXPECT_EQ(holder.Font()->Color(), clBtnFace);
  EXPECT_EQ(holder.Font()->Name(), L"Segoe UI");
  EXPECT_EQ(holder.Font()->Style(), (TFontStyles{fsBold, fsItalic}));

  TBitmap* bitmap = holder.Picture()->Bitmap();
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(2, 2);
  bitmap->ScanLine(1)[7] = 0x80;  // an alpha byte
  const std::wstring text = WriteComponentToText(&holder);
  EXPECT_NE(text.find(L"Picture.Data = {"), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"Font.Style = [fsBold, fsItalic]"), std::wstring::npos) << text;

  THolder copy(nullptr);
  ReadComponentFromText(&copy, text);
  auto* read = dynamic_cast<TBitmap*>(copy.Picture()->Graphic());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->PixelFormat(), pf32bit);
  EXPECT_EQ(read->ScanLine(1)[7], 0x80);
  EXPECT_EQ(copy.Font()->Height(), -16);

  // A JPEG picture is stored under its own class.
  TJPEGImage jpeg;
  Load(jpeg, SmallJpeg());
  holder.Picture()->SetGraphic(&jpeg);
  THolder third(nullptr);
  ReadComponentFromText(&third, WriteComponentToText(&holder));
  ASSERT_NE(dynamic_cast<TJPEGImage*>(third.Picture()->Graphic()), nullptr);
  EXPECT_EQ(third.Picture()->Width(), 8);
}

}  // namespace classlib::picture_test
#endif
