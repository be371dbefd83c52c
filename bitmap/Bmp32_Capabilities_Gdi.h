#pragma once
// The optional capabilities of a bitmap backend over GDI. Each is found on a
// backend by its identity (Supports) and reached by dynamic_cast.
#include <windows.h>

#include <string>

#include "bitmap/Bmp32_Containers.h"
#include "bitmap/Bmp32_Types.h"
#include "classlib/core/Object.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Font.h"

namespace bmp32 {

class TCustomBitmap32;

class ICanvasCapability {
 public:
  virtual ~ICanvasCapability() = default;
  virtual const classlib::TNotifyEvent& GetCanvasChangeHandler() const = 0;
  virtual void SetCanvasChangeHandler(classlib::TNotifyEvent handler) = 0;
  // A canvas on the backend's DC, made on first use.
  virtual classlib::TCanvas* GetCanvas() = 0;
  virtual void FreeCanvas() = 0;
  virtual bool HasCanvas() const = 0;
};

class IFontCapability {
 public:
  virtual ~IFontCapability() = default;
  virtual const classlib::TNotifyEvent& GetFontChangeHandler() const = 0;
  virtual void SetFontChangeHandler(classlib::TNotifyEvent handler) = 0;
  virtual classlib::TFont* GetFont() = 0;
  // Copies the font, then tells the font change handler.
  virtual void SetFont(const classlib::TFont* font) = 0;
  virtual void SelectFontIntoDC() = 0;
};

// ANSI text is in the system code page; the W forms take UTF-16.
class ITextCapability {
 public:
  virtual ~ITextCapability() = default;
  virtual void TextOutAt(int x, int y, const std::string& text) = 0;
  virtual void TextOutClipped(int x, int y, const TRect& clipRect, const std::string& text) = 0;
  virtual void TextOutInRect(const TRect& dstRect, UINT flags, const std::string& text) = 0;
  virtual SIZE TextExtent(const std::string& text) = 0;
  virtual void TextOutAtW(int x, int y, const std::wstring& text) = 0;
  virtual void TextOutClippedW(int x, int y, const TRect& clipRect, const std::wstring& text) = 0;
  virtual void TextOutInRectW(const TRect& dstRect, UINT flags, const std::wstring& text) = 0;
  virtual SIZE TextExtentW(const std::wstring& text) = 0;
};

class IDeviceContextCapability {
 public:
  virtual ~IDeviceContextCapability() = default;
  virtual HDC DCHandle() const = 0;
  virtual void StretchFromDC(const TRect& dstRect, const TRect& srcRect, HDC srcDC) = 0;
  virtual void CopyToDC(HDC dstDC, int dstX, int dstY) = 0;
  virtual void StretchToDC(HDC dstDC, const TRect& dstRect, const TRect& srcRect) = 0;
};

class IBitmapContextCapability {
 public:
  virtual ~IBitmapContextCapability() = default;
  virtual BITMAPINFO GetBitmapInfo() const = 0;
  virtual HBITMAP GetBitmapHandle() const = 0;
};

class IPaintCapability {
 public:
  virtual ~IPaintCapability() = default;
  virtual void PrepareImage() = 0;
  virtual void CheckImage() = 0;
  // Copies the buffer's invalid rectangles (all of `clientRect` when there
  // are none) to the same places on the canvas.
  virtual void PaintInvalidRects(TCustomBitmap32& buffer, TRectangleList& invalidRects,
                                 classlib::TCanvas& canvas, const TRect& clientRect) = 0;
};

}  // namespace bmp32
