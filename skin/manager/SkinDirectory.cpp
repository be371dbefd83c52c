#include "skin/manager/SkinDirectory.h"

#include "skin/core/PathUtils.h"

namespace skin {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::wstring ParentFolder(std::wstring_view folder) {
  std::wstring parent(folder);
  if (!parent.empty()) parent.pop_back();
  while (!parent.empty() && !IsSeparator(parent.back())) parent.pop_back();
  return parent;
}

// Off Windows (the portable build) a "/..." folder is absolute too.
bool IsHostAbsolute(std::wstring_view directory) {
#ifdef _WIN32
  (void)directory;
  return false;
#else
  return directory.starts_with(L'/');
#endif
}

}  // namespace

std::wstring ResolveSkinDirectory(std::wstring_view directory, std::wstring_view programFolder) {
  std::wstring result;
  if (directory.starts_with(L"..")) {
    result = ParentFolder(programFolder) + std::wstring(directory.substr(directory.size() < 3 ? directory.size() : 3));
  } else if (directory.starts_with(L".\\") || directory.starts_with(L"./")) {
    result = std::wstring(programFolder) + std::wstring(directory.substr(2));
  } else if (directory.size() == 1 || IsHostAbsolute(directory)) {
    result = directory;  // a drive letter: NormalDir makes it "X:\"
  } else if (directory.find(L':') == std::wstring_view::npos && directory.find(L"\\\\") == std::wstring_view::npos) {
    result = std::wstring(programFolder) + std::wstring(directory);
  } else {
    result = directory;
  }
  return NormalDir(result);
}

}  // namespace skin

namespace skin {

std::wstring SkinFileName(std::wstring_view name) {
  std::wstring result(name);
#ifndef _WIN32
  for (wchar_t& c : result)
    if (c == L'\\') c = L'/';
#endif
  return result;
}

}  // namespace skin
