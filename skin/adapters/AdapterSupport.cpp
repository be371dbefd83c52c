#include "skin/adapters/AdapterSupport.h"

#include <algorithm>

#include "classlib/controls/Application.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/MainWnd.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ParentBackground.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinBroadcasts.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/MaskValue.h"
#include "skin/core/PropertyUtils.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/DisabledKind_Gdi.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

std::uint32_t PixelOf(TColor color) {
  const auto c = static_cast<std::uint32_t>(color);
  return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

bool IsKeyPixel(std::uint32_t pixel) { return (pixel & 0xFFFFFFu) == 0xFF00FFu; }

}  // namespace

HFONT GetSystemFont(int kind) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return nullptr;
  const LOGFONTW* font = nullptr;
  switch (kind) {
    case 1: font = &metrics.lfCaptionFont; break;
    case 2: font = &metrics.lfSmCaptionFont; break;
    case 3: font = &metrics.lfMenuFont; break;
    case 4: font = &metrics.lfStatusFont; break;
    case 5: font = &metrics.lfMessageFont; break;
    default: return nullptr;
  }
  return CreateFontIndirectW(font);
}

void SetSystemFont(TCanvas* canvas, int kind) {
  if (!canvas) return;
  HFONT font = GetSystemFont(kind);
  if (!font) return;
  TFont temporary;
  temporary.SetHandle(font);
  canvas->SetFont(&temporary);
}

void SendToChildren(TWinControl* control, HWND wnd, TMessage& message) {
  if (control) BroadcastToControls(control, message);
  else SendToChildWindows(wnd, message);
}

int GetSkinHotState(const TsCommonData* skinData) {
  if (!skinData || !skinData->SkinManager()) return 0;
  const TsGeneralData* section = skinData->Section();
  const TsMaskData* border = skinData->BorderMask();
  if (!section || !border) return 0;
  return border->ImageCount > 1 || section->States >= 2 ? 1 : 0;
}

void SetOrdPropByName(TObject* instance, std::wstring_view propName, int value) {
  if (instance && HasProperty(instance, propName)) SetIntProperty(instance, propName, value);
}

TColor GetColorPropByName(const TObject* instance, std::wstring_view propName) {
  if (!instance || !HasProperty(instance, propName)) return 0;
  return ColorToRGB(static_cast<TColor>(GetIntProperty(instance, propName)));
}

void GetWindowPosInParent(HWND wnd, HWND& parent, RECT& r, POINT& pos, POINT& size, RECT& parentR) {
  r = RECT{};
  parentR = RECT{};
  GetWindowRect(wnd, &r);
  parent = GetParent(wnd);
  if (parent) GetWindowRect(parent, &parentR);
  size = POINT{r.right - r.left, r.bottom - r.top};
  pos = POINT{r.left, r.top};
  if (parent) ScreenToClient(parent, &pos);
}

TColor SkinBorderColor(const TsSkinManager* manager) {
  if (!manager || !manager->Skin() || !manager->SkinData().Active) return kSkinKeyColor;
  return manager->SkinData().BorderColor;
}

bool RefusedFromStranger(TMessage& message) {
  if (message.Msg != SkinCommandMessage) return false;
  const std::uint16_t code = SkinCommandCode(message.WParam);
  if (code > MaxCommonCode || !(CommandNeedsTrust(code) || code == scSetPrintDC)) return false;
  if (IsTrustedSkinCommand(message)) return false;
  message.Result = 0;
  return true;
}

void StorePrintDC(TsCommonData* skinData, LPARAM dc) {
  if (dc != 0) skinData->CtrlSkinState |= StatePrinting;
  else skinData->CtrlSkinState &= static_cast<std::uint16_t>(~StatePrinting);
  skinData->PrintDC = reinterpret_cast<HDC>(dc);
}

LRESULT ApplicationAnswer() { return reinterpret_cast<LRESULT>(static_cast<TApplication*>(Application)); }

RECT GetClientRectInWindow(HWND wnd) {
  RECT window{}, client{};
  GetWindowRect(wnd, &window);
  GetClientRect(wnd, &client);
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  const int left = origin.x - window.left, top = origin.y - window.top;
  return RECT{left, top, left + client.right, top + client.bottom};
}

