#pragma once
// Minimum and maximum size of a control; 0 means no limit.
#include "classlib/core/Persistent.h"

namespace classlib {

class TSizeConstraints : public TPersistent {
 public:
  int MinWidth() const { return minWidth_; }
  int MinHeight() const { return minHeight_; }
  int MaxWidth() const { return maxWidth_; }
  int MaxHeight() const { return maxHeight_; }
  void SetMinWidth(int value) { Store(minWidth_, value); }
  void SetMinHeight(int value) { Store(minHeight_, value); }
  void SetMaxWidth(int value) { Store(maxWidth_, value); }
  void SetMaxHeight(int value) { Store(maxHeight_, value); }

  // Clamps a width or height to the limits.
  int ClampWidth(int width) const { return Clamp(width, minWidth_, maxWidth_); }
  int ClampHeight(int height) const { return Clamp(height, minHeight_, maxHeight_); }

  TNotifyEvent OnChange;

  void Assign(const TPersistent* source) override;

 private:
  static int Clamp(int value, int low, int high) {
    if (high > 0 && value > high) value = high;
    if (low > 0 && value < low) value = low;
    return value;
  }
  void Store(int& field, int value) {
    if (value < 0) value = 0;
    if (field == value) return;
    field = value;
    if (OnChange) OnChange(this);
  }
  int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

}  // namespace classlib
