#pragma once
// The skinned progress bar: a bar filled in proportion to Progress within
// MinValue..MaxValue, with the percentage as text when ShowText is on.
#include "classlib/controls/GraphicControl.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/core/ControlClassCodes.h"

namespace skin {

class TsGauge : public TsSkinnedControl<classlib::TGraphicControl, COC_TsGauge> {
 public:
  explicit TsGauge(classlib::TComponent* owner);

  int MinValue() const { return minValue_; }
  void SetMinValue(int value);
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value);
  int Progress() const { return progress_; }
  // Clamps to MinValue..MaxValue; repaints when the shown value changes.
  void SetProgress(int value);
  bool ShowText() const { return showText_; }
  void SetShowText(bool value);
  // Percent of the range filled, 0..100.
  int PercentDone() const;

 protected:
  void Paint() override;

 private:
  int minValue_ = 0;
  int maxValue_ = 100;
  int progress_ = 0;
  bool showText_ = true;
};

}  // namespace skin
