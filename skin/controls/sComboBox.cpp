#include "skin/controls/sComboBox.h"

#include <algorithm>

#include "classlib/controls/CanvasPaintScope.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/HotTracking.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/DisabledKind_Gdi.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

TsComboListLinkMaker& LinkMaker() {
  static TsComboListLinkMaker maker;
  return maker;
}

// A new 32-bit bitmap of the size, owned by the caller.
std::unique_ptr<TBitmap> Owned32(int width, int height) {
  return std::unique_ptr<TBitmap>(paint::NewBitmap32(width, height));
}

// Keys a read-only combo ignores: space to the arrows, the 9 key, the
// letters and F4 (each would change or drop down the selection).
bool ReadOnlyKey(WPARAM key) {
  return (key >= 0x20 && key <= 0x28) || key == 0x39 || (key >= 0x41 && key <= 0x5A) || key == VK_F4;
}

const TsGeneralData* SectionByName(const TsSkinManager* manager, const wchar_t* name) {
  if (!manager) return nullptr;
  const int index = manager->GetSkinIndex(name);
  return manager->IsValidSkinIndex(index) ? &manager->Skin()->Sections[static_cast<std::size_t>(index)] : nullptr;
}

// How many items the dropped list shows at least (themed lists only).
constexpr UINT kSetMinVisible = 0x1701;

// Visual themes are on: asked of the theme library, which may be missing.
bool VisualThemesActive() {
  using IsThemeActiveFn = BOOL(WINAPI*)();
  static const IsThemeActiveFn isThemeActive = [] {
    HMODULE module = LoadLibraryW(L"uxtheme.dll");
    return module ? reinterpret_cast<IsThemeActiveFn>(reinterpret_cast<void*>(GetProcAddress(module, "IsThemeActive")))
                  : nullptr;
  }();
  return isThemeActive && isThemeActive();
}

}  // namespace

void SetComboListLinkMaker(TsComboListLinkMaker maker) { LinkMaker() = std::move(maker); }

TsComboBox::TsComboBox(TComponent* owner)
    : TsSkinnedControl(owner), boundLabel_(std::make_unique<TsBoundLabel>(SkinData())) {
  SetDropDownCount(16);
}

TsComboBox::~TsComboBox() {
  ForgetList(true);
  boundLabel_.reset();
}

void TsComboBox::ForgetList(bool restoreBorder) {
  if (adaptedList_ && restoreBorder && IsWindow(adaptedList_)) {
    const LONG_PTR style = GetWindowLongPtrW(adaptedList_, GWL_STYLE);
    SetWindowLongPtrW(adaptedList_, GWL_STYLE, (style | WS_BORDER) & ~static_cast<LONG_PTR>(WS_THICKFRAME));
  }
  listLink_.reset();
  adaptedList_ = nullptr;
}

void TsComboBox::SetDropDownCount(int value) {
  if (value == DropDownCount()) return;
  TsSkinnedControl::SetDropDownCount(value);
  if (HandleAllocated() && VisualThemesActive())
    SendMessageW(Handle(), kSetMinVisible, static_cast<WPARAM>(DropDownCount()), 0);
}

void TsComboBox::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  RepaintClosedBox();
}

void TsComboBox::SetDisabledKind(TsDisabledKind value) {
  if (disabledKind_ == value) return;
  disabledKind_ = value;
  RepaintClosedBox();
}

void TsComboBox::Loaded() {
  TsSkinnedControl::Loaded();
  if (boundLabel_->Label()) boundLabel_->AlignLabel();
}

void TsComboBox::CreateParams(TCreateParams& params) {
  TsSkinnedControl::CreateParams(params);
  // The selected item is always drawn here, whatever the style.
  if (Style() == csDropDown || Style() == csDropDownList) params.Style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
}

void TsComboBox::CreateWindowDone() {
  TsSkinnedControl::CreateWindowDone();
  KeepItemHeight();
  if (VisualThemesActive()) SendMessageW(Handle(), kSetMinVisible, static_cast<WPARAM>(DropDownCount()), 0);
  SkinData()->Loaded();
}

void TsComboBox::KeepItemHeight() {
  if (!HandleAllocated() || (Style() != csDropDown && Style() != csDropDownList)) return;
  // The system measures the owner-drawn box while its window is made and
  // again for each new font, from the font: the control's item height is
  // given back to the box and to the list.
  SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ItemHeight());
  SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, ItemHeight());
  UpdateBounds();
}

TRect TsComboBox::ButtonRect() const {
  const int width = Style() == csSimple || !showButton_ ? 0 : GetSystemMetrics(SM_CXVSCROLL) + 1;
  if (width == 0) return TRect{0, 0, 0, 0};
  const int left = UseRightToLeftAlignment() ? 2 : Width() - width - 2;
  return TRect{left, 2, left + width, Height() - 2};
}

