#include "skin/adapters/ToolBarWnd.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/AdapterPaint.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/MaskValue.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/DisabledKind_Gdi.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

TsSkinManager* Default() { return TsSkinManager::DefaultManager(); }

int SectionIndex(const wchar_t* name) {
  TsSkinManager* m = Default();
  return m ? m->GetSkinIndex(name) : -1;
}

const TsMaskData* MaskOf(TsSkinManager* manager, int index) {
  if (!manager || !manager->IsValidImgIndex(index)) return nullptr;
  const TsMaskData& mask = manager->Skin()->Masks[static_cast<std::size_t>(index)];
  return MaskFrameWidth(mask) > 0 && MaskFrameHeight(mask) > 0 ? &mask : nullptr;
}

// The caption split at the last word that fits the width: the first line
// and the rest (empty when everything fits or no word boundary fits).
std::pair<std::wstring, std::wstring> SplitCaption(HDC dc, const std::wstring& text, int width) {
  auto fits = [&](std::size_t n) {
    SIZE s{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(n), &s);
    return s.cx <= width;
  };
  if (fits(text.size())) return {text, L""};
  std::size_t cut = std::wstring::npos;
  for (std::size_t i = text.find(L' '); i != std::wstring::npos; i = text.find(L' ', i + 1)) {
    if (!fits(i)) break;
    cut = i;
  }
  if (cut == std::wstring::npos) return {text, L""};
  return {text.substr(0, cut), text.substr(cut + 1)};
}

void DividerInto(TBitmap* target, const TRect& r) {
  TsSkinManager* manager = Default();
  const int divider = SectionIndex(L"DIVIDER");
  if (divider < 0 || r.IsEmpty()) return;
  if (!MaskOf(manager, manager->GetMaskIndex(divider, L"DIVIDER", L"BORDERSMASK"))) return;
  paint::PaintSectionItemByIndex(divider, L"DIVIDER", MakeCacheInfo(target, 0, 0), true, 0, r, TPoint{r.Left, r.Top},
                                 target, manager, paint::TStateTextures{});
}

}  // namespace

std::wstring ToolButtonText(HWND toolBar, int commandId) {
  const LRESULT length = SendMessageW(toolBar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(commandId), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT read = SendMessageW(toolBar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(commandId),
                                    reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(read, 0, length)));
  return text;
}

std::vector<std::wstring> StatusBarTexts(HWND statusBar) {
  auto read = [&](WPARAM part) {
    const LRESULT info = SendMessageW(statusBar, SB_GETTEXTLENGTHW, part, 0);
    const std::size_t length = LOWORD(info);
    std::wstring text(length + 1, L'\0');
    // SB_GETTEXT has no capacity: the buffer holds the length just asked.
    SendMessageW(statusBar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::min(length, std::wcslen(text.c_str())));
    return text;
  };
  if (SendMessageW(statusBar, SB_ISSIMPLE, 0, 0)) {
    // Some systems answer the simple text only for a part that exists.
    std::wstring text = read(SB_SIMPLEID);
    return {text.empty() ? read(0) : text};
  }
  const int count = static_cast<int>(SendMessageW(statusBar, SB_GETPARTS, 0, 0));
  std::vector<std::wstring> texts;
  for (int i = 0; i < std::clamp(count, 0, 256); ++i) texts.push_back(read(static_cast<WPARAM>(i)));
  return texts;
}

// --- TacToolBarWnd

void TacToolBarWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                           TsCommonData* skinData) {
  TacMainWnd::Create(handle, repaint, skinSection.empty() ? std::wstring(L"BAR") : skinSection, skinManager,
                     skinData);
}

bool TacToolBarWnd::UpdatingNow() {
  HWND parent = GetParent(CtrlHandle);
  return (parent && SendSkinCommandToWnd(parent, scIsLocked, 0) == 1) || SkinData->Updating();
}

