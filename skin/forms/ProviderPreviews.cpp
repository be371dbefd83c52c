// The pictures a skinned form hands to the taskbar (thumbnail and live
// preview), since the system cannot capture a frame it does not paint.
#include "skin/common/sCommonData.h"
#include "skin/core/FormAnimMath.h"
#include "skin/forms/FormAnimations.h"
#include "skin/forms/ProviderAnimations.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/Resample_Gdi.h"
#include "skin/paint/ResampleFilters.h"

namespace skin {

using namespace classlib;

namespace {

using TSetIconicThumbnail = HRESULT(WINAPI*)(HWND, HBITMAP, DWORD);
using TSetIconicLivePreview = HRESULT(WINAPI*)(HWND, HBITMAP, POINT*, DWORD);

HMODULE DwmModule() {
  static const HMODULE module = LoadLibraryW(L"dwmapi.dll");
  return module;
}

template <class F>
F DwmEntry(const char* name) {
  HMODULE module = DwmModule();
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

TacIconicSender& Sender() {
  static TacIconicSender sender;
  return sender;
}

HRESULT SendIconic(HWND wnd, HBITMAP bitmap, const POINT* offset) {
  if (Sender()) return Sender()(wnd, bitmap, offset);
  if (!offset) {
    static const auto setThumbnail = DwmEntry<TSetIconicThumbnail>("DwmSetIconicThumbnail");
    return setThumbnail ? setThumbnail(wnd, bitmap, 0) : E_NOTIMPL;
  }
  static const auto setPreview = DwmEntry<TSetIconicLivePreview>("DwmSetIconicLivePreviewBitmap");
  POINT at = *offset;
  return setPreview ? setPreview(wnd, bitmap, &at, 0) : E_NOTIMPL;
}

// The minimize animation's picture when it holds one, else the form's cache.
TBitmap* PreviewSource(TsSkinProvider& provider, bool& fromCache) {
  TacMinTimer* timer = provider.MinTimer();
  fromCache = !(timer && timer->ImageReady());
  TBitmap* source = fromCache ? provider.SkinData()->CacheBmp() : timer->FormImage();
  return source && !source->Empty() ? source : nullptr;
}

bool SendFitted(HWND wnd, TBitmap& source, int maxWidth, int maxHeight) {
  const TSize fit = FitPreview(source.Width(), source.Height(), maxWidth, maxHeight);
  if (fit.cx <= 0 || fit.cy <= 0) return false;
  std::unique_ptr<TBitmap> scaled(paint::NewBitmap32(fit.cx, fit.cy));
  if (source.Width() >= 2 && source.Height() >= 2)
    paint::ResampleBitmap(&source, scaled.get(), fit.cx, fit.cy, paint::rfBox);
  return SUCCEEDED(SendIconic(wnd, scaled->Handle(), nullptr));
}

struct ThumbnailBit {
  TsSkinProvider& provider;
  explicit ThumbnailBit(TsSkinProvider& p) : provider(p) { provider.IncludeState(sfsThumbnail); }
  ~ThumbnailBit() { provider.ExcludeState(sfsThumbnail); }
};

}  // namespace

TacIconicSender SetIconicSender(TacIconicSender sender) {
  TacIconicSender old = std::move(Sender());
  Sender() = std::move(sender);
  return old;
}

bool acDwmSendIconicThumbnail(HWND wnd, TsSkinProvider& provider, int maxWidth, int maxHeight) {
  if (!wnd || maxWidth <= 0 || maxHeight <= 0) return false;
  bool fromCache = true;
  TBitmap* source = PreviewSource(provider, fromCache);
  if (!source) return false;
  ThumbnailBit bit(provider);
  if (!SendFitted(wnd, *source, maxWidth, maxHeight)) return false;
  // The cache lacks the controls: the whole picture follows.
  if (fromCache)
    if (std::unique_ptr<TBitmap> full = provider.CreateFormImage(false)) SendFitted(wnd, *full, maxWidth, maxHeight);
  if (TsExtBorder* border = provider.ExtBorder()) border->UpdateExBorders(false, 255);
  return true;
}

bool acDwmSendLivePreview(HWND wnd, TsSkinProvider& provider) {
  if (!wnd) return false;
  bool fromCache = true;
  TBitmap* source = PreviewSource(provider, fromCache);
  if (!source) return false;
  ThumbnailBit bit(provider);
  std::unique_ptr<TBitmap> full;
  if (!fromCache) full = provider.CreateFormImage(false);
  TBitmap* shown = full ? full.get() : source;
  const POINT offset{0, 0};
  const bool sent = SUCCEEDED(SendIconic(wnd, shown->Handle(), &offset));
  if (TsExtBorder* border = provider.ExtBorder()) border->UpdateExBorders(false, 255);
  return sent;
}

}  // namespace skin
