#pragma once
// What the bitmap needs of the platform's graphics: its backend, and the
// conversions to and from the class library's pictures. The platform layer
// installs these at start-up; without it bitmaps keep to memory and BMP.
#include <memory>
#include <string>

#include "classlib/core/Persistent.h"
#include "classlib/core/Stream.h"

namespace bmp32 {

class TCustomBackend;
class TCustomBitmap32;

struct TPlatformServices {
  std::shared_ptr<TCustomBackend> (*CreateBackend)() = nullptr;
  // Graphic, picture and icon sources and targets; false when the object is
  // none the platform knows.
  bool (*AssignFrom)(TCustomBitmap32& bitmap, const classlib::TPersistent& source) = nullptr;
  bool (*AssignTo)(const TCustomBitmap32& bitmap, classlib::TPersistent& dest) = nullptr;
  // A BMP stream that is not 32-bit uncompressed, through the class
  // library's bitmap.
  void (*LoadBitmapStream)(TCustomBitmap32& bitmap, classlib::TStream& stream) = nullptr;
  // A file that is no BMP, through the class library's picture (by extension).
  void (*LoadPictureFile)(TCustomBitmap32& bitmap, const std::wstring& fileName) = nullptr;
};

const TPlatformServices& PlatformServices();
void SetPlatformServices(const TPlatformServices& services);

}  // namespace bmp32
