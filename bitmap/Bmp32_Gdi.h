#pragma once
// The platform's 32-bit bitmap: pixels in a GDI DIB section with a memory
// DC, a font and text output. Linking this library also teaches every
// TCustomBitmap32 to convert to and from the class library's TBitmap,
// TPicture and TIcon and to load any picture file the picture class reads.
#include <windows.h>

#include <string>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Backends_Gdi.h"
#include "classlib/graphics/Colors.h"

namespace bmp32 {

// 0xFF000000 | R << 16 | G << 8 | B of a class-library colour; system
// colours are resolved first.
TColor32 ToColor32(classlib::TColor color);

// Gives every TCustomBitmap32 the GDI backend as platform backend and the
// conversions above. Runs at start-up and again (harmlessly) whenever a
// TBitmap32 is made, so linking through an archive cannot lose it.
void InstallGdiServices();

// Registers TBitmap32's published properties (and the portable classes').
void RegisterBitmap32GdiClasses();

class TBitmap32 : public TCustomBitmap32 {
 public:
  TBitmap32();
  ~TBitmap32() override;

  // The bitmap's DC and section; null while empty.
  HDC Handle() const;
  HBITMAP BitmapHandle() const;
  // The backend's font (text output) and canvas (GDI drawing on the pixels);
  // null when the backend has none. Resizing frees the canvas: ask for it
  // again after SetSize.
  classlib::TFont* Font() const;
  void SetFont(const classlib::TFont* font);
  classlib::TCanvas* Canvas() const;

  // Text in the font's colour on a transparent background; clipped to the
  // clip rectangle when clipping. Each reports the area it touched.
  void Textout(int x, int y, const std::wstring& text);
  void Textout(int x, int y, const TRect& clipRect, const std::wstring& text);
  // DrawText flags (DT_...).
  void Textout(const TRect& dstRect, UINT flags, const std::wstring& text);
  SIZE TextExtent(const std::wstring& text) const;
  int TextWidth(const std::wstring& text) const { return TextExtent(text).cx; }
  int TextHeight(const std::wstring& text) const { return TextExtent(text).cy; }

  void SetBackend(std::shared_ptr<TCustomBackend> backend) override;
  // Also copies the font from another TBitmap32.
  void Assign(const classlib::TPersistent* source) override;

  const classlib::TNotifyEvent& OnHandleChanged() const { return onHandleChanged_; }
  void SetOnHandleChanged(classlib::TNotifyEvent handler) { onHandleChanged_ = std::move(handler); }

 protected:
  void BackendChanged() override;
  void BackendChanging() override;
  void FinalizeBackend() override;
  virtual void HandleChanged();

 private:
  void WireCapabilities();
  void UnwireCapabilities();
  ITextCapability* Text() const;

  classlib::TNotifyEvent onHandleChanged_;
};

}  // namespace bmp32
