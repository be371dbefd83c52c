#include "png/PngText.h"

#include <algorithm>
#include <cstring>

#include <zlib.h>

namespace png {

namespace {
constexpr size_t kBufferSize = 256;

// The position of the keyword's 0 within the first `size` bytes, or size.
size_t SeparatorOf(const std::vector<uint8_t>& data) {
  const auto it = std::find(data.begin(), data.end(), uint8_t{0});
  return static_cast<size_t>(it - data.begin());
}
}  // namespace

std::optional<TTextValues> ParseText(const std::vector<uint8_t>& data) {
  if (data.size() < 3) return std::nullopt;
  const size_t zero = SeparatorOf(data);
  if (zero >= data.size()) return std::nullopt;
  TTextValues v;
  v.Keyword.assign(reinterpret_cast<const char*>(data.data()), zero);
  v.Text.assign(reinterpret_cast<const char*>(data.data()) + zero + 1, data.size() - zero - 1);
  return v;
}

std::optional<TTextValues> ParseCompressedText(const std::vector<uint8_t>& data, size_t limit) {
  if (data.size() < 4) return std::nullopt;
  const size_t zero = SeparatorOf(data);
  if (zero + 1 >= data.size()) return std::nullopt;  // no method byte
  TTextValues v;
  v.Keyword.assign(reinterpret_cast<const char*>(data.data()), zero);
  if (data[zero + 1] == 0) {
    const size_t start = zero + 2;
    if (auto text = InflateAll(data.data() + start, data.size() - start, limit)) v.Text = std::move(*text);
  }
  return v;
}

std::vector<uint8_t> BuildText(const TTextValues& values) {
  std::vector<uint8_t> data(values.Keyword.begin(), values.Keyword.end());
  data.push_back(0);
  data.insert(data.end(), values.Text.begin(), values.Text.end());
  return data;
}

std::optional<std::vector<uint8_t>> BuildCompressedText(const TTextValues& values, int level) {
  auto packed = DeflateAll(values.Text.empty() ? std::string(" ") : values.Text, level);
  if (!packed) return std::nullopt;
  std::vector<uint8_t> data(values.Keyword.begin(), values.Keyword.end());
  data.push_back(0);
  data.push_back(0);
  data.insert(data.end(), packed->begin(), packed->end());
  return data;
}

std::optional<std::string> InflateAll(const uint8_t* data, size_t size, size_t limit) {
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK) return std::nullopt;
  std::string out;
  uint8_t buffer[kBufferSize];
  zs.next_in = const_cast<Bytef*>(data);
  zs.avail_in = static_cast<uInt>(size);
  int result = Z_OK;
  do {
    zs.next_out = buffer;
    zs.avail_out = kBufferSize;
    result = inflate(&zs, Z_NO_FLUSH);
    if (result != Z_OK && result != Z_STREAM_END) break;
    const size_t produced = kBufferSize - zs.avail_out;
    if (out.size() + produced > limit) {
      result = Z_MEM_ERROR;
      break;
    }
    out.append(reinterpret_cast<const char*>(buffer), produced);
    if (result == Z_OK && produced == 0 && zs.avail_in == 0) {
      result = Z_BUF_ERROR;  // the stream stops before its end
      break;
    }
  } while (result != Z_STREAM_END);
  inflateEnd(&zs);
  if (result != Z_STREAM_END) return std::nullopt;
  return out;
}

std::optional<std::vector<uint8_t>> DeflateAll(const std::string& text, int level) {
  z_stream zs{};
  if (deflateInit(&zs, std::clamp(level, 0, 9)) != Z_OK) return std::nullopt;
  std::vector<uint8_t> out;
  uint8_t buffer[kBufferSize];
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  zs.avail_in = static_cast<uInt>(text.size());
  int result = Z_OK;
  do {
    zs.next_out = buffer;
    zs.avail_out = kBufferSize;
    result = deflate(&zs, Z_FINISH);
    if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) break;
    out.insert(out.end(), buffer, buffer + (kBufferSize - zs.avail_out));
  } while (result != Z_STREAM_END && result != Z_BUF_ERROR);
  deflateEnd(&zs);
  if (result != Z_STREAM_END) return std::nullopt;
  return out;
}

}  // namespace png
