#include "classlib/core/FileUtils.h"

#include <filesystem>
#include <system_error>

#include "classlib/core/FileUtilsPath.h"

#ifdef _WIN32
#include <io.h>
#endif

namespace fs = std::filesystem;

namespace classlib {
namespace {

// Attributes from what std::filesystem knows: kind and write permission.
int PortableAttributes(const fs::file_status& status) {
  int attributes = 0;
  if (fs::is_directory(status)) attributes |= faDirectory;
  if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) attributes |= faReadOnly;
  return attributes;
}

#ifdef _WIN32
// The system's own attribute bits through the runtime's folder search, which
// carries hidden and system where std::filesystem does not.
bool SearchAttributes(std::wstring name, int& attributes) {
  if (name.find_first_of(L"*?") != std::wstring::npos) return false;
  while (name.size() > 1 && (name.back() == L'\\' || name.back() == L'/') && name[name.size() - 2] != L':')
    name.pop_back();
  _wfinddata64_t data;
  const intptr_t handle = _wfindfirst64(name.c_str(), &data);
  if (handle == -1) return false;
  _findclose(handle);
  attributes = static_cast<int>(data.attrib);
  return true;
}
#endif

}  // namespace

int FileGetAttr(const std::wstring& name) {
  if (name.empty()) return -1;
  std::error_code error;
  const fs::file_status status = fs::status(ToFsPath(name), error);
  if (error || !fs::exists(status)) return -1;
#ifdef _WIN32
  int attributes;
  if (SearchAttributes(name, attributes)) return attributes;
#endif
  return PortableAttributes(status);
}

bool FileExists(const std::wstring& name) {
  const int attributes = FileGetAttr(name);
  return attributes != -1 && (attributes & faDirectory) == 0;
}

bool DirectoryExists(const std::wstring& name) {
  const int attributes = FileGetAttr(name);
  return attributes != -1 && (attributes & faDirectory) != 0;
}

bool CreateDir(const std::wstring& name) {
  std::error_code error;
  const bool created = fs::create_directory(ToFsPath(name), error);
  return created && !error;
}

bool RemoveDir(const std::wstring& name) {
  if (!DirectoryExists(name)) return false;
  std::error_code error;
  return fs::remove(ToFsPath(name), error) && !error;
}

bool RenameFile(const std::wstring& oldName, const std::wstring& newName) {
  std::error_code error;
  const fs::path from = ToFsPath(oldName), to = ToFsPath(newName);
  if (!fs::exists(from, error)) return false;
  // std::filesystem would replace an existing target; the platform's rename
  // refuses.
  if (fs::exists(to, error)) return false;
  fs::rename(from, to, error);
  return !error;
}

bool DeleteFileAt(const std::wstring& name) {
  if (!FileExists(name)) return false;
  std::error_code error;
  return fs::remove(ToFsPath(name), error) && !error;
}

bool CopyFileNoOverwrite(const std::wstring& source, const std::wstring& target) {
  if (!FileExists(source)) return false;
  std::error_code error;
  return fs::copy_file(ToFsPath(source), ToFsPath(target), fs::copy_options::none, error) && !error;
}

std::vector<DirectoryEntry> ListDirectory(const std::wstring& folder) {
  std::vector<DirectoryEntry> entries;
#ifdef _WIN32
  _wfinddata64_t data;
  const std::wstring pattern = IncludeTrailingPathDelimiter(folder) + L"*";
  const intptr_t handle = _wfindfirst64(pattern.c_str(), &data);
  if (handle == -1) return entries;
  do {
    const std::wstring name = data.name;
    if (name == L"." || name == L"..") continue;
    entries.push_back({name, static_cast<int>(data.attrib), static_cast<std::uint64_t>(data.size)});
  } while (_wfindnext64(handle, &data) == 0);
  _findclose(handle);
#else
  std::error_code error;
  fs::directory_iterator it(ToFsPath(folder), error), end;
  for (; !error && it != end; it.increment(error)) {
    DirectoryEntry entry;
    entry.name = FromFsPath(it->path().filename());
    std::error_code statusError;
    const fs::file_status status = it->status(statusError);
    entry.attributes = PortableAttributes(status);
    if (fs::is_regular_file(status)) {
      const std::uintmax_t size = it->file_size(statusError);
      entry.size = statusError ? 0 : size;
    }
    entries.push_back(std::move(entry));
  }
#endif
  return entries;
}

}  // namespace classlib
