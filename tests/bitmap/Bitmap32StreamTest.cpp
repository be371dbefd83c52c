#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_BmpFile.h"
#include "bitmap/Bmp32_Error.h"
#include "classlib/core/FileStream.h"
#include "classlib/core/Filer.h"

namespace bmp32 {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes StreamBytes(const TCustomBitmap32& b, bool bottomUp) {
  classlib::TMemoryStream s;
  b.SaveToStream(s, bottomUp);
  return s.Bytes();
}

std::unique_ptr<classlib::TMemoryStream> StreamOf(const Bytes& bytes) {
  auto s = std::make_unique<classlib::TMemoryStream>();
  s->WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  s->SetPosition(0);
  return s;
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A 3 x 2 picture with distinct colours and alphas, alpha 0 included.
void FillSample(TCustomBitmap32& b) {
  b.SetSize(3, 2);
  const TColor32 colours[6] = {0x00112233, 0x80FF0000, 0xFF00FF00, 0x7F0000FF, 0x01ABCDEF, 0xFEFEDCBA};
  for (int i = 0; i < 6; ++i) b.Bits()[i] = colours[i];
}

TEST(Bitmap32Bmp, TwoByOneIsSixtyTwoBytesInBothRowOrders) {
  TCustomBitmap32 b;
  b.SetSize(2, 1);
  b.SetPixel(0, 0, 0x80FF0000);
  b.SetPixel(1, 0, 0xFF0000FF);
  const Bytes expectedTopDown = {
      'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,           // file header
      40, 0, 0, 0, 2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF,          // size, width, height -1
      1, 0, 32, 0, 0, 0, 0, 0, 8, 0, 0, 0,                      // planes, bits, BI_RGB, image size
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,           // resolution and colour counts
      0x00, 0x00, 0xFF, 0x80, 0xFF, 0x00, 0x00, 0xFF};          // B, G, R, A per pixel
  EXPECT_EQ(StreamBytes(b, false), expectedTopDown);
  Bytes expectedBottomUp = expectedTopDown;
  Put32(expectedBottomUp, 22, 1);  // one row: the same pixels, height +1
  EXPECT_EQ(StreamBytes(b, true), expectedBottomUp);
}

TEST(Bitmap32Bmp, RoundTripsInBothRowOrdersWithAlpha) {
  TCustomBitmap32 source;
  FillSample(source);
  for (bool bottomUp : {false, true}) {
    classlib::TMemoryStream s;
    source.SaveToStream(s, bottomUp);
    EXPECT_EQ(s.Size(), 54 + 24);
    s.SetPosition(0);
    TCustomBitmap32 copy;
    int changes = 0;
    copy.SetOnChange([&](classlib::TObject*) { ++changes; });
    copy.LoadFromStream(s);
    ASSERT_EQ(copy.Width(), 3);
    ASSERT_EQ(copy.Height(), 2);
    EXPECT_TRUE(std::equal(source.Bits(), source.Bits() + 6, copy.Bits())) << "bottomUp " << bottomUp;
    EXPECT_GT(changes, 0);
  }
}

TEST(Bitmap32Bmp, PositiveHeightStoresTheBottomRowFirst) {
  TCustomBitmap32 source;
  FillSample(source);
  Bytes bytes = StreamBytes(source, false);  // rows 0, 1 as stored
  Put32(bytes, 22, 2);                       // now read as bottom-up
  auto s = StreamOf(bytes);
  TCustomBitmap32 b;
  b.LoadFromStream(*s);
  EXPECT_EQ(b.Pixel(0, 1), source.Pixel(0, 0));
  EXPECT_EQ(b.Pixel(2, 0), source.Pixel(2, 1));
}

TEST(Bitmap32Bmp, LargerHeaderIsReadFromItsPixelOffset) {
  TCustomBitmap32 source;
  FillSample(source);
  Bytes bytes = StreamBytes(source, false);
  // A 124-byte information header: 84 more bytes before the pixels.
  bytes.insert(bytes.begin() + 54, 84, 0xEE);
  Put32(bytes, 10, 54 + 84);
  Put32(bytes, 14, 124);
  auto s = StreamOf(bytes);
  TCustomBitmap32 b;
  b.LoadFromStream(*s);
  ASSERT_EQ(b.Width(), 3);
  EXPECT_TRUE(std::equal(source.Bits(), source.Bits() + 6, b.Bits()));
  EXPECT_EQ(s->Position(), s->Size());
}

TEST(Bitmap32Bmp, FaultyStreamsRaiseAndLeaveTheBitmapAsItWas) {
  TCustomBitmap32 source;
  FillSample(source);
  const Bytes good = StreamBytes(source, true);

  struct Case {
    const char* name;
    Bytes bytes;
    bool readError;  // else the library's own error
  };
  std::vector<Case> cases;
  cases.push_back({"header cut short", Bytes(good.begin(), good.begin() + 40), true});
  cases.push_back({"pixels cut short", Bytes(good.begin(), good.end() - 1), true});
  Bytes huge = good;
  Put32(huge, 18, 20000);
  Put32(huge, 22, 20000);  // 1.6 GB of pixels
  cases.push_back({"huge dimensions", huge, false});
  Bytes extreme = good;
  Put32(extreme, 18, 0x7FFFFFFF);
  Put32(extreme, 22, 0x80000000);  // |INT_MIN| rows
  cases.push_back({"extreme dimensions", extreme, false});
  Bytes farOffset = good;
  Put32(farOffset, 10, 0xFFFFFFF0);
  cases.push_back({"pixel offset past the end", farOffset, true});
  Bytes eightBit = good;
  eightBit[28] = 8;
  cases.push_back({"other formats need the platform's bitmap", eightBit, false});

  for (const Case& c : cases) {
    TCustomBitmap32 b;
    b.SetSize(1, 1);
    b.SetPixel(0, 0, 0x12345678);
    auto s = StreamOf(c.bytes);
    if (c.readError)
      EXPECT_THROW(b.LoadFromStream(*s), classlib::EReadError) << c.name;
    else
      EXPECT_THROW(b.LoadFromStream(*s), EBmp32Error) << c.name;
    EXPECT_EQ(b.Width(), 1) << c.name;
    EXPECT_EQ(b.Pixel(0, 0), 0x12345678u) << c.name;
  }
}

TEST(Bitmap32Bmp, FilesRoundTrip) {
  const auto path = std::filesystem::temp_directory_path() / "h9_bitmap32_file_test.bmp";
  TCustomBitmap32 source;
  FillSample(source);
  source.SaveToFile(path.wstring(), true);
  EXPECT_EQ(std::filesystem::file_size(path), 78u);
  TCustomBitmap32 b;
  b.LoadFromFile(path.wstring());
  EXPECT_TRUE(std::equal(source.Bits(), source.Bits() + 6, b.Bits()));
  std::filesystem::remove(path);
  EXPECT_THROW(b.LoadFromFile(path.wstring()), classlib::EFOpenError);
  EXPECT_EQ(b.Width(), 3);
}

// Collects the binary properties an object defines.
class TCollectingFiler : public classlib::TFiler {
 public:
  void DefineProperty(const std::wstring&, classlib::TFormValueReader, classlib::TFormValueWriter, bool) override {}
  void DefineBinaryProperty(const std::wstring& name, classlib::TStreamProc read, classlib::TStreamProc write,
                            bool hasData) override {
    names.push_back(name);
    reader = std::move(read);
    if (!hasData) return;
    classlib::TMemoryStream s;
    write(s);
    written = s.Bytes();
  }
  std::vector<std::wstring> names;
  classlib::TStreamProc reader;
  std::optional<Bytes> written;
};

TEST(Bitmap32Data, StreamedPropertyBytes) {
  TCustomBitmap32 b;
  TCollectingFiler emptyFiler;
  b.DefineProperties(emptyFiler);
  EXPECT_EQ(emptyFiler.names, std::vector<std::wstring>{L"Data"});
  EXPECT_FALSE(emptyFiler.written.has_value());  // an empty bitmap stores nothing

  b.SetSize(2, 1);
  b.SetPixel(0, 0, 0x80FF0000);
  b.SetPixel(1, 0, 0xFF0000FF);
  TCollectingFiler filer;
  b.DefineProperties(filer);
  const Bytes expected = {2, 0, 0, 0, 1, 0, 0, 0, 0x00, 0x00, 0xFF, 0x80, 0xFF, 0x00, 0x00, 0xFF};
  ASSERT_TRUE(filer.written.has_value());
  EXPECT_EQ(*filer.written, expected);

  TCustomBitmap32 copy;
  TCollectingFiler reading;
  copy.DefineProperties(reading);
  auto s = StreamOf(expected);
  reading.reader(*s);
  EXPECT_EQ(copy.Width(), 2);
  EXPECT_EQ(copy.Pixel(0, 0), 0x80FF0000u);
  EXPECT_EQ(copy.Pixel(1, 0), 0xFF0000FFu);

  // Cut short or oversized: refused, the bitmap unchanged.
  for (const Bytes& bad : {Bytes(expected.begin(), expected.end() - 2),
                           Bytes{0x00, 0x50, 0, 0, 0x00, 0x50, 0, 0}}) {
    auto bs = StreamOf(bad);
    EXPECT_ANY_THROW(copy.ReadData(*bs));
    EXPECT_EQ(copy.Width(), 2);
    EXPECT_EQ(copy.Pixel(1, 0), 0xFF0000FFu);
  }
}

TEST(Bitmap32Data, StoredAgainstAnAncestorOnlyWhenDifferent) {
  TCustomBitmap32 a, b, empty, otherEmpty;
  a.SetSize(2, 2);
  b.SetSize(2, 2);
  classlib::TPersistent unrelated;
  EXPECT_TRUE(a.ShouldStoreData(nullptr));
  EXPECT_FALSE(empty.ShouldStoreData(nullptr));
  EXPECT_TRUE(empty.ShouldStoreData(&unrelated));
  EXPECT_FALSE(a.ShouldStoreData(&b));
  EXPECT_FALSE(empty.ShouldStoreData(&otherEmpty));
  EXPECT_TRUE(a.ShouldStoreData(&empty));
  b.SetPixel(1, 1, 0);
  EXPECT_TRUE(a.ShouldStoreData(&b));
}

}  // namespace
}  // namespace bmp32
