#pragma once
// The progress gauge: a windowless control showing how much of
// MinValue..MaxValue Progress fills. Without a skin it draws the classic
// kinds (text, horizontal or vertical bar, pie, needle) in ForeColor on
// BackColor; with a skin, a bar from the progress section over its own
// section's background, with a highlight sweeping along the filled part.
#include <memory>
#include <string>

#include "classlib/controls/ControlTypes.h"
#include "classlib/controls/GraphicControl.h"
#include "classlib/controls/Timer.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/core/ControlClassCodes.h"
#include "skin/paint/GaugeBar.h"

namespace skin {

enum TsGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };

class TsGauge : public TsSkinnedControl<classlib::TGraphicControl, COC_TsGauge> {
 public:
  explicit TsGauge(classlib::TComponent* owner);
  ~TsGauge() override;

  int MinValue() const { return minValue_; }
  // Above MaxValue raises EInvalidOperation (except while the form is read)
  // and keeps the old value.
  void SetMinValue(int value);
  int MaxValue() const { return maxValue_; }
  // Below MinValue raises as SetMinValue does.
  void SetMaxValue(int value);
  int Progress() const { return progress_; }
  // Clamps to MinValue..MaxValue. A change runs OnChange; only a change of
  // the percent shown repaints.
  void SetProgress(int value);
  TsGaugeKind Kind() const { return kind_; }
  void SetKind(TsGaugeKind value);
  bool ShowText() const { return showText_; }
  void SetShowText(bool value);
  const std::wstring& Suffix() const { return suffix_; }
  void SetSuffix(const std::wstring& value);
  classlib::TColor ForeColor() const { return foreColor_; }
  void SetForeColor(classlib::TColor value);
  classlib::TColor BackColor() const { return backColor_; }
  void SetBackColor(classlib::TColor value);
  classlib::TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(classlib::TBorderStyle value);
  // The bar's section; empty takes PROGRESSH (PROGRESSV for a still
  // vertical bar).
  const std::wstring& ProgressSkin() const { return progressSkin_; }
  void SetProgressSkin(const std::wstring& value);
  bool CalcPercents() const { return calcPercents_; }
  void SetCalcPercents(bool value);
  bool Animated() const { return animated_; }
  void SetAnimated(bool value);

  // 0..100 of the range (0 for an empty range).
  int PercentDone() const;
  // The text shown: the percent (or the raw progress) and the suffix.
  std::wstring ShownText() const;
  // The rectangle inside the single border, in the control's coordinates.
  classlib::TRect InnerRect() const;
  // One step of the sweeping highlight (the timer's handler).
  void AnimationStep();
  // The cache painted afresh (also what each highlight step does).
  void PrepareCache();
  // False when the highlight picture could not be had; asked once.
  bool HasHighlightPicture();

  classlib::TNotifyEvent OnChange;

  void Loaded() override;

 protected:
  void Paint() override;
  void WndProc(classlib::TMessage& message) override;

 private:
  bool Loading() const;
  bool Designing() const;
  void Changed();
  void StartTimer(bool on);
  void DropBarImage();
  void PaintPlain();
  void PaintKindShape(classlib::TCanvas& canvas, const classlib::TRect& inner, bool skinned);
  void PaintBar(classlib::TBitmap* cache, const classlib::TRect& inner);
  void PaintText(classlib::TBitmap* bmp, const classlib::TRect& r, int dx, int dy);
  std::wstring BarSection() const;
  // The bar section's "LRGN" mask that shapes the highlight; empty without.
  paint::TPixelView ShapingMask(const std::wstring& barSection) const;
  void BlitCache();

  int minValue_ = 0;
  int maxValue_ = 100;
  int progress_ = 47;
  TsGaugeKind kind_ = gkHorizontalBar;
  bool showText_ = true;
  std::wstring suffix_ = L"%";
  classlib::TColor foreColor_ = 0;
  classlib::TColor backColor_ = 0xFFFFFF;
  classlib::TBorderStyle borderStyle_ = classlib::bsSingle;
  std::wstring progressSkin_;
  bool calcPercents_ = true;
  bool animated_ = true;

  std::unique_ptr<classlib::TTimer> timer_;
  paint::TGaugeSweep sweep_;
  std::unique_ptr<classlib::TBitmap> highlight_;
  std::unique_ptr<classlib::TBitmap> highlightPicture_;
  bool highlightPictureAsked_ = false;
  std::unique_ptr<classlib::TBitmap> barImage_;
};

}  // namespace skin
