#include "tools/skingen/SkinPreview.h"

#include <algorithm>
#include <stdexcept>

#include "tools/skingen/SkinPalette.h"

namespace skingen {
namespace {

using namespace palette;
using bmp32::TColor32;

struct TRect {
  int left, top, right, bottom;
};

class TPreviewPainter {
 public:
  TPreviewPainter(const TMaskAtlas& atlas, const bmp32::TCustomBitmap32& master, bmp32::TCustomBitmap32& out)
      : atlas_(atlas), master_(master), out_(out) {}

  void Fill(TRect r, unsigned rgb) {
    out_.FillRect(r.left, r.top, r.right, r.bottom, 0xFF000000u | rgb);
  }

  // One frame of a nine-piece mask over the rectangle.
  void Border(const char* section, const char* key, int state, TRect r) {
    const TMaskEntry& m = Find(section, key);
    if (state == 0 && (m.drawMode & kDrawNothingInState0)) return;
    const int fw = m.frameWidth, fh = m.frameHeight;
    const TBorderWidths& w = m.widths;
    const int mw = fw - w.left - w.right, mh = fh - w.top - w.bottom;
    const int dw = r.right - r.left - w.left - w.right, dh = r.bottom - r.top - w.top - w.bottom;
    const bool stretch = m.drawMode & kDrawStretch;
    auto source = [&](int d, int nearW, int farW, int middle, int destMiddle, int total) {
      if (d < nearW) return d;
      if (d >= nearW + destMiddle) return total - farW + (d - nearW - destMiddle);
      const int inside = d - nearW;
      return nearW + (stretch ? inside * middle / std::max(destMiddle, 1) : inside % std::max(middle, 1));
    };
    for (int y = r.top; y < r.bottom; ++y) {
      const int dy = y - r.top;
      const bool midRow = dy >= w.top && dy < w.top + dh;
      for (int x = r.left; x < r.right; ++x) {
        const int dx = x - r.left;
        const bool midCol = dx >= w.left && dx < w.left + dw;
        if (midRow && midCol && !(m.drawMode & kDrawCentre)) continue;
        const int sx = source(dx, w.left, w.right, mw, dw, fw), sy = source(dy, w.top, w.bottom, mh, dh, fh);
        Blend(m, state, sx, sy, x, y);
      }
    }
  }

  // One frame of a glyph at its own size.
  void Glyph(const char* section, const char* key, int state, int x, int y) {
    const TMaskEntry& m = Find(section, key);
    for (int sy = 0; sy < m.frameHeight; ++sy)
      for (int sx = 0; sx < m.frameWidth; ++sx) Blend(m, state, sx, sy, x + sx, y + sy);
  }
  void CentredGlyph(const char* section, const char* key, int state, TRect r) {
    const TMaskEntry& m = Find(section, key);
    Glyph(section, key, state, (r.left + r.right - m.frameWidth) / 2, (r.top + r.bottom - m.frameHeight) / 2);
  }

 private:
  const TMaskEntry& Find(const char* section, const char* key) const {
    for (const TMaskEntry& e : atlas_.Entries())
      if (e.section == section && e.key == key) return e;
    throw std::logic_error(std::string("preview needs ") + section + "." + key);
  }

  // d := (d x m + s x (256 - m)) / 256 per channel; key pixels keep d.
  void Blend(const TMaskEntry& m, int state, int sx, int sy, int x, int y) {
    if (x < 0 || y < 0 || x >= out_.Width() || y >= out_.Height()) return;
    const int frame = std::min(state, m.frames - 1);
    const int px = m.left + frame * m.frameWidth + sx;
    const TColor32 s = master_.Pixel(px, m.top + sy);
    if ((s & 0x00FFFFFF) == 0xFF00FF) return;
    const unsigned k = master_.Pixel(px, m.top + m.frameHeight + sy) & 0xFF;
    const TColor32 d = out_.Pixel(x, y);
    TColor32 result = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
      const unsigned dc = (d >> shift) & 0xFF, sc = (s >> shift) & 0xFF;
      result |= ((dc * k + sc * (256 - k)) >> 8) << shift;
    }
    out_.SetPixel(x, y, result);
  }

  const TMaskAtlas& atlas_;
  const bmp32::TCustomBitmap32& master_;
  bmp32::TCustomBitmap32& out_;
};

}  // namespace

