#include "classlib/graphics/Graphic.h"

#include <string>

#include "classlib/core/FileStream.h"
#include "classlib/core/Filer.h"
#include "classlib/graphics/Bitmap.h"

namespace classlib {

void CheckImageSize(int64_t width, int64_t height, int bitsPerPixel) {
  if (width < 0 || height < 0) throw EInvalidGraphic(L"Invalid image size");
  const uint64_t stride = ((static_cast<uint64_t>(width) * static_cast<uint64_t>(bitsPerPixel) + 31) / 32) * 4;
  if (width > 0x7FFFFFFF || height > 0x7FFFFFFF || stride * static_cast<uint64_t>(height) > kMaxGraphicPixelBytes)
    throw EInvalidGraphic(L"Image of " + std::to_wstring(width) + L" x " + std::to_wstring(height) +
                          L" pixels is too large (more than 256 MiB of pixels)");
}

void TGraphic::SetSize(int, int) {}

void TGraphic::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Changed();
}

void TGraphic::SetModified(bool value) {
  if (value) Changed();
  else modified_ = false;
}

void TGraphic::Changed() {
  modified_ = true;
  if (onChange_) onChange_(this);
}

void TGraphic::AssignTo(TPersistent* dest) const {
  auto* bitmap = dynamic_cast<TBitmap*>(dest);
  if (!bitmap) {
    TPersistent::AssignTo(dest);
    return;
  }
  TBitmap result;
  result.SetPixelFormat(pf24bit);
  result.SetSize(Width(), Height());
  if (!Empty()) {
    TCanvas* canvas = result.Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(Rect(0, 0, Width(), Height()));
    canvas->Draw(0, 0, const_cast<TGraphic*>(this));  // drawing changes nothing of the graphic
  }
  bitmap->Assign(&result);
}

void TGraphic::LoadFromFile(const std::wstring& fileName) {
  TFileStream stream(fileName, fmOpenRead);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::wstring& fileName) {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}

void TGraphic::SaveToClipboardFormat(UINT&, HANDLE&, HPALETTE&) {
  throw EInvalidGraphic(L"This picture has no clipboard format");
}

void TGraphic::LoadFromClipboardFormat(UINT, HANDLE, HPALETTE) {
  throw EInvalidGraphic(L"Unsupported clipboard format");
}

void ReadSizedBlock(TStream& stream, TMemoryStream& block) {
  uint8_t prefix[4];
  stream.ReadBuffer(prefix, 4);
  const uint32_t size = prefix[0] | (prefix[1] << 8) | (prefix[2] << 16) | (static_cast<uint32_t>(prefix[3]) << 24);
  if (size > stream.Size() - stream.Position()) throw EInvalidGraphic(L"Picture data is truncated");
  block.SetSize(size);
  stream.ReadBuffer(block.Memory(), size);
  block.SetPosition(0);
}

void WriteSizedBlock(TStream& stream, const TMemoryStream& block) {
  const auto size = static_cast<uint32_t>(block.Bytes().size());
  const uint8_t prefix[4] = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                             static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24)};
  stream.WriteBuffer(prefix, 4);
  stream.WriteBuffer(block.Bytes().data(), size);
}

void TGraphic::ReadData(TStream& stream) {
  TMemoryStream block;
  ReadSizedBlock(stream, block);
  LoadFromStream(block);
}

void TGraphic::WriteData(TStream& stream) {
  TMemoryStream block;
  SaveToStream(block);
  WriteSizedBlock(stream, block);
}

void TGraphic::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      L"Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, !Empty());
}

}  // namespace classlib
