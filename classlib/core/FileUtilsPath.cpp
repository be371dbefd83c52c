#include "classlib/core/FileUtilsPath.h"

#include <cstdlib>
#include <system_error>

#include "classlib/core/Exception.h"
#include "classlib/core/Utf8.h"

namespace classlib {
namespace {

bool IsDelimiter(wchar_t c) { return c == L'\\' || c == L'/'; }

// Index just past the folder part of a name: after its last delimiter (or
// drive colon on Windows), 0 when there is none.
std::size_t NameStart(std::wstring_view fileName) {
  for (std::size_t i = fileName.size(); i > 0; --i) {
    const wchar_t c = fileName[i - 1];
#ifdef _WIN32
    if (c == L':') return i;
#endif
    if (IsDelimiter(c)) return i;
  }
  return 0;
}

ProgramFolderSource& CurrentProgramFolderSource() {
  static ProgramFolderSource source;
  return source;
}

}  // namespace

std::filesystem::path ToFsPath(const std::wstring& name) {
#ifdef _WIN32
  return std::filesystem::path(name);
#else
  return std::filesystem::path(WideToUtf8(name));
#endif
}

std::wstring FromFsPath(const std::filesystem::path& path) {
#ifdef _WIN32
  return path.wstring();
#else
  return Utf8ToWide(path.string());
#endif
}

std::wstring ExtractFilePath(std::wstring_view fileName) {
  return std::wstring(fileName.substr(0, NameStart(fileName)));
}

std::wstring ExtractFileName(std::wstring_view fileName) {
  return std::wstring(fileName.substr(NameStart(fileName)));
}

std::wstring ExtractFileExt(std::wstring_view fileName) {
  const std::wstring_view name = fileName.substr(NameStart(fileName));
  const std::size_t dot = name.rfind(L'.');
  return dot == std::wstring_view::npos ? std::wstring() : std::wstring(name.substr(dot));
}

std::wstring IncludeTrailingPathDelimiter(std::wstring_view path) {
  std::wstring result(path);
  if (result.empty() || !IsDelimiter(result.back())) result.push_back(PathDelim);
  return result;
}

void SetProgramFolderSource(ProgramFolderSource source) { CurrentProgramFolderSource() = std::move(source); }

std::wstring ProgramFolder() {
  if (!CurrentProgramFolderSource()) throw Exception(L"The program folder is not known yet");
  return IncludeTrailingPathDelimiter(CurrentProgramFolderSource()());
}

std::wstring EnvironmentVariable(const std::wstring& name) {
#ifdef _WIN32
  const wchar_t* value = _wgetenv(name.c_str());
  return value ? std::wstring(value) : std::wstring();
#else
  const char* value = std::getenv(WideToUtf8(name).c_str());
  return value ? Utf8ToWide(value) : std::wstring();
#endif
}

std::wstring TempFolder() {
  std::wstring folder = EnvironmentVariable(L"TEMP");
  if (folder.empty()) {
    std::error_code error;
    folder = FromFsPath(std::filesystem::temp_directory_path(error));
  }
  return IncludeTrailingPathDelimiter(folder);
}

}  // namespace classlib
