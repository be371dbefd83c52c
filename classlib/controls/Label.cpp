#include "classlib/controls/Label.h"

#include "classlib/controls/WinControl.h"

namespace classlib {

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  ControlStyle() = TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csReplicatable, csDoubleClicks};
  StoreBounds(0, 0, 65, 17);
  SetColor(clBtnFace);
  SetParentColor(true);
  SetAutoSize(true);
}

void TCustomLabel::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  AdjustSize();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  if (value) ControlStyle().Exclude(csOpaque);
  else ControlStyle().Include(csOpaque);
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (showAccelChar_ == value) return;
  showAccelChar_ = value;
  AdjustSize();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
  focusControl_ = value;
  if (value) value->FreeNotification(this);
}

void TCustomLabel::SetLayout(TTextLayout value) {
  if (layout_ == value) return;
  layout_ = value;
  Invalidate();
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

UINT TCustomLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS | DrawTextBiDiModeFlagsReadingOnly();
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  else if (alignment_ == taCenter) flags |= DT_CENTER;
  return flags;
}

void TCustomLabel::DoDrawText(TRect& rect, UINT flags) {
  std::wstring text = LabelText();
  // An empty line still has a height, so a label never collapses to nothing.
  if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == L"&"))) text += L' ';
  RECT r = ToRECT(rect);
  Canvas()->SetFont(Font());
  HDC dc = Canvas()->Handle();
  SetBkMode(dc, TRANSPARENT);
  if (!Enabled() && !(flags & DT_CALCRECT)) {
    OffsetRect(&r, 1, 1);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
    OffsetRect(&r, -1, -1);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
  } else {
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  }
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
  rect = FromRECT(r);
}

void TCustomLabel::Paint() {
  TRect r = ClientRect();
  if (!transparent_) {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->FillRect(r);
  }
  const UINT flags = TextFlags();
  if (layout_ != tlTop) {
    TRect calc = r;
    DoDrawText(calc, flags | DT_CALCRECT);
    const int offset = layout_ == tlBottom ? r.Height() - calc.Height() : (r.Height() - calc.Height()) / 2;
    r.Top += offset;
  }
  DoDrawText(r, flags);
}

bool TCustomLabel::CanAutoSize(int& newWidth, int& newHeight) {
  HDC dc = GetDC(nullptr);
  Canvas()->SetHandle(dc);
  TRect r = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
  DoDrawText(r, TextFlags() | DT_CALCRECT);
  Canvas()->SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  if (!wordWrap_) newWidth = r.Width();
  newHeight = r.Height();
  return true;
}

void TCustomLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      AdjustSize();
      break;
    case CM_DIALOGCHAR:
      if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(static_cast<wchar_t>(m.WParam), Caption()) &&
          focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        m.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(m);
}

}  // namespace classlib
