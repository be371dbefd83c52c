#pragma once
// Registers TPNGObject with the picture class for ".png" files. The program
// calls it after the skinning library has registered its own PNG graphic:
// the newest registration wins, so pictures opened by extension then
// become TPNGObject images.
namespace png {

void RegisterPngFormat();
void UnregisterPngFormat();

}  // namespace png
