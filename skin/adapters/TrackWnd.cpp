#include "skin/adapters/TrackWnd.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/AdapterPaint.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/BarGeometry.h"
#include "skin/adapters/ScrollWnd.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/MaskValue.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/DisabledKind_Gdi.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/Resample_Gdi.h"
#include "skin/paint/ResampleFilters.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr UINT kCmEnabledChanged = 0xB00C;
constexpr UINT kCnCtlColorScrollBar = 0xBC00 + WM_CTLCOLORSCROLLBAR;
constexpr UINT kCmRecreateNotice = 0xB037;
constexpr std::uint8_t kThumbResampleFilter = 6;

TBarRect ToBar(const RECT& r) { return TBarRect{r.left, r.top, r.right, r.bottom}; }
TRect ToRect(const TBarRect& r) { return TRect{r.Left, r.Top, r.Right, r.Bottom}; }

// Turns the bitmap over: top to bottom, or left to right.
void Mirror(TBitmap* bmp, bool leftToRight) {
  const paint::TPixelView v = paint::ViewOf(bmp);
  if (!v.Is32()) return;
  if (leftToRight) {
    for (int y = 0; y < v.Height; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(v.Row(y));
      std::reverse(row, row + v.Width);
    }
  } else {
    for (int y = 0; y < v.Height / 2; ++y)
      std::swap_ranges(v.Row(y), v.Row(y) + 4 * static_cast<std::ptrdiff_t>(v.Width), v.Row(v.Height - 1 - y));
  }
}

// The tick side of a track bar's style: 0 bottom or right, 1 top or left,
// 2 both.
int TickSide(LONG_PTR style) {
  if (style & TBS_BOTH) return 2;
  return (style & TBS_TOP) ? 1 : 0;
}

const TsMaskData* ValidMask(TsSkinManager* manager, int index) {
  if (!manager || !manager->IsValidImgIndex(index)) return nullptr;
  const TsMaskData& mask = manager->Skin()->Masks[static_cast<std::size_t>(index)];
  return MaskFrameWidth(mask) > 0 && MaskFrameHeight(mask) > 0 ? &mask : nullptr;
}

}  // namespace

// --- TacTrackWnd

void TacTrackWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                         TsCommonData* skinData) {
  TacMainWnd::Create(handle, repaint, skinSection.empty() ? std::wstring(L"TRACKBAR") : skinSection, skinManager,
                     skinData);
}

bool TacTrackWnd::IsVertical() const { return (GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & TBS_VERT) != 0; }

void TacTrackWnd::PrepareCache() {
  TBitmap* cache = WindowSizedCache(*this);
  TacCacheInfo ci;
  GetParentCacheHwnd(CtrlHandle, ci);
  const TPoint offset{WndPos.x, WndPos.y};
  PaintSectionItem(*SkinData, ci, true, Pressed, TRect{0, 0, WndSize.x, WndSize.y}, offset, cache, false);
  TrackIndex = SkinManager ? SkinManager->GetSkinIndex(L"TRACKBAR") : -1;
  if (TrackIndex >= 0) {
    RECT reported{}, thumbRect{};
    SendMessageW(CtrlHandle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&reported));
    SendMessageW(CtrlHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumbRect));
    TRect channel = ToRect(TrackChannel(ToBar(reported), IsVertical()));
    PaintChannel(channel);
    const TRect thumb = ToRect(NormalisedRect(ToBar(thumbRect)));
    if (!(GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & TBS_NOTICKS)) PaintTicks(channel, thumb);
    PaintThumb(thumb);
  }
  if (!IsWindowEnabled(CtrlHandle))
    paint::ApplyDisabledKind(cache, paint::dgBlended, GetWndColor(ParentWnd), ci, offset);
  SkinData->BGChanged = false;
}

void TacTrackWnd::PaintChannel(TRect& channel) {
  const TsMaskData* mask =
      ValidMask(SkinManager, SkinManager->GetMaskIndex(TrackIndex, L"TRACKBAR", L"SLIDERCHANNEL"));
  if (!mask || channel.IsEmpty()) return;
  TBitmap* cache = SkinData->CacheBmp();
  if (IsVertical()) {
    const int w = std::min(MaskFrameWidth(*mask) - 1, channel.Width());
    channel.Left += (channel.Width() - w) / 2;
    channel.Right = channel.Left + w;
  } else {
    const int h = std::min(MaskFrameHeight(*mask) - 1, channel.Height());
    channel.Top += (channel.Height() - h) / 2;
    channel.Bottom = channel.Top + h;
  }
  paint::PaintMaskRect(cache, channel, true, MakeCacheInfo(cache, 0, 0), *mask, SkinData->IsHot() ? 1 : 0, false,
                       SkinManager);
}

