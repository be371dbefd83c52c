#pragma once
// The memory block of a WM_DROPFILES drop, read with bounds. The block is a
// 20-byte header (offset of the names, drop point, non-client flag, wide
// flag) followed by zero-terminated names and one more zero. A block from a
// foreign or broken source may end anywhere: nothing is read past its end.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace classlib {

inline constexpr std::size_t kDropFileHeaderSize = 20;

// Converts the names of a narrow (ANSI) block.
using TNarrowNameConverter = std::function<std::wstring(std::string_view name)>;

// The names in drop order. A block shorter than the header, a names offset
// outside the block or a name without its terminating zero ends the list
// there.
std::vector<std::wstring> ParseDropFileBlock(std::string_view block, const TNarrowNameConverter& narrowToWide);

}  // namespace classlib