// --- Painting

void TsComboBox::RepaintClosedBox() {
  SkinData()->BGChanged = true;
  if (HandleAllocated() && IsWindowVisible(Handle())) {
    HDC dc = GetDC(Handle());
    if (SkinData()->Skinned()) PaintClosedBox(dc);
    ReleaseDC(Handle(), dc);
    if (!SkinData()->Skinned()) InvalidateRect(Handle(), nullptr, TRUE);
  }
}

void TsComboBox::PaintClosedBox(HDC dc) {
  TsCommonData& data = *SkinData();
  if (data.Updating()) return;
  if (data.BGChanged || !data.CacheBmp() || data.CacheBmp()->Width() != Width()) PrepareCache();
  BitBlt(dc, 0, 0, Width(), Height(), data.CacheBmp()->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TsComboBox::PrepareCache() {
  TsCommonData& data = *SkinData();
  data.InitCacheBmp();
  TBitmap* cache = data.CacheBmp();
  TacCacheInfo ci;
  GetParentCache(&data, ci);
  const int state = data.FFocused || data.IsHot() ? 1 : 0;
  const int height = Style() == csSimple ? ItemHeight() + 6 : Height();
  PaintSectionItem(data, ci, true, state, TRect{0, 0, Width(), std::min(height, Height())}, TPoint{0, 0}, cache,
                   false);
  if (Style() != csSimple) {
    const TRect button = ButtonRect();
    const int index = ItemIndex();
    // Nothing to draw while no item of the list is chosen (an empty list
    // at start): the box shows its background alone.
    if (index >= 0 && index < Items()->Count()) {
      TOwnerDrawState itemState = TOwnerDrawState{odComboBoxEdit};
      const bool focused = data.FFocused || (HandleAllocated() && GetFocus() == Handle());
      if (focused && Style() != csDropDown) itemState.Include(odFocused).Include(odSelected);
      const int right = button.Width() > 0 && !UseRightToLeftAlignment() ? button.Left : Width() - 3;
      const int left = button.Width() > 0 && UseRightToLeftAlignment() ? button.Right : 3;
      TCanvasPaintScope scope(*Canvas(), cache->Canvas()->Handle());
      Canvas()->SetFont(Font());
      DrawItem(index, TRect{left, 3, right, Height() - 3}, itemState);
    }
    if (button.Width() > 0) PaintButton(cache);
  }
  if (!Enabled()) {
    GdiFlush();
    paint::ApplyDisabledKind(cache, disabledKind_, GetControlColor(Parent()), ci, TPoint{0, 0});
  }
  GdiFlush();  // the cache's pixels are read next
  data.BGChanged = false;
}

void TsComboBox::PaintButton(TBitmap* cache) {
  TsSkinManager* manager = SkinData()->SkinManager();
  if (!manager) return;
  const TRect r = ButtonRect();
  const int state = dropped_ ? 2 : SkinData()->IsHot() ? 1 : 0;
  const HDC cacheDC = cache->Canvas()->Handle();
  if (SectionByName(manager, L"COMBOBTN")) {
    auto face = Owned32(r.Width(), r.Height());
    paint::PaintSectionItemByName(face.get(), L"COMBOBTN", L"", state, manager, TPoint{r.Left, r.Top}, 0xFF00FF, cacheDC);
    BitBlt(cacheDC, r.Left, r.Top, r.Width(), r.Height(), face->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  const int glyph = manager->ConstData().ComboBoxGlyph;
  if (!manager->IsValidImgIndex(glyph)) return;
  const TsMaskData& mask = manager->Skin()->Masks[static_cast<std::size_t>(glyph)];
  const int frameWidth = mask.R.Width() / std::max<int>(1, mask.ImageCount);
  const int frameHeight = mask.R.Height() / (mask.MaskType + 1);
  GdiFlush();
  paint::PaintMaskGlyph(cache, TPoint{r.Left + (r.Width() - frameWidth) / 2, r.Top + (r.Height() - frameHeight) / 2},
                        state, 1, mask, MakeCacheInfo(cache, 0, 0));
}

void TsComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  TCanvas& canvas = *Canvas();
  const int w = rect.Width(), h = rect.Height();
  if (w < 1 || h < 1) return;
  TsCommonData& data = *SkinData();
  TsSkinManager* manager = data.Skinned() ? data.SkinManager() : nullptr;
  auto work = Owned32(w, h);
  TCanvas& wc = *work->Canvas();
  const bool selected = state.Contains(odSelected);
  const TsGeneralData* selection = SectionByName(manager, L"SELECTION");
  TColor textColour = Font()->Color();
  if (!manager) {
    wc.Brush()->SetColor(selected ? clHighlight : Color());
    wc.FillRect(TRect{0, 0, w, h});
    textColour = selected ? ColorToRGB(clHighlightText) : ColorToRGB(Font()->Color());
  } else if (state.Contains(odComboBoxEdit)) {
    // Over the closed box's image.
    BitBlt(wc.Handle(), 0, 0, w, h, canvas.Handle(), rect.Left, rect.Top, SRCCOPY);
  } else {
    // Over the list's background, which the list takes from EDIT.
    const TsGeneralData* edit = SectionByName(manager, L"EDIT");
    wc.Brush()->SetColor(edit ? edit->Props[0].Color : ColorToRGB(Color()));
    wc.FillRect(TRect{0, 0, w, h});
  }
  if (manager && selected) {
    if (selection)
      paint::PaintSectionItemByName(work.get(), L"SELECTION", L"", 0, manager, TPoint{0, 0}, 0xFF00FF, wc.Handle());
    else {
      wc.Brush()->SetColor(manager->GetHighlightColor(false));
      wc.FillRect(TRect{0, 0, w, h});
    }
    textColour = manager->GetHighlightFontColor(false);
  } else if (manager) {
    textColour = manager->GetEditFontColor();
  }
  if (state.Contains(odFocused) && !(manager && selection)) {
    RECT focus{0, 0, w, h};
    DrawFocusRect(wc.Handle(), &focus);
  }
  if (index >= 0 && index < Items()->Count()) {
    const std::wstring text = Items()->Strings(index);
    wc.SetFont(Font());
    wc.Font()->SetColor(textColour);
    SetBkMode(wc.Handle(), TRANSPARENT);
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    flags |= alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
    if (UseRightToLeftReading()) flags |= DT_RTLREADING;
    RECT tr{4, 0, w - 4, h};
    DrawTextW(wc.Handle(), text.c_str(), static_cast<int>(text.size()), &tr, flags);
  }
  BitBlt(canvas.Handle(), rect.Left, rect.Top, w, h, wc.Handle(), 0, 0, SRCCOPY);
}

// --- Messages

bool TsComboBox::Swallowed(const TMessage& m) const {
  if (!readOnly_) return false;
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
    case CN_SYSCHAR:
      return ReadOnlyKey(m.WParam);
    case WM_CHAR:
    case CN_CHAR:
      return true;
    case WM_COMMAND:
    case CN_COMMAND:
      return HIWORD(m.WParam) == CBN_DROPDOWN;
    default:
      return false;
  }
}

bool TsComboBox::HandleSkinCommand(TMessage& m) {
  TsCommonData& data = *SkinData();
  const bool own = m.LParam == reinterpret_cast<LPARAM>(data.SkinManager());
  switch (SkinCommandCode(m.WParam)) {
    case scEndUpdate:
      if (!data.OwnUpdating()) return false;
      data.SetUpdating(false);
      RepaintClosedBox();
      return true;
    case scNewSkin:
      if (!own) return false;
      CommonWndProc(m, &data);
      data.UpdateControlColors(false);
      if (listLink_) listLink_->SkinMessage(m);
      RepaintClosedBox();
      return true;
    case scRemoveSkin:
      if (!own) return false;
      CommonWndProc(m, &data);
      if (!data.CustomColor()) SetColor(clWindow);
      if (!data.CustomFont()) Font()->SetColor(clWindowText);
      ForgetList(true);
      if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
      return true;
    case scRefresh:
      if (!own) return false;
      CommonWndProc(m, &data);
      RepaintClosedBox();
      return true;
    case scMouseLeave:
      Perform(CM_MOUSELEAVE, 0, 0);
      m.Result = 0;
      return true;
    default:
      return false;
  }
}

bool TsComboBox::HandleSkinned(TMessage& m) {
  TsCommonData& data = *SkinData();
  switch (m.Msg) {
    case WM_PRINT:
      data.SetUpdating(false);
      PaintClosedBox(reinterpret_cast<HDC>(m.WParam));
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      PaintClosedBox(m.WParam ? reinterpret_cast<HDC>(m.WParam) : dc);
      EndPaint(Handle(), &ps);
      return true;
    }
    case WM_NCPAINT:
      return true;
    case WM_SETFOCUS:
    case CM_ENTER:
      data.FFocused = true;
      data.FMouseAbove = false;
      TsSkinnedControl::WndProc(m);
      RepaintClosedBox();
      return true;
    case WM_KILLFOCUS:
    case CM_EXIT:
      if (dropped_ && HandleAllocated()) SetDroppedDown(false);
      data.FFocused = false;
      data.FMouseAbove = false;
      TsSkinnedControl::WndProc(m);
      RepaintClosedBox();
      return true;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      const bool entering = m.Msg == CM_MOUSEENTER;
      if (dropped_ || ComponentState().Contains(csDesigning) || entering == data.FMouseAbove) break;
      if (!entering && HandleAllocated()) {
        POINT p;
        GetCursorPos(&p);
        RECT r;
        GetWindowRect(Handle(), &r);
        if (PtInRect(&r, p)) return true;  // still over the box (its inner edit)
      }
      // One hot control across the program: the manager's.
      if (entering && HandleAllocated()) SetActiveControl(Handle());
      data.FMouseAbove = entering;
      RepaintClosedBox();
      TsSkinnedControl::WndProc(m);
      return true;
    }
    case WM_COMMAND:
      dropped_ = false;
      data.BGChanged = true;
      break;
    case WM_CTLCOLORLISTBOX:
      if (!ComponentState().Contains(csLoading) && !adaptedList_ && LinkMaker()) {
        adaptedList_ = reinterpret_cast<HWND>(m.LParam);
        listLink_ = LinkMaker()(adaptedList_, Style() == csSimple, data.SkinManager());
      }
      break;
    case CN_COMMAND:
      if (HIWORD(m.WParam) == CBN_DROPDOWN) dropped_ = true;
      if (HIWORD(m.WParam) == CBN_CLOSEUP) {
        dropped_ = false;
        TsSkinnedControl::WndProc(m);
        RepaintClosedBox();
        return true;
      }
      break;
    case WM_SETFONT:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_BASE + 0x43:
      data.BGChanged = true;
      break;
    default:
      break;
  }
  return false;
}

