// Conversions between 32-bit bitmaps and the class library's graphics, and
// the platform services that give them to every TCustomBitmap32.
#include <cstring>
#include <memory>

#include "bitmap/Bmp32_Backends.h"
#include "bitmap/Bmp32_Gdi.h"
#include "bitmap/Bmp32_Platform.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Icon.h"
#include "classlib/graphics/Picture.h"

namespace bmp32 {

namespace {

using classlib::TBitmap;
using classlib::TGraphic;
using classlib::TIcon;
using classlib::TPicture;

// Runs `use` with the bitmap on a backend that has the capabilities, then
// puts its own backend back (with the pixels then present).
template <class F>
void WithCapableBackend(TCustomBitmap32& bitmap, std::initializer_list<std::wstring_view> iids, bool destructive,
                        F use) {
  std::shared_ptr<TCustomBackend> released;
  RequireBackendCapability(bitmap, iids, cmAnySuffices, destructive, released);
  try {
    use();
  } catch (...) {
    RestoreBackend(bitmap, released);
    throw;
  }
  RestoreBackend(bitmap, released);
}

// The graphic drawn over `fill` at its own size.
void DrawPlain(TCustomBitmap32& bitmap, const TGraphic& graphic, TColor32 fill, bool resetAlpha) {
  WithCapableBackend(bitmap, {IID_IDeviceContextCapability, IID_ICanvasCapability}, true, [&] {
    bitmap.SetSize(graphic.Width(), graphic.Height());
    if (bitmap.Empty()) return;
    bitmap.Clear(fill);
    // Drawing creates handles on demand; it does not change the picture.
    auto& source = const_cast<TGraphic&>(graphic);
    const classlib::TRect bounds{0, 0, bitmap.Width(), bitmap.Height()};
    TCustomBackend* backend = bitmap.Backend().get();
    if (auto* dc = dynamic_cast<IDeviceContextCapability*>(backend)) {
      classlib::TCanvas canvas;
      canvas.Lock();
      canvas.SetHandle(dc->DCHandle());
      canvas.StretchDraw(bounds, &source);
      canvas.SetHandle(nullptr);
      canvas.Unlock();
    } else if (auto* canvas = dynamic_cast<ICanvasCapability*>(backend)) {
      canvas->GetCanvas()->StretchDraw(bounds, &source);
    } else {
      throw classlib::Exception(L"Inpropriate Backend");
    }
    GdiFlush();
    if (resetAlpha) bitmap.ResetAlpha();
  });
}

// Opaque where drawing over white and over red agree, transparent elsewhere.
void DrawMasked(TCustomBitmap32& bitmap, const TGraphic& graphic) {
  DrawPlain(bitmap, graphic, 0xFFFFFFFF, false);
  if (bitmap.Empty()) return;
  TCustomBitmap32 overRed;
  DrawPlain(overRed, graphic, 0xFFFF0000, false);
  const std::size_t count = static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height());
  TColor32* p = bitmap.Bits();
  const TColor32* q = overRed.Bits();
  for (std::size_t i = 0; i < count; ++i)
    p[i] = (p[i] & 0x00FFFFFF) | (((p[i] ^ q[i]) & 0x00FFFFFF) == 0 ? 0xFF000000u : 0u);
}

void AssignFromBitmap(TCustomBitmap32& bitmap, const TBitmap& source) {
  const bool transparent = source.Transparent() && !source.Empty();
  if (transparent) {
    // Drawn opaque, so the key colour's pixels are there to be found.
    TBitmap opaque;
    opaque.Assign(&source);
    opaque.SetTransparent(false);
    DrawPlain(bitmap, opaque, 0, source.PixelFormat() != classlib::pf32bit);
  } else {
    DrawPlain(bitmap, source, 0, source.PixelFormat() != classlib::pf32bit);
  }
  if (!bitmap.Empty() && transparent) {
    const TColor32 key = ToColor32(const_cast<TBitmap&>(source).TransparentColor()) & 0x00FFFFFF;
    const std::size_t count = static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height());
    TColor32* p = bitmap.Bits();
    for (std::size_t i = 0; i < count; ++i)
      if ((p[i] & 0x00FFFFFF) == key) p[i] &= 0x00FFFFFF;
  }
  // A bitmap without a canvas has the default font: nothing to take.
  auto* font = dynamic_cast<IFontCapability*>(bitmap.Backend().get());
  if (font && source.HasCanvas()) font->SetFont(const_cast<TBitmap&>(source).Canvas()->Font());
}

