// skingen FOLDER [PREVIEW.BMP]: writes the program's internal skin into
// FOLDER and, when asked, a picture of the skin at work.
// skingen --marker FOLDER: writes the tests' marker skin into FOLDER.
// skingen --exborder FOLDER: writes the tests' extended-border skin into FOLDER.
#include <cstdio>
#include <cstring>
#include <exception>

#include "tools/skingen/ExBorderSkin.h"
#include "tools/skingen/MarkerSkin.h"
#include "tools/skingen/SkinGenerator.h"

int main(int argc, char** argv) {
  const bool marker = argc == 3 && std::strcmp(argv[1], "--marker") == 0;
  if (marker || (argc == 3 && std::strcmp(argv[1], "--exborder") == 0)) {
    try {
      if (marker) skingen::marker::GenerateMarkerSkin(argv[2]);
      else skingen::exborder::GenerateExBorderSkin(argv[2]);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "skingen: %s\n", e.what());
      return 1;
    }
    return 0;
  }
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: skingen FOLDER [PREVIEW.BMP] | skingen --marker FOLDER | skingen --exborder FOLDER\n");
    return 2;
  }
  try {
    skingen::GenerateSkin(argv[1]);
    if (argc == 3) skingen::WriteSkinPreview(argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: %s\n", e.what());
    return 1;
  }
  return 0;
}
