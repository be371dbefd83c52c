#include "skin/adapters/GridWnd.h"

#include <uxtheme.h>

#include <string>
#include <vector>

#include "classlib/graphics/Colors.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/common/ControlUtils.h"
#include "skin/core/PropertyUtils.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/ColorAdjust.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr TColor kClNone = 0x1FFFFFFF;
constexpr TColor kClBtnFace = static_cast<TColor>(0xFF00000F);

// Where each saved colour lives. Paths that apply only to grids with a
// "ControlLook" say so; of two paths for one field the later present one
// wins (as the grid libraries name them differently).
struct TColorPlace {
  TColor TacGridWnd::*Field;
  const wchar_t* Path;
  bool NeedsControlLook;
  bool Gradient;  // clNone is kept as clBtnFace
};

const std::vector<TColorPlace>& Places() {
  static const std::vector<TColorPlace> places = {
      {&TacGridWnd::OldFixedColor, L"FixedColor", false, false},
      {&TacGridWnd::OldFooterColor, L"FooterColor", false, false},
      {&TacGridWnd::OldFooterCellColor, L"FooterCellColor", false, false},
      {&TacGridWnd::OldTitleFontColor, L"TitleFont.Color", false, false},
      {&TacGridWnd::OldTitleFontColor, L"FixedFont.Color", true, false},
      {&TacGridWnd::OldTitleColor, L"TitleColor", false, false},
      {&TacGridWnd::OldIndicatorIconColor, L"IndicatorIconColor", false, false},
      {&TacGridWnd::OldSelectionColor, L"SelectionColor", true, false},
      {&TacGridWnd::OldSelectionTextColor, L"SelectionTextColor", true, false},
      {&TacGridWnd::OldLineColor, L"GridLineColor", true, false},
      {&TacGridWnd::OldLineColor, L"LineColors.DataColor", false, false},
      {&TacGridWnd::OldFixedLineColor, L"GridFixedLineColor", true, false},
      {&TacGridWnd::OldFixedLineColor, L"LineColors.FixedColor", false, false},
      {&TacGridWnd::OldGradientFrom, L"ControlLook.FixedGradientFrom", false, true},
      {&TacGridWnd::OldGradientFrom, L"GridStyle.Title.StartColor", false, true},
      {&TacGridWnd::OldGradientTo, L"ControlLook.FixedGradientTo", false, true},
      {&TacGridWnd::OldGradientTo, L"GridStyle.Title.EndColor", false, true},
      {&TacGridWnd::OldMirrorFrom, L"ControlLook.FixedGradientMirrorFrom", false, true},
      {&TacGridWnd::OldMirrorTo, L"ControlLook.FixedGradientMirrorTo", false, true},
  };
  return places;
}

bool Applies(const TObject* grid, const TColorPlace& place) {
  return HasProperty(grid, place.Path) && (!place.NeedsControlLook || HasProperty(grid, L"ControlLook"));
}

void SetColor(TObject* grid, const wchar_t* path, TColor value) {
  SetOrdPropByName(grid, path, static_cast<int>(value));
}

}  // namespace

bool& GridEhFlatFixedCells() {
  static bool value = LOBYTE(LOWORD(GetVersion())) < 6 && IsThemeActive();
  return value;
}

TacGridWnd::~TacGridWnd() { UndoBinding(); }

TObject* TacGridWnd::Grid() const { return SkinData ? SkinData->OwnerControl() : nullptr; }

void TacGridWnd::SaveControlParams() {
  TacEditWnd::SaveControlParams();
  TObject* grid = Grid();
  if (!grid) return;
  for (const TColorPlace& place : Places()) {
    if (!Applies(grid, place)) continue;
    const auto raw = static_cast<TColor>(GetIntProperty(grid, place.Path));
    this->*place.Field = place.Gradient && raw == kClNone ? ColorToRGB(kClBtnFace) : ColorToRGB(raw);
  }
}

void TacGridWnd::RestoreControlParams() {
  TacEditWnd::RestoreControlParams();
  TControl* grid = SkinData ? SkinData->OwnerControl() : nullptr;
  if (!grid || Destroying(grid)) return;
  for (const TColorPlace& place : Places())
    if (Applies(grid, place)) SetColor(grid, place.Path, this->*place.Field);
}

