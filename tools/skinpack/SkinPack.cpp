// skinpack FOLDER OUTPUT: packs a skin folder ("Options.dat" and its images)
// into one packed skin file.
#include <exception>
#include <fstream>
#include <iostream>

#include "tools/skinpack/PackedSkinWriter.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: skinpack FOLDER OUTPUT\n";
    return 2;
  }
  try {
    const auto packed = skinpack::PackEntries(skinpack::ReadSkinFolder(argv[1]));
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(packed.size()));
    out.close();
    if (!out) {
      std::cerr << "skinpack: cannot write " << argv[2] << "\n";
      return 1;
    }
  } catch (const std::exception& error) {
    std::cerr << "skinpack: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