void TsComboBox::AfterMessage(const TMessage& m) {
  if (m.Msg == SkinCommandMessage && SkinCommandCode(m.WParam) == scMenuChanged) return;
  switch (m.Msg) {
    case CM_FONTCHANGED:
    case WM_SETFONT:
    case CM_ENABLEDCHANGED:
    case CB_SETCURSEL:
    case CM_TEXTCHANGED:
    case CM_CHANGED:
      if (SkinData()->Skinned()) RepaintClosedBox();
      break;
    default:
      break;
  }
  if (!boundLabel_->Label()) return;
  switch (m.Msg) {
    case CM_VISIBLECHANGED: boundLabel_->Label()->SetVisible(Visible()); break;
    case CM_ENABLEDCHANGED: boundLabel_->Label()->SetEnabled(Enabled()); break;
    case CM_BIDIMODECHANGED: boundLabel_->Label()->SetBiDiMode(BiDiMode()); break;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: break;
    default: return;
  }
  boundLabel_->AlignLabel();
}

void TsComboBox::WndProc(TMessage& m) {
  if (m.Msg == SkinCommandMessage && HandleSkinCommand(m)) return;
  if (Swallowed(m)) {
    m.Result = 0;
    return;
  }
  if (readOnly_ && (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK)) {
    // The value can be looked at and focused, never opened or changed.
    if (HandleAllocated() && GetFocus() != Handle() && CanFocus()) SetFocus();
    if (m.Msg == WM_LBUTTONDBLCLK) DblClick();
    m.Result = 0;
    return;
  }
  if (SkinData()->Skinned() && HandleAllocated() && HandleSkinned(m)) {
    AfterMessage(m);
    return;
  }
  // Command 14 answers whether the list is down.
  if (m.Msg == SkinCommandMessage && SkinCommandCode(m.WParam) == scMenuChanged) {
    m.Result = dropped_ ? 1 : 0;
    return;
  }
  TsSkinnedControl::WndProc(m);
  // A new font makes the system measure the box again from the font; the
  // item height the control was given stays.
  if (m.Msg == WM_SETFONT) KeepItemHeight();
  AfterMessage(m);
}

