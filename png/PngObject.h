#pragma once
// A PNG image as a graphic of the class library: an ordered list of chunk
// objects whose header chunk owns the decoded pixels. Loading reads every
// chunk (unknown ancillary chunks are kept byte for byte and written back);
// saving writes the chunks in list order.
#include <windows.h>

#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Graphic.h"
#include "png/PngChunk.h"
#include "png/PngChunkIHDR.h"
#include "png/PngChunks.h"
#include "png/PngErrors.h"
#include "png/PngFormat.h"
#include "png/PngGamma.h"

namespace png {

class TPNGObject : public classlib::TGraphic {
 public:
  TPNGObject();
  ~TPNGObject() override;

  // Identity gamma tables, no chunks.
  void Clear();

  bool Empty() const override { return chunks_.Count() == 0; }
  int Width() const override;
  int Height() const override;
  // Resize keeps the other side: SetWidth/SetHeight come here.
  void SetSize(int width, int height) override { Resize(width, height); }
  bool Transparent() const override { return TransparencyMode() != 0; }
  HPALETTE Palette() const override;
  void SetPalette(HPALETTE palette) override;

  void Draw(classlib::TCanvas& canvas, const classlib::TRect& rect) override;
  void LoadFromStream(classlib::TStream& stream) override;
  void SaveToStream(classlib::TStream& stream) override;
  // Null clears; another PNG image is copied chunk by chunk; a bitmap is
  // converted with AssignHandle.
  void Assign(const classlib::TPersistent* source) override;
  void AssignPNG(const TPNGObject* source);
  // Builds the image from a bitmap: palette bitmaps (below 16 bits per
  // pixel) become colour type 3, others 8-bit RGB.
  void AssignHandle(HBITMAP handle, bool transparent, classlib::TColor transparentColor);

  // Through a bitmap of the image's size: saving draws the image on it and
  // hands over its clipboard form; loading reads a bitmap and assigns it.
  void SaveToClipboardFormat(UINT& format, HANDLE& data, HPALETTE& palette) override;
  void LoadFromClipboardFormat(UINT format, HANDLE data, HPALETTE palette) override;

  // The header chunk; EPNGHeaderNotPresent without one.
  TChunkIHDR* Header() const;
  bool HeaderPresent() const;
  TPNGList& Chunks() { return chunks_; }
  const TPNGList& Chunks() const { return chunks_; }
  classlib::TCanvas* Canvas() { return canvas_.get(); }

  // 0 none, 1 a key colour, 2 per-pixel alpha.
  int TransparencyMode() const;
  classlib::TColor TransparentColor() const;
  // Bytes of one PNG row and the filters' pixel distance; 0 without header.
  void GetPixelInfo(uint32_t& lineSize, uint32_t& offset) const;

  // Outside the image: reads 0, writes nothing.
  classlib::TColor Pixels(int x, int y) const;
  void SetPixels(int x, int y, classlib::TColor value);
  // Image line y (0 = top) of the bitmap, of the 16-bit buffer and of the
  // alpha buffer (null for images without alpha).
  uint8_t* Scanline(int y) const;
  uint8_t* ExtraScanline(int y) const;
  uint8_t* AlphaScanline(int y) const;

  // Keeps the top-left part; new alpha is opaque. A side below 1 raises
  // EPNGInvalidNewSize and changes nothing.
  void Resize(int cx, int cy);

  uint8_t Filters() const { return filters_; }
  void SetFilters(uint8_t filters) { filters_ = filters; }
  uint8_t CompressionLevel() const { return compressionLevel_; }
  // Clamped to zlib's 0..9.
  void SetCompressionLevel(int level);
  int MaxIdatSize() const { return maxIdatSize_; }
  // 65,535 is the least size stored.
  void SetMaxIdatSize(int size) { maxIdatSize_ = size < 65535 ? 65535 : size; }
  uint8_t InterlaceMethod() const { return interlaceMethod_; }
  void SetInterlaceMethod(uint8_t method) { interlaceMethod_ = method; }

  // What the zTXt chunks read since the last Clear inflated to, together.
  size_t InflatedTextBytes() const { return inflatedText_; }
  void AddInflatedTextBytes(size_t bytes) { inflatedText_ += bytes; }

  TGammaTable& GammaTable() { return gammaTable_; }
  const TGammaTable& GammaTable() const { return gammaTable_; }
  TGammaTable& InverseGamma() { return inverseGamma_; }
  const TGammaTable& InverseGamma() const { return inverseGamma_; }

 protected:
  // A bitmap gets the image drawn on it at its own size.
  void AssignTo(classlib::TPersistent* dest) const override;

 private:
  void DrawOpaque(HDC dc, const classlib::TRect& rect);
  void DrawKeyed(HDC dc, const classlib::TRect& rect);
  void DrawAlpha(HDC dc, const classlib::TRect& rect);
  // The RGB colour (0x00BBGGRR) of stored pixel (x, y).
  classlib::TColor StoredColor(const TChunkIHDR& header, int x, int y) const;

  TGammaTable inverseGamma_ = IdentityGamma();
  std::unique_ptr<classlib::TCanvas> canvas_;
  uint8_t filters_ = pfSub;
  uint8_t compressionLevel_ = 7;
  int maxIdatSize_ = 65535;
  uint8_t interlaceMethod_ = 0;
  TPNGList chunks_;
  TGammaTable gammaTable_ = IdentityGamma();
  size_t inflatedText_ = 0;
};

}  // namespace png
