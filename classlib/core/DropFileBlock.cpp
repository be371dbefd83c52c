#include "classlib/core/DropFileBlock.h"

#include <cstdint>

namespace classlib {
namespace {

std::uint32_t ReadUint32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

constexpr std::size_t kNamesOffsetAt = 0;
constexpr std::size_t kWideFlagAt = 16;

}  // namespace

std::vector<std::wstring> ParseDropFileBlock(std::string_view block, const TNarrowNameConverter& narrowToWide) {
  std::vector<std::wstring> names;
  if (block.size() < kDropFileHeaderSize) return names;
  std::size_t at = ReadUint32(block, kNamesOffsetAt);
  const bool wide = ReadUint32(block, kWideFlagAt) != 0;
  if (at < kDropFileHeaderSize) return names;
  if (wide) {
    while (at + 2 <= block.size()) {
      std::wstring name;
      bool terminated = false;
      for (; at + 2 <= block.size(); at += 2) {
        const wchar_t c = static_cast<wchar_t>(static_cast<unsigned char>(block[at]) |
                                               (static_cast<unsigned char>(block[at + 1]) << 8));
        if (c == 0) {
          terminated = true;
          at += 2;
          break;
        }
        name += c;
      }
      if (!terminated || name.empty()) break;
      names.push_back(std::move(name));
    }
  } else {
    while (at < block.size()) {
      const std::size_t end = block.find('\0', at);
      if (end == std::string_view::npos || end == at) break;
      names.push_back(narrowToWide(block.substr(at, end - at)));
      at = end + 1;
    }
  }
  return names;
}

}  // namespace classlib