SIZE WindowSize(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

POINT PosInParent(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  POINT pos{r.left, r.top};
  if (HWND parent = GetParent(wnd)) ScreenToClient(parent, &pos);
  return pos;
}

void CopyCacheTo(const TsCommonData* skinData, HDC dc) {
  TBitmap* cache = skinData ? skinData->CacheBmp() : nullptr;
  if (!dc || !cache || cache->Empty()) return;
  BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void PrepareAdapterCache(TsCommonData* skinData, HWND wnd, bool fillOnly) {
  if (!skinData || !skinData->BGChanged || !wnd) return;
  RECT r{};
  GetWindowRect(wnd, &r);
  skinData->InitCacheBmp();
  TBitmap* cache = skinData->CacheBmp();
  if (!cache) return;
  HWND parent = GetParent(wnd);
  TacCacheInfo ci = EmptyCacheInfo;
  if (parent) {
    TacBGInfo info;
    QueryParentBackground(info, parent, false);
    if (info.Kind == bgUpdating) {
      skinData->SetUpdating(true);
      return;
    }
    BgInfoToCacheInfo(info, ci);
  }
  const int width = std::max<int>(0, r.right - r.left), height = std::max<int>(0, r.bottom - r.top);
  cache->SetSize(width, height);
  const TColor border = SkinBorderColor(TsSkinManager::DefaultManager());
  if (!fillOnly || border == kSkinKeyColor) {
    if (!parent) return;
    POINT pos{r.left, r.top};
    ScreenToClient(parent, &pos);
    if (skinData->Section()) {
      const int state = skinData->FFocused || skinData->FMouseAbove ? GetSkinHotState(skinData) : 0;
      PaintSectionItem(*skinData, ci, true, state, TRect{0, 0, width, height}, TPoint{pos.x, pos.y}, cache, true);
    }
  } else {
    const paint::TPixelView view = paint::ViewOf(cache);
    if (view.Is32())
      for (int y = 0; y < view.Height; ++y) std::fill_n(view.Row32(y), view.Width, PixelOf(border));
  }
  if (TControl* owner = skinData->OwnerControl(); owner && !owner->Enabled()) {
    std::int32_t kind = paint::dgBlended;
    SendSkinCommandToWnd(wnd, scDisabledLook, reinterpret_cast<LPARAM>(&kind));
    POINT pos{r.left, r.top};
    if (parent) ScreenToClient(parent, &pos);
    paint::ApplyDisabledKind(cache, static_cast<std::uint8_t>(kind), GetControlColor(owner->Parent()), ci,
                             TPoint{pos.x, pos.y});
  }
  skinData->BGChanged = false;
}

void FillCacheCorners(TsCommonData* skinData, int state, TacMainWnd* adapter) {
  if (!skinData || (adapter && adapter->DlgMode)) return;
  const TsMaskData* mask = skinData->BorderMask();
  const TsSkinManager* manager = skinData->SkinManager();
  if (!mask || !manager || !manager->Skin()) return;
  const int fw = MaskFrameWidth(*mask), fh = MaskFrameHeight(*mask);
  if (fw <= 0 || fh <= 0) return;
  const bmp32::TCustomBitmap32* source = mask->Bmp ? mask->Bmp.get() : manager->Skin()->MasterBitmap.get();
  const paint::TPixelView src = paint::ViewOf(source);
  const paint::TPixelView cache = paint::ViewOf(skinData->CacheBmp());
  if (!src.Is32() || !cache.Is32()) return;
  state = std::clamp(state, 0, std::max(0, mask->ImageCount - 1));
  const int frameLeft = mask->R.Left + state * fw, frameTop = mask->R.Top;

  HWND wnd = adapter ? adapter->CtrlHandle : nullptr;
  TacCacheInfo ci = EmptyCacheInfo;
  POINT pos{0, 0};
  if (wnd) {
    GetParentCacheHwnd(wnd, ci);
    RECT r{};
    GetWindowRect(wnd, &r);
    pos = POINT{r.left, r.top};
    if (HWND parent = GetParent(wnd)) ScreenToClient(parent, &pos);
  }
  const paint::TPixelView parentView = ci.Ready ? paint::ViewOf(ci.Bmp) : paint::TPixelView{};
  const std::uint32_t fill = PixelOf(ci.FillColor == kSkinKeyColor ? GetWndColor(GetParent(wnd)) : ci.FillColor);

  struct Corner {
    int maskX, maskY, cacheX, cacheY, width, height;
  };
  const Corner corners[4] = {
      {0, 0, 0, 0, mask->WL, mask->WT},
      {fw - mask->WR, 0, cache.Width - mask->WR, 0, mask->WR, mask->WT},
      {0, fh - mask->WB, 0, cache.Height - mask->WB, mask->WL, mask->WB},
      {fw - mask->WR, fh - mask->WB, cache.Width - mask->WR, cache.Height - mask->WB, mask->WR, mask->WB},
  };
  for (const Corner& c : corners)
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) {
        const int mx = frameLeft + c.maskX + x, my = frameTop + c.maskY + y;
        const int cx = c.cacheX + x, cy = c.cacheY + y;
        if (!src.Contains(mx, my) || !cache.Contains(cx, cy) || !IsKeyPixel(src.Pixel32(mx, my))) continue;
        std::uint32_t pixel = fill;
        if (parentView.Is32()) {
          const int px = cx + pos.x + ci.X, py = cy + pos.y + ci.Y;
          if (!parentView.Contains(px, py)) continue;
          pixel = parentView.Pixel32(px, py);
        }
        cache.Pixel32(cx, cy) = pixel;
      }
}

void NotifyTopWindow(HWND wnd) {
  HWND top = wnd;
  while (HWND parent = GetParent(top)) {
    if (!(GetWindowLongPtrW(top, GWL_STYLE) & WS_CHILD)) break;
    top = parent;
  }
  if (top) SendSkinCommandToWnd(top, scChildChanged, 0);
}

}  // namespace skin::adapters
