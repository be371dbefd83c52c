#include "classlib/controls/ScrollBar.h"

#include <algorithm>

namespace classlib {

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  ControlStyle() = TControlStyle{csFramed, csDoubleClicks, csOpaque};
  StoreBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (kind_ == value) return;
  kind_ = value;
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  CreateSubClass(p, L"SCROLLBAR");
  p.Style |= kind_ == sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::CreateWindowDone() { UpdateWindow(); }

void TScrollBar::UpdateWindow() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof(info), SIF_ALL, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::SetPageSize(int value) {
  if (pageSize_ == value || value < 0 || value > max_ - min_ + 1) return;
  pageSize_ = value;
  UpdateWindow();
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min) throw EComponentError(L"Scroll bar property out of range");
  position = std::clamp(position, min, std::max(min, max - std::max(pageSize_ - 1, 0)));
  if (position == position_ && min == min_ && max == max_) return;
  const bool moved = position != position_;
  min_ = min;
  max_ = max;
  position_ = position;
  UpdateWindow();
  if (moved && OnChange) OnChange(this);
}

void TScrollBar::DoScroll(WORD code, int thumb) {
  int pos = position_;
  TScrollCode scrollCode = scEndScroll;
  switch (code) {
    case SB_LINEUP: scrollCode = scLineUp; pos -= smallChange_; break;
    case SB_LINEDOWN: scrollCode = scLineDown; pos += smallChange_; break;
    case SB_PAGEUP: scrollCode = scPageUp; pos -= largeChange_; break;
    case SB_PAGEDOWN: scrollCode = scPageDown; pos += largeChange_; break;
    case SB_THUMBPOSITION: scrollCode = scPosition; pos = thumb; break;
    case SB_THUMBTRACK: scrollCode = scTrack; pos = thumb; break;
    case SB_TOP: scrollCode = scTop; pos = min_; break;
    case SB_BOTTOM: scrollCode = scBottom; pos = max_; break;
    default: break;
  }
  if (OnScroll) OnScroll(this, scrollCode, pos);
  SetPosition(pos);
}

void TScrollBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    int thumb = HIWORD(m.WParam);
    SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    // The 16-bit thumb position in WParam is too small for large ranges.
    if (HandleAllocated() && GetScrollInfo(Handle(), SB_CTL, &info)) thumb = info.nTrackPos;
    DoScroll(LOWORD(m.WParam), thumb);
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace classlib