bool TsComboBox::EditEditable() const {
  return HandleAllocated() && GetFocus() == EditHandle() && Enabled() && !readOnly_;
}

void TsComboBox::EditWndProc(TMessage& m) {
  if (readOnly_) {
    switch (m.Msg) {
      case WM_KEYDOWN:
      case WM_KEYUP:
      case WM_CHAR:
      case WM_SYSKEYUP:
      case WM_CUT:
      case WM_PASTE:
      case WM_CLEAR:
      case WM_UNDO:
      case CN_KEYDOWN:
      case CN_CHAR:
      case CN_SYSKEYDOWN:
      case CN_SYSCHAR:
        m.Result = 0;
        return;
      default:
        break;
    }
  }
  if (SkinData()->Skinned() && Style() != csSimple && !EditEditable()) {
    // The closed box shows the text; the edit stays out of sight until typed in.
    if (m.Msg == WM_PAINT) {
      PAINTSTRUCT ps;
      BeginPaint(EditHandle(), &ps);
      EndPaint(EditHandle(), &ps);
      m.Result = 0;
      return;
    }
    if (m.Msg == WM_ERASEBKGND || m.Msg == WM_NCPAINT) {
      m.Result = 1;
      return;
    }
  }
  TsSkinnedControl::EditWndProc(m);
}

}  // namespace skin
