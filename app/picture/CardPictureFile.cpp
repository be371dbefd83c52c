#include "app/picture/CardPictureFile.h"

#include <cstring>
#include <span>

#include "classlib/core/FileUtilsIO.h"
#include "classlib/graphics/JpegCodec.h"

namespace app {

void SavePictureJpeg(const bmp32::TCustomBitmap32& picture, const std::wstring& fileName) {
  const std::size_t stride = static_cast<std::size_t>(picture.Width()) * 4;
  const classlib::JpegPixels pixels{picture.Width(), picture.Height(), classlib::JpegPixelFormat::Bgra32, stride,
                                    {reinterpret_cast<const std::uint8_t*>(picture.Bits()), stride * picture.Height()}};
  const std::vector<std::uint8_t> jpeg = classlib::EncodeJpeg(pixels, kPictureJpegQuality);
  classlib::WriteFileAtomic(fileName, {reinterpret_cast<const char*>(jpeg.data()), jpeg.size()});
}

TLoadedPicture LoadPictureJpeg(const std::wstring& fileName, std::int32_t storedLeft, std::int32_t storedTop,
                               std::int32_t box) {
  const std::string bytes = classlib::ReadFileBytes(fileName);
  const classlib::JpegImageData image = classlib::DecodeJpeg(
      {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, classlib::JpegPixelFormat::Bgra32);
  TLoadedPicture loaded{std::make_unique<bmp32::TCustomBitmap32>()};
  loaded.Bitmap->SetSize(image.width, image.height);
  for (int y = 0; y < image.height; ++y)
    std::memcpy(loaded.Bitmap->ScanLine(y), image.pixels.data() + y * image.stride, std::size_t(image.width) * 4);
  loaded.Left = StoredOffset(storedLeft, image.width, box);
  loaded.Top = StoredOffset(storedTop, image.height, box);
  return loaded;
}

}  // namespace app
