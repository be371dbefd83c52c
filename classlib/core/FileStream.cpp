#include "classlib/core/FileStream.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "classlib/core/Utf8.h"

namespace classlib {

std::FILE* OpenFileWide(const std::wstring& fileName, const char* mode) {
#ifdef _WIN32
  std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(fileName.c_str(), wideMode.c_str());
#else
  return std::fopen(WideToUtf8(fileName).c_str(), mode);
#endif
}

TFileStream::TFileStream(const std::wstring& fileName, uint16_t mode) : fileName_(fileName) {
  if (mode == fmCreate) {
    file_ = OpenFileWide(fileName, "w+b");
    if (!file_) throw EFCreateError(L"Cannot create file \"" + fileName + L"\"");
    return;
  }
  file_ = OpenFileWide(fileName, (mode & 3) == fmOpenRead ? "rb" : "r+b");
  if (!file_) throw EFOpenError(L"Cannot open file \"" + fileName + L"\"");
}

TFileStream::~TFileStream() {
  if (file_) std::fclose(file_);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (writing_) Seek(0, TSeekOrigin::soCurrent);
  reading_ = true;
  return static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (reading_) Seek(0, TSeekOrigin::soCurrent);
  writing_ = true;
  return static_cast<int64_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                     : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                        : SEEK_END;
  reading_ = writing_ = false;
#ifdef _WIN32
  _fseeki64(file_, offset, whence);
  return _ftelli64(file_);
#else
  fseeko(file_, offset, whence);
  return ftello(file_);
#endif
}

void TFileStream::SetSize(int64_t newSize) {
  const int64_t position = Position();
  std::fflush(file_);
#ifdef _WIN32
  const bool ok = _chsize_s(_fileno(file_), newSize) == 0;
#else
  const bool ok = ftruncate(fileno(file_), newSize) == 0;
#endif
  if (!ok) throw EWriteError(L"Stream write error");
  SetPosition(position < newSize ? position : newSize);
}

}  // namespace classlib
