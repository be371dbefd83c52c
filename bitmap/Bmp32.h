#pragma once
// The 32-bit bitmap: Width x Height pixels (TColor32) in a replaceable
// backend, rows top to bottom, with a clip rectangle, change and area
// notification, sub-pixel reads, BMP streams and the streamed "Data"
// property. TCustomBitmap32 keeps its pixels in memory; the platform's
// TBitmap32 (Bmp32_Gdi.h) keeps them in a GDI section.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "bitmap/Bmp32_Backend.h"
#include "bitmap/Bmp32_Blend.h"
#include "bitmap/Bmp32_Geometry.h"
#include "bitmap/Bmp32_LowLevel.h"
#include "bitmap/Bmp32_Persistent.h"
#include "bitmap/Bmp32_Resampler.h"
#include "bitmap/Bmp32_Types.h"
#include "classlib/core/Stream.h"

namespace bmp32 {

// Info of an area notification: the area is a plain rectangle.
inline constexpr std::uint32_t AREA_PLAIN_RECT = 0x80000000u;

using TAreaChangedEvent =
    std::function<void(classlib::TObject* sender, const TRect& area, std::uint32_t info)>;

class TCustomBitmap32 : public TCustomMap {
 public:
  // A memory backend unless one is given.
  explicit TCustomBitmap32(std::shared_ptr<TCustomBackend> backend = nullptr);
  ~TCustomBitmap32() override;

  // --- Backend
  const std::shared_ptr<TCustomBackend>& Backend() const { return backend_; }
  // Ignored for null or the current backend; the new one takes the pixels.
  // When it cannot, the bitmap keeps its old backend and the error goes on.
  virtual void SetBackend(std::shared_ptr<TCustomBackend> backend);
  // Another reference to the backend, for switching it out and back.
  std::shared_ptr<TCustomBackend> DetachBackend() const { return backend_; }

  // --- Size and pixels
  bool SetSize(std::int32_t newWidth, std::int32_t newHeight) override;
  TRect BoundsRect() const { return {0, 0, Width(), Height()}; }
  TColor32* Bits() const { return bits_; }
  TColor32* ScanLine(std::int32_t y) const { return bits_ + static_cast<std::int64_t>(y) * Width(); }
  // Unchecked.
  TColor32* PixelPtr(std::int32_t x, std::int32_t y) const {
    return bits_ + (x + static_cast<std::int64_t>(y) * Width());
  }
  TColor32 Pixel(std::int32_t x, std::int32_t y) const { return *PixelPtr(x, y); }
  void SetPixel(std::int32_t x, std::int32_t y, TColor32 value) { *PixelPtr(x, y) = value; }
  // OuterColor outside the clip rectangle.
  TColor32 PixelSafe(std::int32_t x, std::int32_t y) const;
  // Coordinates wrapped into the clip rectangle by WrapMode; OuterColor when
  // the clip rectangle is empty.
  TColor32 PixelWrap(std::int32_t x, std::int32_t y) const;

  // Sub-pixel reads: 24.8 coordinates (the 256 forms) or 16.16 (Fixed).
  // Unchecked: the 2 x 2 block must lie inside the bitmap.
  TColor32 InterpolatedPixel256(std::int32_t x, std::int32_t y) const;
  TColor32 InterpolatedPixelSafe256(std::int32_t x, std::int32_t y) const;
  TColor32 InterpolatedPixelFixed(TFixed x, TFixed y) const;
  TColor32 InterpolatedPixelFixedSafe(TFixed x, TFixed y) const;
  TColor32 InterpolatedPixelFixedWrap(TFixed x, TFixed y) const;

  // --- Drawing (nothing is written while measuring; areas are reported)
  // Src's SrcRect into DstRect of this bitmap, through Src's resampler and
  // draw mode; nothing for a null Src. Defined with the transfer routines.
  void Draw(const TRect& dstRect, const TRect& srcRect, const TCustomBitmap32* src);
  void Clear() { Clear(0xFF000000); }
  // The clip rectangle when clipping, else every pixel; nothing when empty.
  void Clear(TColor32 fillColor);
  // Rows y1..y2-1, columns x1..x2-1, unclipped: the caller keeps them inside.
  void FillRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, TColor32 value);
  void ResetAlpha() { ResetAlpha(255); }
  void ResetAlpha(std::uint8_t alpha);

  // --- Clip rectangle
  const TRect& ClipRect() const { return clipRect_; }
  // Clipped to BoundsRect; (0, 0, 0, 0) when they do not meet.
  void SetClipRect(const TRect& value);
  void ResetClipRect() { SetClipRect(BoundsRect()); }
  const TFixedRect& ClipRectFixed() const { return clipRectFixed_; }
  const TRect& ClipRect256() const { return clipRect256_; }
  bool Clipping() const { return clipping_; }

