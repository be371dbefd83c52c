#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "classlib/core/FileStream.h"
#include "classlib/graphics/JpegImage.h"
#include "classlib/graphics/Picture.h"

namespace classlib {
namespace {

// A smooth colour picture: JPEG keeps it closely at quality 100.
void FillGradient(TBitmap& bitmap, int w, int h) {
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      row[3 * x] = static_cast<uint8_t>(x * 255 / (w - 1));
      row[3 * x + 1] = static_cast<uint8_t>(y * 255 / (h - 1));
      row[3 * x + 2] = static_cast<uint8_t>(128 + (x - y) / 4);
    }
  }
}

std::vector<uint8_t> Encode(TBitmap& bitmap, int quality) {
  TJPEGImage jpeg;
  EXPECT_EQ(jpeg.CompressionQuality(), 90);
  jpeg.Assign(&bitmap);
  jpeg.SetCompressionQuality(quality);
  TMemoryStream stream;
  jpeg.SaveToStream(stream);
  return stream.Bytes();
}

void Load(TGraphic& graphic, const std::vector<uint8_t>& bytes) {
  TMemoryStream stream;
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  graphic.LoadFromStream(stream);
}

TEST(JpegImage, QualityHundredReadsBackClosely) {
  TBitmap source;
  FillGradient(source, 64, 48);
  const std::vector<uint8_t> bytes = Encode(source, 100);
  const std::wstring file = L"jpeg_round_trip.Jpg";
  {
    TFileStream out(file, fmCreate);
    out.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  }
  TPicture picture;
  picture.LoadFromFile(file);
  DeleteFileW(file.c_str());
  ASSERT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
  TBitmap decoded;
  decoded.Assign(picture.Graphic());
  ASSERT_EQ(decoded.PixelFormat(), pf24bit);
  ASSERT_EQ(decoded.Width(), 64);
  ASSERT_EQ(decoded.Height(), 48);
  int worst = 0;
  for (int y = 0; y < 48; ++y)
    for (int i = 0; i < 64 * 3; ++i) worst = std::max(worst, std::abs(decoded.ScanLine(y)[i] - source.ScanLine(y)[i]));
  EXPECT_LE(worst, 6);
}

TEST(JpegImage, LowerQualityMakesSmallerFiles) {
  TBitmap source;
  FillGradient(source, 64, 48);
  EXPECT_LT(Encode(source, 30).size(), Encode(source, 100).size());
}

TEST(JpegImage, CorruptAndTruncatedFilesRaiseAndLeaveTheImageAlone) {
  TBitmap source;
  FillGradient(source, 32, 32);
  const std::vector<uint8_t> good = Encode(source, 90);
  std::vector<uint8_t> corrupt = good;
  for (size_t i = 20; i < corrupt.size() - 2; i += 3) corrupt[i] = static_cast<uint8_t>(corrupt[i] * 7 + 1);
  std::vector<uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
  std::vector<uint8_t> notJpeg = {'B', 'M', 0, 0};

  for (const std::vector<uint8_t>* bytes : {&corrupt, &truncated, &notJpeg}) {
    TJPEGImage jpeg;
    Load(jpeg, good);
    EXPECT_THROW(Load(jpeg, *bytes), EInvalidGraphic);
    EXPECT_EQ(jpeg.Width(), 32);
    TMemoryStream saved;
    jpeg.SaveToStream(saved);
    EXPECT_EQ(saved.Bytes(), good);  // still the file loaded first
  }
}

TEST(JpegImage, DrawsItsPixels) {
  TBitmap source;
  FillGradient(source, 16, 16);
  TJPEGImage jpeg;
  jpeg.Assign(&source);
  TBitmap target;
  target.SetPixelFormat(pf24bit);
  target.SetSize(16, 16);
  target.Canvas()->Draw(0, 0, &jpeg);
  EXPECT_EQ(target.ScanLine(15)[45], source.ScanLine(15)[45]);
}

}  // namespace
}  // namespace classlib
#endif
