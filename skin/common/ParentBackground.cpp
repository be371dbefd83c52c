#include "skin/common/ParentBackground.h"

#include "classlib/controls/WinControl.h"
#include "classlib/graphics/Colors.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/DcHelpers_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

bool OfAnotherThread(HWND wnd) {
  return wnd != nullptr && GetWindowThreadProcessId(wnd, nullptr) != GetCurrentThreadId();
}

// The nearest window a control lives in; null when none exists yet.
HWND WindowOf(TControl* ctrl) {
  for (TControl* c = ctrl; c != nullptr; c = c->Parent()) {
    auto* windowed = dynamic_cast<TWinControl*>(c);
    if (windowed && windowed->HandleAllocated()) return windowed->Handle();
  }
  return nullptr;
}

void AnswerGlobalColor(TacBGInfo& bg) {
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  bg.Color = manager ? manager->GetGlobalColor() : clBtnFace;
  bg.Kind = bgColor;
}

// The parent's picture lands in DC with its point Offset at R's top-left.
template <class Paint>
void PaintIntoAskersDC(TacBGInfo& bg, Paint&& paint) {
  if (!bg.DC) return;
  const int saved = SaveDC(bg.DC);
  POINT origin{};
  GetViewportOrgEx(bg.DC, &origin);
  SetViewportOrgEx(bg.DC, origin.x - bg.Offset.X, origin.y - bg.Offset.Y, nullptr);
  bg.R = TRect{bg.R.Left + bg.Offset.X, bg.R.Top + bg.Offset.Y, bg.R.Right + bg.Offset.X, bg.R.Bottom + bg.Offset.Y};
  IntersectClipRect(bg.DC, bg.R.Left, bg.R.Top, bg.R.Right, bg.R.Bottom);
  paint(WM_ERASEBKGND);
  paint(WM_PAINT);
  RestoreDC(bg.DC, saved);
}

}  // namespace

bool QueryParentBackground(TacBGInfo& bg, HWND wnd, bool pleaseDraw) {
  const bool wasPleaseDraw = bg.PleaseDraw;
  bg.Kind = bgNone;
  bg.PleaseDraw = pleaseDraw;
  if (wnd && !OfAnotherThread(wnd)) {
    SendSkinCommandToWnd(wnd, scGetBGInfo, reinterpret_cast<LPARAM>(&bg));
    if (bg.Kind != bgNone) return true;
    if (wasPleaseDraw) {
      PaintIntoAskersDC(bg, [&](UINT msg) { SendMessageW(wnd, msg, reinterpret_cast<WPARAM>(bg.DC), 0); });
      return false;
    }
  }
  AnswerGlobalColor(bg);
  return false;
}

bool QueryControlBackground(TacBGInfo& bg, TControl* ctrl, bool pleaseDraw) {
  const bool wasPleaseDraw = bg.PleaseDraw;
  bg.Kind = bgNone;
  bg.PleaseDraw = pleaseDraw;
  if (!ctrl || OfAnotherThread(WindowOf(ctrl))) {
    AnswerGlobalColor(bg);
    return false;
  }
  auto* windowed = dynamic_cast<TWinControl*>(ctrl);
  if (windowed && windowed->HandleAllocated())
    SendSkinCommand(ctrl, scGetBGInfo, reinterpret_cast<LPARAM>(&bg));
  else
    PerformSkinCommand(ctrl, scGetBGInfo, reinterpret_cast<LPARAM>(&bg));
  if (bg.Kind != bgNone) return true;
  if (wasPleaseDraw) {
    PaintIntoAskersDC(bg, [&](UINT msg) { ctrl->Perform(msg, reinterpret_cast<WPARAM>(bg.DC), 0); });
    return false;
  }
  bg.Kind = bgColor;
  const auto answer = static_cast<TColor>(PerformSkinCommand(ctrl, scGetBGColor, 0));
  bg.Color = answer != 0 ? answer : ColorToRGB(ctrl->Color());
  if (pleaseDraw && bg.Bmp && bg.DC) paint::FillRectColor(bg.DC, bg.R, bg.Color);
  return false;
}

void BgInfoToCacheInfo(const TacBGInfo& bg, TacCacheInfo& ci) {
  if (bg.Kind == bgImage && bg.Bmp) {
    ci = MakeCacheInfo(bg.Bmp, bg.Offset.X, bg.Offset.Y);
    return;
  }
  ci.Bmp = nullptr;
  ci.X = bg.Offset.X;
  ci.Y = bg.Offset.Y;
  ci.Ready = false;
  ci.FillColor = ColorToRGB(bg.Color);
}

}  // namespace skin
