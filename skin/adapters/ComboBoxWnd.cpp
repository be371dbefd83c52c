#include "skin/adapters/ComboBoxWnd.h"

#include <algorithm>

#include "classlib/controls/ComboBox.h"
#include "classlib/controls/WinControl.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/AdapterKinds.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/HotWindow.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/SkinDataText.h"
#include "skin/core/MaskValue.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr UINT CM_MOUSEENTER_ = 0xB013;
constexpr UINT CM_MOUSELEAVE_ = 0xB014;
constexpr UINT CM_EXIT_ = 0xB01B;
constexpr UINT CN_COMMAND_ = 0xBD11;
constexpr int kFrameBand = 3;

LONG_PTR StyleOf(HWND wnd) { return GetWindowLongPtrW(wnd, GWL_STYLE); }
bool RightToLeft(HWND wnd) { return (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0; }
TComboKind KindOf(HWND wnd) { return ComboKindOf(static_cast<std::uint32_t>(StyleOf(wnd))); }

HWND OwnListOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

}  // namespace

bool& ComboDroppedDown() {
  static bool value = false;
  return value;
}

// --- TacComboBoxWnd

TacComboBoxWnd::~TacComboBoxWnd() {
  UndoBinding();
  FreeListAdapter(false);
  ButtonData.reset();
  if (listBrush_) DeleteObject(listBrush_);
  listBrush_ = nullptr;
}

void TacComboBoxWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                            TsCommonData* skinData) {
  TacEditWnd::Create(handle, repaint, skinSection, skinManager, skinData);
  InCtlColor = false;
  ButtonData = std::make_unique<TsCommonData>(nullptr, true);
  if (SkinManager) ButtonData->SetSkinManager(SkinManager);
  ButtonData->SetSkinSection(L"COMBOBTN");
}

void TacComboBoxWnd::GetButtonRect(RECT& r) {
  const SIZE size = WindowSize(CtrlHandle);
  const int width = ComboHasButton(static_cast<std::uint32_t>(StyleOf(CtrlHandle))) ? GetSystemMetrics(SM_CXVSCROLL)
                                                                                      : 0;
  const int left = RightToLeft(CtrlHandle) ? 2 : size.cx - width - 2;
  r = RECT{left, 2, left + width, size.cy - 2};
}

