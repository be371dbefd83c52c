#include "classlib/controls/ComboBox.h"

#include "classlib/controls/CanvasPaintScope.h"

namespace classlib {

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner),
      items_(std::make_unique<TListControlStrings>(*this, kComboBoxMessages)),
      canvas_(std::make_unique<TCanvas>()) {
  ControlStyle() = TControlStyle{csSetCaption, csDoubleClicks, csFixedHeight};
  StoreBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TCustomComboBox::~TCustomComboBox() {
  editSubclass_.reset();
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (style_ == value) return;
  style_ = value;
  RecreateWnd();
}

int TCustomComboBox::WindowHeight(int height) const {
  // The height a combo box window is given includes its dropped list.
  if (style_ == csSimple) return height;
  return height + itemHeight_ * dropDownCount_ + 2;
}

void TCustomComboBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  CreateSubClass(p, L"COMBOBOX");
  p.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (style_) {
    case csDropDown: p.Style |= CBS_DROPDOWN; break;
    case csSimple: p.Style |= CBS_SIMPLE; break;
    case csDropDownList: p.Style |= CBS_DROPDOWNLIST; break;
    case csOwnerDrawFixed: p.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS; break;
    case csOwnerDrawVariable: p.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS; break;
  }
  p.Height = WindowHeight(p.Height);
}

void TCustomComboBox::CreateWindowDone() {
  HWND h = Handle();
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (GetComboBoxInfo(h, &info)) {
    listHandle_ = info.hwndList;
    editHandle_ = (style_ == csDropDown || style_ == csSimple) && info.hwndItem != h ? info.hwndItem : nullptr;
  }
  if (editHandle_)
    editSubclass_ = std::make_unique<TWindowSubclass>(editHandle_, [this](TMessage& m) { EditWndProc(m); });
  if (!OwnerDraw()) SendMessageW(h, CB_SETITEMHEIGHT, 0, itemHeight_);
  const std::wstring text = text_;
  items_->LoadIntoWindow(h);
  if (maxLength_) SendMessageW(h, CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  if (itemIndex_ < 0 && (style_ == csDropDown || style_ == csSimple)) SetWindowTextW(h, text.c_str());
}

void TCustomComboBox::DestroyWnd() {
  itemIndex_ = ItemIndex();
  editSubclass_.reset();
  editHandle_ = listHandle_ = nullptr;
  TWinControl::DestroyWnd();
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
  if (!HandleAllocated()) {
    TWinControl::SetBounds(left, top, width, height);
    return;
  }
  SetWindowPos(Handle(), nullptr, left, top, width, WindowHeight(height), SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateBounds();
}

int TCustomComboBox::ItemIndex() const {
  if (!HandleAllocated()) return itemIndex_;
  return static_cast<int>(SendMessageW(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int value) {
  if (value < -1 || value >= items_->Count()) value = -1;
  itemIndex_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
  else text_ = value >= 0 ? items_->Strings(value) : std::wstring();
}

void TCustomComboBox::SetItemHeight(int value) {
  if (value <= 0 || itemHeight_ == value) return;
  itemHeight_ = value;
  if (HandleAllocated()) {
    SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, value);
    if (OwnerDraw()) SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), value);
  }
}

void TCustomComboBox::SetDropDownCount(int value) {
  if (value <= 0 || dropDownCount_ == value) return;
  dropDownCount_ = value;
  if (HandleAllocated()) {
    const int h = Height();
    SetWindowPos(Handle(), nullptr, 0, 0, Width(), WindowHeight(h), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool TCustomComboBox::DroppedDown() const {
  return HandleAllocated() &&
         SendMessageW(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value) {
  SendMessageW(Handle(), CB_SHOWDROPDOWN, value ? TRUE : FALSE, 0);
}

void TCustomComboBox::SetMaxLength(int value) {
  if (value < 0) value = 0;
  maxLength_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomComboBox::Clear() {
  items_->Clear();
  itemIndex_ = -1;
  SetTextBuf(L"");
}

std::wstring TCustomComboBox::GetText() const {
  if (!HandleAllocated()) return text_;
  return TWinControl::GetText();
}

void TCustomComboBox::SetTextBuf(const std::wstring& value) {
  text_ = value;
  if (style_ == csDropDown || style_ == csSimple) {
    if (HandleAllocated()) SetWindowTextW(Handle(), value.c_str());
    return;
  }
  // A list-only combo shows an item: select the one with that text.
  const int index = items_->IndexOf(value);
  SetItemIndex(index);
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::Select() {
  if (OnSelect) OnSelect(this);
  else Change();
}

void TCustomComboBox::MeasureItem(int /*index*/, int& height) { height = itemHeight_; }

void TCustomComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  canvas_->Brush()->SetColor(state.Contains(odSelected) ? clHighlight : Color());
  canvas_->FillRect(rect);
  if (index < 0 || index >= items_->Count()) return;
  canvas_->Font()->SetColor(state.Contains(odSelected) ? clHighlightText : Font()->Color());
  canvas_->Brush()->SetStyle(bsClear);
  const std::wstring text = items_->Strings(index);
  canvas_->TextOut(rect.Left + 2, rect.Top + (rect.Height() - canvas_->TextHeight(text)) / 2, text);
}

void TCustomComboBox::EditWndProc(TMessage& m) { CallEditDefault(m); }

void TCustomComboBox::CallEditDefault(TMessage& m) {
  if (editSubclass_) editSubclass_->CallDefault(m);
}

void TCustomComboBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      switch (HIWORD(m.WParam)) {
        case CBN_SELCHANGE:
          itemIndex_ = ItemIndex();
          Click();
          Select();
          break;
        case CBN_EDITCHANGE: Change(); break;
        case CBN_DROPDOWN: DropDown(); break;
        case CBN_CLOSEUP: CloseUp(); break;
        default: break;
      }
      return;
    case CN_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      int height = itemHeight_;
      if (static_cast<int>(item->itemID) >= 0) MeasureItem(static_cast<int>(item->itemID), height);
      item->itemHeight = static_cast<UINT>(height);
      m.Result = 1;
      return;
    }
    case CN_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
      TOwnerDrawState state = TOwnerDrawState::FromMask(item->itemState);
      {
        TCanvasPaintScope scope(*canvas_, item->hDC);
        canvas_->SetFont(Font());
        canvas_->Brush()->SetColor(Color());
        DrawItem(static_cast<int>(item->itemID), FromRECT(item->rcItem), state);
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
