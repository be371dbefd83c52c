#include "classlib/controls/ListBox.h"

#include "classlib/controls/CanvasPaintScope.h"

namespace classlib {

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner),
      items_(std::make_unique<TListControlStrings>(*this, kListBoxMessages)),
      canvas_(std::make_unique<TCanvas>()) {
  ControlStyle() = TControlStyle{csSetCaption, csDoubleClicks};
  StoreBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  CreateSubClass(p, L"LISTBOX");
  p.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
  if (style_ == lbOwnerDrawFixed) p.Style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
  if (style_ == lbOwnerDrawVariable) p.Style |= LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
  if (borderStyle_ == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWindowDone() {
  HWND h = Handle();
  items_->LoadIntoWindow(h);
  if (style_ != lbStandard) SendMessageW(h, LB_SETITEMHEIGHT, 0, itemHeight_);
  SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TCustomListBox::DestroyWnd() {
  itemIndex_ = ItemIndex();
  TWinControl::DestroyWnd();
}

int TCustomListBox::ItemIndex() const {
  if (!HandleAllocated()) return itemIndex_;
  return static_cast<int>(SendMessageW(const_cast<TCustomListBox*>(this)->Handle(), LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int value) {
  if (value < -1 || value >= items_->Count()) value = -1;
  itemIndex_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TCustomListBox::SetStyle(TListBoxStyle value) {
  if (style_ == value) return;
  style_ = value;
  RecreateWnd();
}

void TCustomListBox::SetItemHeight(int value) {
  if (value <= 0 || itemHeight_ == value) return;
  itemHeight_ = value;
  if (HandleAllocated() && style_ != lbStandard) SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, value);
}

void TCustomListBox::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

int TCustomListBox::TopIndex() const {
  return HandleAllocated()
             ? static_cast<int>(SendMessageW(const_cast<TCustomListBox*>(this)->Handle(), LB_GETTOPINDEX, 0, 0))
             : 0;
}

void TCustomListBox::SetTopIndex(int value) {
  if (HandleAllocated()) SendMessageW(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(value), 0);
}

void TCustomListBox::Clear() {
  items_->Clear();
  itemIndex_ = -1;
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  canvas_->Brush()->SetColor(state.Contains(odSelected) ? clHighlight : Color());
  canvas_->FillRect(rect);
  if (index < 0 || index >= items_->Count()) return;
  canvas_->Font()->SetColor(state.Contains(odSelected) ? clHighlightText : Font()->Color());
  canvas_->Brush()->SetStyle(bsClear);
  canvas_->TextOut(rect.Left + 2, rect.Top, items_->Strings(index));
}

void TCustomListBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == LBN_SELCHANGE) {
        itemIndex_ = ItemIndex();
        Click();
      } else if (HIWORD(m.WParam) == LBN_DBLCLK) {
        DblClick();
      }
      return;
    case WM_LBUTTONDBLCLK:
      // LBN_DBLCLK runs DblClick: keep the generic handler from running it too.
      DefaultHandler(m);
      return;
    case CN_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->itemHeight = static_cast<UINT>(itemHeight_);
      m.Result = 1;
      return;
    case CN_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
      {
        TCanvasPaintScope scope(*canvas_, item->hDC);
        canvas_->SetFont(Font());
        DrawItem(static_cast<int>(item->itemID), FromRECT(item->rcItem), TOwnerDrawState::FromMask(item->itemState));
      }
      m.Result = 1;
      return;
    }
    default:
      break;
  }
  TWinControl::WndProc(m);
}

}  // namespace classlib
