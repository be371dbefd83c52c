#include "skin/core/ExtBorderValues.h"

#include <algorithm>

#include "skin/core/MaskValue.h"

namespace skin {

namespace {

const TsMaskData* ExBorderMask(const TsSkinModel& skin) {
  const int index = skin.ConstData.ExBorder;
  if (index < 0 || static_cast<std::size_t>(index) >= skin.Masks.size()) return nullptr;
  return &skin.Masks[static_cast<std::size_t>(index)];
}

}  // namespace

TsExtBorderMargins ExtBorderMarginsOf(const TsSkinModel& skin) {
  const TsMaskData* mask = ExBorderMask(skin);
  if (!mask) return {};
  const int offset = skin.SkinData.FormOffset;
  if (skin.SkinData.BorderMode != 0) return {offset, offset, offset, offset};
  return {mask->WL - offset, mask->WT - offset, mask->WR - offset, mask->WB - offset};
}

std::shared_ptr<bmp32::TCustomBitmap32> ExtBorderImageOf(const TsSkinModel& skin, bool active) {
  const TsMaskData* mask = ExBorderMask(skin);
  if (!mask) return nullptr;
  const bmp32::TCustomBitmap32* source = mask->Bmp ? mask->Bmp.get() : skin.MasterBitmap.get();
  if (!source) return nullptr;
  const int width = MaskFrameWidth(*mask), height = MaskFrameHeight(*mask);
  if (width <= 0 || height <= 0) return nullptr;
  const int frame = active && mask->ImageCount != 1 ? 1 : 0;
  const int left = mask->R.Left + frame * width, top = mask->R.Top;
  auto image = std::make_shared<bmp32::TCustomBitmap32>();
  image->SetSize(width, height);
  // Read inside the source only: a frame described beyond its bitmap stays
  // transparent there.
  for (int y = 0; y < height; ++y) {
    bmp32::TColor32* out = image->ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const int sx = left + x, sy = top + y;
      out[x] = sx < source->Width() && sy < source->Height() ? source->Pixel(sx, sy) : 0;
    }
  }
  return image;
}

}  // namespace skin
