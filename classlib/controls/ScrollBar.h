#pragma once
// Scroll bar control over the system "SCROLLBAR" class. The position moves
// with the user's scrolling (reflected CN_HSCROLL/CN_VSCROLL): OnScroll may
// change the new position, then OnChange runs when it changed.
#include "classlib/controls/WinControl.h"

namespace classlib {

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  int Min() const { return min_; }
  void SetMin(int value) { SetParams(position_, value, max_); }
  int Max() const { return max_; }
  void SetMax(int value) { SetParams(position_, min_, value); }
  int Position() const { return position_; }
  void SetPosition(int value) { SetParams(value, min_, max_); }
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value) { smallChange_ = value; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int value) { largeChange_ = value; }
  // Raises EComponentError when max < min.
  void SetParams(int position, int min, int max);

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWindowDone() override;

 private:
  void UpdateWindow();
  void DoScroll(WORD code, int thumb);

  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0;
  int smallChange_ = 1, largeChange_ = 1;
};

}  // namespace classlib