void TacTrackWnd::PaintTicks(const TRect& channel, const TRect& thumb) {
  const bool vertical = IsVertical();
  const int count = static_cast<int>(SendMessageW(CtrlHandle, TBM_GETNUMTICS, 0, 0));
  const TTicks ticks = vertical ? TrackTicks(channel.Top, channel.Height(), thumb.Height(), count)
                                : TrackTicks(channel.Left, channel.Width(), thumb.Width(), count);
  TickStep = ticks.Step;
  const int side = TickSide(GetWindowLongPtrW(CtrlHandle, GWL_STYLE));
  const int gap = vertical ? (thumb.Width() - channel.Width()) / 2 + 2 : (thumb.Height() - channel.Height()) / 2 + 2;
  // The rows of ticks: before the channel (top or left) and after it.
  std::vector<int> rows;
  if (side == 1 || side == 2) rows.push_back((vertical ? channel.Left : channel.Top) - gap - TickLength);
  if (side == 0 || side == 2) rows.push_back((vertical ? channel.Right : channel.Bottom) + gap);
  TBitmap* cache = SkinData->CacheBmp();
  const TsMaskData* mask = ValidMask(
      SkinManager, SkinManager->GetMaskIndex(TrackIndex, L"TRACKBAR", vertical ? L"TICKVERT" : L"TICKHORZ"));
  HDC dc = cache->Canvas()->Handle();
  for (int row : rows) {
    for (int at : ticks.Positions) {
      if (mask) {
        const TPoint pos = vertical ? TPoint{row, at - MaskFrameHeight(*mask)} : TPoint{at - MaskFrameWidth(*mask), row};
        paint::PaintMaskGlyph(cache, pos, Pressed, 1, *mask, MakeCacheInfo(cache, 0, 0));
        continue;
      }
      // An etched tick: shadow at the top-left, white at the bottom-right.
      RECT r = vertical ? RECT{row, at, row + TickLength, at + 2} : RECT{at, row, at + 2, row + TickLength};
      TRect tr{r.left, r.top, r.right, r.bottom};
      int width = 1;
      paint::DrawFrame3D(dc, tr, ColorToRGB(clBtnShadow), width, clWhite);
    }
  }
}

void TacTrackWnd::PaintThumb(const TRect& thumb) {
  if ((GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & TBS_NOTHUMB) ||
      !ThumbDrawable(TBarRect{thumb.Left, thumb.Top, thumb.Right, thumb.Bottom}))
    return;
  const bool vertical = IsVertical();
  const TsMaskData* mask = nullptr;
  if (vertical) mask = ValidMask(SkinManager, SkinManager->GetMaskIndex(TrackIndex, L"TRACKBAR", L"SLIDERVMASK"));
  if (!mask) mask = ValidMask(SkinManager, SkinManager->GetMaskIndex(TrackIndex, L"TRACKBAR", L"SLIDERMASK"));
  if (!mask) return;
  TBitmap* cache = SkinData->CacheBmp();
  const int fw = MaskFrameWidth(*mask), fh = MaskFrameHeight(*mask);
  const int w = thumb.Width(), h = thumb.Height();
  const int across = vertical ? w : h;
  const bool resize = !(across == 23 || (w == fw && h == fh));
  const bool mirror = TickSide(GetWindowLongPtrW(CtrlHandle, GWL_STYLE)) == 1;
  if (!resize && !mirror) {
    paint::PaintMaskGlyph(cache, TPoint{thumb.Left + (w - fw) / 2, thumb.Top + (h - fh) / 2}, Pressed, 1, *mask,
                          MakeCacheInfo(cache, 0, 0));
    return;
  }
  std::unique_ptr<TBitmap> part(paint::NewBitmap32(w, h));
  BitBlt(part->Canvas()->Handle(), 0, 0, w, h, cache->Canvas()->Handle(), thumb.Left, thumb.Top, SRCCOPY);
  if (resize) paint::ResampleBitmap(part.get(), part.get(), fw, fh, kThumbResampleFilter);
  if (mirror) Mirror(part.get(), vertical);
  paint::PaintMaskGlyph(part.get(), TPoint{(part->Width() - fw) / 2, (part->Height() - fh) / 2}, Pressed, 1, *mask,
                        MakeCacheInfo(part.get(), 0, 0));
  if (mirror) Mirror(part.get(), vertical);
  if (resize) paint::ResampleBitmap(part.get(), part.get(), w, h, kThumbResampleFilter);
  BitBlt(cache->Canvas()->Handle(), thumb.Left, thumb.Top, w, h, part->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TacTrackWnd::Paint(HDC given) {
  PAINTSTRUCT ps{};
  const bool begun = !given;
  if (begun) BeginPaint(CtrlHandle, &ps);
  if (!SkinData->Updating() && (IsWindowVisible(CtrlHandle) || given)) {
    if (ParentWnd || (ParentWnd = GetParent(CtrlHandle))) SendSkinCommandToWnd(ParentWnd, scTrackBarPaint, 0);
    HDC dc = given ? given : GetDC(CtrlHandle);
    PrepareCache();
    TBitmap* cache = SkinData->CacheBmp();
    BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
    if (!given) ReleaseDC(CtrlHandle, dc);
  }
  if (begun) EndPaint(CtrlHandle, &ps);
}

void TacTrackWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_NCPAINT:
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_LBUTTONDOWN:
      Pressed = 1;
      break;
    case WM_LBUTTONUP:
      Pressed = 0;
      break;
    default:
      break;
  }
  TacMainWnd::AdapterWndProc(message);
}

