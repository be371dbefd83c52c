#pragma once
// A picture: holds one graphic of any registered kind. Files are opened by
// the graphic class registered for their extension (compared ignoring case;
// the newest registration wins); form descriptions store the graphic's class
// name and its data as "Data".
#include <functional>
#include <memory>
#include <string>
#include <typeindex>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Graphic.h"

namespace classlib {

class TIcon;

// A graphic class as the picture registry knows it.
struct TGraphicClass {
  std::wstring Name;  // the class name stored in form descriptions
  std::type_index Type = typeid(void);
  std::function<TGraphic*()> Create;
};

template <class T>
TGraphicClass GraphicClassOf() {
  return TGraphicClass{ClassNameOf<T>(), typeid(T), [] { return static_cast<TGraphic*>(New<T>()); }};
}

class TPicture : public TPersistent {
 public:
  TPicture();
  ~TPicture() override;

  // The graphic held, or null. Setting copies the graphic (a new object of
  // its class takes Assign); null clears.
  TGraphic* Graphic() const { return graphic_.get(); }
  void SetGraphic(const TGraphic* graphic);
  // The graphic as a bitmap: a picture holding anything else gets an empty
  // bitmap in its place first.
  TBitmap* Bitmap();
  void SetBitmap(const TBitmap* bitmap) { SetGraphic(bitmap); }
  TIcon* Icon();

  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // Raises EInvalidGraphic "Unknown picture file extension (.ext)" when no
  // class is registered for the extension; any failure leaves the picture
  // unchanged.
  void LoadFromFile(const std::wstring& fileName);
  void SaveToFile(const std::wstring& fileName);

  // A picture or graphic is copied, null clears.
  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

  // The registry of file formats. `extension` may start with a dot.
  static void RegisterFileFormat(const std::wstring& extension, const std::wstring& description,
                                 const TGraphicClass& graphicClass);
  template <class T>
  static void RegisterFileFormat(const std::wstring& extension, const std::wstring& description) {
    RegisterFileFormat(extension, description, GraphicClassOf<T>());
  }
  // Removes every registration of the class.
  static void UnregisterGraphicClass(std::type_index type);
  template <class T>
  static void UnregisterGraphicClass() {
    UnregisterGraphicClass(typeid(T));
  }
  // The class registered for an extension (with or without the dot), or null.
  static const TGraphicClass* FindFileFormat(const std::wstring& extension);

 protected:
  virtual void Changed();

 private:
  void Take(TGraphic* graphic);
  void ReadData(TStream& stream);
  void WriteData(TStream& stream);

  std::unique_ptr<TGraphic> graphic_;
  TNotifyEvent onChange_;
};

}  // namespace classlib
