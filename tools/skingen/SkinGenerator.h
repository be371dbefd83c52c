#pragma once
#include <filesystem>

namespace skingen {

class TOptionsFile;
class TMaskAtlas;

// Writes the internal skin into the folder (created when missing):
// "Options.dat" and the master bitmap. Raises std::runtime_error when a file
// cannot be written or the skin lacks an item the program needs.
void GenerateSkin(const std::filesystem::path& folder);

// Writes a skin description and its master bitmap, drawn from the atlas,
// into the folder (created when missing).
void WriteSkinFolder(const std::filesystem::path& folder, const TOptionsFile& options, const TMaskAtlas& atlas);

// Writes a picture of the skin at work (a 32-bit BMP) to look at.
void WriteSkinPreview(const std::filesystem::path& file);

}  // namespace skingen
