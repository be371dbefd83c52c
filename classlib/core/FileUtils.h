#pragma once
// Files and folders: existence, attributes, single-step operations and
// folder listing. Operations report success as a result and never raise.
// Names avoid the system's own function names (DeleteFile, CopyFile ...),
// which <windows.h> turns into macros.
#include <cstdint>
#include <string>
#include <vector>

namespace classlib {

// Attribute bits, with the system's values.
enum : int {
  faReadOnly = 0x01,
  faHidden = 0x02,
  faSysFile = 0x04,
  faDirectory = 0x10,
  faArchive = 0x20,
};

// The attributes of a file or folder, -1 when it does not exist. Hidden and
// system bits exist on Windows only; elsewhere they are never set.
int FileGetAttr(const std::wstring& name);
// An existing file (not a folder).
bool FileExists(const std::wstring& name);
// An existing folder, hidden and system ones included.
bool DirectoryExists(const std::wstring& name);

// One level only: fails when the parent is missing or the folder exists.
bool CreateDir(const std::wstring& name);
// An empty folder only.
bool RemoveDir(const std::wstring& name);
// A file or folder; fails when the new name exists already (on a file
// system that ignores case, a change of letter case only too).
bool RenameFile(const std::wstring& oldName, const std::wstring& newName);
// A file, not a folder; fails for a read-only file on Windows.
bool DeleteFileAt(const std::wstring& name);
// Fails, leaving the target alone, when the target exists.
bool CopyFileNoOverwrite(const std::wstring& source, const std::wstring& target);

struct DirectoryEntry {
  std::wstring name;  // without its folder
  int attributes = 0;
  std::uint64_t size = 0;  // bytes, for files
  bool IsDirectory() const { return (attributes & faDirectory) != 0; }
};
// Every entry of a folder except "." and "..", files and folders, hidden and
// system ones included, in the file system's order; empty when the folder
// does not exist or cannot be read.
std::vector<DirectoryEntry> ListDirectory(const std::wstring& folder);

}  // namespace classlib
