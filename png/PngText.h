#pragma once
// The data of the text chunks: tEXt is keyword, 0, text; zTXt is keyword,
// 0, method byte (0), zlib stream of the text. Strings hold the file's
// bytes (Latin-1) unchanged.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace png {

struct TTextValues {
  std::string Keyword;
  std::string Text;
};

// The most text the zTXt chunks of one image may inflate to, together: a
// few bytes of a crafted file must not claim gigabytes.
inline constexpr size_t kMaxInflatedText = size_t{16} << 20;

// tEXt: nullopt when shorter than 3 bytes or without the 0 separator.
std::optional<TTextValues> ParseText(const std::vector<uint8_t>& data);
// zTXt: nullopt when shorter than 4 bytes or without separator and method
// byte. A method other than 0, or a stream that fails or would inflate
// beyond `limit` bytes, gives the keyword with an empty text.
std::optional<TTextValues> ParseCompressedText(const std::vector<uint8_t>& data, size_t limit = kMaxInflatedText);

std::vector<uint8_t> BuildText(const TTextValues& values);
// nullopt when deflate fails. An empty text is written as a single blank.
std::optional<std::vector<uint8_t>> BuildCompressedText(const TTextValues& values, int level);

// Inflates a whole zlib stream through a 256-byte buffer; nullopt on any
// failure, an unfinished stream or more than `limit` bytes of output.
std::optional<std::string> InflateAll(const uint8_t* data, size_t size, size_t limit);
std::optional<std::vector<uint8_t>> DeflateAll(const std::string& text, int level);

}  // namespace png
