#include "skin/core/ZDecompressionStream.h"

#include <algorithm>

namespace skin {

namespace {

constexpr size_t kReadAhead = 65536;
constexpr int64_t kSkipBlock = 8192;
// zlib counts buffer room in 32-bit units.
constexpr int64_t kMaxInflateChunk = int64_t{1} << 30;

}  // namespace

std::wstring ZLibErrorText(int errorCode) {
  switch (errorCode) {
    case Z_NEED_DICT: return L"need dictionary";
    case Z_STREAM_END: return L"stream end";
    case Z_OK: return L"ok";
    case Z_ERRNO: return L"file error";
    case Z_STREAM_ERROR: return L"stream error";
    case Z_DATA_ERROR: return L"data error";
    case Z_MEM_ERROR: return L"insufficient memory";
    case Z_BUF_ERROR: return L"buffer error";
    case Z_VERSION_ERROR: return L"incompatible version";
    default: return L"";
  }
}

EZLibError::EZLibError(int errorCode) : Exception(ZLibErrorText(errorCode)), errorCode_(errorCode) {}

EZLibError::EZLibError(std::wstring message, int errorCode)
    : Exception(std::move(message)), errorCode_(errorCode) {}

TCustomZStream::TCustomZStream(classlib::TStream& source)
    : source_(source), sourcePosition_(source.Position()), buffer_(kReadAhead) {}

void TCustomZStream::DoProgress() {
  if (OnProgress) OnProgress(this);
}

TZDecompressionStream::TZDecompressionStream(classlib::TStream& source)
    : TCustomZStream(source), startPosition_(sourcePosition_) {
  zs_.next_in = buffer_.data();
  zs_.avail_in = 0;
  const int result = inflateInit(&zs_);
  if (result < 0) throw EZDecompressionError(result);
}

TZDecompressionStream::~TZDecompressionStream() { inflateEnd(&zs_); }

int64_t TZDecompressionStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  auto* out = static_cast<Bytef*>(buffer);
  int64_t left = count;
  if (source_.Position() != sourcePosition_) source_.SetPosition(sourcePosition_);
  while (left > 0 && lastResult_ != Z_STREAM_END) {
    if (zs_.avail_in == 0) {
      const int64_t got = source_.Read(buffer_.data(), static_cast<int64_t>(buffer_.size()));
      if (got > 0) {
        zs_.next_in = buffer_.data();
        zs_.avail_in = static_cast<uInt>(got);
        sourcePosition_ = source_.Position();
        DoProgress();
      }
    }
    const auto room = static_cast<uInt>(std::min(left, kMaxInflateChunk));
    zs_.next_out = out;
    zs_.avail_out = room;
    const int result = inflate(&zs_, Z_NO_FLUSH);
    const int64_t made = room - zs_.avail_out;
    out += made;
    left -= made;
    produced_ += made;
    // With the source exhausted zlib may still hand out what it holds; once it
    // cannot move on, the stream is cut short and the caller sees fewer bytes.
    if (result == Z_BUF_ERROR && zs_.avail_in == 0) break;
    // A preset dictionary is never supplied, so zlib would ask again forever.
    if (result < 0 || result == Z_NEED_DICT) throw EZDecompressionError(result);
    lastResult_ = result;
  }
  if (lastResult_ == Z_STREAM_END && zs_.avail_in > 0) {
    // Give back the read-ahead beyond the stream's trailer.
    sourcePosition_ -= zs_.avail_in;
    source_.SetPosition(sourcePosition_);
    zs_.avail_in = 0;
  }
  return count - left;
}

int64_t TZDecompressionStream::Write(const void*, int64_t) { RaiseInvalidOperation(); }

void TZDecompressionStream::SetSize(int64_t) { RaiseInvalidOperation(); }

int64_t TZDecompressionStream::Seek(int64_t offset, classlib::TSeekOrigin origin) {
  using classlib::TSeekOrigin;
  if (offset == 0 && origin == TSeekOrigin::soBeginning) {
    const int result = inflateReset(&zs_);
    if (result < 0) throw EZDecompressionError(result);
    zs_.next_in = buffer_.data();
    zs_.avail_in = 0;
    // Back to where this stream began, not to the start of the source: the
    // source may hold other data in front of it.
    sourcePosition_ = startPosition_;
    source_.SetPosition(sourcePosition_);
    produced_ = 0;
    lastResult_ = Z_OK;
  } else if (origin == TSeekOrigin::soCurrent && offset >= 0) {
    Skip(offset);
  } else if (origin == TSeekOrigin::soBeginning && offset > produced_) {
    Skip(offset - produced_);
  } else if (origin == TSeekOrigin::soEnd && offset == 0) {
    std::vector<uint8_t> discard(kSkipBlock);
    while (Read(discard.data(), kSkipBlock) != 0) {
    }
  } else {
    RaiseInvalidOperation();
  }
  return produced_;
}

void TZDecompressionStream::Skip(int64_t count) {
  std::vector<uint8_t> discard(static_cast<size_t>(std::min(count, kSkipBlock)));
  while (count > 0) {
    const int64_t chunk = std::min(count, kSkipBlock);
    ReadBuffer(discard.data(), chunk);
    count -= chunk;
  }
}

void TZDecompressionStream::RaiseInvalidOperation() {
  throw EZDecompressionError(L"Invalid ZStream operation!");
}

}  // namespace skin
