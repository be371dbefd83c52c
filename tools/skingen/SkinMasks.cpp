#include "tools/skingen/SkinMasks.h"

#include <array>

#include "tools/skingen/SkinPalette.h"

namespace skingen {
namespace {

using namespace palette;

// A rounded box with a fill and a one-pixel outline, the shape of most
// controls. Corner radii stay below the border widths so every curve lies
// in a corner piece, which is copied at its own size.
void Box(TLayer& l, TSdf shape, const TPaint& fill, TRgba outline, float outlineWidth = 1.0f) {
  l.Fill(shape, fill);
  if (outline.a > 0) l.Fill(Stroke(shape, outlineWidth), outline);
}

TSdf Whole(const TLayer& l, float radius, float inset = 0) {
  return RoundRect(inset, inset, l.Width() - inset, l.Height() - inset, radius);
}

// ---- form, title, panels ----------------------------------------------------

void AddFrames(TMaskAtlas& a) {
  // Form frame, state 0 inactive, 1 active; square corners (the window keeps
  // its rectangle), the client is the section's colour.
  a.AddBorder("FORM", "BORDERSMASK", 12, 12, 2, {4, 4, 4, 4}, 0, [](TLayer& l, int f) {
    const TSdf all = RoundRect(0, 0, 12, 12, 0);
    Box(l, all, Solid(Rgb(kForm)), Rgb(f ? kLineLight : kLine));
  });
  // Title bar over the frame's top: outline on three sides, a brass hairline
  // along the top of the active window, a divider towards the client.
  a.AddBorder("FORMTITLE", "BORDERSMASK", 12, 12, 2, {4, 4, 4, 4}, 0, [](TLayer& l, int f) {
    Box(l, RoundRect(0, 0, 12, 12, 0), Solid(Rgb(kTitle)), Rgb(f ? kLineLight : kLine));
    if (f) l.Fill(RoundRect(0, 0, 12, 1, 0), Rgb(kBrass));
    l.Fill(RoundRect(1, 11, 11, 12, 0), Rgb(kLineDark));
  });
  a.AddBorder("PANEL", "BORDERSMASK", 16, 16, 1, {6, 6, 6, 6}, kDrawCentre, [](TLayer& l, int) {
    Box(l, Whole(l, 5), Solid(Rgb(kPanel)), Rgb(kLine));
  });
  a.AddBorder("PANEL_LOW", "BORDERSMASK", 16, 16, 1, {6, 6, 6, 6}, kDrawCentre, [](TLayer& l, int) {
    Box(l, Whole(l, 5), Solid(Rgb(kPanelLow)), Rgb(kLineDark));
  });
}

// ---- buttons ----------------------------------------------------------------

// Push buttons: 0 normal, 1 hot, 2 pressed, 3 default. A disabled button is
// the normal image dimmed by the control's disabled look.
void PaintButton(TLayer& l, int f) {
  const float h = static_cast<float>(l.Height());
  const TSdf shape = Whole(l, 5);
  switch (f) {
    case 0:
    case 3:
      Box(l, shape, VerticalGradient(Rgb(kButtonTop), Rgb(kButtonBottom), 0, h),
          f == 3 ? Rgb(kBrass) : Rgb(kLineLight), f == 3 ? 1.5f : 1.0f);
      break;
    case 1:
      Box(l, shape, VerticalGradient(Rgb(kButtonHotTop), Rgb(kButtonHotBottom), 0, h), Rgb(kBrass, 0.75f));
      break;
    default:
      Box(l, shape, VerticalGradient(Rgb(kButtonDownTop), Rgb(kButtonDownBottom), 0, h), Rgb(kBrass));
      break;
  }
  if (f != 2) l.Fill(RoundRect(4, 1, l.Width() - 4.0f, 2, 0), Rgb(0xFFFFFF, 0.07f));  // soft top light
}

void AddButtons(TMaskAtlas& a) {
  a.AddBorder("BUTTON", "BORDERSMASK", 24, 24, 4, {6, 6, 6, 6}, kDrawStretch | kDrawCentre, PaintButton);
  // Page buttons: rounded top, square bottom; the chosen page (pressed) gets
  // the panel's colour and a brass line on top.
  a.AddBorder("TABTOP", "BORDERSMASK", 24, 24, 3, {6, 6, 6, 6}, kDrawStretch | kDrawCentre, [](TLayer& l, int f) {
    const TSdf shape = RoundRect(0, 0, 24, 30, 5);
    const unsigned fill[] = {kPanelLow, kButtonBottom, kPanel};
    Box(l, shape, Solid(Rgb(fill[f])), Rgb(f == 0 ? kLine : kLineLight));
    if (f == 2) l.Fill(Subtract(RoundRect(0, 0, 24, 30, 5), RoundRect(-1, 2, 25, 31, 0)), Rgb(kBrass));
  });
  // Checked icons of menu items (state 2), hot (1); nothing in state 0.
  a.AddBorder("SPEEDBUTTON_SMALL", "BORDERSMASK", 12, 12, 3, {4, 4, 4, 4}, kDrawNothingInState0 | kDrawCentre,
              [](TLayer& l, int f) {
                if (f == 0) return;
                const TSdf shape = Whole(l, 3);
                if (f == 1) Box(l, shape, Solid(Rgb(kLine)), Rgb(kLineLight));
                if (f == 2) Box(l, shape, Solid(Rgb(kBrass, 0.22f)), Rgb(kBrass));
              });
}

// ---- edits, combo box, selection ---------------------------------------------

void AddFields(TMaskAtlas& a) {
  // Edits: 0 normal, 1 focused or hot.
  a.AddBorder("EDIT", "BORDERSMASK", 12, 12, 2, {5, 5, 5, 5}, kDrawCentre, [](TLayer& l, int f) {
    Box(l, Whole(l, 4), Solid(Rgb(f ? kFieldHot : kField)), f ? Rgb(kBrass) : Rgb(kLineLight));
  });
  // Combo boxes: 0 normal, 1 hot, 2 dropped down.
  a.AddBorder("COMBOBOX", "BORDERSMASK", 12, 12, 3, {5, 5, 5, 5}, kDrawCentre, [](TLayer& l, int f) {
    const TRgba outline[] = {Rgb(kLineLight), Rgb(kBrass, 0.75f), Rgb(kBrass)};
    Box(l, Whole(l, 4), Solid(Rgb(f ? kFieldHot : kField)), outline[f]);
  });
  a.AddGlyph("COMBOBOX", "GLYPHMASK", 14, 14, 3, [](TLayer& l, int f) {
    const unsigned colour[] = {kTextDim, kText, kBrass};
    l.Fill(Union(Capsule(3.5f, 5.5f, 7, 9, 0.9f), Capsule(7, 9, 10.5f, 5.5f, 0.9f)), Rgb(colour[f]));
  });
  a.AddBorder("COMBOBTN", "BORDERSMASK", 12, 12, 3, {4, 4, 4, 4}, kDrawNothingInState0 | kDrawCentre,
              [](TLayer& l, int f) {
                if (f) l.Fill(Whole(l, 3, 1), Rgb(f == 1 ? kLine : kLineDark));
              });
  a.AddAlias("COMBOBTN", "GLYPHMASK", "COMBOBOX", "GLYPHMASK");
  a.AddAlias("DRAGBAR", "BORDERSMASK", "COMBOBOX", "BORDERSMASK");
  a.AddAlias("DRAGBAR", "GLYPHMASK", "COMBOBOX", "GLYPHMASK");
  a.AddBorder("SELECTION", "BORDERSMASK", 12, 12, 2, {5, 5, 5, 5}, kDrawCentre, [](TLayer& l, int f) {
    l.Fill(Whole(l, 4), Rgb(f ? kBrassLight : kBrass));
  });
}

// ---- check boxes and radio buttons (0 normal, 1 hot, 2 pressed) --------------

TRgba CheckOutline(int f) { return f == 0 ? Rgb(kLineLight) : f == 1 ? Rgb(kBrass, 0.8f) : Rgb(kBrass); }
unsigned BrassOf(int f) { return f == 1 ? kBrassLight : f == 2 ? kBrassDark : kBrass; }

TSdf Tick(float x, float y, float scale, float halfWidth) {
  return Union(Capsule(x, y + 3.5f * scale, x + 3 * scale, y + 6.5f * scale, halfWidth),
               Capsule(x + 3 * scale, y + 6.5f * scale, x + 8.5f * scale, y, halfWidth));
}

void AddCheckGlyphs(TMaskAtlas& a) {
  const char* g = "GLOBALINFO";
  a.AddGlyph(g, "BOXUNCHECKED", 18, 18, 3, [](TLayer& l, int f) {
    Box(l, RoundRect(1, 1, 17, 17, 3.5f), Solid(Rgb(kField)), CheckOutline(f), 1.25f);
  });
  a.AddGlyph(g, "BOXCHECKED", 18, 18, 3, [](TLayer& l, int f) {
    l.Fill(RoundRect(1, 1, 17, 17, 3.5f), Rgb(BrassOf(f)));
    l.Fill(Tick(4.8f, 5.5f, 1.0f, 1.1f), Rgb(kTextDark));
  });
  a.AddGlyph(g, "BOXGRAYED", 18, 18, 3, [](TLayer& l, int f) {
    Box(l, RoundRect(1, 1, 17, 17, 3.5f), Solid(Rgb(kField)), CheckOutline(f), 1.25f);
    l.Fill(RoundRect(5, 5, 13, 13, 2), Rgb(BrassOf(f), 0.55f));
  });
  a.AddGlyph(g, "RADIOUNCHECKED", 18, 18, 3, [](TLayer& l, int f) {
    Box(l, Circle(9, 9, 8), Solid(Rgb(kField)), CheckOutline(f), 1.25f);
  });
  a.AddGlyph(g, "RADIOCHECKED", 18, 18, 3, [](TLayer& l, int f) {
    Box(l, Circle(9, 9, 8), Solid(Rgb(kField)), Rgb(BrassOf(f)), 1.5f);
    l.Fill(Circle(9, 9, 4), Rgb(BrassOf(f)));
  });
  a.AddGlyph(g, "RADIOGRAYED", 18, 18, 3, [](TLayer& l, int f) {
    Box(l, Circle(9, 9, 8), Solid(Rgb(kField)), CheckOutline(f), 1.25f);
    l.Fill(Circle(9, 9, 4), Rgb(BrassOf(f), 0.55f));
  });
  // Menu check mark: 0 on the menu, 1 on the brass selection.
  a.AddGlyph(g, "CHECK", 16, 16, 2, [](TLayer& l, int f) {
    l.Fill(Tick(3.8f, 4.5f, 1.0f, 1.0f), Rgb(f ? kTextDark : kBrass));
  });
  // Size grip: a triangle of dots in the bottom-right corner.
  a.AddGlyph(g, "GRIPIMAGE", 12, 12, 1, [](TLayer& l, int) {
    for (int row = 0; row < 3; ++row)
      for (int col = 2 - row; col < 3; ++col) l.Fill(Circle(3 + col * 3.5f, 3 + row * 3.5f, 1.1f), Rgb(kThumb));
  });
}

// ---- title-bar buttons (0 normal, 1 hot, 2 pressed) --------------------------

void TitleButton(TLayer& l, int f, const TSdf& glyph, bool close) {
  const TSdf plate = RoundRect(2, 2, l.Width() - 2.0f, l.Height() - 2.0f, 4);
  if (f == 1) l.Fill(plate, Rgb(close ? kCloseHot : kTitleButtonHot));
  if (f == 2) l.Fill(plate, Rgb(close ? kCloseDown : kTitleButtonDown));
  const unsigned colour = f == 0 ? kTextDim : close ? 0xFFFFFF : f == 1 ? kText : kBrass;
  l.Fill(glyph, Rgb(colour));
}

void AddTitleButtons(TMaskAtlas& a) {
  const char* g = "GLOBALINFO";
  constexpr int w = 34, h = 24;
  a.AddGlyph(g, "BICONCLOSE", w, h, 3, [](TLayer& l, int f) {
    TitleButton(l, f, Union(Capsule(12.5f, 7.5f, 21.5f, 16.5f, 0.8f), Capsule(21.5f, 7.5f, 12.5f, 16.5f, 0.8f)),
                true);
  });
  a.AddAlias(g, "BICLOSEALONE", g, "BICONCLOSE");
  a.AddGlyph(g, "BICONMIN", w, h, 3, [](TLayer& l, int f) {
    TitleButton(l, f, Capsule(12.5f, 12.5f, 21.5f, 12.5f, 0.5f), false);
  });
  a.AddGlyph(g, "BICONMAX", w, h, 3, [](TLayer& l, int f) {
    TitleButton(l, f, Stroke(RoundRect(12, 7, 22, 17, 1.5f), 1), false);
  });
  a.AddGlyph(g, "BICONNORM", w, h, 3, [](TLayer& l, int f) {
    const TSdf front = RoundRect(12, 9, 20, 17, 1.5f);
    const TSdf back = Subtract(Stroke(RoundRect(14, 7, 22, 15, 1.5f), 1), RoundRect(11, 8, 21, 18, 1.5f));
    TitleButton(l, f, Union(Stroke(front, 1), back), false);
  });
}

// ---- gauge ------------------------------------------------------------------

void AddGauge(TMaskAtlas& a) {
  a.AddBorder("GAUGE", "BORDERSMASK", 12, 12, 1, {5, 5, 5, 5}, kDrawCentre, [](TLayer& l, int) {
    Box(l, Whole(l, 4), Solid(Rgb(kTrack)), Rgb(kLineDark));
  });
  // The filled bar: brass with a light band over its upper half.
  a.AddBorder("PROGRESSH", "BORDERSMASK", 12, 16, 1, {5, 5, 5, 5}, kDrawStretch | kDrawCentre, [](TLayer& l, int) {
    const TSdf bar = Whole(l, 4, 1);
    l.Fill(bar, VerticalGradient(Rgb(kBrassLight), Rgb(kBrassDark), 1, 15));
    l.Fill(Subtract(bar, RoundRect(-1, 7, 13, 17, 0)), Rgb(0xFFFFFF, 0.18f));
    l.Fill(Stroke(bar, 1), Rgb(kBrassDark, 0.6f));
  });
}

// ---- pop-up menus -----------------------------------------------------------

void AddMenus(TMaskAtlas& a) {
  // The menu painter reads the border width (3) from this mask.
  a.AddBorder("MAINMENU", "BORDERSMASK", 12, 12, 1, {3, 3, 3, 3}, 0, [](TLayer& l, int) {
    Box(l, Whole(l, 3), Solid(Rgb(kMenu)), Rgb(kLineLight));
  });
  // Selected item: a rounded brass bar, inset from the menu's sides.
  a.AddBorder("MENUITEM", "BORDERSMASK", 16, 16, 2, {6, 6, 6, 6}, kDrawNothingInState0 | kDrawCentre,
              [](TLayer& l, int f) {
                if (f) l.Fill(RoundRect(2, 1, 14, 15, 3), Rgb(kBrass));
              });
  // Separator: a hairline as the mask's one-row top border. Separator items
  // are measured 2 pixels high: deeper borders would be shrunk away.
  a.AddBorder("DIVIDERV", "BORDERSMASK", 8, 10, 1, {3, 1, 3, 0}, 0, [](TLayer& l, int) {
    l.Fill(RoundRect(0, 0, 8, 1, 0), Rgb(kLine));
  });
}

// ---- scroll bars ------------------------------------------------------------

void AddScrollBars(TMaskAtlas& a) {
  const char* buttons[] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"};
  a.AddBorder(buttons[0], "BORDERSMASK", 16, 16, 3, {5, 5, 5, 5}, kDrawNothingInState0 | kDrawCentre,
              [](TLayer& l, int f) {
                if (f) l.Fill(Whole(l, 3, 2), Rgb(f == 1 ? kLine : kLineDark));
              });
  for (int i = 1; i < 4; ++i) a.AddAlias(buttons[i], "BORDERSMASK", buttons[0], "BORDERSMASK");
  // Chevrons pointing up, down, left, right.
  using TChevron = std::array<float, 6>;  // three points: end, tip, end
  const TChevron tips[4] = {{2, 6.5f, 5, 3.5f, 8, 6.5f},
                            {2, 3.5f, 5, 6.5f, 8, 3.5f},
                            {6.5f, 2, 3.5f, 5, 6.5f, 8},
                            {3.5f, 2, 6.5f, 5, 3.5f, 8}};
  for (int i = 0; i < 4; ++i) {
    const TChevron p = tips[i];
    a.AddGlyph(buttons[i], "GLYPHMASK", 10, 10, 3, [p](TLayer& l, int f) {
      const unsigned colour[] = {kTextDim, kText, kBrass};
      l.Fill(Union(Capsule(p[0], p[1], p[2], p[3], 0.85f), Capsule(p[2], p[3], p[4], p[5], 0.85f)),
             Rgb(colour[f]));
    });
  }
  // Thumbs: a slim pill, brass while dragged.
  const unsigned thumb[] = {kThumb, kThumbHot, kBrass};
  a.AddBorder("SCROLLSLIDERV", "BORDERSMASK", 16, 20, 3, {5, 6, 5, 6}, kDrawCentre, [thumb](TLayer& l, int f) {
    l.Fill(RoundRect(4, 2, 12, 18, 4), Rgb(thumb[f]));
  });
  a.AddBorder("SCROLLSLIDERH", "BORDERSMASK", 20, 16, 3, {6, 5, 6, 5}, kDrawCentre, [thumb](TLayer& l, int f) {
    l.Fill(RoundRect(2, 4, 18, 12, 4), Rgb(thumb[f]));
  });
}

}  // namespace

void AddSkinMasks(TMaskAtlas& atlas) {
  AddFrames(atlas);
  AddButtons(atlas);
  AddFields(atlas);
  AddCheckGlyphs(atlas);
  AddTitleButtons(atlas);
  AddGauge(atlas);
  AddMenus(atlas);
  AddScrollBars(atlas);
}

}  // namespace skingen
