#include "bitmap/Bmp32_Backends_Gdi.h"

#include <algorithm>

#include "bitmap/Bmp32.h"
#include "classlib/core/Exception.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"

namespace bmp32 {

namespace {

// Measures text for backends without a DC.
classlib::TCanvas& MeasuringCanvas() {
  static classlib::TBitmap* bitmap = [] {
    auto* b = new classlib::TBitmap();  // lives to the end of the program
    b->SetSize(8, 8);
    return b;
  }();
  return *bitmap->Canvas();
}

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

TGDIBackend::TGDIBackend() : font_(std::make_unique<classlib::TFont>()) {
  bitmapInfo_.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bitmapInfo_.bmiHeader.biPlanes = 1;
  bitmapInfo_.bmiHeader.biBitCount = 32;
  bitmapInfo_.bmiHeader.biCompression = BI_RGB;
  font_->SetOnChange([this](classlib::TObject*) { FontChanged(); });
}

TGDIBackend::~TGDIBackend() {
  FreeCanvas();
  ReleaseSurface();
}

bool TGDIBackend::Supports(std::wstring_view iid) const {
  return iid == IID_ICanvasCapability || iid == IID_IFontCapability || iid == IID_ITextCapability ||
         iid == IID_IDeviceContextCapability || iid == IID_IBitmapContextCapability || iid == IID_IPaintCapability;
}

void TGDIBackend::Changed() {
  if (canvas_) canvas_->SetHandle(dc_);
  TCustomBackend::Changed();
}

void TGDIBackend::AllocateSurface(std::int32_t newWidth, std::int32_t newHeight, bool) {
  bitmapInfo_.bmiHeader.biWidth = newWidth;
  bitmapInfo_.bmiHeader.biHeight = -newHeight;  // top-down rows
  bitmapInfo_.bmiHeader.biSizeImage =
      static_cast<DWORD>(static_cast<std::uint64_t>(newWidth) * static_cast<std::uint64_t>(newHeight) * 4);
  PrepareMapping(newWidth, newHeight);
  void* bits = nullptr;
  bitmapHandle_ = CreateDIBSection(nullptr, &bitmapInfo_, DIB_RGB_COLORS, &bits, mapHandle_, 0);
  if (!bits) {
    if (bitmapHandle_) DeleteObject(bitmapHandle_);
    bitmapHandle_ = nullptr;
    throw classlib::Exception(L"Can't allocate the DIB handle");
  }
  dc_ = CreateCompatibleDC(nullptr);
  if (!dc_) {
    DeleteObject(bitmapHandle_);
    bitmapHandle_ = nullptr;
    throw classlib::Exception(L"Can't create compatible DC");
  }
  if (!SelectObject(dc_, bitmapHandle_)) {
    DeleteDC(dc_);
    DeleteObject(bitmapHandle_);
    dc_ = nullptr;
    bitmapHandle_ = nullptr;
    throw classlib::Exception(L"Can't select an object into DC");
  }
  bits_ = static_cast<TColor32*>(bits);
}

void TGDIBackend::ReleaseSurface() {
  if (canvas_) canvas_->SetHandle(nullptr);
  if (dc_) DeleteDC(dc_);
  if (bitmapHandle_) DeleteObject(bitmapHandle_);
  dc_ = nullptr;
  bitmapHandle_ = nullptr;
  bits_ = nullptr;
  fontHandle_ = nullptr;  // the next text selects the font into the next DC
}

// --- Canvas

classlib::TCanvas* TGDIBackend::GetCanvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<classlib::TCanvas>();
    canvas_->SetHandle(dc_);
    canvas_->SetOnChange([this](classlib::TObject* sender) {
      if (canvasChangeHandler_) canvasChangeHandler_(sender);
    });
  }
  return canvas_.get();
}

void TGDIBackend::FreeCanvas() {
  if (!canvas_) return;
  canvas_->SetHandle(nullptr);
  canvas_.reset();
}

// --- Font and text

void TGDIBackend::SetFont(const classlib::TFont* font) {
  font_->Assign(font);
  if (fontChangeHandler_) fontChangeHandler_(this);
}

void TGDIBackend::SelectFontIntoDC() {
  if (!dc_) return;
  fontHandle_ = font_->Handle();
  SelectObject(dc_, fontHandle_);
}

void TGDIBackend::FontChanged() {
  if (fontHandle_) {
    if (dc_) SelectObject(dc_, GetStockObject(DEFAULT_GUI_FONT));
    fontHandle_ = nullptr;
  }
  if (fontChangeHandler_) fontChangeHandler_(this);
}

void TGDIBackend::PrepareText() {
  if (!dc_) return;
  SelectFontIntoDC();
  SetTextColor(dc_, static_cast<COLORREF>(classlib::ColorToRGB(font_->Color())));
  SetBkMode(dc_, TRANSPARENT);
}

