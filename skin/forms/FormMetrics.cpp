#include "skin/forms/FormMetrics.h"

#include <cstdlib>

#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

const TsSkinData* SkinValues() {
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  return manager && manager->Skin() ? &manager->SkinData() : nullptr;
}

int CachedMetric(int& cache, int index) {
  if (cache == 0) cache = GetSystemMetrics(index);
  return cache;
}

int captionHeight = 0;
int smallCaptionHeight = 0;

}  // namespace

int SkinBorderWidth(const TsExtBorder* borderForm) {
  const TsSkinData* values = borderForm ? SkinValues() : nullptr;
  return values ? values->BorderWidth : 0;
}

int SkinTitleHeight(const TsExtBorder* borderForm) {
  const TsSkinData* values = borderForm ? SkinValues() : nullptr;
  return values ? values->TitleHeight : 0;
}

int FrameWidthOf(HWND wnd, const TsExtBorder* borderForm, bool useSkin) {
  if (useSkin) {
    const int skinWidth = SkinBorderWidth(borderForm);
    if (skinWidth != 0) return skinWidth;
  }
  const LONG_PTR style = wnd ? GetWindowLongPtrW(wnd, GWL_STYLE) : 0;
  if (style & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME);
  if (style & WS_BORDER) return GetSystemMetrics(SM_CXFIXEDFRAME);
  return 0;
}

int InnerFrameWidth(HWND wnd, const TsExtBorder* borderForm, bool useSkin) {
  return borderForm ? 0 : FrameWidthOf(wnd, nullptr, useSkin);
}

int SystemCaptionHeight(const TCustomForm* form) {
  if (form && (form->BorderStyle() == bsToolWindow || form->BorderStyle() == bsSizeToolWin) &&
      !(form->HandleAllocated() && IsIconic(const_cast<TCustomForm*>(form)->Handle())))
    return CachedMetric(smallCaptionHeight, SM_CYSMCAPTION);
  return CachedMetric(captionHeight, SM_CYCAPTION);
}

int TitleIconSizeFor(int height) {
  if (height >= -100 && height <= 8) return 1;
  if (height >= 9 && height <= 16) return 8;
  return 16;
}

int WndWidth(HWND wnd) {
  RECT r{};
  return GetWindowRect(wnd, &r) ? r.right - r.left : 0;
}

int WndHeight(HWND wnd) {
  RECT r{};
  return GetWindowRect(wnd, &r) ? r.bottom - r.top : 0;
}

int WndClientWidth(HWND wnd) {
  RECT r{};
  return GetClientRect(wnd, &r) ? r.right - r.left : 0;
}

int WndClientHeight(HWND wnd) {
  RECT r{};
  return GetClientRect(wnd, &r) ? r.bottom - r.top : 0;
}

bool IsSizableWnd(HWND wnd) { return (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_THICKFRAME) != 0; }

bool IsSingleImageMask(int maskIndex, const TsSkinManager* manager) {
  if (maskIndex < 0) return true;
  if (!manager || !manager->Skin() || static_cast<size_t>(maskIndex) >= manager->Skin()->Masks.size()) return false;
  return manager->Skin()->Masks[static_cast<size_t>(maskIndex)].ImageCount == 1;
}

void SnapToEdge(int& pos, int edge, int buffer, int size) {
  if (buffer > std::abs(pos + size - edge)) pos = edge - size;
}

}  // namespace skin