// --- TacSBWnd

void TacSBWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                      TsCommonData* skinData) {
  StopCounting = false;
  // The bar paints from the well-known scroll-bar sections; its own section
  // (the track's, unless the caller names one) makes it count as skinned.
  const bool vertical = (GetWindowLongPtrW(handle, GWL_STYLE) & SBS_VERT) != 0;
  const std::wstring section = !skinSection.empty() ? skinSection : vertical ? L"SCROLLBAR1V" : L"SCROLLBAR1H";
  TacMainWnd::Create(handle, repaint, section, skinManager, skinData);
}

void TacSBWnd::MeasureParts() {
  const SIZE extent = WindowSize(CtrlHandle);
  const TRect size{0, 0, extent.cx, extent.cy};
  const bool vertical = (GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & SBS_VERT) != 0;
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL;
  GetScrollInfo(CtrlHandle, SB_CTL, &si);
  TSmallBarInput in;
  in.Length = vertical ? size.Height() : size.Width();
  in.Button = GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
  // A skin button that asks for its own length (RESERVEDBOOLEAN) gets at
  // least its border mask's frame.
  auto skinLength = [&](int which) {
    const TsSectionConst& part = SkinManager->Skin()->ConstData.ScrollButtons[static_cast<std::size_t>(which)];
    if (part.Section < 0 || !SkinManager->Skin()->Sections[static_cast<std::size_t>(part.Section)].ReservedBoolean)
      return 0;
    const TsMaskData* mask = ValidMask(SkinManager, part.Border);
    if (!mask) return 0;
    if (mask->Bmp) return vertical ? mask->Bmp->Height() / 2 : mask->Bmp->Width() / 3;
    return vertical ? MaskFrameHeight(*mask) : MaskFrameWidth(*mask);
  };
  in.FirstSkin = skinLength(vertical ? 0 : 2);
  in.SecondSkin = skinLength(vertical ? 1 : 3);
  in.Min = si.nMin;
  in.Max = si.nMax;
  in.Page = static_cast<std::int32_t>(std::min<UINT>(si.nPage, 0x7FFFFFFF));
  in.Pos = GetScrollPos(CtrlHandle, SB_CTL);
  in.Enabled = IsWindowEnabled(CtrlHandle) != FALSE;
  const TSmallBarParts p = SmallBarParts(in);
  auto span = [&](int from, int to) {
    return vertical ? TRect{0, from, size.Width(), to} : TRect{from, 0, to, size.Height()};
  };
  FirstButton = span(0, p.FirstEnd);
  SecondButton = span(p.SecondStart, in.Length);
  TrackBefore = span(0, p.Split);
  TrackAfter = span(p.Split, in.Length);
  Thumb = span(p.ThumbStart, p.ThumbStart + p.ThumbLength);
}

