#include "classlib/controls/BitBtn.h"

namespace classlib {

TBitBtn::TBitBtn(TComponent* owner)
    : TButton(owner), glyph_(std::make_unique<TBitmap>()), canvas_(std::make_unique<TCanvas>()) {
  glyph_->SetOnChange([this](TObject*) { Invalidate(); });
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::SetNumGlyphs(int value) {
  value = value < 1 ? 1 : value > 4 ? 4 : value;
  if (numGlyphs_ == value) return;
  numGlyphs_ = value;
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout value) {
  if (layout_ == value) return;
  layout_ = value;
  Invalidate();
}

void TBitBtn::SetMargin(int value) {
  if (margin_ == value || value < -1) return;
  margin_ = value;
  Invalidate();
}

void TBitBtn::SetSpacing(int value) {
  if (spacing_ == value) return;
  spacing_ = value;
  Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind value) {
  if (kind_ == value) return;
  kind_ = value;
  static const TModalResult results[] = {mrNone, mrOk, mrCancel, mrNone, mrYes, mrNo, mrNone, mrAbort, mrRetry,
                                         mrIgnore, mrYes};
  if (value != bkCustom) SetModalResult(results[value]);
  if (value == bkOK || value == bkYes) SetDefault(true);
  if (value == bkCancel || value == bkNo) SetCancel(true);
  Invalidate();
}

void TBitBtn::CreateParams(TCreateParams& p) {
  TButton::CreateParams(p);
  p.Style = (p.Style & ~0xFu) | BS_OWNERDRAW;
}

void TBitBtn::SetButtonStyle(bool isDefault) {
  // BM_SETSTYLE would take BS_OWNERDRAW away: only repaint the default look.
  if (isDefault != Active()) {
    TButton::SetButtonStyle(isDefault);
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, BS_OWNERDRAW, TRUE);
  }
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  canvas_->SetHandle(item.hDC);
  canvas_->SetFont(Font());
  // A disabled button shows its caption greyed, as the system's buttons do.
  if (item.itemState & ODS_DISABLED) canvas_->Font()->SetColor(clGrayText);
  canvas_->Brush()->SetStyle(bsClear);
  const std::wstring caption = Caption();
  const TSize text = canvas_->TextExtent(caption);
  const int glyphWidth = glyph_->Empty() ? 0 : glyph_->Width() / numGlyphs_;
  const int total = glyphWidth + (glyphWidth && !caption.empty() ? spacing_ : 0) + text.cx;
  int x = (r.right - r.left - total) / 2 + (pressed ? 1 : 0);
  const int y = (r.bottom - r.top) / 2 + (pressed ? 1 : 0);
  if (glyphWidth) {
    canvas_->Draw(x, y - glyph_->Height() / 2, glyph_.get());
    x += glyphWidth + spacing_;
  }
  canvas_->TextOut(x, y - text.cy / 2, caption);
  canvas_->SetHandle(nullptr);
  if (item.itemState & ODS_FOCUS) {
    InflateRect(&r, -4, -4);
    DrawFocusRect(item.hDC, &r);
  }
}

void TBitBtn::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam));
      m.Result = 1;
      return;
    case CN_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      item->itemWidth = static_cast<UINT>(Width());
      item->itemHeight = static_cast<UINT>(Height());
      m.Result = 1;
      return;
    }
    default:
      break;
  }
  TButton::WndProc(m);
}

}  // namespace classlib
