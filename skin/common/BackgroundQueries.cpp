#include "skin/common/BackgroundQueries.h"

#include <algorithm>

#include "classlib/core/PublishedProps.h"
#include "classlib/graphics/Colors.h"
#include "skin/common/ParentBackground.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/DcHelpers_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

// The owner's own colour: the control's, a provider's form's, else the
// button face.
TColor OwnColor(const TsCommonData* skinData) {
  if (skinData->OwnerControl()) return skinData->OwnerControl()->Color();
  if (const TWinControl* form = skinData->ProviderForm()) return form->Color();
  return clBtnFace;
}

HDC CacheDC(TsCommonData* skinData) {
  TBitmap* cache = skinData->CacheBmp();
  return cache && !cache->Empty() ? cache->Canvas()->Handle() : nullptr;
}

// Step 6 of the answer: the control's cache image, or no colour without one.
void AnswerWithCache(TsCommonData* skinData, TacBGInfo& info) {
  TBitmap* cache = skinData->CacheBmp();
  if (!cache) {
    info.Color = kSkinKeyColor;
    info.Kind = bgColor;
    return;
  }
  info.Kind = bgImage;
  if (info.PleaseDraw) {
    if (HDC source = CacheDC(skinData))
      BitBlt(info.DC, info.R.Left, info.R.Top, info.R.Width(), info.R.Height(), source, info.Offset.X, info.Offset.Y,
             SRCCOPY);
  } else {
    info.Bmp = cache;
    info.Offset = TPoint{0, 0};
  }
}

// Cuts a rectangle out of the DC's clip.
void Exclude(HDC dc, const TRect& r) { ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom); }

bool Overlaps(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

void BlitCache(TsCommonData* skinData, HDC dc, const TRect& srcRect, const TRect& destRect) {
  if (HDC source = CacheDC(skinData))
    BitBlt(dc, destRect.Left, destRect.Top, destRect.Width(), destRect.Height(), source, srcRect.Left, srcRect.Top,
           SRCCOPY);
}

}  // namespace

void FillBGInfo(TsCommonData* skinData, TacBGInfo& info, int state, HWND wnd) {
  if (!skinData) return;
  const TsGeneralData* section = skinData->Section();
  if (!skinData->Skinned(false) || skinData->CustomColor() || !section) {
    info.Kind = bgColor;
    info.Color = OwnColor(skinData);
    return;
  }
  const TsGenState& props = section->Props[state != 0 ? 1 : 0];
  const int transparency = props.Transparency;
  const int gradient = props.GradientPercent;
  const int image = props.ImagePercent;
  if (transparency == 0 && gradient <= 0 && image <= 0) {
    info.Kind = bgColor;
    info.Bmp = skinData->CacheBmp();
    info.Color = GetBGColor(skinData, state, nullptr);
    if (info.PleaseDraw) paint::FillRectColor(info.DC, info.R, info.Color);
    return;
  }
  if (transparency == 0) info.Color = skinData->SkinManager()->GetGlobalColor();
  if (transparency == 100) {
    const bool ownCacheRight = (skinData->CtrlSkinState & StateSimpleBackground) == 0 && skinData->CacheBmp() &&
                               !skinData->BGChanged;
    if (!ownCacheRight) {
      TControl* owner = skinData->OwnerControl();
      TWinControl* form = skinData->ProviderForm();
      TWinControl* parent = owner ? owner->Parent() : form ? form->Parent() : nullptr;
      if (parent) {
        const TPoint offset = owner ? TPoint{owner->Left(), owner->Top()} : TPoint{form->Left(), form->Top()};
        QueryControlBackground(info, parent, info.PleaseDraw);
        if (info.Kind == bgImage) info.Offset = TPoint{info.Offset.X + offset.X, info.Offset.Y + offset.Y};
      } else if (wnd) {
        HWND parentWnd = GetParent(wnd);
        QueryParentBackground(info, parentWnd, false);
        if (info.Kind == bgImage) {
          RECT r;
          GetWindowRect(wnd, &r);
          POINT origin{r.left, r.top};
          ScreenToClient(parentWnd, &origin);
          info.Offset = TPoint{info.Offset.X + origin.x, info.Offset.Y + origin.y};
        }
      } else {
        info.Kind = bgColor;
        TsSkinManager* manager = TsSkinManager::DefaultManager();
        info.Color = manager ? manager->GetGlobalColor() : ColorToRGB(clBtnFace);
      }
      return;
    }
  }
  AnswerWithCache(skinData, info);
}

