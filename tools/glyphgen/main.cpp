// glyphgen OUTPUT_FOLDER [FORM_DESCRIPTION COMPOSED_DESCRIPTION PACKED_SKIN]
//
// Draws the main window's pictures into OUTPUT_FOLDER as PNG files and, given
// a form description with placeholders, writes it with the pictures and the
// packed internal skin stored in it, the way the form reader takes them.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "tools/glyphgen/MainWindowPictures.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 5) {
    std::fprintf(stderr, "usage: glyphgen OUTPUT_FOLDER [FORM_DESCRIPTION COMPOSED_DESCRIPTION PACKED_SKIN]\n");
    return 2;
  }
  try {
    const glyphgen::TMainWindowPictures pictures = glyphgen::DrawMainWindowPictures();
    glyphgen::WritePictureFiles(pictures, argv[1]);
    if (argc == 5) {
      const std::string skin = ReadAll(argv[4]);
      const fs::path composed = argv[3];
      // Written beside and then renamed, so a failed run leaves no half file.
      const fs::path partial = composed.string() + ".partial";
      WriteAll(partial, glyphgen::ComposeMainWindowForm(ReadAll(argv[2]), pictures,
                                                        glyphgen::TBytes(skin.begin(), skin.end())));
      fs::rename(partial, composed);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "glyphgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
