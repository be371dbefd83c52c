// Drawing: opaque, through a key-colour mask, or blended by alpha; and the
// conversion to a class-library bitmap, which draws.
#include <algorithm>
#include <cstring>

#include "png/PngObject.h"

namespace png {

using classlib::TColor;
using classlib::TRect;

namespace {

// A memory context holding a bitmap, freed together.
struct TScratch {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  TScratch(HDC dc_, HBITMAP bitmap_) : dc(dc_), bitmap(bitmap_) {
    if (dc && bitmap) old = SelectObject(dc, bitmap);
  }
  ~TScratch() {
    if (dc && old) SelectObject(dc, old);
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
  }
  bool Ok() const { return dc && bitmap; }
  TScratch(const TScratch&) = delete;
  TScratch& operator=(const TScratch&) = delete;
};

uint8_t CellAt(const uint8_t* row, uint32_t x, int bits) {
  if (bits >= 8) return row[x];
  const size_t bit = size_t{x} * static_cast<size_t>(bits);
  return static_cast<uint8_t>((row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1));
}

}  // namespace

void TPNGObject::Draw(classlib::TCanvas& canvas, const TRect& rect) {
  if (Empty() || !HeaderPresent() || !Header()->ImageData()) return;
  HDC dc = canvas.Handle();
  switch (TransparencyMode()) {
    case 1: DrawKeyed(dc, rect); break;
    case 2: DrawAlpha(dc, rect); break;
    default: DrawOpaque(dc, rect); break;
  }
}

void TPNGObject::SaveToClipboardFormat(UINT& format, HANDLE& data, HPALETTE& palette) {
  classlib::TBitmap bitmap;
  bitmap.SetSize(Width(), Height());
  Draw(*bitmap.Canvas(), classlib::Rect(0, 0, Width(), Height()));
  bitmap.SaveToClipboardFormat(format, data, palette);
}

void TPNGObject::LoadFromClipboardFormat(UINT format, HANDLE data, HPALETTE palette) {
  classlib::TBitmap bitmap;
  bitmap.LoadFromClipboardFormat(format, data, palette);
  AssignHandle(bitmap.Handle(), false, 0);
}

void TPNGObject::DrawOpaque(HDC dc, const TRect& rect) {
  TChunkIHDR* h = Header();
  GdiFlush();
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), 0, 0, static_cast<int>(h->Width()),
                static_cast<int>(h->Height()), h->ImageData(), reinterpret_cast<const BITMAPINFO*>(&h->BitmapInfo()),
                DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

void TPNGObject::DrawKeyed(HDC dc, const TRect& rect) {
  TChunkIHDR* h = Header();
  const int w = rect.Width(), hgt = rect.Height();
  const int sw = std::abs(h->BitmapInfo().Header.biWidth), sh = std::abs(h->BitmapInfo().Header.biHeight);
  if (w == 0 || hgt == 0) return;
  GdiFlush();
  HDC image = h->ImageDC();
  // Mask: set where the image shows the key colour.
  TScratch mask(CreateCompatibleDC(dc), CreateBitmap(std::abs(w), std::abs(hgt), 1, 1, nullptr));
  TScratch work(CreateCompatibleDC(dc), CreateCompatibleBitmap(dc, std::abs(w), std::abs(hgt)));
  TScratch picture(CreateCompatibleDC(dc), CreateCompatibleBitmap(dc, std::abs(w), std::abs(hgt)));
  if (!mask.Ok() || !work.Ok() || !picture.Ok()) RaiseError<EPNGOutMemory>();
  const COLORREF oldBack = SetBkColor(image, static_cast<COLORREF>(TransparentColor()));
  SetStretchBltMode(mask.dc, COLORONCOLOR);
  StretchBlt(mask.dc, 0, 0, w, hgt, image, 0, 0, sw, sh, SRCCOPY);
  SetBkColor(image, oldBack);
  // Monochrome sources become white (set) and black (clear) in colour contexts.
  for (HDC d : {work.dc, picture.dc}) {
    SetBkColor(d, RGB(255, 255, 255));
    SetTextColor(d, RGB(0, 0, 0));
  }
  BitBlt(work.dc, 0, 0, w, hgt, dc, rect.Left, rect.Top, SRCCOPY);
  BitBlt(work.dc, 0, 0, w, hgt, mask.dc, 0, 0, SRCAND);  // the destination where the key was
  SetStretchBltMode(picture.dc, COLORONCOLOR);
  StretchDIBits(picture.dc, 0, 0, w, hgt, 0, 0, sw, sh, h->ImageData(),
                reinterpret_cast<const BITMAPINFO*>(&h->BitmapInfo()), DIB_RGB_COLORS, SRCCOPY);
  BitBlt(mask.dc, 0, 0, w, hgt, mask.dc, 0, 0, DSTINVERT);
  BitBlt(picture.dc, 0, 0, w, hgt, mask.dc, 0, 0, SRCAND);  // the image where it was not
  BitBlt(work.dc, 0, 0, w, hgt, picture.dc, 0, 0, SRCPAINT);
  BitBlt(dc, rect.Left, rect.Top, w, hgt, work.dc, 0, 0, SRCCOPY);
}

TColor TPNGObject::StoredColor(const TChunkIHDR& h, int x, int y) const {
  const uint8_t* row = h.ImageData() + static_cast<size_t>(h.Height() - 1 - static_cast<uint32_t>(y)) * h.BytesPerRow();
  if (h.ColorType() == COLOR_RGB || h.ColorType() == COLOR_RGBALPHA)
    return row[3 * x + 2] | (row[3 * x + 1] << 8) | (row[3 * x] << 16);
  const RGBQUAD& c = h.BitmapInfo().Colors[CellAt(row, static_cast<uint32_t>(x), h.BitmapInfo().Header.biBitCount)];
  return c.rgbRed | (c.rgbGreen << 8) | (c.rgbBlue << 16);
}

void TPNGObject::DrawAlpha(HDC dc, const TRect& r) {
  TRect rect{std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right), std::max(r.Top, r.Bottom)};
  const int w = rect.Width(), hgt = rect.Height();
  if (w == 0 || hgt == 0) return;
  TChunkIHDR* h = Header();
  const int iw = static_cast<int>(h->Width()), ih = static_cast<int>(h->Height());
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -hgt;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bitsPointer = nullptr;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP section = memory ? CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bitsPointer, nullptr, 0) : nullptr;
  TScratch scratch(memory, section);
  if (!scratch.Ok() || !bitsPointer) RaiseError<EPNGOutMemory>();
  BitBlt(memory, 0, 0, w, hgt, dc, rect.Left, rect.Top, SRCCOPY);
  GdiFlush();

  const uint8_t ct = h->ColorType();
  const uint8_t* alphaBuffer = h->ImageAlpha();
  const TChunktRNS* trns = chunks_.FindChunk<TChunktRNS>();
  const int bits = h->BitmapInfo().Header.biBitCount;
  auto* pixels = static_cast<uint8_t*>(bitsPointer);
  for (int y = 0; y < hgt; ++y) {
    const int sy = hgt == ih ? y : static_cast<int>(static_cast<int64_t>(y) * ih / hgt);
    const uint8_t* row = h->ImageData() + static_cast<size_t>(ih - 1 - sy) * h->BytesPerRow();
    uint8_t* d = pixels + static_cast<size_t>(y) * static_cast<size_t>(w) * 4;
    for (int x = 0; x < w; ++x, d += 4) {
      const int sx = w == iw ? x : static_cast<int>(static_cast<int64_t>(x) * iw / w);
      unsigned a = 255;
      if (alphaBuffer) a = alphaBuffer[static_cast<size_t>(sy) * static_cast<size_t>(iw) + static_cast<size_t>(sx)];
      else if (ct == COLOR_PALETTE && trns) a = trns->PaletteValues()[CellAt(row, static_cast<uint32_t>(sx), bits)];
      if (ct == COLOR_RGBALPHA && a == 0) continue;
      const TColor c = StoredColor(*h, sx, sy);
      const unsigned src[3] = {static_cast<unsigned>(c >> 16) & 0xFF, static_cast<unsigned>(c >> 8) & 0xFF,
                               static_cast<unsigned>(c) & 0xFF};
      for (int i = 0; i < 3; ++i) {
        if (ct == COLOR_RGBALPHA && a == 255) d[i] = static_cast<uint8_t>(src[i]);
        else d[i] = static_cast<uint8_t>((src[i] * a + 255 + (255 - a) * d[i]) >> 8);
      }
    }
  }
  BitBlt(dc, rect.Left, rect.Top, w, hgt, memory, 0, 0, SRCCOPY);
}