TColor GetBGColor(const TsCommonData* skinData, int state, HWND wnd) {
  if (!skinData) return clBtnFace;
  const TsGeneralData* section = skinData->Section();
  if (!skinData->Skinned(false) || !section) return OwnColor(skinData);
  const int index = state > 0 && section->States > 1 ? 1 : 0;
  const TsGenState& props = section->Props[static_cast<std::size_t>(index)];
  if (props.Transparency == 0) return skinData->CustomColor() ? OwnColor(skinData) : props.Color;
  TColor parent = clBtnFace;
  bool found = true;
  if (TControl* owner = skinData->OwnerControl()) parent = GetControlColor(owner->Parent());
  else if (wnd) parent = GetWndColor(GetParent(wnd));
  else found = false;
  if (props.Transparency == 100 || !found) return parent;
  return paint::MixColors(props.Color, parent, props.Transparency / 100.0);
}

TColor GetControlColor(TControl* control) {
  if (!control) return kSkinKeyColor;
  if (SendSkinCommand(control, scIsSkinned, 0) == 1)
    return ColorToRGB(static_cast<TColor>(PerformSkinCommand(control, scGetBGColor, kSkinKeyColor)));
  return ColorToRGB(control->Color());
}

TColor GetWndColor(HWND wnd) {
  if (!wnd) return kSkinKeyColor;
  return ColorToRGB(static_cast<TColor>(SendSkinCommandToWnd(wnd, scGetBGColor, kSkinKeyColor)));
}

int SkinIndexOf(TControl* control) {
  if (!control) return -1;
  const std::optional<TObject*> published = GetObjectProp(control, L"SkinData");
  const auto* data = published ? dynamic_cast<const TsCommonData*>(*published) : nullptr;
  if (data && data->SkinIndex >= 0) return data->SkinIndex;
  std::int32_t answer = -1;
  PerformSkinCommand(control, scGetSkinIndex, reinterpret_cast<LPARAM>(&answer));
  return answer;
}

int GetFontIndex(TControl* control, int defIndex, TsSkinManager* manager, int state) {
  if (!control || !control->Parent() || !manager || !manager->Skin()) return defIndex;
  TWinControl* parent = control->Parent();
  const int sectionIndex = SkinIndexOf(parent);
  if (!manager->IsValidSkinIndex(sectionIndex)) return defIndex;
  const TsGeneralData& section = manager->Skin()->Sections[static_cast<std::size_t>(sectionIndex)];
  const TsGenState& props = section.Props[static_cast<std::size_t>(SectionStateIndex(state, section.States))];
  if (props.Transparency > 50) return parent->Parent() ? GetFontIndex(parent, defIndex, manager, 0) : defIndex;
  return section.GiveOwnFont ? sectionIndex : defIndex;
}

void GetParentCache(TsCommonData* skinData, TacCacheInfo& cacheInfo) {
  TControl* owner = skinData ? skinData->OwnerControl() : nullptr;
  auto* windowed = dynamic_cast<TWinControl*>(owner);
  if (owner && skinData->Skinned(false) && (owner->Parent() || (windowed && windowed->HandleAllocated()))) {
    TacBGInfo info;
    if (owner->Parent()) QueryControlBackground(info, owner->Parent(), false);
    else QueryParentBackground(info, GetParent(windowed->Handle()), false);
    BgInfoToCacheInfo(info, cacheInfo);
    return;
  }
  cacheInfo.X = cacheInfo.Y = 0;
  cacheInfo.FillColor = GetBGColor(skinData, 0, nullptr);
  cacheInfo.Ready = false;
}

