// The outline drag of a skinned form. The outline is an R2_NOT polyline,
// so drawing it twice at the same place restores the desktop; the DC is
// held only while the drag runs and is released by every way out.
#include "skin/forms/OutlineDrag.h"

#include <algorithm>

#include "skin/forms/sSkinProvider.h"

namespace skin {

using namespace classlib;

namespace {

class DesktopSurface : public TsOutlineSurface {
 public:
  HDC Acquire() override { return GetWindowDC(GetDesktopWindow()); }
  void Release(HDC dc) override { ReleaseDC(GetDesktopWindow(), dc); }
};

DesktopSurface desktop;
TsOutlineSurface* surface = &desktop;
TsOutlineDragState drag;

void Polyline5(HDC dc, int left, int top, int right, int bottom) {
  const POINT points[5] = {{left, top}, {left, bottom}, {right, bottom}, {right, top}, {left, top}};
  Polyline(dc, points, 5);
}

void ReleaseSurface() {
  drag.HitCode = 0;
  if (!drag.DC) return;
  RestoreDC(drag.DC, drag.SavedDC);
  surface->Release(drag.DC);
  drag.DC = nullptr;
}

}  // namespace

void SetOutlineSurface(TsOutlineSurface* value) { surface = value ? value : &desktop; }

TsOutlineDragState& OutlineDrag() { return drag; }

void TsSkinProvider::StartOutlineDrag(int x, int y) {
  if (resizeMode_ != rmBorder || !form_->Enabled() || drag.Dragging) return;
  HDC dc = surface->Acquire();
  if (!dc) return;
  drag.Dragging = true;
  drag.Owner = this;
  drag.Cancelled = false;
  drag.DC = dc;
  drag.SavedDC = SaveDC(dc);
  drag.Left = form_->Left();
  drag.Top = form_->Top();
  SetROP2(dc, R2_NOT);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  if (drag.Moving) {
    drag.GrabX = x;
    drag.GrabY = y;
    DrawOutline(drag.Left, drag.Top);
  } else {
    drag.StartX = x;
    drag.StartY = y;
    drag.MinWidth = form_->Constraints()->MinWidth();
    drag.MinHeight = form_->Constraints()->MinHeight();
    drag.Right = drag.Left + form_->Width();
    drag.Bottom = drag.Top + form_->Height();
    DrawOutline(0, 0);
  }
}

void TsSkinProvider::DrawOutline(int x, int y) {
  if (resizeMode_ != rmBorder || !drag.DC) return;
  if (drag.Moving) Polyline5(drag.DC, x, y, x + form_->Width(), y + form_->Height());
  else Polyline5(drag.DC, drag.Left, drag.Top, drag.Right, drag.Bottom);
}

void TsSkinProvider::EndOutlineDrag() {
  if (resizeMode_ != rmBorder || !drag.Dragging || drag.Owner != this) return;
  drag.Dragging = false;
  drag.Owner = nullptr;
  if (GetCapture() == FormHandle()) ReleaseCapture();
  const bool moving = drag.Moving;
  DrawOutline(moving ? drag.Left : 0, moving ? drag.Top : 0);
  ReleaseSurface();
  HWND wnd = FormHandle();
  if (moving) {
    if (wnd) MoveWindow(wnd, drag.Left, drag.Top, form_->Width(), form_->Height(), TRUE);
  } else if (!drag.Cancelled && wnd) {
    MoveWindow(wnd, drag.Left, drag.Top, drag.Right - drag.Left, drag.Bottom - drag.Top, TRUE);
  }
  drag.Cancelled = false;
}

void TsSkinProvider::CancelOutlineDrag() {
  if (!drag.Dragging || drag.Owner != this) return;
  drag.Dragging = false;
  drag.Owner = nullptr;
  DrawOutline(drag.Moving ? drag.Left : 0, drag.Moving ? drag.Top : 0);
  ReleaseSurface();
  drag.Cancelled = false;
  HWND wnd = FormHandle();
  if (wnd && GetCapture() == wnd) ReleaseCapture();
}

// The cursor moved to a screen point: the outline follows.
void OutlineDragMove(TsSkinProvider& provider, POINT p) {
  if (!drag.Dragging || drag.Owner != &provider) return;
  TCustomForm* form = provider.Form();
  if (drag.Moving) {
    provider.DrawOutline(drag.Left, drag.Top);
    drag.Left += p.x - drag.GrabX;
    drag.Top += p.y - drag.GrabY;
    drag.GrabX = p.x;
    drag.GrabY = p.y;
    provider.DrawOutline(drag.Left, drag.Top);
    return;
  }
  provider.DrawOutline(0, 0);
  const int dx = p.x - drag.StartX, dy = p.y - drag.StartY;
  const int left = form->Left(), top = form->Top(), right = left + form->Width(), bottom = top + form->Height();
  const int code = drag.HitCode;
  const bool leftEdge = code == HTLEFT || code == HTTOPLEFT || code == HTBOTTOMLEFT;
  const bool rightEdge = code == HTRIGHT || code == HTTOPRIGHT || code == HTBOTTOMRIGHT;
  const bool topEdge = code == HTTOP || code == HTTOPLEFT || code == HTTOPRIGHT;
  const bool bottomEdge = code == HTBOTTOM || code == HTBOTTOMLEFT || code == HTBOTTOMRIGHT;
  if (leftEdge) drag.Left = std::min(left + dx, drag.Right - drag.MinWidth);
  if (rightEdge) drag.Right = std::max(right + dx, drag.Left + drag.MinWidth);
  if (topEdge) drag.Top = std::min(top + dy, drag.Bottom - drag.MinHeight);
  if (bottomEdge) drag.Bottom = std::max(bottom + dy, drag.Top + drag.MinHeight);
  provider.DrawOutline(0, 0);
}

}  // namespace skin
