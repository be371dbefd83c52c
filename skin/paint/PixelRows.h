#pragma once
// The hot rows of skin painting, reached through procedure variables that
// the unit's registry binds to the best variant for this processor when the
// program starts (plain forms until then). Skin formulas truncate (shr 8)
// where the bitmap library's blend rounds, so these are rows of their own.
//
// Pixels are 32-bit blue, green, red, alpha; the key colour is the whole
// value 0x00FF00FF.
#include <cstdint>

namespace bmp32 {
class TFunctionRegistry;
}

namespace skin::paint {

inline constexpr std::uint32_t KeyPixel = 0x00FF00FFu;

// What a masked row does with source key pixels and with the alpha byte.
enum TMaskRowMode : std::uint32_t {
  mrBlendKeys = 0,   // key pixels are blended like any other
  mrSkipKeys = 1,    // key pixels leave the destination unchanged
  mrAlphaKept = 0,   // the destination's alpha byte stays
  mrAlphaOpaque = 2, // blended pixels get alpha 255
};

// For i < count, unless mrSkipKeys and src[i] is the key: each of blue,
// green and red d := ((d - s) x m + s x 256) shr 8 with m the same channel of
// mask[i] (mask 0 gives the source, 255 keeps the destination); alpha kept,
// or 255 with mrAlphaOpaque.
using TBlendRowByMask = void(std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* mask,
                             std::int32_t count, std::uint32_t mode);
// Each of blue, green and red d := (d x kept + s x (256 - kept)) shr 8,
// kept 0..256 (more counts as 256); alpha bytes untouched.
using TBlendRowConst = void(std::uint32_t* dst, const std::uint32_t* src, std::int32_t count,
                            std::uint32_t kept);
// 0x00FFFFFF becomes 0; any other pixel gets each colour c := c x a shr 8.
using TPremultiplyRow = void(std::uint32_t* row, std::int32_t count);
// Count words := value; nothing when count < 1.
using TFillDWords = void(std::uint32_t* dst, std::int32_t count, std::uint32_t value);

// Numbers of the bound rows in the unit's registry.
enum TPixelRowFunction : std::int32_t {
  FID_BLENDROWBYMASK = 0,
  FID_BLENDROWCONST = 1,
  FID_PREMULTIPLYROW = 2,
  FID_FILLDWORDS = 3,
};

extern TBlendRowByMask* BlendRowByMask;
extern TBlendRowConst* BlendRowConst;
extern TPremultiplyRow* PremultiplyRow;
extern TFillDWords* FillDWords;

namespace plain {
void BlendRowByMask(std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* mask,
                    std::int32_t count, std::uint32_t mode);
void BlendRowConst(std::uint32_t* dst, const std::uint32_t* src, std::int32_t count, std::uint32_t kept);
void PremultiplyRow(std::uint32_t* row, std::int32_t count);
void FillDWords(std::uint32_t* dst, std::int32_t count, std::uint32_t value);
}  // namespace plain

bmp32::TFunctionRegistry& PixelRowsRegistry();

}  // namespace skin::paint
