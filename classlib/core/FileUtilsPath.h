#pragma once
// File names: their parts, the program's and the temporary folder, and the
// bridge to std::filesystem for wide names.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace classlib {

// The delimiter paths are built with. Both '\' and '/' are recognised when
// names are taken apart (and ':' after a drive letter on Windows).
#ifdef _WIN32
inline constexpr wchar_t PathDelim = L'\\';
#else
inline constexpr wchar_t PathDelim = L'/';
#endif

// Wide names to the platform's file names and back (UTF-8 bytes off Windows).
std::filesystem::path ToFsPath(const std::wstring& name);
std::wstring FromFsPath(const std::filesystem::path& path);

// "C:\a\b.txt": path "C:\a\", name "b.txt", extension ".txt" (with its dot,
// "" when the name has none).
std::wstring ExtractFilePath(std::wstring_view fileName);
std::wstring ExtractFileName(std::wstring_view fileName);
std::wstring ExtractFileExt(std::wstring_view fileName);
// Appends PathDelim unless the name already ends in a delimiter.
std::wstring IncludeTrailingPathDelimiter(std::wstring_view path);

// The folder of the program's own file, with its trailing delimiter. Core
// cannot ask the system: the Windows layer sets the source at start-up and
// tests set their own. Raises Exception while no source is set.
using ProgramFolderSource = std::function<std::wstring()>;
void SetProgramFolderSource(ProgramFolderSource source);
std::wstring ProgramFolder();

// The value of an environment variable, "" when it is not set.
std::wstring EnvironmentVariable(const std::wstring& name);
// The folder named by "TEMP" (the system's temporary folder when TEMP is not
// set), with its trailing delimiter.
std::wstring TempFolder();

}  // namespace classlib
