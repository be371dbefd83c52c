#include "skin/core/ZDecompressionStream.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/skin/core/PackedSkinBytes.h"

namespace {

using classlib::TMemoryStream;
using classlib::TSeekOrigin;
using skin::EZDecompressionError;
using skin::TZDecompressionStream;
using namespace skintest;

// `prefix`, the zlib stream of `body`, then `suffix`; positioned at the stream.
struct Framed {
  Framed(const Bytes& body, const Bytes& prefix, const Bytes& suffix, int level = 9) {
    const Bytes stream = Zlib(body, level);
    source.WriteBuffer(prefix.data(), static_cast<int64_t>(prefix.size()));
    source.WriteBuffer(stream.data(), static_cast<int64_t>(stream.size()));
    source.WriteBuffer(suffix.data(), static_cast<int64_t>(suffix.size()));
    source.SetPosition(static_cast<int64_t>(prefix.size()));
    streamEnd = static_cast<int64_t>(prefix.size() + stream.size());
  }
  TMemoryStream source;
  int64_t streamEnd = 0;
};

TEST(ZDecompressionStream, ErrorTextsAreZlibs) {
  const std::pair<int, const wchar_t*> table[] = {
      {2, L"need dictionary"}, {1, L"stream end"},   {0, L"ok"},
      {-1, L"file error"},     {-2, L"stream error"}, {-3, L"data error"},
      {-4, L"insufficient memory"}, {-5, L"buffer error"}, {-6, L"incompatible version"}};
  for (const auto& [code, text] : table) {
    const EZDecompressionError error(code);
    EXPECT_EQ(error.Message(), text);
    EXPECT_EQ(error.ErrorCode(), code);
  }
}

// Whatever size the reads come in, the body comes out whole and the source is
// left on the first byte after the stream, the read-ahead handed back.
TEST(ZDecompressionStream, InflatesAndStopsRightAfterTheStream) {
  const Bytes body = Cat({Noise(70000), Bytes(50000, 'x')});
  for (const int64_t chunk : {int64_t{1}, int64_t{4093}, int64_t{200000}}) {
    Framed framed(body, Text("HEAD"), Text("TAIL"));
    TZDecompressionStream z(framed.source);
    Bytes out;
    Bytes buffer(static_cast<size_t>(chunk));
    while (const int64_t got = z.Read(buffer.data(), chunk)) out.insert(out.end(), buffer.begin(), buffer.begin() + got);
    EXPECT_EQ(out, body) << chunk;
    EXPECT_TRUE(z.AtStreamEnd());
    EXPECT_EQ(framed.source.Position(), framed.streamEnd) << chunk;
  }
}

// The error reading raw zlib bytes raises; nullopt when none.
std::optional<EZDecompressionError> ReadError(const Bytes& stream) {
  TMemoryStream source;
  source.WriteBuffer(stream.data(), static_cast<int64_t>(stream.size()));
  source.SetPosition(0);
  TZDecompressionStream z(source);
  char buffer[100];
  try {
    z.Read(buffer, sizeof buffer);
  } catch (const EZDecompressionError& error) {
    return error;
  }
  return std::nullopt;
}

Bytes WithPresetDictionary(const std::string& text) {
  z_stream zs{};
  deflateInit(&zs, 9);
  const Bytes dictionary = Text(text);
  deflateSetDictionary(&zs, dictionary.data(), static_cast<uInt>(dictionary.size()));
  Bytes body = Text(text), out(200);
  zs.next_in = body.data();
  zs.avail_in = static_cast<uInt>(body.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  deflate(&zs, Z_FINISH);
  out.resize(zs.total_out);
  deflateEnd(&zs);
  return out;
}

TEST(ZDecompressionStream, CorruptDataRaisesDataError) {
  Bytes stream = Zlib(Text("some text to be packed, some text to be packed"));
  stream[4] ^= 0xFF;
  const auto error = ReadError(stream);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->ErrorCode(), Z_DATA_ERROR);
  EXPECT_EQ(error->Message(), L"data error");
}

// zlib asks for the dictionary again on every call; it must raise, not spin.
TEST(ZDecompressionStream, PresetDictionaryRaisesInsteadOfHanging) {
  const auto error = ReadError(WithPresetDictionary("dictionary words"));
  ASSERT_TRUE(error);
  EXPECT_EQ(error->ErrorCode(), Z_NEED_DICT);
}

TEST(ZDecompressionStream, CutShortStreamGivesFewerBytes) {
  const Bytes body = Noise(5000);
  Bytes stream = Zlib(body);
  stream.resize(stream.size() / 2);
  TMemoryStream source;
  source.WriteBuffer(stream.data(), static_cast<int64_t>(stream.size()));
  source.SetPosition(0);
  TZDecompressionStream z(source);
  Bytes out(body.size());
  EXPECT_LT(z.Read(out.data(), static_cast<int64_t>(out.size())), static_cast<int64_t>(body.size()));
  EXPECT_FALSE(z.AtStreamEnd());
  EXPECT_THROW(z.ReadBuffer(out.data(), 1), classlib::EReadError);
}

TEST(ZDecompressionStream, SeeksForwardToTheEndAndBackToItsStart) {
  const Bytes body = Noise(30000);
  Framed framed(body, Text("HEAD"), Text("TAIL"));
  TZDecompressionStream z(framed.source);
  EXPECT_EQ(z.Seek(100, TSeekOrigin::soCurrent), 100);
  EXPECT_EQ(z.Seek(1000, TSeekOrigin::soBeginning), 1000);
  uint8_t byte = 0;
  z.ReadBuffer(&byte, 1);
  EXPECT_EQ(byte, body[1000]);
  EXPECT_EQ(z.Seek(0, TSeekOrigin::soEnd), 30000);
  // Rewinding goes back to where the stream began, not to the source's start.
  EXPECT_EQ(z.Seek(0, TSeekOrigin::soBeginning), 0);
  z.ReadBuffer(&byte, 1);
  EXPECT_EQ(byte, body[0]);
  EXPECT_THROW(z.Seek(1, TSeekOrigin::soEnd), EZDecompressionError);
  EXPECT_THROW(z.Seek(-1, TSeekOrigin::soCurrent), EZDecompressionError);
  try {
    z.Write(&byte, 1);
    FAIL() << "no error";
  } catch (const EZDecompressionError& error) {
    EXPECT_EQ(error.Message(), L"Invalid ZStream operation!");
  }
}

TEST(ZDecompressionStream, ReportsProgressPerSourceBlock) {
  Framed framed(Noise(150000), {}, {});
  TZDecompressionStream z(framed.source);
  int calls = 0;
  z.OnProgress = [&](classlib::TObject* sender) {
    EXPECT_EQ(sender, &z);
    ++calls;
  };
  z.Seek(0, TSeekOrigin::soEnd);
  EXPECT_EQ(calls, 3);  // 150,000 bytes barely compress: three 64 KiB blocks
}

}  // namespace
