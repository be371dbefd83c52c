#pragma once
// The card picture's file: the fitted picture is stored whole as a JPEG at
// quality 100; its place in the box is stored with the card data and
// comes back through StoredOffset.
#include <cstdint>
#include <memory>
#include <string>

#include "app/picture/CardPictureFit.h"

namespace app {

inline constexpr wchar_t kPictureFileName[] = L"Obraz.jpg";
inline constexpr int kPictureJpegQuality = 100;

// Written through a temporary file and a rename, so a failed save leaves the
// old file. Raises the file layer's error.
void SavePictureJpeg(const bmp32::TCustomBitmap32& picture, const std::wstring& fileName);

struct TLoadedPicture {
  std::unique_ptr<bmp32::TCustomBitmap32> Bitmap;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
};
// The picture and its stored offsets (KadrujLewo, KadrujGora), each kept
// within the places its own axis allows. Raises the file or JPEG error.
TLoadedPicture LoadPictureJpeg(const std::wstring& fileName, std::int32_t storedLeft, std::int32_t storedTop,
                               std::int32_t box = kPictureBoxSize);

}  // namespace app
