#pragma once
// A JPEG picture: the file's bytes and the decoded 24-bit bitmap. Loading
// decodes at once, so a corrupt or truncated file raises EInvalidGraphic and
// leaves the image unchanged. Assigning a bitmap keeps its pixels; saving
// then encodes them at CompressionQuality.
#include <cstdint>
#include <memory>
#include <vector>

#include "classlib/graphics/Bitmap.h"

namespace classlib {

class TJPEGImage : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;

  bool Empty() const override { return bitmap_->Empty(); }
  int Width() const override { return bitmap_->Width(); }
  int Height() const override { return bitmap_->Height(); }

  // 1..100; the encoder's quality when the image is saved from pixels.
  int CompressionQuality() const { return quality_; }
  void SetCompressionQuality(int quality);

  void Draw(TCanvas& canvas, const TRect& rect) override;
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // Takes a bitmap's pixels (as 24-bit) or another JPEG image; null empties.
  void Assign(const TPersistent* source) override;

  // The decoded pixels (24-bit).
  const TBitmap& Bitmap() const { return *bitmap_; }

 protected:
  // A bitmap destination gets a 24-bit copy of the pixels.
  void AssignTo(TPersistent* dest) const override;

 private:
  void Encode();

  std::unique_ptr<TBitmap> bitmap_;
  std::vector<uint8_t> data_;  // empty: encode from the bitmap when saved
  bool fromPixels_ = false;    // data_ was encoded here, not loaded
  int quality_ = 90;
};

}  // namespace classlib
