#pragma once
// Folder names of the skinning library.
#include <string>
#include <string_view>

namespace skin {

// A folder name ending in "\": a final "/" becomes "\", a single character
// (a drive letter) gets ":\"; an empty name stays empty.
std::wstring NormalDir(std::wstring_view path);

}  // namespace skin
