#include "png/PngRegistration.h"

#include "classlib/graphics/Picture.h"
#include "png/PngObject.h"

namespace png {

void RegisterPngFormat() {
  classlib::TPicture::RegisterFileFormat<TPNGObject>(L"PNG", L"Portable Network Graphics");
}

void UnregisterPngFormat() { classlib::TPicture::UnregisterGraphicClass<TPNGObject>(); }

}  // namespace png
