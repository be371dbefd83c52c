#pragma once
// A skin pushed by another process as a copy-data block: an identifier, the
// skin's name and folder and the text of its "Options.dat", all code page
// 1250. The block comes from outside: it is read only within the size it
// announces, and every text within its own field.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace skin {

// The copy-data kind (wParam) and the identifier that opens the block.
inline constexpr std::uintptr_t PushedSkinKind = 7;
inline constexpr std::uint32_t PushedSkinId = 0xA400;
// Field sizes in bytes; a block shorter than their sum is refused.
inline constexpr std::size_t PushedSkinNameSize = 128;
inline constexpr std::size_t PushedSkinDirectorySize = 513;
inline constexpr std::size_t PushedSkinOptionsSize = 30001;
inline constexpr std::size_t PushedSkinBlockSize =
    4 + PushedSkinNameSize + PushedSkinDirectorySize + PushedSkinOptionsSize;

struct TsPushedSkin {
  std::wstring Name;
  std::wstring Directory;
  std::string Options;  // the options text's bytes, as a file would hold them
};

// Nothing for a null block, one shorter than PushedSkinBlockSize or one
// with another identifier. A text without terminator fills its field.
std::optional<TsPushedSkin> ReadPushedSkin(const void* data, std::size_t size);

}  // namespace skin
