#include "app/picture/CardPictureFit.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace app {

namespace {

constexpr std::int32_t kHiddenDragEdge = 5;

std::int32_t FittedSide(std::int32_t longSide, std::int32_t shortSide, std::int32_t box) {
  const double side = std::nearbyint(double(longSide) * box / shortSide);
  if (side > kMaxFittedSide)
    throw EPictureFit(L"Tego obrazu nie można użyć: po dopasowaniu do ramki jego dłuższy bok miałby " +
                      std::to_wstring(static_cast<long long>(side)) + L" pikseli (najwyżej " +
                      std::to_wstring(kMaxFittedSide) + L").");
  return static_cast<std::int32_t>(side);
}

}  // namespace

TPictureFit CoverFit(std::int32_t width, std::int32_t height, std::int32_t box) {
  if (width <= 0 || height <= 0) throw EPictureFit(L"Tego obrazu nie można użyć: nie ma żadnych pikseli.");
  TPictureFit fit{box, box, 0, 0, true};
  if (width == box && height == box) {
    fit.Scaled = false;
  } else if (width > height) {
    fit.Width = FittedSide(width, height, box);
    fit.Left = (box - fit.Width) / 2;
  } else if (width < height) {
    fit.Height = FittedSide(height, width, box);
    fit.Top = (box - fit.Height) / 2;
  }
  return fit;
}

TFittedPicture FitPicture(bmp32::TCustomBitmap32& source, std::int32_t box) {
  TFittedPicture result{std::make_unique<bmp32::TCustomBitmap32>(), CoverFit(source.Width(), source.Height(), box)};
  if (!result.Fit.Scaled) {
    result.Bitmap->Assign(&source);
    return result;
  }
  result.Bitmap->SetSize(result.Fit.Width, result.Fit.Height);
  source.SetResamplerClassName(L"TKernelResampler");
  result.Bitmap->Draw(result.Bitmap->BoundsRect(), source.BoundsRect(), &source);
  return result;
}

TCropAxis CropAxis(std::int32_t width, std::int32_t height) {
  if (width > height) return TCropAxis::Horizontal;
  if (height > width) return TCropAxis::Vertical;
  return TCropAxis::None;
}

std::int32_t DragOffset(std::int32_t offset, std::int32_t delta, std::int32_t size, std::int32_t box) {
  return std::min(0, std::max(offset + delta, box - size + kHiddenDragEdge));
}

std::int32_t StoredOffset(std::int32_t offset, std::int32_t size, std::int32_t box) {
  const std::int32_t lowest = std::min({0, box - size + kHiddenDragEdge, (box - size) / 2});
  return std::clamp(offset, lowest, 0);
}

}  // namespace app
