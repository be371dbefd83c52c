#pragma once
// Row conversion for the skinning library's PNG reader: one decoded row of
// file samples becomes the pixels of a bitmap scan line, optionally through
// a gamma table and an interlace pass mask; plus the grey and colour palettes
// of grey and indexed images. Portable: palettes are plain entry lists that
// the Windows side turns into palette handles.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "classlib/core/Exception.h"

namespace skin {

CLASSLIB_EXCEPTION(EColorConversionError, classlib::Exception);

enum TPixelScheme : uint8_t {
  pxUnknown, pxIndexed, pxGrey, pxGreyAlpha, pxRGB, pxRGBA, pxBGR, pxBGRA,
  pxCMY, pxCMYK, pxCIELab, pxYCbCr, pxPhotoYCC
};

// Option bits of one side of a conversion.
enum TConvertOption : uint8_t {
  cvAlpha = 0x01,            // the side carries an alpha sample (set by the converter choice)
  cvGamma = 0x02,            // target: colour samples go through the gamma table
  cvSwapBytes = 0x04,        // source: 16-bit samples are big-endian
  cvLightnessBytes = 0x08,   // source: L* stored 0..255
  cvChromaOffset128 = 0x10,  // source: a* and b* stored with an offset of 128
};
using TConvertOptions = uint8_t;

// The bitmap layouts a conversion can produce, named as the class library's.
enum class TPixelFormat : uint8_t { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

struct TPaletteEntry {
  uint8_t Red = 0, Green = 0, Blue = 0, Flags = 0;
  friend bool operator==(const TPaletteEntry&, const TPaletteEntry&) = default;
};

class TColorManager {
 public:
  TColorManager();

  uint8_t SourceBits() const { return sourceBits_; }
  uint8_t TargetBits() const { return targetBits_; }
  uint8_t SourceSamples() const { return sourceSamples_; }
  uint8_t TargetSamples() const { return targetSamples_; }
  TPixelScheme SourceScheme() const { return sourceScheme_; }
  TPixelScheme TargetScheme() const { return targetScheme_; }
  void SetSourceBits(uint8_t value);
  void SetTargetBits(uint8_t value);
  void SetSourceSamples(uint8_t value);
  void SetTargetSamples(uint8_t value);
  void SetSourceScheme(TPixelScheme value);
  void SetTargetScheme(TPixelScheme value);

  // Written directly by the reader.
  TConvertOptions SourceOptions = 0;
  TConvertOptions TargetOptions = 0;

  // Non-positive values fall back to 1.0 and 2.2.
  void BuildGammaTable(float mainGamma, float displayGamma);
  const std::array<uint8_t, 256>& GammaTable() const { return gammaTable_; }

  // Converts `count` target pixels. `sources` holds one pointer for
  // interleaved samples or one per plane. `passMask`, most significant bit
  // first and repeating every eight pixels, says which target pixels take
  // the next source pixel; the others are left untouched.
  void ConvertLine(std::span<const uint8_t* const> sources, uint8_t* target, uint32_t count, uint8_t passMask);

  // Side 0 the source, 1 the target.
  TPixelFormat PixelFormatFor(int side) const;

  // A ramp of 2^min(target bits x samples, 8) greys.
  std::vector<TPaletteEntry> MakeGreyPalette(bool reversed) const;
  // Layouts: 0 RGB bytes, 1 RGB bytes and a skipped byte, 2/3 three byte
  // planes, 4/5 16-bit words (5 skips a fourth), 6/7 three word planes.
  // Entries the data does not give are black.
  std::vector<TPaletteEntry> MakeColorPalette(std::span<const uint8_t* const> sources, uint8_t layout,
                                              uint32_t count, bool blueFirst) const;

 private:
  using TConverter = void (TColorManager::*)(std::span<const uint8_t* const>, uint8_t*, uint32_t, uint8_t);

  void ChooseConverter();
  void ConvertRowRgb(std::span<const uint8_t* const> sources, uint8_t* target, uint32_t count, uint8_t passMask,
                     bool sourceBlueFirst, bool targetBlueFirst);
  void ConvertRowRgbToBgr(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m);
  void ConvertRowRgbToRgb(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m);
  void ConvertRowBgrToBgr(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m);
  void ConvertRowBgrToRgb(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m);
  void ConvertRowGrey(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m);
  void ConvertRowPacked(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m);
  void ConvertRowIndex16(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m);
  void ConvertRowIndex16ToPacked(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m);
  void ConvertRowPackedToIndex16(std::span<const uint8_t* const> s, uint8_t* t, uint32_t n, uint8_t m);

  uint8_t Narrow16(uint16_t fileValue, bool gamma) const;

  bool changed_ = true;
  uint8_t sourceBits_ = 8, targetBits_ = 8, sourceSamples_ = 3, targetSamples_ = 3;
  float mainGamma_ = 1.0f, displayGamma_ = 2.2f;
  std::array<uint8_t, 256> gammaTable_{};
  TPixelScheme sourceScheme_ = pxRGB, targetScheme_ = pxBGR;
  TConverter converter_ = nullptr;
};

}  // namespace skin
