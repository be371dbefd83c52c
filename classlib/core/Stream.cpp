#include "classlib/core/Stream.h"

#include <algorithm>
#include <cstring>

#include "classlib/core/FileStream.h"

namespace classlib {

int64_t TStream::Size() {
  const int64_t position = Seek(0, TSeekOrigin::soCurrent);
  const int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError(L"Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError(L"Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(count, 0xF000)));
  const int64_t total = count;
  while (count > 0) {
    const int64_t chunk = std::min<int64_t>(count, static_cast<int64_t>(buffer.size()));
    source.ReadBuffer(buffer.data(), chunk);
    WriteBuffer(buffer.data(), chunk);
    count -= chunk;
  }
  return total;
}

std::vector<uint8_t> TStream::ReadRemaining() {
  const int64_t left = std::max<int64_t>(0, Size() - Position());
  std::vector<uint8_t> bytes(static_cast<size_t>(left));
  ReadBuffer(bytes.data(), left);
  return bytes;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t left = Size() - position_;
  if (count <= 0 || left <= 0) return 0;
  count = std::min(count, left);
  std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(count));
  position_ += count;
  return count;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (position_ + count > Size()) data_.resize(static_cast<size_t>(position_ + count));
  std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  position_ += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = position_;
  if (origin == TSeekOrigin::soEnd) base = Size();
  // Past the end is allowed (a later write fills the gap); before the start is not.
  position_ = std::max<int64_t>(0, base + offset);
  return position_;
}

void TMemoryStream::SetSize(int64_t newSize) {
  data_.resize(static_cast<size_t>(std::max<int64_t>(0, newSize)));
  position_ = std::min(position_, Size());
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const int64_t size = source.Size();
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  source.ReadBuffer(bytes.data(), size);
  data_ = std::move(bytes);
  position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::wstring& fileName) {
  TFileStream file(fileName, fmOpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& dest) { dest.WriteBuffer(data_.data(), Size()); }

void TMemoryStream::SaveToFile(const std::wstring& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

}  // namespace classlib
