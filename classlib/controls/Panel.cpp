#include "classlib/controls/Panel.h"

namespace classlib {

void Frame3D(HDC dc, TRect& rect, TColor topColor, TColor bottomColor, int width) {
  HBRUSH top = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(topColor)));
  HBRUSH bottom = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(bottomColor)));
  for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
    const RECT left{rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1};
    const RECT upper{rect.Left, rect.Top, rect.Right - 1, rect.Top + 1};
    const RECT right{rect.Right - 1, rect.Top, rect.Right, rect.Bottom};
    const RECT lower{rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom};
    FillRect(dc, &left, top);
    FillRect(dc, &upper, top);
    FillRect(dc, &right, bottom);
    FillRect(dc, &lower, bottom);
    rect.Left += 1;
    rect.Top += 1;
    rect.Right -= 1;
    rect.Bottom -= 1;
  }
  DeleteObject(top);
  DeleteObject(bottom);
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  ControlStyle() = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                 csDoubleClicks, csReplicatable};
  StoreBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
  SetParentColor(false);
}

void TCustomPanel::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  if (bevelInner_ == value) return;
  bevelInner_ = value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (bevelOuter_ == value) return;
  bevelOuter_ = value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int value) {
  if (bevelWidth_ == value || value < 1) return;
  bevelWidth_ = value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
  if (value != bsNone) value = bsSingle;
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomPanel::SetVerticalAlignment(TTextLayout value) {
  if (verticalAlignment_ == value) return;
  verticalAlignment_ = value;
  Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& p) {
  TCustomControl::CreateParams(p);
  if (borderStyle_ == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
  p.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

int TCustomPanel::BevelSize() const {
  int size = BorderWidth();
  if (bevelOuter_ != bvNone) size += bevelWidth_;
  if (bevelInner_ != bvNone) size += bevelWidth_;
  return size;
}

void TCustomPanel::AdjustClientRect(TRect& rect) {
  const int size = BevelSize();
  rect.Left += size;
  rect.Top += size;
  rect.Right -= size;
  rect.Bottom -= size;
}

void TCustomPanel::Paint() {
  HDC dc = Canvas()->Handle();
  TRect r = ClientRect();
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    const bool raised = cut == bvRaised;
    if (cut == bvSpace) Frame3D(dc, r, Color(), Color(), bevelWidth_);
    else Frame3D(dc, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, bevelWidth_);
  };
  bevel(bevelOuter_);
  Frame3D(dc, r, Color(), Color(), BorderWidth());
  bevel(bevelInner_);
  Canvas()->Brush()->SetColor(Color());
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->FillRect(r);
  const std::wstring caption = Caption();
  if (caption.empty()) return;
  Canvas()->SetFont(Font());
  dc = Canvas()->Handle();
  UINT flags = DT_EXPANDTABS | DT_NOPREFIX | DrawTextBiDiModeFlagsReadingOnly();
  flags |= alignment_ == taLeftJustify ? DT_LEFT : alignment_ == taRightJustify ? DT_RIGHT : DT_CENTER;
  RECT text = ToRECT(r);
  RECT calc = text;
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &calc, flags | DT_CALCRECT);
  const int textHeight = calc.bottom - calc.top;
  if (verticalAlignment_ == tlCenter) text.top += (r.Height() - textHeight) / 2;
  else if (verticalAlignment_ == tlBottom) text.top = text.bottom - textHeight;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Enabled() ? Font()->Color() : clGrayText)));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, flags);
}

void TCustomPanel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_TEXTCHANGED:
    case CM_BORDERCHANGED:
      Invalidate();
      break;
    case WM_SIZE:
      // Bevels follow the edges: repaint the whole panel when it is resized.
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

}  // namespace classlib