bool TGDIBackend::OwnerMeasuring() const { return Owner() && Owner()->Measuring(); }

void TGDIBackend::ReportArea(const TRect& area) {
  if (Owner()) Owner()->Changed(area, AREA_PLAIN_RECT);
}

void TGDIBackend::TextOutAtW(int x, int y, const std::wstring& text) {
  const SIZE extent = TextExtentW(text);
  if (!OwnerMeasuring() && dc_) {
    PrepareText();
    const bool clipping = Owner() && Owner()->Clipping();
    const RECT clip = clipping ? ToRECT(Owner()->ClipRect()) : RECT{};
    ExtTextOutW(dc_, x, y, clipping ? ETO_CLIPPED : 0, clipping ? &clip : nullptr, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
  }
  ReportArea({x, y, x + extent.cx + 1, y + extent.cy + 1});
}

void TGDIBackend::TextOutClippedW(int x, int y, const TRect& clipRect, const std::wstring& text) {
  const SIZE extent = TextExtentW(text);
  if (!OwnerMeasuring() && dc_) {
    PrepareText();
    const RECT clip = ToRECT(clipRect);
    ExtTextOutW(dc_, x, y, ETO_CLIPPED, &clip, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  }
  ReportArea({x, y, x + extent.cx + 1, y + extent.cy + 1});
}

void TGDIBackend::TextOutInRectW(const TRect& dstRect, UINT flags, const std::wstring& text) {
  if (!OwnerMeasuring() && dc_) {
    PrepareText();
    RECT r = ToRECT(dstRect);
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, flags);
  }
  ReportArea(dstRect);
}

SIZE TGDIBackend::TextExtentW(const std::wstring& text) {
  SIZE size{0, 0};
  if (dc_) {
    PrepareText();
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  } else {
    classlib::TCanvas& canvas = MeasuringCanvas();
    canvas.SetFont(font_.get());
    const classlib::TSize s = canvas.TextExtent(text);
    size = SIZE{s.cx, s.cy};
  }
  return size;
}

namespace {
std::wstring FromAnsi(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}
}  // namespace

void TGDIBackend::TextOutAt(int x, int y, const std::string& text) { TextOutAtW(x, y, FromAnsi(text)); }
void TGDIBackend::TextOutClipped(int x, int y, const TRect& clipRect, const std::string& text) {
  TextOutClippedW(x, y, clipRect, FromAnsi(text));
}
void TGDIBackend::TextOutInRect(const TRect& dstRect, UINT flags, const std::string& text) {
  TextOutInRectW(dstRect, flags, FromAnsi(text));
}
SIZE TGDIBackend::TextExtent(const std::string& text) { return TextExtentW(FromAnsi(text)); }

// --- Device contexts

void TGDIBackend::CopyToDC(HDC dstDC, int dstX, int dstY) {
  if (!bits_) return;
  const int width = bitmapInfo_.bmiHeader.biWidth;
  const int height = -bitmapInfo_.bmiHeader.biHeight;
  GdiFlush();
  StretchDIBits(dstDC, dstX, dstY, width, height, 0, 0, width, height, bits_, &bitmapInfo_, DIB_RGB_COLORS,
                SRCCOPY);
}

void TGDIBackend::StretchToDC(HDC dstDC, const TRect& dstRect, const TRect& srcRect) {
  StretchBlt(dstDC, dstRect.Left, dstRect.Top, dstRect.Right - dstRect.Left, dstRect.Bottom - dstRect.Top, dc_,
             srcRect.Left, srcRect.Top, srcRect.Right - srcRect.Left, srcRect.Bottom - srcRect.Top, SRCCOPY);
}

void TGDIBackend::StretchFromDC(const TRect& dstRect, const TRect& srcRect, HDC srcDC) {
  if (!Owner() || Owner()->Empty()) return;
  if (!OwnerMeasuring())
    StretchBlt(dc_, dstRect.Left, dstRect.Top, dstRect.Right - dstRect.Left, dstRect.Bottom - dstRect.Top, srcDC,
               srcRect.Left, srcRect.Top, srcRect.Right - srcRect.Left, srcRect.Bottom - srcRect.Top, SRCCOPY);
  ReportArea(dstRect);
}

void TGDIBackend::PaintInvalidRects(TCustomBitmap32& buffer, TRectangleList& invalidRects, classlib::TCanvas& canvas,
                                    const TRect& clientRect) {
  auto* source = dynamic_cast<IDeviceContextCapability*>(buffer.Backend().get());
  if (!source) return;
  HDC dst = canvas.Handle();
  auto copy = [&](const TRect& r) {
    BitBlt(dst, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, source->DCHandle(), r.Left, r.Top, SRCCOPY);
  };
  if (invalidRects.Count() == 0) {
    copy(clientRect);
    return;
  }
  for (std::int32_t i = 0; i < invalidRects.Count(); ++i) copy(*invalidRects.Items(i));
}

}  // namespace bmp32
