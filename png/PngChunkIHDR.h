#pragma once
// The header chunk. Besides the header values it owns the decoded pixels:
// a device-independent bitmap section (rows bottom-up) selected into its
// own memory device context, the palette of palette bitmaps, the alpha
// buffer and the buffer of the low bytes of 16-bit samples.
#include <windows.h>

#include <vector>

#include "png/PngChunk.h"
#include "png/PngFormat.h"
#include "png/PngImageView.h"

namespace png {

// The 40-byte bitmap header followed by 256 colour entries.
struct TPngBitmapInfo {
  BITMAPINFOHEADER Header;
  RGBQUAD Colors[256];
};

class TChunkIHDR : public TChunk {
 public:
  explicit TChunkIHDR(TPNGObject* owner);
  ~TChunkIHDR() override;

  void Assign(const TChunk* source) override;
  bool LoadFromStream(classlib::TStream& stream, const std::string& chunkName, uint32_t size) override;
  bool SaveToStream(classlib::TStream& stream) override;

  // Rebuilds the pixel buffers (zeroed) for the header values; raises
  // EPNGOutMemory when they would exceed the codec's limit or the system
  // refuses the bitmap.
  void PrepareImageData();

  TPngHeaderValues Values;
  uint32_t Width() const { return Values.Width; }
  uint32_t Height() const { return Values.Height; }
  uint8_t BitDepth() const { return Values.BitDepth; }
  uint8_t ColorType() const { return Values.ColorType; }

  HBITMAP ImageHandle() const { return imageHandle_; }
  HDC ImageDC() const { return imageDC_; }
  HPALETTE PaletteHandle() const { return palette_; }
  bool HasPalette() const { return hasPalette_; }
  TPngBitmapInfo& BitmapInfo() { return info_; }
  const TPngBitmapInfo& BitmapInfo() const { return info_; }
  uint32_t BytesPerRow() const { return bytesPerRow_; }
  uint8_t* ImageData() const { return imageData_; }
  uint8_t* ImageAlpha() { return alpha_.empty() ? nullptr : alpha_.data(); }
  uint8_t* ExtraImageData() { return extra_.empty() ? nullptr : extra_.data(); }
  // The buffers as the portable row code sees them.
  TPngImageView View();
  // Entries of the palette bitmap's colour table (0 for RGB images).
  int PaletteSize() const;

  // Makes `palette` the image's palette (the header owns it from now on):
  // its entries go into the bitmap's colour table, it is selected and
  // realized in the image's context and the old palette is deleted. Without
  // a palette bitmap the handle is only deleted.
  void SetImagePalette(HPALETTE palette);
  // A grey ramp of `entries` entries through the owner's gamma table.
  HPALETTE MakeGreyRamp(int entries) const;

  // Replaces bitmap, context and buffers (used by TPNGObject::Resize).
  void ReplaceImage(HBITMAP bitmap, HDC dc, uint8_t* bits, uint32_t bytesPerRow, std::vector<uint8_t> alpha,
                    std::vector<uint8_t> extra);

 private:
  void FreeImageData();

  HBITMAP imageHandle_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  HDC imageDC_ = nullptr;
  HPALETTE palette_ = nullptr;
  bool hasPalette_ = false;
  TPngBitmapInfo info_{};
  std::vector<uint8_t> extra_;
  uint8_t* imageData_ = nullptr;
  std::vector<uint8_t> alpha_;
  uint32_t bytesPerRow_ = 0;
};

}  // namespace png