  // --- Notification
  // OnAreaChanged with the bounds (outside update brackets or while
  // measuring), then, unless measuring, OnChange.
  void Changed() override;
  void Changed(const TRect& area, std::uint32_t info = AREA_PLAIN_RECT);
  // OnChange alone.
  void PropertyChanged() { TCustomMap::Changed(); }
  void BeginAreaMeasuring(TAreaChangedEvent callback);
  void EndAreaMeasuring();
  bool Measuring() const { return measuring_; }

  const TAreaChangedEvent& OnAreaChanged() const { return onAreaChanged_; }
  void SetOnAreaChanged(TAreaChangedEvent handler) { onAreaChanged_ = std::move(handler); }
  const TPixelCombineEvent& OnPixelCombine() const { return onPixelCombine_; }
  void SetOnPixelCombine(TPixelCombineEvent handler) { onPixelCombine_ = std::move(handler); }

  // --- Drawing properties (read by the transfer routines)
  TDrawMode DrawMode() const { return drawMode_; }
  void SetDrawMode(TDrawMode value);
  TCombineMode CombineMode() const { return combineMode_; }
  void SetCombineMode(TCombineMode value);
  TWrapMode WrapMode() const { return wrapMode_; }
  void SetWrapMode(TWrapMode value);
  std::uint32_t MasterAlpha() const { return masterAlpha_; }
  void SetMasterAlpha(std::uint32_t value);
  TColor32 OuterColor() const { return outerColor_; }
  void SetOuterColor(TColor32 value) { outerColor_ = value; }
  TWrapProc WrapX() const { return wrapX_; }
  TWrapProc WrapY() const { return wrapY_; }
  const TBlendOperations& BlendOperation() const { return blendOperation_; }

  // Owned; null until a resampler class is registered (see ResamplerList).
  TCustomResampler* Resampler() const { return resampler_.get(); }
  // Takes ownership; ignored for null or the current resampler.
  void SetResampler(TCustomResampler* resampler);
  std::wstring ResamplerClassName() const;
  // A name not in ResamplerList changes nothing.
  void SetResamplerClassName(const std::wstring& name);

  // --- Copying and storage
  // Null empties; a TCustomBitmap32 gives its pixels and drawing properties;
  // the platform's graphics are converted.
  void Assign(const classlib::TPersistent* source) override;
  virtual void CopyMapTo(TCustomBitmap32& dst) const;
  virtual void CopyPropertiesTo(TCustomBitmap32& dst) const;

  // The "Data" property: int32 Width, int32 Height, then the pixels.
  void DefineProperties(classlib::TFiler& filer) override;
  // Whether "Data" is stored against an ancestor (null: none).
  bool ShouldStoreData(const classlib::TPersistent* ancestor) const;
  virtual void ReadData(classlib::TStream& stream);
  virtual void WriteData(classlib::TStream& stream) const;

  // 32-bit uncompressed BMP; other BMPs through the platform's bitmap.
  // Untrusted input: a header that does not fit the stream, or a pixel
  // block larger than 256 MiB, raises and leaves the bitmap as it was.
  virtual void LoadFromStream(classlib::TStream& stream);
  virtual void SaveToStream(classlib::TStream& stream, bool bottomUp = false) const;
  // A BMP file, or any picture the platform reads by extension.
  virtual void LoadFromFile(const std::wstring& fileName);
  virtual void SaveToFile(const std::wstring& fileName, bool bottomUp = false) const;

 protected:
  void ChangeSize(std::int32_t& width, std::int32_t& height, std::int32_t newWidth,
                  std::int32_t newHeight) override;
  virtual void BackendChanged();
  virtual void BackendChanging() {}
  virtual void FinalizeBackend();
  void AssignTo(classlib::TPersistent* dest) const override;

 private:
  void WireBackend();
  // The 2 x 2 block at (x >> 8, y >> 8) weighted by the fractions.
  TColor32 Interpolate(std::int32_t x, std::int32_t y) const;

  std::shared_ptr<TCustomBackend> backend_;
  TColor32* bits_ = nullptr;
  TRect clipRect_;
  TFixedRect clipRectFixed_;
  TRect clipRect256_;
  bool clipping_ = false;
  TDrawMode drawMode_ = dmOpaque;
  TCombineMode combineMode_ = cmBlend;
  TWrapMode wrapMode_ = wmClamp;
  std::uint32_t masterAlpha_ = 255;
  TColor32 outerColor_ = 0;
  TPixelCombineEvent onPixelCombine_;
  TAreaChangedEvent onAreaChanged_;
  TAreaChangedEvent savedOnAreaChanged_;
  bool measuring_ = false;
  std::unique_ptr<TCustomResampler> resampler_;
  TWrapProc wrapX_;
  TWrapProc wrapY_;
  TBlendOperations blendOperation_;
};

}  // namespace bmp32
