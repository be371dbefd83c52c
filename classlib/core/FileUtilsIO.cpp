#include "classlib/core/FileUtilsIO.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "classlib/core/FileUtilsPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace classlib {
namespace {

constexpr std::size_t kBlockSize = 4096;

WriteProgressHook& CurrentWriteProgressHook() {
  static WriteProgressHook hook;
  return hook;
}

std::FILE* OpenForWriting(const fs::path& path) {
#ifdef _WIN32
  return _wfopen(path.c_str(), L"wb");
#else
  return std::fopen(path.c_str(), "wb");
#endif
}

// Flushes the runtime's buffer and the system's cache of the file to the
// disk, so the rename never publishes a file whose bytes are not stored.
bool FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

// Removes the temporary file unless the write got through.
class TemporaryFile {
 public:
  explicit TemporaryFile(fs::path path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (file_) std::fclose(file_);
    if (!committed_) {
      std::error_code ignored;
      fs::remove(path_, ignored);
    }
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool Open() { return (file_ = OpenForWriting(path_)) != nullptr; }
  std::FILE* File() const { return file_; }
  bool Close() {
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return closed;
  }
  void Commit() { committed_ = true; }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
  std::FILE* file_ = nullptr;
  bool committed_ = false;
};

[[noreturn]] void RaiseWriteError(const std::wstring& name) {
  throw EInOutError(L"Cannot write file \"" + name + L"\"");
}

}  // namespace

bool TryReadFileBytes(const std::wstring& name, std::string& bytes) {
  const fs::path path = ToFsPath(name);
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  bytes = std::move(content);
  return true;
}

std::string ReadFileBytes(const std::wstring& name) {
  std::string bytes;
  if (!TryReadFileBytes(name, bytes)) throw EInOutError(L"Cannot open file \"" + name + L"\"");
  return bytes;
}

void WriteFileAtomic(const std::wstring& name, std::string_view bytes) {
  TemporaryFile temporary(ToFsPath(name + L".~tmp"));
  if (!temporary.Open()) RaiseWriteError(name);
  std::size_t written = 0;
  while (written < bytes.size()) {
    const std::size_t block = std::min(kBlockSize, bytes.size() - written);
    if (std::fwrite(bytes.data() + written, 1, block, temporary.File()) != block) RaiseWriteError(name);
    written += block;
    if (CurrentWriteProgressHook()) CurrentWriteProgressHook()(written);
  }
  if (!FlushToDisk(temporary.File()) || !temporary.Close()) RaiseWriteError(name);
  std::error_code error;
  fs::rename(temporary.Path(), ToFsPath(name), error);
  if (error) RaiseWriteError(name);
  temporary.Commit();
}

bool WriteNewFile(const std::wstring& name, std::string_view bytes) {
  const fs::path path = ToFsPath(name);
#ifdef _WIN32
  const int descriptor = _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
  const int descriptor = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
#endif
  if (descriptor < 0) return false;
  std::FILE* file =
#ifdef _WIN32
      _fdopen(descriptor, "wb");
#else
      fdopen(descriptor, "wb");
#endif
  if (!file) {
#ifdef _WIN32
    _close(descriptor);
#else
    close(descriptor);
#endif
    std::error_code ignored;
    fs::remove(path, ignored);
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (written && closed) return true;
  std::error_code ignored;
  fs::remove(path, ignored);
  return false;
}

void SetWriteProgressHook(WriteProgressHook hook) { CurrentWriteProgressHook() = std::move(hook); }

}  // namespace classlib
