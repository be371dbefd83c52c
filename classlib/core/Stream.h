#pragma once
// Byte streams: the abstract stream and the memory stream. Sizes and positions
// are 64-bit.
#include <cstdint>
#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/core/Object.h"

namespace classlib {

CLASSLIB_EXCEPTION(EStreamError, Exception);
CLASSLIB_EXCEPTION(EReadError, EStreamError);
CLASSLIB_EXCEPTION(EWriteError, EStreamError);

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Read and Write move up to `count` bytes and return how many they moved.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Returns the new position.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  virtual int64_t Size();
  virtual void SetSize(int64_t newSize) = 0;

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }

  // Raise EReadError "Stream read error" / EWriteError "Stream write error"
  // when fewer than `count` bytes move.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);

  // Copies `count` bytes from the source's position; a count of 0 copies the
  // whole source from its start. Returns the bytes copied.
  int64_t CopyFrom(TStream& source, int64_t count);

  // The bytes from the position to the end.
  std::vector<uint8_t> ReadRemaining();
};

class TMemoryStream : public TStream {
 public:
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(data_.size()); }
  void SetSize(int64_t newSize) override;

  uint8_t* Memory() { return data_.data(); }
  const uint8_t* Memory() const { return data_.data(); }
  const std::vector<uint8_t>& Bytes() const { return data_; }
  void Clear();

  // Replace the contents with the whole source stream (or file); the position
  // goes to 0.
  void LoadFromStream(TStream& source);
  void LoadFromFile(const std::wstring& fileName);
  void SaveToStream(TStream& dest);
  void SaveToFile(const std::wstring& fileName);

 private:
  std::vector<uint8_t> data_;
  int64_t position_ = 0;
};

}  // namespace classlib
