// skingen FOLDER [PREVIEW.BMP]: writes the program's internal skin into
// FOLDER and, when asked, a picture of the skin at work.
#include <cstdio>
#include <exception>

#include "tools/skingen/SkinGenerator.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: skingen FOLDER [PREVIEW.BMP]\n");
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