void GetParentCacheHwnd(HWND wnd, TacCacheInfo& cacheInfo) {
  cacheInfo.Ready = false;
  HWND parent = wnd ? GetParent(wnd) : nullptr;
  if (!parent) {
    cacheInfo = EmptyCacheInfo;
    return;
  }
  TacBGInfo info;
  QueryParentBackground(info, parent, false);
  BgInfoToCacheInfo(info, cacheInfo);
}

void CopyWinControlCache(TWinControl* control, TsCommonData* skinData, const TRect& srcRect, int offsetY,
                         int offsetX, bool /*updateCorners*/, HDC dc, const TRect& destRect) {
  if (!control || !skinData || !skinData->CacheBmp()) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, destRect.Left, destRect.Top, destRect.Right, destRect.Bottom);
  for (int i = 0; i < control->ControlCount(); ++i) {
    TControl* child = control->Controls(i);
    if (!child->Visible() || !Overlaps(child->BoundsRect(), destRect)) continue;
    const bool graphic = dynamic_cast<TWinControl*>(child) == nullptr;
    if (graphic || child->ComponentState().Contains(csDesigning) || child->ControlStyle().Contains(csOpaque)) {
      const TRect r = child->BoundsRect();
      Exclude(dc, TRect{r.Left + offsetX, r.Top + offsetY, r.Right + offsetX, r.Bottom + offsetY});
    }
  }
  BlitCache(skinData, dc, srcRect, destRect);
  RestoreDC(dc, saved);
}

void CopyHwndCache(HWND wnd, TsCommonData* skinData, const TRect& srcRect, int offsetY, int offsetX,
                   bool /*updateCorners*/, HDC dc, const TRect& destRect) {
  if (!wnd || !skinData || !skinData->CacheBmp()) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, destRect.Left, destRect.Top, destRect.Right, destRect.Bottom);
  RECT parentRect;
  GetWindowRect(wnd, &parentRect);
  // The group box's frame widths from the skin; no section or mask gives
  // strips of width 0 (mask lookups answer 0 for an index of none).
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  int frameMask = -1;
  if (manager) frameMask = manager->GetMaskIndex(manager->GetSkinIndex(L"GROUPBOX"), L"GROUPBOX", L"BORDERSMASK");
  for (HWND child = GetTopWindow(wnd); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT cr;
    GetWindowRect(child, &cr);
    const TRect r{cr.left - parentRect.left - offsetX, cr.top - parentRect.top - offsetY,
                  cr.right - parentRect.left - offsetX, cr.bottom - parentRect.top - offsetY};
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(child, GWL_EXSTYLE);
    wchar_t className[16] = {};
    GetClassNameW(child, className, 16);
    const bool groupBox = _wcsicmp(className, L"Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX &&
                          (exStyle & WS_EX_CLIENTEDGE) == 0;
    if (!groupBox) {
      Exclude(dc, r);
      continue;
    }
    if (!manager) continue;
    const int caption = static_cast<int>(SendSkinCommandToWnd(child, scGetCaptionHeight, 0));
    const int left = manager->MaskBorderLeft(frameMask);
    const int right = manager->MaskBorderRight(frameMask);
    const int bottom = manager->MaskBorderBottom(frameMask);
    Exclude(dc, TRect{r.Left, r.Top, r.Right, r.Top + caption});
    Exclude(dc, TRect{r.Left, r.Top, r.Left + left, r.Bottom});
    Exclude(dc, TRect{r.Right - right, r.Top, r.Right, r.Bottom});
    Exclude(dc, TRect{r.Left, r.Bottom - bottom, r.Right, r.Bottom});
  }
  BlitCache(skinData, dc, srcRect, destRect);
  RestoreDC(dc, saved);
}

}  // namespace skin
