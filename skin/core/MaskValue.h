#pragma once
// The value forms of bitmap keys in a skin description:
//   "~" texture, "@" glyph image and "^" nine-piece border, all rectangles of
//       the master bitmap with numbers at fixed columns;
//   "!" an image file with its numbers separated by "!";
//   older forms: rectangle and numbers in parentheses (with a "#"), or a
//       whole ".BMP" file.
// These functions only read the text; the loader attaches the bitmaps.
#include <string>
#include <string_view>

#include "skin/core/SkinData.h"

namespace skin {

enum class TsMaskForm { None, Texture, Glyph, Border, File, Legacy, LegacyFile };

// The form of a value; None for values that add no mask ("N/A", "#" ...).
TsMaskForm MaskFormOf(std::wstring_view value);

// The "~", "@" and "^" forms. A value too short for its form or a number that
// is not one raises EConvertError.
void ParsePositionalMask(std::wstring_view value, TsMaskForm form, TsMaskData& mask);
// The "!" form: fills the numbers and returns the file name.
std::wstring ParseFileMask(std::wstring_view value, TsMaskData& mask);
// The older form with "#": rectangle, ImageCount, MaskType and optionally
// BorderWidth and DrawMode.
void ParseLegacyMask(std::wstring_view value, TsMaskData& mask);
// The older whole-bitmap form, once the bitmap's size is known.
void SetWholeBitmapMask(TsMaskData& mask, int width, int height);

// Keeps a parsed mask safe to paint: at least one frame, a mask type of at
// least 0, a rectangle inside a bitmap of the given size, border widths
// inside one frame and a known kind.
void ClampMask(TsMaskData& mask, int bitmapWidth, int bitmapHeight);
// When no border width is given, derives all four from `BorderWidth` or the
// frame size (a third of each).
void DeriveBorderWidths(TsMaskData& mask);
// Skins before 7.4 mark stretched centres by a centre of one pixel.
void ApplyOldDrawModeRule(TsMaskData& mask);

// Frame sizes of the first frame (the mask's rows included in the height).
int MaskFrameWidth(const TsMaskData& mask);
int MaskFrameHeight(const TsMaskData& mask);

// 2 for BUTTON_HUGE's BORDERSMASK; else 1 when a corner area of the first
// frame holds the key colour, 0 when none does. `bitmap` is the mask's own
// bitmap or the master bitmap.
std::int16_t GetCornerType(const TsMaskData& mask, const bmp32::TCustomBitmap32* bitmap);

}  // namespace skin
