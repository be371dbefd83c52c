#pragma once
// The base of every picture kind (bitmap, icon, JPEG image, and the PNG
// graphics above this layer): size, transparency, drawing on a canvas,
// streams and files, and storage in form descriptions as "Data".
#include <windows.h>

#include <cstdint>
#include <string>

#include "classlib/core/Persistent.h"
#include "classlib/core/Stream.h"
#include "classlib/graphics/GraphicsErrors.h"
#include "classlib/graphics/GraphicsTypes.h"

namespace classlib {

class TCanvas;
class TFiler;

// The largest pixel buffer any graphic allocates for untrusted input.
inline constexpr uint64_t kMaxGraphicPixelBytes = uint64_t{256} << 20;

// Raises EInvalidGraphic when a width x height image of `bitsPerPixel`
// (rows padded to 32 bits) would exceed kMaxGraphicPixelBytes, or when a
// side is negative.
void CheckImageSize(int64_t width, int64_t height, int bitsPerPixel);

class TGraphic : public TPersistent {
 public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }
  // Graphics that cannot be resized ignore this.
  virtual void SetSize(int width, int height);

  virtual bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);
  bool Modified() const { return modified_; }
  void SetModified(bool value);
  virtual HPALETTE Palette() const { return nullptr; }
  virtual void SetPalette(HPALETTE) {}

  // Draws the graphic stretched into `rect` of the canvas (normally called
  // through TCanvas::Draw and StretchDraw).
  virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;

  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  virtual void LoadFromFile(const std::wstring& fileName);
  virtual void SaveToFile(const std::wstring& fileName);

  // The clipboard form of the picture: a clipboard format, its data handle
  // (owned by the caller, normally handed to SetClipboardData) and a palette
  // (null when none). Graphics without a clipboard form raise EInvalidGraphic.
  virtual void SaveToClipboardFormat(UINT& format, HANDLE& data, HPALETTE& palette);
  // Builds the picture from clipboard data, which stays the caller's. A
  // format the graphic cannot read raises EInvalidGraphic.
  virtual void LoadFromClipboardFormat(UINT format, HANDLE data, HPALETTE palette);

  // The form-description form of the picture ("Data" property). By default a
  // 32-bit length followed by the SaveToStream bytes.
  virtual void ReadData(TStream& stream);
  virtual void WriteData(TStream& stream);
  void DefineProperties(TFiler& filer) override;

  // Told after every change, with the graphic as sender. Clear it and set it
  // back to suspend notifications during a batch of changes.
  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

 protected:
  // Marks the graphic modified and tells OnChange.
  virtual void Changed();
  // A bitmap destination gets the graphic drawn onto a white 24-bit bitmap
  // of its size; graphics that can copy their pixels exactly override this.
  void AssignTo(TPersistent* dest) const override;

  bool transparent_ = false;

 private:
  bool modified_ = false;
  TNotifyEvent onChange_;
};

// The length-prefixed form used by ReadData/WriteData: a 32-bit little-endian
// byte count, then that many bytes. The reader refuses a count larger than
// the bytes left in the stream.
void ReadSizedBlock(TStream& stream, TMemoryStream& block);
void WriteSizedBlock(TStream& stream, const TMemoryStream& block);

}  // namespace classlib
