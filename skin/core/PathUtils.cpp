#include "skin/core/PathUtils.h"

namespace skin {

std::wstring NormalDir(std::wstring_view path) {
  std::wstring result(path);
  if (result.empty()) return result;
  if (result.size() == 1) return result + L":\\";
  if (result.back() == L'/') result.back() = L'\\';
  else if (result.back() != L'\\') result += L'\\';
  return result;
}

}  // namespace skin
