#pragma once
// Byte building blocks for crafting packed skins and zlib streams in tests.
#include <zlib.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "classlib/core/Stream.h"

namespace skintest {

using Bytes = std::vector<uint8_t>;

inline Bytes Int32(int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
          static_cast<uint8_t>(v >> 24)};
}

inline Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline Bytes Zlib(const Bytes& body, int level = Z_BEST_COMPRESSION) {
  uLongf length = compressBound(static_cast<uLong>(body.size()));
  Bytes out(length);
  compress2(out.data(), &length, body.data(), static_cast<uLong>(body.size()), level);
  out.resize(length);
  return out;
}

// Bytes that do not compress, so the zlib stream's length follows the size.
inline Bytes Noise(size_t size, unsigned seed = 7) {
  std::mt19937 random(seed);
  Bytes out(size);
  for (auto& b : out) b = static_cast<uint8_t>(random());
  return out;
}

inline Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

// One entry as the container stores it, with a declared size of its own.
inline Bytes Entry(const std::string& name, int32_t declaredSize, const Bytes& stream) {
  return Cat({Int32(static_cast<int32_t>(name.size())), Text(name), Int32(declaredSize), stream});
}
inline Bytes Entry(const std::string& name, const Bytes& body, int level = Z_BEST_COMPRESSION) {
  return Entry(name, static_cast<int32_t>(body.size()), Zlib(body, level));
}

inline Bytes Container(int32_t count, std::initializer_list<Bytes> entries) {
  Bytes out = Cat({Text("ASzf"), Int32(count)});
  for (const Bytes& entry : entries) out.insert(out.end(), entry.begin(), entry.end());
  return out;
}

}  // namespace skintest
