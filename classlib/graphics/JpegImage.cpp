#include "classlib/graphics/JpegImage.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "classlib/graphics/JpegCodec.h"

namespace classlib {

TJPEGImage::TJPEGImage() : bitmap_(std::make_unique<TBitmap>()) { bitmap_->SetPixelFormat(pf24bit); }

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::SetCompressionQuality(int quality) {
  quality = std::clamp(quality, 1, 100);
  if (quality == quality_) return;
  quality_ = quality;
  if (fromPixels_) data_.clear();  // encode again at the new quality
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) { bitmap_->Draw(canvas, rect); }

void TJPEGImage::LoadFromStream(TStream& stream) {
  std::vector<uint8_t> data = stream.ReadRemaining();
  const JpegImageData image = DecodeJpeg(std::span<const uint8_t>(data), JpegPixelFormat::Bgr24);
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(image.width, image.height);
  const size_t rowBytes = static_cast<size_t>(image.width) * 3;
  for (int y = 0; y < image.height; ++y)
    std::memcpy(bitmap->ScanLine(y), image.pixels.data() + static_cast<size_t>(y) * image.stride, rowBytes);
  bitmap_ = std::move(bitmap);
  data_ = std::move(data);
  fromPixels_ = false;
  Changed();
}

void TJPEGImage::Encode() {
  const int w = bitmap_->Width();
  const int h = bitmap_->Height();
  const size_t rowBytes = static_cast<size_t>(w) * 3;
  std::vector<uint8_t> rows(rowBytes * h);
  for (int y = 0; y < h; ++y) std::memcpy(rows.data() + rowBytes * y, bitmap_->ScanLine(y), rowBytes);
  JpegPixels pixels{w, h, JpegPixelFormat::Bgr24, rowBytes, rows};
  data_ = EncodeJpeg(pixels, quality_);
}

void TJPEGImage::SaveToStream(TStream& stream) {
  if (Empty()) return;
  if (data_.empty()) Encode();
  stream.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
}

void TJPEGImage::Assign(const TPersistent* source) {
  if (source == this) return;
  if (!source) {
    bitmap_ = std::make_unique<TBitmap>();
    bitmap_->SetPixelFormat(pf24bit);
    data_.clear();
    fromPixels_ = false;
    Changed();
    return;
  }
  if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->Assign(jpeg->bitmap_.get());
    bitmap_ = std::move(bitmap);
    data_ = jpeg->data_;
    fromPixels_ = jpeg->fromPixels_;
    quality_ = jpeg->quality_;
    Changed();
    return;
  }
  if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->Assign(graphic);
    bitmap->SetPixelFormat(pf24bit);
    bitmap_ = std::move(bitmap);
    data_.clear();
    fromPixels_ = true;
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

void TJPEGImage::AssignTo(TPersistent* dest) const {
  if (auto* bitmap = dynamic_cast<TBitmap*>(dest)) {
    bitmap->Assign(bitmap_.get());
    return;
  }
  TGraphic::AssignTo(dest);
}

}  // namespace classlib
