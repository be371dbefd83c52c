#pragma once
// Where a skin manager looks for skins: its SkinDirectory, with relative
// forms taken from the program's folder.
#include <string>
#include <string_view>

namespace skin {

// `directory` resolved against `programFolder` (which ends with "\"): ".."
// (its first three characters dropped) from the program folder's parent,
// ".\" or "./" from the program folder, a name with neither ":" nor "\\"
// inside the program folder, anything else (a single character is a drive
// letter) as it stands; then NormalDir,
// so the result ends with "\" (a bare drive letter gets ":\").
std::wstring ResolveSkinDirectory(std::wstring_view directory, std::wstring_view programFolder);

}  // namespace skin

namespace skin {

// A skin path as the file system takes it. Skin paths are built with "\" as
// the system writes them; off Windows (the portable build and its tests)
// every "\" becomes "/".
std::wstring SkinFileName(std::wstring_view name);

}  // namespace skin