void TPNGObject::AssignTo(classlib::TPersistent* dest) const {
  auto* bitmap = dynamic_cast<classlib::TBitmap*>(dest);
  if (!bitmap || !HeaderPresent()) {
    classlib::TGraphic::AssignTo(dest);
    return;
  }
  const TChunkIHDR* h = Header();
  const int mode = TransparencyMode();
  classlib::TPixelFormat format;
  if (mode == 2 || h->ColorType() == COLOR_GRAYSCALE || h->ColorType() == COLOR_RGB) format = classlib::pf24bit;
  else if (h->BitDepth() == 1) format = classlib::pf1bit;
  else if (h->BitDepth() == 2 || h->BitDepth() == 4) format = classlib::pf4bit;
  else if (h->ColorType() == COLOR_PALETTE && (h->BitDepth() == 8 || h->BitDepth() == 16)) format = classlib::pf8bit;
  else throw classlib::Exception(L"");

  bitmap->Assign(nullptr);
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(Width(), Height());
  if (format != classlib::pf24bit) {
    const int entries = 1 << classlib::BitsPerPixelOf(format);
    bitmap->SetColorTable(std::vector<RGBQUAD>(h->BitmapInfo().Colors, h->BitmapInfo().Colors + entries));
  }
  const_cast<TPNGObject*>(this)->Draw(*bitmap->Canvas(), classlib::Rect(0, 0, Width(), Height()));
  if (mode == 1) {
    bitmap->SetTransparentColor(TransparentColor());
    bitmap->SetTransparent(true);
  }
}

}  // namespace png
