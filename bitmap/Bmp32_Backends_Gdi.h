#pragma once
// The pixel store of a GDI DIB section, selected into a memory DC, with a
// font and a canvas for text and GDI drawing.
#include <windows.h>

#include <memory>

#include "bitmap/Bmp32_Backend.h"
#include "bitmap/Bmp32_Capabilities_Gdi.h"

namespace bmp32 {

class TGDIBackend : public TCustomBackend,
                    public ICanvasCapability,
                    public IFontCapability,
                    public ITextCapability,
                    public IDeviceContextCapability,
                    public IBitmapContextCapability,
                    public IPaintCapability {
 public:
  TGDIBackend();
  ~TGDIBackend() override;

  // Empty until a surface exists.
  bool Empty() const override { return bitmapHandle_ == nullptr; }
  bool Supports(std::wstring_view iid) const override;
  // Hands the canvas the current DC first.
  void Changed() override;

  // ICanvasCapability
  const classlib::TNotifyEvent& GetCanvasChangeHandler() const override { return canvasChangeHandler_; }
  void SetCanvasChangeHandler(classlib::TNotifyEvent handler) override { canvasChangeHandler_ = std::move(handler); }
  classlib::TCanvas* GetCanvas() override;
  void FreeCanvas() override;
  bool HasCanvas() const override { return canvas_ != nullptr; }

  // IFontCapability
  const classlib::TNotifyEvent& GetFontChangeHandler() const override { return fontChangeHandler_; }
  void SetFontChangeHandler(classlib::TNotifyEvent handler) override { fontChangeHandler_ = std::move(handler); }
  classlib::TFont* GetFont() override { return font_.get(); }
  void SetFont(const classlib::TFont* font) override;
  void SelectFontIntoDC() override;

  // ITextCapability: each reports the touched area to the owner and draws
  // nothing while the owner is measuring.
  void TextOutAt(int x, int y, const std::string& text) override;
  void TextOutClipped(int x, int y, const TRect& clipRect, const std::string& text) override;
  void TextOutInRect(const TRect& dstRect, UINT flags, const std::string& text) override;
  SIZE TextExtent(const std::string& text) override;
  void TextOutAtW(int x, int y, const std::wstring& text) override;
  void TextOutClippedW(int x, int y, const TRect& clipRect, const std::wstring& text) override;
  void TextOutInRectW(const TRect& dstRect, UINT flags, const std::wstring& text) override;
  SIZE TextExtentW(const std::wstring& text) override;

  // IDeviceContextCapability
  HDC DCHandle() const override { return dc_; }
  void StretchFromDC(const TRect& dstRect, const TRect& srcRect, HDC srcDC) override;
  void CopyToDC(HDC dstDC, int dstX, int dstY) override;
  void StretchToDC(HDC dstDC, const TRect& dstRect, const TRect& srcRect) override;

  // IBitmapContextCapability
  BITMAPINFO GetBitmapInfo() const override { return bitmapInfo_; }
  HBITMAP GetBitmapHandle() const override { return bitmapHandle_; }

  // IPaintCapability
  void PrepareImage() override {}
  void CheckImage() override {}
  void PaintInvalidRects(TCustomBitmap32& buffer, TRectangleList& invalidRects, classlib::TCanvas& canvas,
                         const TRect& clientRect) override;

 protected:
  // The section starts zeroed (transparent black) whatever clearBuffer says.
  void AllocateSurface(std::int32_t newWidth, std::int32_t newHeight, bool clearBuffer) override;
  void ReleaseSurface() override;
  virtual void PrepareMapping(std::int32_t, std::int32_t) {}

 private:
  void FontChanged();
  // Selects the font, its colour and transparent background into the DC.
  void PrepareText();
  bool OwnerMeasuring() const;
  void ReportArea(const TRect& area);

  BITMAPINFO bitmapInfo_{};
  HBITMAP bitmapHandle_ = nullptr;
  HDC dc_ = nullptr;
  std::unique_ptr<classlib::TFont> font_;
  std::unique_ptr<classlib::TCanvas> canvas_;
  HFONT fontHandle_ = nullptr;
  HANDLE mapHandle_ = nullptr;
  classlib::TNotifyEvent fontChangeHandler_;
  classlib::TNotifyEvent canvasChangeHandler_;
};

}  // namespace bmp32
