// The extended borders of the loaded skin as the manager hands them out.
#include "skin/manager/sSkinManager.h"

namespace skin {

namespace {

bool ExtBordersOn(const TsSkinManager& manager) {
  return manager.Active() && manager.ExtendedBorders() && manager.Skin() && manager.SkinData().Active;
}

}  // namespace

TsExtBorderMargins TsSkinManager::ExtBorderMargins() const {
  return ExtBordersOn(*this) ? ExtBorderMarginsOf(*skin_) : TsExtBorderMargins{};
}

const bmp32::TCustomBitmap32* TsSkinManager::ExtBorderImage(bool active) const {
  if (!ExtBordersOn(*this)) return nullptr;
  if (extBorderGeneration_ != skinGeneration_) {
    extBorderImages_ = {ExtBorderImageOf(*skin_, false), ExtBorderImageOf(*skin_, true)};
    extBorderGeneration_ = skinGeneration_;
  }
  return extBorderImages_[active ? 1 : 0].get();
}

}  // namespace skin
