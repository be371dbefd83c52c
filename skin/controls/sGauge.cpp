#include "skin/controls/sGauge.h"

#include <algorithm>
#include <string>

namespace skin {

using namespace classlib;

TsGauge::TsGauge(TComponent* owner) : TsSkinnedControl(owner) { SetBounds(Left(), Top(), 100, 20); }

void TsGauge::SetMinValue(int value) {
  if (minValue_ == value) return;
  minValue_ = value;
  if (maxValue_ < minValue_) maxValue_ = minValue_;
  progress_ = std::clamp(progress_, minValue_, maxValue_);
  Invalidate();
}

void TsGauge::SetMaxValue(int value) {
  if (maxValue_ == value) return;
  maxValue_ = value;
  if (minValue_ > maxValue_) minValue_ = maxValue_;
  progress_ = std::clamp(progress_, minValue_, maxValue_);
  Invalidate();
}

void TsGauge::SetProgress(int value) {
  const int clamped = std::clamp(value, minValue_, maxValue_);
  if (progress_ == clamped) return;
  progress_ = clamped;
  Invalidate();
}

void TsGauge::SetShowText(bool value) {
  if (showText_ == value) return;
  showText_ = value;
  Invalidate();
}

int TsGauge::PercentDone() const {
  const long long range = static_cast<long long>(maxValue_) - minValue_;
  if (range <= 0) return 0;
  return static_cast<int>((static_cast<long long>(progress_) - minValue_) * 100 / range);
}

void TsGauge::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect all{0, 0, Width(), Height()};
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(clBtnFace);
  canvas.Pen()->SetColor(clBtnShadow);
  canvas.Rectangle(all);
  const int filled = (Width() - 2) * PercentDone() / 100;
  if (filled > 0) {
    canvas.Brush()->SetColor(clHighlight);
    canvas.FillRect(TRect{1, 1, 1 + filled, Height() - 1});
  }
  if (!showText_) return;
  const std::wstring text = std::to_wstring(PercentDone()) + L"%";
  canvas.SetFont(Font());
  canvas.Brush()->SetStyle(bsClear);
  const TSize size = canvas.TextExtent(text);
  canvas.TextOut((Width() - size.cx) / 2, (Height() - size.cy) / 2, text);
}

}  // namespace skin