std::wstring TacComboBoxWnd::SelectedText() const {
  const LRESULT index = SendMessageW(CtrlHandle, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return Caption;
  // The length first: an item may be of any length.
  const LRESULT length = SendMessageW(CtrlHandle, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR || length <= 0) return std::wstring();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT read =
      SendMessageW(CtrlHandle, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(read == CB_ERR ? 0 : static_cast<std::size_t>(std::clamp<LRESULT>(read, 0, length)));
  return text;
}

void TacComboBoxWnd::PaintButton(HDC dc) {
  RECT b{};
  GetButtonRect(b);
  const int bw = b.right - b.left, bh = b.bottom - b.top;
  TBitmap* cache = SkinData->CacheBmp();
  if (bw <= 0 || bh <= 0 || !cache || cache->Empty() || !SkinManager || !SkinManager->Skin()) return;
  const int state = (ListWnd && IsWindowVisible(ListWnd)) ? 2
                    : (SkinData->IsHot() || IsHotWindow(CtrlHandle)) ? 1
                                                                    : 0;
  std::unique_ptr<TBitmap> scratch(paint::NewBitmap32(bw, bh));
  BitBlt(scratch->Canvas()->Handle(), 0, 0, bw, bh, cache->Canvas()->Handle(), b.left, b.top, SRCCOPY);
  const TacCacheInfo ci = MakeCacheInfo(scratch.get(), 0, 0);
  if (ButtonData->Section()) PaintSectionItem(*ButtonData, ci, true, state, TRect{0, 0, bw, bh}, TPoint{0, 0},
                                              scratch.get(), true);
  const int glyph = SkinManager->GetMaskIndex(ButtonData->SkinIndex, L"COMBOBTN", L"GLYPHMASK");
  if (glyph >= 0 && SkinManager->IsValidImgIndex(glyph)) {
    const TsMaskData& mask = SkinManager->Skin()->Masks[static_cast<std::size_t>(glyph)];
    const int gw = MaskFrameWidth(mask), gh = mask.Bmp || mask.R.Height() > 0 ? MaskFrameHeight(mask) : 16;
    paint::PaintMaskGlyph(scratch.get(), TPoint{(bw - gw) / 2, (bh - gh) / 2}, state, 1, mask, ci);
  }
  BitBlt(dc, b.left, b.top, bw, bh, scratch->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TacComboBoxWnd::RepaintButton() {
  if (!IsWindowVisible(CtrlHandle)) return;
  HDC dc = GetWindowDC(CtrlHandle);
  PaintButton(dc);
  ReleaseDC(CtrlHandle, dc);
}

void TacComboBoxWnd::PrepareSimpleCache() {
  const SIZE size = WindowSize(CtrlHandle);
  const int height = static_cast<int>(SendMessageW(CtrlHandle, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0)) + 8;
  SkinData->InitCacheBmp();
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache || size.cx <= 0) return;
  cache->SetSize(size.cx, height);
  const TColor border = SkinBorderColor(SkinManager);
  if (DlgMode && border != kSkinKeyColor) {
    paint::FillRectColor(cache->Canvas()->Handle(), TRect{0, 0, size.cx, height}, clWindow);
    paint::FillFrameColor(cache->Canvas()->Handle(), TRect{0, 0, size.cx, height}, paint::TFrameWidths{1, 1, 1, 1},
                          border);
  } else {
    TacCacheInfo ci = EmptyCacheInfo;
    GetParentCacheHwnd(CtrlHandle, ci);
    PaintSectionItem(*SkinData, ci, true, SkinData->IsHot() ? 1 : 0, TRect{0, 0, size.cx, height},
                     TPoint{WndPos.x, WndPos.y}, cache, true);
  }
  SkinData->BGChanged = false;
}

void TacComboBoxWnd::PaintListText() {
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache || KindOf(CtrlHandle) != TComboKind::DropDownList) return;
  RECT b{};
  GetButtonRect(b);
  const SIZE size = WindowSize(CtrlHandle);
  RECT r = RightToLeft(CtrlHandle) ? RECT{b.right, kFrameBand, size.cx - kFrameBand, size.cy - kFrameBand}
                                   : RECT{kFrameBand, kFrameBand, b.left, size.cy - kFrameBand};
  TCanvas* canvas = cache->Canvas();
  if (TControl* owner = SkinData->OwnerControl()) canvas->SetFont(owner->Font());
  else SetSystemFont(canvas, 5);
  const std::wstring text = SelectedText();
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (RightToLeft(CtrlHandle) ? DT_RTLREADING | DT_RIGHT : 0);
  if (GetFocus() == CtrlHandle) {
    paint::FillRectColor(canvas->Handle(), TRect{r.left, r.top, r.right, r.bottom}, clHighlight);
    OffsetRect(&r, 1, 1);
    SetBkMode(canvas->Handle(), TRANSPARENT);
    SetTextColor(canvas->Handle(), static_cast<COLORREF>(ColorToRGB(clHighlightText)));
    DrawTextW(canvas->Handle(), text.c_str(), static_cast<int>(text.size()), &r, flags);
    OffsetRect(&r, -1, -1);
    DrawFocusRect(canvas->Handle(), &r);
  } else {
    canvas->Brush()->SetStyle(bsClear);
    PaintSkinDataText(canvas, text, IsWindowEnabled(CtrlHandle) != FALSE, false, *SkinData, flags,
                      TRect{r.left, r.top, r.right, r.bottom});
  }
}

void TacComboBoxWnd::PrintFace(HDC dc) {
  MeasureGeometry();
  if (!ParamsChanged) {
    SkinData->SetUpdating(true);
    ApplySkinParams();
    SkinData->SetUpdating(false);
  }
  if (Destroyed) return;
  SkinData->BGChanged = true;
  if (KindOf(CtrlHandle) == TComboKind::Simple) PrepareSimpleCache();
  else PrepareAdapterCache(SkinData, CtrlHandle, DlgMode);
  PaintListText();
  FillCacheCorners(SkinData, 0, this);
  CopyCacheTo(SkinData, dc);
  PaintButton(dc);
}

HBRUSH TacComboBoxWnd::BrushOf(TColor colour) {
  if (!listBrush_ || listBrushColour_ != colour) {
    if (listBrush_) DeleteObject(listBrush_);
    listBrush_ = CreateSolidBrush(static_cast<COLORREF>(colour));
    listBrushColour_ = colour;
  }
  return listBrush_;
}

void TacComboBoxWnd::CtlColorListBox(TMessage& message) {
  InCtlColor = true;
  TacEditWnd::AdapterWndProc(message);
  InCtlColor = false;
  const auto list = reinterpret_cast<HWND>(message.LParam);
  // Only the combo's own list is taken: a handle from anywhere else is
  // answered as the combo answers it and never adapted.
  if (!list || list != OwnListOf(CtrlHandle)) return;
  if (!ListWnd) {
    ListWnd = list;
    if (!ListAdapter) {
      const bool raw = !SkinData->OwnerControl();
      const bool saved = AdapterDialogChildren();
      if (raw) AdapterDialogChildren() = DlgMode;
      ListAdapter = MakeComboListAdapter(list, KindOf(CtrlHandle) == TComboKind::Simple,
                                         SendMessageW(CtrlHandle, CB_GETCOUNT, 0, 0) > 0, L"EDIT", SkinManager,
                                         nullptr);
      if (raw) AdapterDialogChildren() = saved;
    }
  }
  std::int32_t index = -1;
  SendSkinCommandToWnd(ListWnd, scGetSkinIndex, reinterpret_cast<LPARAM>(&index));
  if (DlgMode || !SkinManager || !SkinManager->IsValidSkinIndex(index)) return;
  const TsGeneralData& section = SkinManager->Skin()->Sections[static_cast<std::size_t>(index)];
  auto dc = reinterpret_cast<HDC>(message.WParam);
  const TColor font = section.Props[0].FontColor;
  if (font != clNone && font != -1) SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(font)));
  const TColor colour = ColorToRGB(section.Props[0].Color);
  SetBkColor(dc, static_cast<COLORREF>(colour));
  message.Result = reinterpret_cast<LRESULT>(BrushOf(colour));
}

