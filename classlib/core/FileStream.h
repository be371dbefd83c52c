#pragma once
// A stream over a file named by a wide path.
#include <cstdint>
#include <cstdio>
#include <string>

#include "classlib/core/Stream.h"

namespace classlib {

CLASSLIB_EXCEPTION(EFCreateError, EStreamError);
CLASSLIB_EXCEPTION(EFOpenError, EStreamError);

// Open modes. fmCreate makes a new file or empties an existing one and opens
// it for reading and writing.
enum : uint16_t { fmOpenRead = 0x0000, fmOpenWrite = 0x0001, fmOpenReadWrite = 0x0002, fmCreate = 0xFF00 };

class TFileStream : public TStream {
 public:
  // Raises EFCreateError 'Cannot create file "<name>"' or EFOpenError
  // 'Cannot open file "<name>"'.
  TFileStream(const std::wstring& fileName, uint16_t mode);
  ~TFileStream() override;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;

  const std::wstring& FileName() const { return fileName_; }

 private:
  std::FILE* file_ = nullptr;
  std::wstring fileName_;
  bool writing_ = false;  // the last operation was a write (stdio needs a seek between)
  bool reading_ = false;
};

// Opens a file by wide path with fopen-style mode letters (on Windows through
// the wide runtime call, elsewhere as UTF-8).
std::FILE* OpenFileWide(const std::wstring& fileName, const char* mode);

}  // namespace classlib
