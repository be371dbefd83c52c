#pragma once
// Picture tests write PNGs only when TESSARILO_PICTURES_DIR names a folder
// (a run under Xvfb); otherwise they skip.
#ifdef _WIN32
#include <cstdlib>
#include <filesystem>
#include <string>

#include "classlib/graphics/Bitmap.h"
#include "png/PngObject.h"

namespace skin::paint::testing {

inline std::wstring PicturesDir() {
  const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
  return dir ? std::filesystem::path(dir).wstring() : std::wstring();
}

inline void SavePng(classlib::TBitmap* bmp, const std::wstring& file) {
  png::TPNGObject image;
  image.Assign(bmp);
  image.SaveToFile(file);
}

}  // namespace skin::paint::testing
#endif
