#pragma once
// A logical font. The GDI handle is made on the first request and dropped at
// every change, so the next request builds it from the new description.
#include <windows.h>

#include <cstdint>
#include <string>

#include "classlib/core/Set.h"
#include "classlib/graphics/Colors.h"
#include "classlib/graphics/GraphicsObject.h"

namespace classlib {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = uint8_t;

// The screen's vertical pixels per inch (96 under Wine's null driver).
int ScreenPixelsPerInch();

class TFont : public TGraphicsObject {
 public:
  TFont();
  ~TFont() override;

  const std::wstring& Name() const { return name_; }
  void SetName(const std::wstring& name);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points, through the font's pixels per inch.
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset charset);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value) { pixelsPerInch_ = value > 0 ? value : 96; }

  // Made on demand; owned by the font (never delete it).
  HFONT Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  // Takes the description of an existing logical font; the font keeps its
  // own handle, made from that description.
  void SetHandle(HFONT font);

  void Assign(const TPersistent* source) override;

 protected:
  void Changed() override;

 private:
  void DropHandle();

  std::wstring name_;
  int height_;
  TFontStyles style_;
  TColor color_ = clWindowText;
  TFontCharset charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = fpDefault;
  int pixelsPerInch_;
  HFONT handle_ = nullptr;
};

}  // namespace classlib
