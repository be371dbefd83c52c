#include "bitmap/Bmp32_Gdi.h"

#include "bitmap/Bmp32_Backends.h"
#include "bitmap/Bmp32_Registration.h"
#include "classlib/core/PropertyRegistry.h"

namespace bmp32 {

TColor32 ToColor32(classlib::TColor color) {
  if (color < 0) color = static_cast<classlib::TColor>(GetSysColor(color & 255));
  const std::uint32_t c = static_cast<std::uint32_t>(color);
  return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

void RegisterBitmap32GdiClasses() {
  static const bool done = [] {
    RegisterBitmap32Classes();
    classlib::Properties<TBitmap32, TCustomBitmap32>().Event(L"OnHandleChanged", &TBitmap32::OnHandleChanged,
                                                             &TBitmap32::SetOnHandleChanged);
    return true;
  }();
  (void)done;
}

TBitmap32::TBitmap32() : TCustomBitmap32(std::make_shared<TGDIBackend>()) {
  InstallGdiServices();
  WireCapabilities();
}

TBitmap32::~TBitmap32() { UnwireCapabilities(); }

void TBitmap32::WireCapabilities() {
  TCustomBackend* backend = Backend().get();
  if (auto* font = dynamic_cast<IFontCapability*>(backend)) font->SetFontChangeHandler([](classlib::TObject*) {});
  if (auto* canvas = dynamic_cast<ICanvasCapability*>(backend))
    canvas->SetCanvasChangeHandler([this](classlib::TObject*) { Changed(); });
}

void TBitmap32::UnwireCapabilities() {
  TCustomBackend* backend = Backend().get();
  if (auto* font = dynamic_cast<IFontCapability*>(backend)) font->SetFontChangeHandler(nullptr);
  if (auto* canvas = dynamic_cast<ICanvasCapability*>(backend)) canvas->SetCanvasChangeHandler(nullptr);
}

void TBitmap32::SetBackend(std::shared_ptr<TCustomBackend> backend) {
  if (!backend || backend == Backend()) return;
  if (auto* font = dynamic_cast<IFontCapability*>(backend.get())) font->SetFontChangeHandler([](classlib::TObject*) {});
  if (auto* canvas = dynamic_cast<ICanvasCapability*>(backend.get()))
    canvas->SetCanvasChangeHandler([this](classlib::TObject*) { Changed(); });
  TCustomBitmap32::SetBackend(std::move(backend));
}

void TBitmap32::FinalizeBackend() {
  UnwireCapabilities();
  TCustomBitmap32::FinalizeBackend();
}

void TBitmap32::BackendChanged() {
  TCustomBitmap32::BackendChanged();
  HandleChanged();
}

void TBitmap32::BackendChanging() {
  if (auto* canvas = dynamic_cast<ICanvasCapability*>(Backend().get())) canvas->FreeCanvas();
}

void TBitmap32::HandleChanged() {
  if (onHandleChanged_) onHandleChanged_(this);
}

void TBitmap32::Assign(const classlib::TPersistent* source) {
  TCustomBitmap32::Assign(source);
  const auto* other = dynamic_cast<const TBitmap32*>(source);
  if (!other || other == this) return;
  auto* mine = dynamic_cast<IFontCapability*>(Backend().get());
  auto* theirs = dynamic_cast<IFontCapability*>(other->Backend().get());
  if (mine && theirs) mine->SetFont(theirs->GetFont());
}

HDC TBitmap32::Handle() const {
  auto* dc = dynamic_cast<IDeviceContextCapability*>(Backend().get());
  return dc ? dc->DCHandle() : nullptr;
}

HBITMAP TBitmap32::BitmapHandle() const {
  auto* bitmap = dynamic_cast<IBitmapContextCapability*>(Backend().get());
  return bitmap ? bitmap->GetBitmapHandle() : nullptr;
}

classlib::TFont* TBitmap32::Font() const {
  auto* font = dynamic_cast<IFontCapability*>(Backend().get());
  return font ? font->GetFont() : nullptr;
}

void TBitmap32::SetFont(const classlib::TFont* font) {
  if (auto* capability = dynamic_cast<IFontCapability*>(Backend().get())) capability->SetFont(font);
}

classlib::TCanvas* TBitmap32::Canvas() const {
  auto* canvas = dynamic_cast<ICanvasCapability*>(Backend().get());
  return canvas ? canvas->GetCanvas() : nullptr;
}

ITextCapability* TBitmap32::Text() const { return dynamic_cast<ITextCapability*>(Backend().get()); }

void TBitmap32::Textout(int x, int y, const std::wstring& text) {
  if (auto* t = Text()) t->TextOutAtW(x, y, text);
}

void TBitmap32::Textout(int x, int y, const TRect& clipRect, const std::wstring& text) {
  if (auto* t = Text()) t->TextOutClippedW(x, y, clipRect, text);
}

void TBitmap32::Textout(const TRect& dstRect, UINT flags, const std::wstring& text) {
  if (auto* t = Text()) t->TextOutInRectW(dstRect, flags, text);
}

SIZE TBitmap32::TextExtent(const std::wstring& text) const {
  auto* t = Text();
  return t ? t->TextExtentW(text) : SIZE{0, 0};
}

}  // namespace bmp32
