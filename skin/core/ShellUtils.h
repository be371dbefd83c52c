#pragma once
// The program's folder and the shell's file icons.
#include <windows.h>
// SHGFI_* flags for GetFileIcon.
#include <shellapi.h>

#include <memory>
#include <string>

#include "classlib/graphics/Icon.h"

namespace skin {

// The folder of the running program, ending in "\".
std::wstring AppPath();
// The running program's file name, with its folder.
std::wstring AppFileName();

// The shell's icon of an existing file (SHGetFileInfo with `flags` plus
// SHGFI_ICON); null when the file does not exist or no icon comes back.
std::unique_ptr<classlib::TIcon> GetFileIcon(const std::wstring& fileName, UINT flags);

}  // namespace skin
