#include "tools/skinpack/PackedSkinWriter.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace skinpack {

namespace {

// The reader's limits: names under 1 KiB, bodies under 64 MiB.
constexpr size_t kMaxNameLength = 1023;
constexpr size_t kMaxBodySize = 64 * 1024 * 1024 - 1;

void AppendInt32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void AppendCompressed(std::vector<uint8_t>& out, const std::vector<uint8_t>& body) {
  uLongf length = compressBound(static_cast<uLong>(body.size()));
  std::vector<uint8_t> packed(length);
  if (compress2(packed.data(), &length, body.data(), static_cast<uLong>(body.size()), Z_BEST_COMPRESSION) != Z_OK)
    throw PackError("zlib could not compress an entry");
  out.insert(out.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(length));
}

void CheckEntry(const PackEntry& entry) {
  if (entry.Name.empty() || entry.Name.size() > kMaxNameLength)
    throw PackError("entry name too long or empty: " + entry.Name);
  if (std::any_of(entry.Name.begin(), entry.Name.end(), [](char c) { return c < 0x20 || c > 0x7E; }))
    throw PackError("entry name is not plain ASCII: " + entry.Name);
  if (entry.Body.size() > kMaxBodySize) throw PackError("entry too large: " + entry.Name);
}

bool IsOptionsName(const std::string& name) {
  static const std::string options = "options.dat";
  return name.size() == options.size() &&
         std::equal(name.begin(), name.end(), options.begin(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw PackError("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::vector<uint8_t> PackEntries(const std::vector<PackEntry>& entries) {
  std::vector<uint8_t> out{'A', 'S', 'z', 'f'};
  AppendInt32(out, static_cast<uint32_t>(entries.size()));
  for (const PackEntry& entry : entries) {
    CheckEntry(entry);
    AppendInt32(out, static_cast<uint32_t>(entry.Name.size()));
    out.insert(out.end(), entry.Name.begin(), entry.Name.end());
    AppendInt32(out, static_cast<uint32_t>(entry.Body.size()));
    AppendCompressed(out, entry.Body);
  }
  return out;
}

std::vector<PackEntry> ReadSkinFolder(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& item : std::filesystem::directory_iterator(folder))
    if (item.is_regular_file()) files.push_back(item.path());
  std::sort(files.begin(), files.end());

  std::vector<PackEntry> entries;
  for (const auto& file : files) {
    PackEntry entry{file.filename().string(), ReadFile(file)};
    CheckEntry(entry);
    if (IsOptionsName(entry.Name)) {
      if (!entries.empty() && IsOptionsName(entries.front().Name))
        throw PackError("more than one Options.dat in " + folder.string());
      entries.insert(entries.begin(), std::move(entry));
    } else {
      entries.push_back(std::move(entry));
    }
  }
  if (entries.empty() || !IsOptionsName(entries.front().Name))
    throw PackError("no Options.dat in " + folder.string());
  return entries;
}

}  // namespace skinpack
