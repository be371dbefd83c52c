#pragma once
// The base of the resamplers a bitmap carries, and the list that finds
// resampler classes by name. The resampler classes themselves register into
// the list from their own unit.
#include <cstdint>
#include <string>

#include "bitmap/Bmp32_Containers.h"
#include "bitmap/Bmp32_Persistent.h"
#include "bitmap/Bmp32_Types.h"

namespace bmp32 {

class TCustomBitmap32;

enum TPixelAccessMode { pamUnsafe, pamSafe, pamWrap, pamTransparentEdge };

class TCustomResampler : public TNotifiablePersistent {
 public:
  // Not owned. Give the resampler to its bitmap with SetResampler.
  explicit TCustomResampler(TCustomBitmap32* bitmap = nullptr) : bitmap_(bitmap) {}

  TCustomBitmap32* Bitmap() const { return bitmap_; }
  TPixelAccessMode PixelAccessMode() const { return pixelAccessMode_; }
  void SetPixelAccessMode(TPixelAccessMode mode);

  // Also tells the bitmap.
  void Changed() override;
  // From another resampler: its published settings.
  void Assign(const classlib::TPersistent* source) override;

 private:
  TCustomBitmap32* bitmap_;
  TPixelAccessMode pixelAccessMode_ = pamSafe;
};

// A resampler class: its name and how to make one for a bitmap.
struct TResamplerClass {
  std::wstring Name;
  TCustomResampler* (*Create)(TCustomBitmap32* bitmap) = nullptr;
  const std::wstring& ClassName() const { return Name; }
};

// The registered resampler classes, found by exact name.
TClassList<const TResamplerClass*>& ResamplerList();
// Adds a class that lives until the program ends.
void RegisterResampler(const TResamplerClass* cls);

}  // namespace bmp32