void TacGridWnd::ApplySkinParams() {
  TacEditWnd::ApplySkinParams();
  TObject* grid = Grid();
  if (!grid || !SkinManager || !SkinManager->Skin()) return;
  const TsSkinManager& m = *SkinManager;
  const TColor g = m.GetGlobalColor(), h = m.GetHotGlobalColor(), e = m.GetEditFontColor();
  const TColor font = m.GetGlobalFontColor(), border = m.SkinData().BorderColor;
  const bool look = HasProperty(grid, L"ControlLook");
  SetColor(grid, L"FixedColor", g);
  SetColor(grid, L"TitleFont.Color", font);
  if (look) {
    SetColor(grid, L"FixedFont.Color", font);
    SetColor(grid, L"GridFixedLineColor", border);
    SetColor(grid, L"GridLineColor", paint::MixColors(h, e, 0.7));
    SetColor(grid, L"SelectionColor", m.GetHighlightColor(true));
    SetColor(grid, L"SelectionTextColor", m.GetHighlightFontColor(true));
  }
  SetColor(grid, L"ControlLook.FixedGradientFrom", paint::MixColors(g, h, 0.5));
  SetColor(grid, L"ControlLook.FixedGradientTo", g);
  SetColor(grid, L"ControlLook.FixedGradientMirrorFrom", paint::MixColors(g, 0, 0.95));
  SetColor(grid, L"ControlLook.FixedGradientMirrorTo", paint::MixColors(g, 0xFFFFFF, 0.9));
  SetColor(grid, L"GridStyle.Title.StartColor", paint::MixColors(g, h, 0.5));
  SetColor(grid, L"GridStyle.Title.EndColor", g);
  SetColor(grid, L"LineColors.FixedColor", border);
  SetColor(grid, L"LineColors.DataColor", paint::MixColors(h, e, 0.8));
  SetColor(grid, L"LineColors.ShadowColor", paint::MixColors(h, e, 0.8));
  SetColor(grid, L"FooterColor", g);
  SetColor(grid, L"FooterCellColor", g);
  SetColor(grid, L"TitleColor", g);
  if (const TsGeneralData* section = SkinData->Section()) SetColor(grid, L"IndicatorIconColor", section->Props[0].FontColor);
}

void TacGridWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacEditWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;  // the grid paints every cell itself
      return;
    case WM_VSCROLL:
      if (HasProperty(Grid(), L"DataSource")) {
        const int code = LOWORD(message.WParam);
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        GetScrollInfo(CtrlHandle, SB_VERT, &si);
        if (code == SB_THUMBPOSITION || code == SB_THUMBTRACK) {
          si.nPos = si.nTrackPos;
          si.fMask = SIF_POS;
          SetScrollInfo(CtrlHandle, SB_VERT, &si, FALSE);
        } else if (code == SB_ENDSCROLL && Grid()->ClassName() != L"TwwDBGrid") {
          SendScrollCode(CtrlHandle, WM_VSCROLL, SB_THUMBPOSITION, si.nTrackPos);
        }
      }
      break;
    default:
      break;
  }
  TacEditWnd::AdapterWndProc(message);
  if (Destroyed) return;
  if (message.Msg == WM_PAINT) RefreshScrollBars(this, true);
  if (message.Msg == WM_WINDOWPOSCHANGED && IsWindowVisible(CtrlHandle)) SendMessageW(CtrlHandle, WM_NCPAINT, 0, 0);
}

// --- TacGridEhWnd

void TacGridEhWnd::SaveControlParams() {
  TacGridWnd::SaveControlParams();
  if (GridEhFlatFixedCells() && Grid()) OldFixed3D = SetPropHasElement(Grid(), L"OptionsEh", L"dghFixed3D");
}

void TacGridEhWnd::ApplySkinParams() {
  TacGridWnd::ApplySkinParams();
  if (GridEhFlatFixedCells() && Grid() && HasProperty(Grid(), L"OptionsEh"))
    ChangeSetProperty(Grid(), L"OptionsEh", L"dghFixed3D", false);
}

void TacGridEhWnd::RestoreControlParams() {
  TacGridWnd::RestoreControlParams();
  TControl* grid = SkinData ? SkinData->OwnerControl() : nullptr;
  if (GridEhFlatFixedCells() && grid && !Destroying(grid) && HasProperty(grid, L"OptionsEh"))
    ChangeSetProperty(grid, L"OptionsEh", L"dghFixed3D", OldFixed3D);
}

}  // namespace skin::adapters
