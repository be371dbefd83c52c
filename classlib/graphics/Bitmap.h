#pragma once
// A bitmap graphic over a GDI bitmap: a device-independent section for the
// fixed pixel formats (rows stored bottom-up, as the platform stores them,
// so ScanLine(0) is the top row at the highest address) or a device bitmap
// for pfDevice. Its canvas draws through a memory DC that stays selected
// while the bitmap lives; replacing the bitmap's handle reselects it.
//
// Derived graphics (the skinning library's PNG graphic) override
// LoadFromStream, Draw and Assign and use the public pixel access.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Colors.h"
#include "classlib/graphics/Graphic.h"

namespace classlib {

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };

// Bits per pixel of a fixed format; 0 for pfDevice and pfCustom.
int BitsPerPixelOf(TPixelFormat format);

class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap() override;

  bool Empty() const override { return width_ == 0 || height_ == 0; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Keeps the overlapping top-left part of the old pixels; new pixels are 0.
  void SetSize(int width, int height) override;

  // Switching the format converts the pixels through GDI (to a palette
  // format by nearest colour); pf15bit, pf16bit and pfCustom are refused.
  TPixelFormat PixelFormat() const { return format_; }
  void SetPixelFormat(TPixelFormat format);
  TBitmapHandleType HandleType() const { return format_ == pfDevice ? bmDDB : bmDIB; }
  // bmDIB turns a device bitmap into a DIB of the screen's depth; bmDDB
  // turns a DIB into a device bitmap.
  void SetHandleType(TBitmapHandleType type);

  // The start of row y (0 = top) of a DIB; a device bitmap is turned into a
  // DIB first. Raises EInvalidGraphic outside 0..Height-1.
  uint8_t* ScanLine(int y);
  // Bytes from one row to the next (rows padded to 32 bits).
  int RowBytes() const { return stride_; }

  TCanvas* Canvas();
  bool HasCanvas() const { return canvas_ != nullptr; }

  // The GDI bitmap, made when the bitmap has a size; owned by the bitmap.
  HBITMAP Handle();
  // Takes ownership of `bitmap` (a DIB section or device bitmap).
  void SetHandle(HBITMAP bitmap);
  // Gives the handle to the caller, who then owns it; the bitmap is empty.
  HBITMAP ReleaseHandle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  // The colour table of palette formats as an HPALETTE (owned by the
  // bitmap; null for true colour). Setting copies the palette's entries
  // into the colour table and takes ownership of the handle.
  HPALETTE Palette() const override;
  void SetPalette(HPALETTE palette) override;
  // The colour table of a palette format, entries as RGBQUAD values.
  std::vector<RGBQUAD> ColorTable() const;
  void SetColorTable(const std::vector<RGBQUAD>& colors);

  // tmAuto: the bottom-left pixel's colour; tmFixed: the colour set.
  TColor TransparentColor();
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode);

  void Draw(TCanvas& canvas, const TRect& rect) override;

  // BMP files: 1, 4, 8, 24 and 32 bits, uncompressed (32-bit bit fields in
  // the usual order accepted), bottom-up or top-down. Untrusted: corrupt or
  // truncated data raises EInvalidGraphic and leaves the bitmap unchanged.
  void LoadFromStream(TStream& stream) override;
  // Writes a bottom-up BMP file of the pixel format (a device bitmap as a
  // DIB of the screen's depth).
  void SaveToStream(TStream& stream) override;

  // Copies another bitmap (pixels, format, colour table, transparency);
  // another graphic is drawn onto a white 24-bit bitmap of its size unless
  // that graphic knows how to copy itself here; null empties the bitmap.
  void Assign(const TPersistent* source) override;
  // An empty block (an empty bitmap's stored form) empties the bitmap.
  void ReadData(TStream& stream) override;

  // CF_BITMAP: a device-bitmap copy of the pixels, and a copy of the
  // palette of palette formats.
  void SaveToClipboardFormat(UINT& format, HANDLE& data, HPALETTE& palette) override;
  // CF_BITMAP only; the bitmap becomes a copy of the data (a DIB section).
  void LoadFromClipboardFormat(UINT format, HANDLE data, HPALETTE palette) override;

 private:
  friend class TBitmapCanvas;
  struct TImage {
    HBITMAP handle = nullptr;
    uint8_t* bits = nullptr;  // DIB sections only
    int stride = 0;
  };
  // Makes an image of the format and size; a palette format gets `colors`
  // or the format's default table.
  static TImage MakeImage(TPixelFormat format, int width, int height, const std::vector<RGBQUAD>* colors);
  // Puts a new image in place of the old one (freed), keeping the canvas.
  void Replace(const TImage& image, TPixelFormat format, int width, int height);
  void FreeImage();
  TPixelFormat DeviceFormat() const;
  void DropPalette();
  // Runs `use` with a memory DC that has the bitmap selected (the canvas's
  // when it has one: a bitmap can be selected into one DC only).
  template <class F>
  void WithDC(F use) const;
  // Takes the bitmap out of the canvas's DC before the handle is replaced.
  void DetachFromCanvas();

  HBITMAP handle_ = nullptr;
  uint8_t* bits_ = nullptr;
  int stride_ = 0;
  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = pfDevice;
  mutable HPALETTE palette_ = nullptr;
  // The colour table of palette formats; empty: the format's default (grey
  // ramp for 8 bits, the 16 VGA colours, black and white).
  std::vector<RGBQUAD> colors_;
  TColor transparentColor_ = clDefault;
  TTransparentMode transparentMode_ = tmAuto;
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace classlib
