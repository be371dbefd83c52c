#pragma once
// Decoding the images of a skin into 32-bit bitmaps, with no platform
// graphics: BMP files (1, 4, 8, 24 and 32 bits, uncompressed) and JPEG
// textures. The data is untrusted; every failure raises ESkinImageError.
#include <memory>
#include <string_view>

#include "bitmap/Bmp32.h"
#include "classlib/core/Exception.h"

namespace skin {

CLASSLIB_EXCEPTION(ESkinImageError, classlib::Exception);

// A BMP file. Pixels of files below 32 bits get alpha 255, except those of
// the key colour, which get alpha 0 so that they still match it; a 32-bit
// file keeps its alpha. PNG data goes through the library's PNG reader
// (DecodeSkinPng).
std::shared_ptr<bmp32::TCustomBitmap32> DecodeSkinBitmap(std::string_view bytes);

// A JPEG file, every pixel with alpha 255.
std::shared_ptr<bmp32::TCustomBitmap32> DecodeSkinJpeg(std::string_view bytes);

}  // namespace skin