void TacComboBoxWnd::FreeListAdapter(bool restoreFrame) {
  if (restoreFrame && ListWnd && IsWindow(ListWnd)) {
    const LONG_PTR style = GetWindowLongPtrW(ListWnd, GWL_STYLE);
    SetWindowLongPtrW(ListWnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(WS_THICKFRAME)) | WS_BORDER);
  }
  if (ListAdapter) {
    TacScrollWnd* adapter = ListAdapter;
    ListAdapter = nullptr;
    DetachScrollBars(ListWnd, true, false, adapter);
  }
  ListWnd = nullptr;
}

void TacComboBoxWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacEditWnd::AdapterWndProc(message);
    return;
  }
  if (message.Msg == SkinCommandMessage) {
    const std::uint16_t code = SkinCommandCode(message.WParam);
    const bool own = message.LParam == reinterpret_cast<LPARAM>(SkinManager);
    TacEditWnd::AdapterWndProc(message);
    if (code == scRemoveSkin && own) {
      FreeListAdapter(true);
    } else if ((code == scNewSkin || code == scRefresh) && own) {
      if (ButtonData) ButtonData->UpdateIndexes();
    } else if (code == scMouseEnter || code == scMouseLeave) {
      RepaintButton();
    }
    return;
  }
  switch (message.Msg) {
    case WM_CTLCOLORLISTBOX:
      if (InCtlColor) break;
      CtlColorListBox(message);
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_PAINT: {
      if (!IsWindowVisible(CtrlHandle) && !(SkinData->CtrlSkinState & StatePrinting)) break;
      if (!ParamsChanged) ApplySkinParams();
      MeasureGeometry();
      const auto given = reinterpret_cast<HDC>(message.WParam);
      CallPrev(message);
      HDC dc = given ? given : GetWindowDC(CtrlHandle);
      if (KindOf(CtrlHandle) == TComboKind::Simple) {
        PrepareSimpleCache();
      } else {
        SkinData->BGChanged = true;
        PrepareAdapterCache(SkinData, CtrlHandle, DlgMode);
        FillCacheCorners(SkinData, 0, this);
      }
      if (TBitmap* cache = SkinData->CacheBmp(); cache && !cache->Empty()) {
        const SIZE size = WindowSize(CtrlHandle);
        paint::CopyFrameBits(dc, 0, 0, size.cx, KindOf(CtrlHandle) == TComboKind::Simple ? cache->Height() : size.cy,
                             cache->Canvas()->Handle(), 0, 0, kFrameBand);
        if (KindOf(CtrlHandle) != TComboKind::Simple) PaintButton(dc);
      }
      if (!given) ReleaseDC(CtrlHandle, dc);
      return;
    }
    case WM_PRINT:
      PrintFace(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_EXIT_: {
      auto* owner = dynamic_cast<TWinControl*>(SkinData->OwnerControl());
      SkinData->FFocused = owner && owner->HandleAllocated() && GetFocus() &&
                           (GetFocus() == owner->Handle() || IsChild(owner->Handle(), GetFocus()));
      SkinData->BGChanged = true;
      CallPrev(message);
      if (GetSkinHotState(SkinData) == 1 && owner && owner->CanFocus() && owner->TabStop())
        SendMessageW(owner->Handle(), WM_NCPAINT, 0, 0);
      RepaintButton();
      return;
    }
    case CM_MOUSEENTER_:
      if (SkinData->FMouseAbove) break;
      SkinData->FMouseAbove = true;
      SkinData->BGChanged = true;
      TacEditWnd::AdapterWndProc(message);
      if (TControl* owner = SkinData->OwnerControl()) owner->Repaint();
      return;
    case CM_MOUSELEAVE_: {
      if (!SkinData->FMouseAbove) break;
      SkinData->FFocused = GetFocus() == CtrlHandle || (GetFocus() && IsChild(CtrlHandle, GetFocus()));
      RECT r{};
      GetWindowRect(CtrlHandle, &r);
      POINT cursor{};
      GetCursorPos(&cursor);
      if (PtInRect(&r, cursor)) break;
      SkinData->FMouseAbove = false;
      SkinData->BGChanged = true;
      TacEditWnd::AdapterWndProc(message);
      if (TControl* owner = SkinData->OwnerControl()) owner->Repaint();
      return;
    }
    case WM_COMMAND:
    case CN_COMMAND_:
      if (message.Msg == WM_COMMAND && KindOf(CtrlHandle) != TComboKind::DropDown) break;
      if (HIWORD(message.WParam) == CBN_DROPDOWN) {
        ComboDroppedDown() = true;
      } else if (HIWORD(message.WParam) == CBN_CLOSEUP) {
        ComboDroppedDown() = false;
        SkinData->BGChanged = true;
        RepaintButton();
      }
      break;
    case WM_DRAWITEM:
      CallPrev(message);
      if (TControl* owner = SkinData->OwnerControl()) owner->Repaint();
      return;
    case WM_NCCALCSIZE:
      TacEditWnd::AdapterWndProc(message);
      MarginLeft = kFrameBand;
      return;
    case WM_LBUTTONUP:
      TacEditWnd::AdapterWndProc(message);
      RepaintButton();
      return;
    default:
      break;
  }
  TacEditWnd::AdapterWndProc(message);
}

// --- TacWWComboBoxWnd

TacWWComboBoxWnd::~TacWWComboBoxWnd() {
  UndoBinding();
  EditData.reset();
}

void TacWWComboBoxWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                              TsCommonData* skinData) {
  TacComboBoxWnd::Create(handle, repaint, skinSection, skinManager, skinData);
  const auto* combo = dynamic_cast<const TComboBox*>(SkinData->OwnerControl());
  HasButton = !combo || combo->Style() == csDropDown || combo->Style() == csDropDownList;
}

void TacWWComboBoxWnd::GetButtonRect(RECT& r) {
  const SIZE size = WindowSize(CtrlHandle);
  const int width = HasButton ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  const int left = RightToLeft(CtrlHandle) ? 2 : size.cx - width - 2;
  r = RECT{left, 2, left + width, size.cy - 2};
}

void TacWWComboBoxWnd::AdapterWndProc(TMessage& message) {
  if (message.Msg == WM_CTLCOLORLISTBOX) {
    CallPrev(message);
    return;
  }
  TacComboBoxWnd::AdapterWndProc(message);
}

}  // namespace skin::adapters