void TacSBWnd::Paint(HDC given) {
  PAINTSTRUCT ps{};
  const bool begun = !given;
  if (begun) BeginPaint(CtrlHandle, &ps);
  HDC dc = given ? given : GetDC(CtrlHandle);
  const int saved = SaveDC(dc);
  if (!SkinData->Updating() && SkinManager && SkinManager->Skin()) {
    MeasureParts();
    GetWindowPosInParent(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    const bool vertical = (GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & SBS_VERT) != 0;
    const bool enabled = IsWindowEnabled(CtrlHandle) != FALSE;
    const TsConstData& k = SkinManager->Skin()->ConstData;
    std::unique_ptr<TBitmap> bmp(paint::NewBitmap32(WndSize.x, WndSize.y));
    TacCacheInfo ci;
    GetParentCacheHwnd(CtrlHandle, ci);
    const TPoint at{WndPos.x, WndPos.y};
    auto offset = [&](const TRect& r) { return TPoint{at.X + r.Left, at.Y + r.Top}; };
    const int trackState = (BarState ? BarState : (SkinData->IsHot() ? 1 : 0)) * (enabled ? 1 : 0);
    PaintScrollPart(SkinManager, k.ScrollBars[vertical ? 1 : 0], vertical ? L"SCROLLBAR1V" : L"SCROLLBAR1H", ci,
                    trackState, TrackBefore, offset(TrackBefore), bmp.get(), false);
    PaintScrollPart(SkinManager, k.ScrollBars[vertical ? 3 : 2], vertical ? L"SCROLLBAR2V" : L"SCROLLBAR2H", ci,
                    trackState, TrackAfter, offset(TrackAfter), bmp.get(), false);
    PaintScrollPart(SkinManager, k.ScrollButtons[vertical ? 0 : 2], vertical ? L"SCROLLBTNTOP" : L"SCROLLBTNLEFT", ci,
                    FirstState, FirstButton, offset(FirstButton), bmp.get(), true);
    PaintScrollPart(SkinManager, k.ScrollButtons[vertical ? 1 : 3],
                    vertical ? L"SCROLLBTNBOTTOM" : L"SCROLLBTNRIGHT", ci, SecondState, SecondButton,
                    offset(SecondButton), bmp.get(), true);
    if (enabled && !Thumb.IsEmpty())
      PaintScrollPart(SkinManager, k.ScrollSliders[vertical ? 0 : 1], vertical ? L"SCROLLSLIDERV" : L"SCROLLSLIDERH",
                      ci, ThumbState, Thumb, offset(Thumb), bmp.get(), true);
    if (!enabled) paint::ApplyDisabledKind(bmp.get(), paint::dgBlended, GetWndColor(ParentWnd), ci, at);
    BitBlt(dc, 0, 0, WndSize.x, WndSize.y, bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  RestoreDC(dc, saved);
  if (!given) ReleaseDC(CtrlHandle, dc);
  if (begun) EndPaint(CtrlHandle, &ps);
}

void TacSBWnd::ReleaseLocks() {
  // Each WM_SETREDRAW 1 takes one lock away as it passes through us; the
  // count never goes below 0, so this ends after at most that many sends.
  for (std::int32_t left = RedrawLocks; left > 0 && RedrawLocks > 0; --left)
    SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
  RedrawLocks = 0;
}

void TacSBWnd::RedrawNow() {
  InvalidateRect(CtrlHandle, nullptr, FALSE);
  UpdateWindow(CtrlHandle);
}

void TacSBWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  if (message.Msg == SkinCommandMessage && SkinCommandCode(message.WParam) <= MaxCommonCode) {
    const std::uint16_t code = SkinCommandCode(message.WParam);
    const bool ownManager = message.LParam == reinterpret_cast<LPARAM>(SkinManager);
    switch (code) {
      case scEndUpdate:
        SkinData->SetUpdating(false);
        RedrawNow();
        message.Result = 0;
        return;
      case scNewSkin:
      case scRemoveSkin:
      case scRefresh:
        if (!ownManager) break;
        TacMainWnd::AdapterWndProc(message);
        if (code == scRefresh) SkinData->BGChanged = true;
        return;
      default:
        break;
    }
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_SETREDRAW:
      if (!StopCounting) RedrawLocks = message.WParam == 0 ? RedrawLocks + 1 : std::max(RedrawLocks - 1, 0);
      break;
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_NCPAINT:
      message.Result = 0;
      return;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
      ReleaseLocks();
      [[fallthrough]];
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK:
      SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
      TacMainWnd::AdapterWndProc(message);
      SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
      RedrawNow();
      return;
    case kCmRecreateNotice: {
      const std::int32_t remembered = RedrawLocks;
      SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
      TacMainWnd::AdapterWndProc(message);
      ReleaseLocks();
      RedrawNow();
      for (std::int32_t i = 0; i < remembered; ++i) SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
      return;
    }
    case kCmEnabledChanged:
      TacMainWnd::AdapterWndProc(message);
      InvalidateRect(CtrlHandle, nullptr, FALSE);
      return;
    case kCnCtlColorScrollBar:
      SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
      return;
    default:
      break;
  }
  TacMainWnd::AdapterWndProc(message);
}

}  // namespace skin::adapters