void RenderPreview(const TMaskAtlas& atlas, const bmp32::TCustomBitmap32& master, bmp32::TCustomBitmap32& out) {
  out.SetSize(520, 360);
  TPreviewPainter p(atlas, master, out);
  p.Fill({0, 0, 520, 360}, 0x6E747C);  // the desktop

  // Window: frame, title bar with its buttons.
  const TRect window{10, 10, 510, 350};
  p.Fill(window, kForm);
  p.Border("FORM", "BORDERSMASK", 1, window);
  p.Fill({10, 10, 510, 46}, kTitle);
  p.Border("FORMTITLE", "BORDERSMASK", 1, {10, 10, 510, 46});
  const char* titleButtons[] = {"BICONCLOSE", "BICONMAX", "BICONMIN"};
  for (int i = 0; i < 3; ++i) p.Glyph("GLOBALINFO", titleButtons[i], i == 0 ? 1 : 0, 510 - 8 - 36 * (i + 1), 16);

  // Left: a panel with fields, the card list, check boxes and a scroll bar.
  p.Fill({24, 58, 250, 336}, kPanel);
  p.Border("PANEL", "BORDERSMASK", 0, {24, 58, 250, 336});
  p.Border("EDIT", "BORDERSMASK", 0, {38, 72, 218, 100});
  p.Border("EDIT", "BORDERSMASK", 1, {38, 108, 218, 136});
  p.Border("DRAGBAR", "BORDERSMASK", 1, {38, 146, 218, 184});
  p.Border("COMBOBTN", "BORDERSMASK", 1, {196, 148, 216, 182});
  p.CentredGlyph("COMBOBTN", "GLYPHMASK", 1, {196, 148, 216, 182});
  p.Border("SELECTION", "BORDERSMASK", 0, {38, 190, 218, 216});
  const char* boxes[] = {"BOXUNCHECKED", "BOXCHECKED", "BOXGRAYED", "RADIOUNCHECKED", "RADIOCHECKED"};
  for (int i = 0; i < 5; ++i) p.Glyph("GLOBALINFO", boxes[i], i == 1 ? 1 : 0, 40 + i * 30, 228);
  p.Fill({38, 258, 218, 324}, kPanelLow);
  p.Border("PANEL_LOW", "BORDERSMASK", 0, {38, 258, 218, 324});
  p.Fill({200, 260, 216, 322}, kTrack);
  p.Border("SCROLLBTNTOP", "BORDERSMASK", 1, {200, 260, 216, 276});
  p.CentredGlyph("SCROLLBTNTOP", "GLYPHMASK", 1, {200, 260, 216, 276});
  p.CentredGlyph("SCROLLBTNBOTTOM", "GLYPHMASK", 0, {200, 306, 216, 322});
  p.Border("SCROLLSLIDERV", "BORDERSMASK", 0, {200, 278, 216, 300});
  p.Glyph("GLOBALINFO", "GRIPIMAGE", 0, 236, 322);

  // Right: page buttons, push buttons in every state, the gauge, a menu.
  for (int i = 0; i < 3; ++i) {
    const TRect tab{266 + i * 78, 58, 340 + i * 78, 86};
    p.Fill(tab, i == 2 ? kPanel : kPanelLow);
    p.Border("TABTOP", "BORDERSMASK", i, tab);
  }
  for (int i = 0; i < 4; ++i) {
    const TRect button{266 + (i % 2) * 118, 98 + (i / 2) * 46, 376 + (i % 2) * 118, 136 + (i / 2) * 46};
    p.Border("BUTTON", "BORDERSMASK", i, button);
  }
  p.Fill({266, 196, 494, 222}, kTrack);
  p.Border("GAUGE", "BORDERSMASK", 0, {266, 196, 494, 222});
  p.Border("PROGRESSH", "BORDERSMASK", 0, {268, 198, 400, 220});

  const TRect menu{300, 232, 470, 340};
  p.Fill(menu, kMenu);
  p.Fill({303, 235, 327, 337}, kIconLine);
  p.Border("MAINMENU", "BORDERSMASK", 0, menu);
  p.Glyph("GLOBALINFO", "CHECK", 0, 307, 241);
  p.Border("MENUITEM", "BORDERSMASK", 1, {303, 260, 467, 284});
  p.Glyph("GLOBALINFO", "CHECK", 1, 307, 264);
  p.Border("DIVIDERV", "BORDERSMASK", 1, {331, 288, 463, 297});
  p.Border("SPEEDBUTTON_SMALL", "BORDERSMASK", 2, {306, 304, 326, 324});
}

}  // namespace skingen
