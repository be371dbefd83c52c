#include "app/fillin/DocumentFile.h"

#include <filesystem>
#include <system_error>

#include "classlib/core/FileUtils.h"
#include "classlib/core/FileUtilsPath.h"

namespace fs = std::filesystem;

namespace app {

bool ReplaceWithCopy(const std::wstring& source, const std::wstring& target, const std::wstring& temporary) {
  // A copy left behind by an interrupted save is stale.
  if (classlib::FileExists(temporary)) classlib::DeleteFileAt(temporary);
  if (!classlib::CopyFileNoOverwrite(source, temporary)) return false;
  std::error_code error;
  fs::rename(classlib::ToFsPath(temporary), classlib::ToFsPath(target), error);
  if (!error) return true;
  classlib::DeleteFileAt(temporary);
  return false;
}

bool IsSameFile(const std::wstring& a, const std::wstring& b) {
  std::error_code error;
  return fs::equivalent(classlib::ToFsPath(a), classlib::ToFsPath(b), error) && !error;
}

}  // namespace app
