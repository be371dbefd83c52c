#pragma once
// A read-only stream that inflates a zlib stream straight out of a source
// stream, and the errors zlib reports through it.
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/core/Object.h"
#include "classlib/core/Stream.h"

namespace skin {

// zlib's text for one of its result codes ("data error" for -3 and so on).
std::wstring ZLibErrorText(int errorCode);

class EZLibError : public classlib::Exception {
 public:
  // The message is zlib's text for the result.
  explicit EZLibError(int errorCode);
  explicit EZLibError(std::wstring message, int errorCode = Z_OK);

  int ErrorCode() const noexcept { return errorCode_; }

 private:
  int errorCode_;
};

CLASSLIB_EXCEPTION(EZDecompressionError, EZLibError);

class TCustomZStream : public classlib::TStream {
 public:
  ~TCustomZStream() override = default;

  // Called each time a block of the source has been read.
  classlib::TNotifyEvent OnProgress;

 protected:
  explicit TCustomZStream(classlib::TStream& source);
  virtual void DoProgress();

  classlib::TStream& source_;
  // Where the source was left by the last read from it.
  int64_t sourcePosition_;
  z_stream zs_{};
  std::vector<uint8_t> buffer_;
};

// Reads the zlib stream that starts at the source's position when created.
// Once the stream's end has been reached, the source is left at the first byte
// after it, so a container can go on reading there.
class TZDecompressionStream : public TCustomZStream {
 public:
  explicit TZDecompressionStream(classlib::TStream& source);
  ~TZDecompressionStream() override;

  int64_t Read(void* buffer, int64_t count) override;
  // Always raises "Invalid ZStream operation!".
  int64_t Write(const void* buffer, int64_t count) override;
  // Only rewinding, forward skips and skipping to the end are possible; the
  // result is the number of bytes produced so far.
  int64_t Seek(int64_t offset, classlib::TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;

  // True once zlib has checked the stream's trailer.
  bool AtStreamEnd() const { return lastResult_ == Z_STREAM_END; }

 private:
  [[noreturn]] static void RaiseInvalidOperation();
  void Skip(int64_t count);

  int64_t startPosition_;
  int64_t produced_ = 0;
  int lastResult_ = Z_OK;
};

}  // namespace skin
