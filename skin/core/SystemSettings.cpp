#include "skin/core/SystemSettings.h"

namespace skin {

namespace {

bool CaptionFont(LOGFONTW& font) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return false;
  font = metrics.lfCaptionFont;
  return true;
}

}  // namespace

int GetCaptionFontHeight() {
  LOGFONTW font;
  return CaptionFont(font) ? font.lfHeight : 0;
}

HFONT CreateCaptionFont() {
  LOGFONTW font;
  return CaptionFont(font) ? CreateFontIndirectW(&font) : nullptr;
}

bool GetMinMaxAnimation() {
  ANIMATIONINFO info{};
  info.cbSize = sizeof info;
  return SystemParametersInfoW(SPI_GETANIMATION, info.cbSize, &info, 0) && info.iMinAnimate != 0;
}

void SetMinMaxAnimation(bool on) {
  ANIMATIONINFO info{};
  info.cbSize = sizeof info;
  info.iMinAnimate = on ? -1 : 0;
  SystemParametersInfoW(SPI_SETANIMATION, info.cbSize, &info, 0);
}

bool IsWinXPUp() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExW(&version)) return false;
  return version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1);
}

int ScrollArrowSize() {
  static const int size = [] {
    const int metric = GetSystemMetrics(SM_CXHSCROLL);
    return metric > 0 ? metric : 16;
  }();
  return size;
}

}  // namespace skin
