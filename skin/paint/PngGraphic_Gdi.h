#pragma once
// The skinning library's PNG graphic: a class-library bitmap that reads PNG
// through the library's own reader (skin images, image-list items, the
// library's PNG resources) and whose Draw blends 32-bit images by their
// straight alpha, with an optional fading mirror band below. Everything
// else, persistence included (a stored TPNGGraphic is BMP data), is the
// bitmap's.
#include <windows.h>

#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "skin/core/SkinPngDecoder.h"

namespace skin {

class TPNGGraphic : public classlib::TBitmap {
 public:
  TPNGGraphic();
  ~TPNGGraphic() override;

  // One PNG image from the stream's position; the stream is left after
  // IEND. Raises the reader's exceptions; the bitmap keeps the rows decoded
  // before a failure.
  void LoadFromStream(classlib::TStream& stream) override;
  // A TPNGGraphic source also gives its header; the rest is the bitmap's.
  void Assign(const classlib::TPersistent* source) override;
  // 32-bit images are blended by their alpha (at their own size with the
  // mirror band when Reflected); other formats draw as a bitmap does.
  void Draw(classlib::TCanvas& canvas, const classlib::TRect& rect) override;

  const TPNGHeaderInfo& Header() const { return header_; }
  TColorManager& ColorManager() { return *colorManager_; }

  // Set by button glyph code before drawing.
  bool Reflected = false;

 private:
  std::unique_ptr<TColorManager> colorManager_;
  TPNGHeaderInfo header_;
};

// An icon from a bitmap: a 32-bit bitmap keeps its alpha, others are made
// 32-bit with the key colour 0xFF00FF transparent. Null for an empty bitmap.
HICON MakeIcon32(classlib::TBitmap& bmp, classlib::TColor backColor);
// An icon whose mask is the top-left colour (UseKey, or any bitmap below
// 32 bits) or fully opaque. Null for an empty bitmap.
HICON MakeIconNoAlpha(classlib::TBitmap& bmp, bool useKey);
// Sets every 32-bit pixel 0x00FFFFFF (white, alpha 0) to 0.
void ClearTransparentWhite(classlib::TBitmap& bmp);

// Registers ".png" for TPNGGraphic with the picture class. The PNG codec
// registers after it, so files opened through the picture class become the
// codec's objects; stored TPNGGraphic pictures still find this class.
void RegisterPngGraphic();
void UnregisterPngGraphic();

}  // namespace skin
