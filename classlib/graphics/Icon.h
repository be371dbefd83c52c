#pragma once
// An icon graphic: an HICON, or the bytes of an .ico file from which the
// icon of the system's icon size (else the largest) is made on demand.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "classlib/graphics/Graphic.h"

namespace classlib {

class TIcon : public TGraphic {
 public:
  TIcon() = default;
  ~TIcon() override;

  bool Empty() const override { return !handle_ && data_.empty(); }
  int Width() const override { return width_; }
  int Height() const override { return height_; }

  // Owned by the icon; made from the file bytes when needed.
  HICON Handle();
  // Takes ownership of `icon`.
  void SetHandle(HICON icon);
  // Gives the handle to the caller, who then owns it; the icon is empty.
  HICON ReleaseHandle();

  void Draw(TCanvas& canvas, const TRect& rect) override;
  // An .ico file; untrusted: a bad directory or image raises EInvalidGraphic
  // and leaves the icon unchanged.
  void LoadFromStream(TStream& stream) override;
  // The loaded file as it was, or a 32-bit .ico made from the handle.
  void SaveToStream(TStream& stream) override;
  void Assign(const TPersistent* source) override;

 private:
  void Clear();
  HICON MakeHandle(const std::vector<uint8_t>& data, int& width, int& height) const;

  HICON handle_ = nullptr;
  std::vector<uint8_t> data_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace classlib
