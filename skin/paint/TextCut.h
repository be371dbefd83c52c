#pragma once
// Shortening a caption to a width with "..." appended.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace skin::paint {

// The width of a text in pixels, as the caller's font measures it.
using TTextWidthFn = std::function<std::int32_t(std::wstring_view)>;

// Text itself when it fits in MaxWidth; otherwise its longest beginning
// that fits together with "...", followed by "..."; empty when MaxWidth < 1
// or when not even one character fits with the dots.
std::wstring CutTextToWidth(std::wstring_view text, std::int32_t maxWidth, const TTextWidthFn& width);

}  // namespace skin::paint
