#pragma once
// Label: a windowless control that draws its caption with DrawText. AutoSize
// fits the bounds to the text; DoDrawText is where descendants draw the text
// their own way (DT_CALCRECT in flags asks only for the size).
#include "classlib/controls/GraphicControl.h"

namespace classlib {

class TWinControl;

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;
  virtual void DoDrawText(TRect& rect, UINT flags);
  // DT_* flags for the current alignment, wrapping and prefix settings.
  UINT TextFlags() const;
  virtual std::wstring LabelText() const { return Caption(); }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TAlignment alignment_ = taLeftJustify;
  bool wordWrap_ = false;
  bool transparent_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;
  TTextLayout layout_ = tlTop;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};

}  // namespace classlib