void AssignFromIcon(TCustomBitmap32& bitmap, const TIcon& icon) {
  DrawPlain(bitmap, icon, 0, false);
  if (bitmap.Empty()) return;
  const std::size_t count = static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height());
  for (std::size_t i = 0; i < count; ++i)
    if (bitmap.Bits()[i] >> 24) return;  // the icon has its own alpha
  DrawMasked(bitmap, icon);
}

void AssignFromGraphic(TCustomBitmap32& bitmap, const TGraphic& graphic) {
  if (const auto* b = dynamic_cast<const TBitmap*>(&graphic))
    AssignFromBitmap(bitmap, *b);
  else if (const auto* icon = dynamic_cast<const TIcon*>(&graphic))
    AssignFromIcon(bitmap, *icon);
  else
    DrawPlain(bitmap, graphic, 0xFFFFFFFF, true);
}

bool AssignFrom(TCustomBitmap32& bitmap, const classlib::TPersistent& source) {
  if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
    AssignFromGraphic(bitmap, *graphic);
    return true;
  }
  if (const auto* picture = dynamic_cast<const TPicture*>(&source)) {
    if (picture->Graphic())
      AssignFromGraphic(bitmap, *picture->Graphic());
    else
      bitmap.SetSize(0, 0);
    return true;
  }
  return false;
}

// A 32-bit DIB of the bitmap's size with its pixels, alpha included.
void CopyToBitmap(const TCustomBitmap32& bitmap, TBitmap& dest) {
  dest.SetHandleType(classlib::bmDIB);
  dest.SetPixelFormat(classlib::pf32bit);
  dest.SetSize(bitmap.Width(), bitmap.Height());
  if (auto* font = dynamic_cast<IFontCapability*>(bitmap.Backend().get())) dest.Canvas()->SetFont(font->GetFont());
  if (bitmap.Empty() || !bitmap.Bits()) return;
  GdiFlush();
  for (int y = 0; y < bitmap.Height(); ++y)
    std::memcpy(dest.ScanLine(y), bitmap.ScanLine(y), static_cast<std::size_t>(bitmap.Width()) * 4);
}

bool AssignTo(const TCustomBitmap32& bitmap, classlib::TPersistent& dest) {
  if (auto* picture = dynamic_cast<TPicture*>(&dest)) {
    CopyToBitmap(bitmap, *picture->Bitmap());
    return true;
  }
  if (auto* b = dynamic_cast<TBitmap*>(&dest)) {
    CopyToBitmap(bitmap, *b);
    return true;
  }
  return false;
}

void LoadBitmapStream(TCustomBitmap32& bitmap, classlib::TStream& stream) {
  TBitmap other;
  other.LoadFromStream(stream);
  bitmap.BeginUpdate();
  try {
    AssignFromBitmap(bitmap, other);
  } catch (...) {
    bitmap.EndUpdate();
    throw;
  }
  bitmap.EndUpdate();
}

void LoadPictureFile(TCustomBitmap32& bitmap, const std::wstring& fileName) {
  TPicture picture;
  picture.LoadFromFile(fileName);
  bitmap.Assign(&picture);
}

}  // namespace

void InstallGdiServices() {
  static const bool installed = [] {
    TPlatformServices services;
    services.CreateBackend = [] { return std::shared_ptr<TCustomBackend>(std::make_shared<TGDIBackend>()); };
    services.AssignFrom = AssignFrom;
    services.AssignTo = AssignTo;
    services.LoadBitmapStream = LoadBitmapStream;
    services.LoadPictureFile = LoadPictureFile;
    SetPlatformServices(services);
    return true;
  }();
  (void)installed;
}

namespace {
// Installed at start-up wherever this object is linked.
[[maybe_unused]] const bool installedAtStart = (InstallGdiServices(), true);
}  // namespace

}  // namespace bmp32
