#pragma once
// Multi-line edit. Lines reads and writes the window's text line by line;
// the text has no length cap.
#include <memory>

#include "classlib/controls/Edit.h"
#include "classlib/core/Strings.h"

namespace classlib {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  TStrings* Lines() const { return lines_.get(); }
  void SetLines(const TStrings* value) { lines_->Assign(value); }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }

 protected:
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  int DefaultTextLimit() const override { return 0x7FFFFFFE; }

 private:
  std::unique_ptr<TStrings> lines_;
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
 public:
  using TCustomMemo::TCustomMemo;
};

}  // namespace classlib
