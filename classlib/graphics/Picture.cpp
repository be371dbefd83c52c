#include "classlib/graphics/Picture.h"

#include <vector>

#include "classlib/core/Filer.h"
#include "classlib/graphics/GraphicsRegistration.h"
#include "classlib/graphics/Icon.h"
#include "classlib/graphics/JpegImage.h"

namespace classlib {

namespace {

struct TFileFormat {
  std::wstring Extension;  // lower case, without the dot
  std::wstring Description;
  TGraphicClass Class;
};

std::wstring NormalExtension(std::wstring extension) {
  if (!extension.empty() && extension[0] == L'.') extension.erase(0, 1);
  for (wchar_t& c : extension)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return extension;
}

bool SameName(const std::wstring& a, const std::wstring& b) { return NormalExtension(a) == NormalExtension(b); }

std::vector<TFileFormat>& FileFormats() {
  static std::vector<TFileFormat> formats = [] {
    std::vector<TFileFormat> list;
    list.push_back({L"bmp", L"Bitmaps", GraphicClassOf<TBitmap>()});
    list.push_back({L"ico", L"Icons", GraphicClassOf<TIcon>()});
    list.push_back({L"jpg", L"JPEG Image File", GraphicClassOf<TJPEGImage>()});
    list.push_back({L"jpeg", L"JPEG Image File", GraphicClassOf<TJPEGImage>()});
    return list;
  }();
  return formats;
}

const TGraphicClass* FindClassByName(const std::wstring& name) {
  const std::vector<TFileFormat>& formats = FileFormats();
  for (auto it = formats.rbegin(); it != formats.rend(); ++it)
    if (SameName(it->Class.Name, name)) return &it->Class;
  return nullptr;
}

std::wstring ExtensionOf(const std::wstring& fileName) {
  const size_t slash = fileName.find_last_of(L"\\/:");
  const size_t dot = fileName.find_last_of(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return {};
  return fileName.substr(dot + 1);
}

}  // namespace

void TPicture::RegisterFileFormat(const std::wstring& extension, const std::wstring& description,
                                  const TGraphicClass& graphicClass) {
  FileFormats().push_back({NormalExtension(extension), description, graphicClass});
}

void TPicture::UnregisterGraphicClass(std::type_index type) {
  std::vector<TFileFormat>& formats = FileFormats();
  std::erase_if(formats, [&](const TFileFormat& f) { return f.Class.Type == type; });
}

const TGraphicClass* TPicture::FindFileFormat(const std::wstring& extension) {
  const std::wstring wanted = NormalExtension(extension);
  const std::vector<TFileFormat>& formats = FileFormats();
  for (auto it = formats.rbegin(); it != formats.rend(); ++it)
    if (it->Extension == wanted) return &it->Class;
  return nullptr;
}

TPicture::TPicture() { RegisterGraphicsClasses(); }

TPicture::~TPicture() {
  if (graphic_) graphic_->SetOnChange(nullptr);
}

void TPicture::Changed() {
  if (onChange_) onChange_(this);
}

void TPicture::Take(TGraphic* graphic) {
  std::unique_ptr<TGraphic> owned(graphic);
  if (graphic_) graphic_->SetOnChange(nullptr);
  graphic_ = std::move(owned);
  if (graphic_) graphic_->SetOnChange([this](TObject*) { Changed(); });
  Changed();
}

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (graphic == graphic_.get()) return;
  if (!graphic) {
    Take(nullptr);
    return;
  }
  const TGraphicClass* known = FindClassByName(graphic->ClassName());
  std::unique_ptr<TGraphic> copy;
  if (known && known->Type == std::type_index(typeid(*graphic))) copy.reset(known->Create());
  else if (dynamic_cast<const TBitmap*>(graphic)) copy.reset(New<TBitmap>());
  else throw EInvalidGraphic(L"Unknown picture class " + graphic->ClassName());
  copy->Assign(graphic);
  Take(copy.release());
}

TBitmap* TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(graphic_.get())) Take(New<TBitmap>());
  return static_cast<TBitmap*>(graphic_.get());
}

TIcon* TPicture::Icon() {
  if (!dynamic_cast<TIcon*>(graphic_.get())) Take(New<TIcon>());
  return static_cast<TIcon*>(graphic_.get());
}

void TPicture::LoadFromFile(const std::wstring& fileName) {
  const std::wstring extension = ExtensionOf(fileName);
  const TGraphicClass* graphicClass = FindFileFormat(extension);
  if (!graphicClass) throw EInvalidGraphic(L"Unknown picture file extension (." + extension + L")");
  std::unique_ptr<TGraphic> graphic(graphicClass->Create());
  graphic->LoadFromFile(fileName);
  Take(graphic.release());
}

void TPicture::SaveToFile(const std::wstring& fileName) {
  if (graphic_) graphic_->SaveToFile(fileName);
}

void TPicture::Assign(const TPersistent* source) {
  if (!source) {
    SetGraphic(nullptr);
  } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
    if (picture != this) SetGraphic(picture->Graphic());
  } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(source);
  }
}

// Stored form: the class name as a length byte and characters, then the
// graphic's own data.
void TPicture::ReadData(TStream& stream) {
  uint8_t length = 0;
  stream.ReadBuffer(&length, 1);
  std::string name(length, '\0');
  stream.ReadBuffer(name.data(), length);
  if (name.empty()) {
    Take(nullptr);
    return;
  }
  const std::wstring className(name.begin(), name.end());
  const TGraphicClass* graphicClass = FindClassByName(className);
  if (!graphicClass) throw EInvalidGraphic(L"Unknown picture class " + className);
  std::unique_ptr<TGraphic> graphic(graphicClass->Create());
  graphic->ReadData(stream);
  Take(graphic.release());
}

void TPicture::WriteData(TStream& stream) {
  std::string name;
  if (graphic_)
    for (wchar_t c : graphic_->ClassName()) name.push_back(static_cast<char>(c));
  if (name.size() > 255) name.resize(255);
  const auto length = static_cast<uint8_t>(name.size());
  stream.WriteBuffer(&length, 1);
  stream.WriteBuffer(name.data(), length);
  if (graphic_) graphic_->WriteData(stream);
}

void TPicture::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      L"Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
      graphic_ && !graphic_->Empty());
}

}  // namespace classlib
