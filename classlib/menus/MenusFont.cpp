#include "classlib/menus/MenusFont.h"

namespace classlib {

void SelectMenuFont(TCanvas& canvas, bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  const HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
  if (!font) return;
  canvas.Font()->SetHandle(font);  // copies the description
  DeleteObject(font);
}

}  // namespace classlib