void TacToolBarWnd::PrepareCache() {
  GetWindowPosInParent(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
  if (!SkinData->BGChanged && SkinData->CacheBmp() && SkinData->CacheBmp()->Width() == WndSize.x) return;
  SkinData->BGChanged = true;
  GetClientRect(CtrlHandle, &ClientRect);
  PrepareAdapterCache(SkinData, CtrlHandle, false);
  Border = (WndSize.y - ClientRect.bottom) / 2;
  SkinData->BGChanged = false;
}

void TacToolBarWnd::PaintFrame() {
  if (!(GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) || UpdatingNow()) return;
  PrepareCache();
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache || cache->Width() <= 0) return;
  HDC dc = GetWindowDC(CtrlHandle);
  const RECT inner = GetClientRectInWindow(CtrlHandle);
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
  BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
  ReleaseDC(CtrlHandle, dc);
}

void TacToolBarWnd::PaintButton(int index, TBitmap* target) {
  TBBUTTON button{};
  if (!SendMessageW(CtrlHandle, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button))) return;
  if (button.fsState & TBSTATE_HIDDEN) return;
  RECT ir{};
  if (!SendMessageW(CtrlHandle, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ir))) return;
  const TRect r{ir.left + Border, ir.top + Border, ir.right + Border, ir.bottom + Border};
  if (r.IsEmpty()) return;
  TsSkinManager* manager = Default();
  if (button.fsStyle & BTNS_SEP) {
    const int left = r.Left + r.Width() / 2 - 1;
    DividerInto(target, TRect{left, r.Top + 2, left + 4, r.Bottom - 2});
    return;
  }
  const int section = SectionIndex(L"TOOLBUTTON");
  if (section < 0) return;
  const bool enabled = (button.fsState & TBSTATE_ENABLED) != 0;
  const bool pressed = (button.fsState & TBSTATE_PRESSED) != 0;
  int state = 0;
  if (enabled) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(CtrlHandle, &cursor);
    state = pressed ? 2 : PtInRect(&ir, cursor) ? 1 : 0;
  }
  const int w = r.Width(), h = r.Height();
  std::unique_ptr<TBitmap> bmp(paint::NewBitmap32(w, h));
  const TacCacheInfo under = MakeCacheInfo(target, 0, 0);
  paint::PaintSectionItemByIndex(section, L"TOOLBUTTON", under, true, state, TRect{0, 0, w, h}, TPoint{r.Left, r.Top},
                                 bmp.get(), manager, paint::TStateTextures{});

  // The image, and the arrow of a whole drop-down button beside it.
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(CtrlHandle, TB_GETIMAGELIST, 0, 0));
  int iw = 0, ih = 0;
  if (images) ImageList_GetIconSize(images, &iw, &ih);
  const int shift = state == 2 ? 1 : 0;
  int imageRoom = w;
  if (button.fsStyle & BTNS_WHOLEDROPDOWN) {
    const TsMaskData* arrow = MaskOf(manager, manager->Skin()->ConstData.ScrollButtons[1].Glyph);
    if (arrow) {
      const int aw = MaskFrameWidth(*arrow), ah = MaskFrameHeight(*arrow);
      paint::PaintMaskGlyph(bmp.get(), TPoint{w - 2 - aw, (h - ah) / 2}, state, 1, *arrow,
                            MakeCacheInfo(bmp.get(), 0, 0));
      imageRoom = w - 2 - aw;
    }
  }
  const bool hasImage = images && button.iBitmap >= 0 && button.iBitmap < ImageList_GetImageCount(images);
  if (hasImage)
    ImageList_DrawEx(images, button.iBitmap, bmp->Canvas()->Handle(), (imageRoom - iw) / 2 + shift, 4 + shift, iw, ih,
                     CLR_NONE, CLR_NONE, ILD_TRANSPARENT);

  const std::wstring caption = ToolButtonText(CtrlHandle, button.idCommand);
  if (!caption.empty()) {
    TCanvas* canvas = bmp->Canvas();
    const auto font = reinterpret_cast<HFONT>(SendMessageW(CtrlHandle, WM_GETFONT, 0, 0));
    canvas->Font()->SetHandle(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    canvas->Brush()->SetStyle(bsClear);
    TRect tr{2 + shift, (hasImage ? 4 + ih + 1 : 2) + shift, w - 2, h - 2};
    const TsGeneralData* own = SkinData->Section();
    paint::TSkinTextParams text;
    text.SkinIndex = state == 0 && own && own->GiveOwnFont ? SkinData->SkinIndex : section;
    text.SkinManager = manager;
    text.State = state > 0 ? 1 : 0;
    const auto [first, second] = SplitCaption(canvas->Handle(), caption, tr.Width());
    if (second.empty()) {
      text.Text = first;
      text.R = tr;
      text.Flags = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS;
      paint::PaintSkinText(canvas, text);
    } else {
      TEXTMETRICW tm{};
      GetTextMetricsW(canvas->Handle(), &tm);
      text.Text = first;
      text.R = TRect{tr.Left, tr.Top, tr.Right, tr.Top + tm.tmHeight};
      text.Flags = DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
      paint::PaintSkinText(canvas, text);
      text.Text = second;
      text.R = TRect{tr.Left, tr.Top + tm.tmHeight, tr.Right, tr.Bottom};
      text.Flags = DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
      paint::PaintSkinText(canvas, text);
    }
  }
  if (!enabled) paint::ApplyDisabledKind(bmp.get(), paint::dgBlended, kSkinKeyColor, under, TPoint{r.Left, r.Top});
  BitBlt(target->Canvas()->Handle(), r.Left, r.Top, w, h, bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TacToolBarWnd::PaintClient(HDC dc) {
  if (!dc || UpdatingNow()) return;
  PrepareCache();
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache || cache->Width() <= 0) return;
  std::unique_ptr<TBitmap> copy(paint::NewBitmap32(cache->Width(), cache->Height()));
  BitBlt(copy->Canvas()->Handle(), 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  const int count = static_cast<int>(SendMessageW(CtrlHandle, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) PaintButton(i, copy.get());
  BitBlt(dc, 0, 0, WndSize.x - 2 * Border, WndSize.y - 2 * Border, copy->Canvas()->Handle(), Border, Border, SRCCOPY);
}

void TacToolBarWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_NCPAINT:
      PaintFrame();
      message.Result = 0;
      return;
    case WM_PRINT:
      PaintClient(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_PAINT:
      if (!IsWindowVisible(CtrlHandle)) break;
      PaintMessageDC(CtrlHandle, message.WParam, [this](HDC dc) { PaintClient(dc); });
      message.Result = 0;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      SkinData->BGChanged = true;
      TacMainWnd::AdapterWndProc(message);
      SendMessageW(CtrlHandle, WM_NCPAINT, 0, 0);
      return;
    case WM_MOUSEMOVE:
      TacMainWnd::AdapterWndProc(message);
      InvalidateRect(CtrlHandle, nullptr, FALSE);  // the hot button follows the mouse
      return;
    default:
      break;
  }
  if (message.Msg == SkinCommandMessage && SkinCommandCode(message.WParam) == scEndUpdate && SkinData->OwnUpdating()) {
    SkinData->SetUpdating(false);
    RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    return;
  }
  TacMainWnd::AdapterWndProc(message);
}

// --- TacStatusBarWnd

void TacStatusBarWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                             TsCommonData* skinData) {
  TacMainWnd::Create(handle, repaint, skinSection.empty() ? std::wstring(L"STATUSBAR") : skinSection, skinManager,
                     skinData);
}

void TacStatusBarWnd::PrepareCache() {
  TBitmap* cache = WindowSizedCache(*this);
  TacCacheInfo ci;
  GetParentCacheHwnd(CtrlHandle, ci);
  PaintSectionItem(*SkinData, ci, true, 0, TRect{0, 0, WndSize.x, WndSize.y}, TPoint{WndPos.x, WndPos.y}, cache,
                   false);

  const bool simple = SendMessageW(CtrlHandle, SB_ISSIMPLE, 0, 0) != 0;
  std::vector<TRect> panels;
  if (simple) {
    panels.push_back(TRect{0, 1, WndSize.x - 1, WndSize.y - 1});
  } else {
    const int count = std::clamp(static_cast<int>(SendMessageW(CtrlHandle, SB_GETPARTS, 0, 0)), 0, 256);
    for (int i = 0; i < count; ++i) {
      RECT r{};
      SendMessageW(CtrlHandle, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
      panels.push_back(TRect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1});
    }
  }
  const std::vector<std::wstring> texts = StatusBarTexts(CtrlHandle);
  const TsMaskData* panelMask =
      SkinManager ? MaskOf(SkinManager, SkinManager->GetMaskIndex(SkinData->SkinIndex, SkinData->SkinSection(),
                                                                  L"STATUSPANELMASK"))
                  : nullptr;
  TCanvas* canvas = cache->Canvas();
  const auto font = reinterpret_cast<HFONT>(SendMessageW(CtrlHandle, WM_GETFONT, 0, 0));
  canvas->Font()->SetHandle(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  canvas->Brush()->SetStyle(bsClear);
  for (std::size_t i = 0; i < panels.size(); ++i) {
    const TRect& p = panels[i];
    if (p.IsEmpty()) continue;
    if (panelMask) {
      paint::PaintMaskRect(cache, p, true, MakeCacheInfo(cache, 0, 0), *panelMask, 0, false, SkinManager);
    } else if (!simple && i + 1 < panels.size()) {
      DividerInto(cache, TRect{p.Right - 1, 1, p.Right + 1, WndSize.y - 1});
    }
    if (i < texts.size() && !texts[i].empty()) {
      paint::TSkinTextParams text;
      text.Text = texts[i];
      text.R = TRect{p.Left + 2, p.Top, p.Right - 2, p.Bottom};
      text.Flags = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
      text.SkinIndex = SkinData->SkinIndex;
      text.SkinManager = SkinManager;
      paint::PaintSkinText(canvas, text);
    }
  }
  SkinData->BGChanged = false;
}

void TacStatusBarWnd::Paint(HDC dc) {
  const bool own = !dc;
  if (own) dc = GetWindowDC(CtrlHandle);
  PrepareCache();
  TBitmap* cache = SkinData->CacheBmp();
  BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  if (own) ReleaseDC(CtrlHandle, dc);
}

void TacStatusBarWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_PAINT: {
      if (message.WParam) {
        Paint(reinterpret_cast<HDC>(message.WParam));
      } else {
        PaintThroughErase(CtrlHandle);
      }
      message.Result = 0;
      return;
    }
    case WM_ERASEBKGND:
    case WM_PRINT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_NCPAINT:
      message.Result = 0;
      return;
    default:
      break;
  }
  TacMainWnd::AdapterWndProc(message);
  if (message.Msg == WM_SIZE && !Destroyed) RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

// --- TacToolBarVCLWnd

void TacToolBarVCLWnd::AdapterWndProc(TMessage& message) {
  if (message.Msg == SkinCommandMessage && !Destroyed && SkinData && SkinCommandCode(message.WParam) <= MaxCommonCode) {
    const std::uint16_t code = SkinCommandCode(message.WParam);
    if ((code == scRemoveSkin || code == scRefresh) && message.LParam == reinterpret_cast<LPARAM>(SkinManager))
      DropDownButton = nullptr;
  }
  TacMainWnd::AdapterWndProc(message);
}

}  // namespace skin::adapters
