#pragma once
// Writes the packed skin container the skin library reads: "ASzf", the entry
// count, then per entry the name's length, the name, the unpacked size and
// the body as one zlib stream (integers 32-bit little-endian). Standard C++
// and zlib only, so the packer also builds as a host tool beside a cross build.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace skinpack {

struct PackEntry {
  std::string Name;  // ASCII, under 1 KiB
  std::vector<uint8_t> Body;  // under 64 MiB
};

class PackError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The container holding the entries in the given order.
std::vector<uint8_t> PackEntries(const std::vector<PackEntry>& entries);

// The entries of a skin folder: its "Options.dat" first, then every other
// file in the folder in name order (subfolders are skipped). Raises PackError
// when "Options.dat" is missing or a name or size does not fit the container.
std::vector<PackEntry> ReadSkinFolder(const std::filesystem::path& folder);

}  // namespace skinpack
