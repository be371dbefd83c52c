#include "tools/skingen/SkinSections.h"

#include "tools/skingen/SkinPalette.h"

namespace skingen {
namespace {

using namespace palette;

// One section's look. States: 1 = one look; 2 and more add the hot keys.
struct TSectionLook {
  const char* name;
  const char* parent = nullptr;
  int states = 2;
  unsigned colour = kForm, fontColour = kText;
  unsigned hotColour = kForm, hotFontColour = kText;
  int transparency = 0, hotTransparency = 0;
  bool giveOwnFont = false;
  bool fading = false;
};

void WriteSection(TOptionsFile& o, const TSectionLook& s) {
  if (s.parent) o.Set(s.name, "PARENTCLASS", s.parent);
  o.Set(s.name, "STATES", s.states);
  o.Set(s.name, "COLOR", SkinColour(s.colour));
  o.Set(s.name, "FONTCOLOR", SkinColour(s.fontColour));
  o.Set(s.name, "TRANSPARENCY", s.transparency);
  o.Set(s.name, "GRADIENTPERCENT", 0);
  o.Set(s.name, "IMAGEPERCENT", 0);
  if (s.states > 1) {
    o.Set(s.name, "HOTCOLOR", SkinColour(s.hotColour));
    o.Set(s.name, "HOTFONTCOLOR", SkinColour(s.hotFontColour));
    o.Set(s.name, "HOTTRANSPARENCY", s.hotTransparency);
    o.Set(s.name, "HOTGRADIENTPERCENT", 0);
    o.Set(s.name, "HOTIMAGEPERCENT", 0);
  }
  o.Set(s.name, "GIVEOWNFONT", s.giveOwnFont ? 1 : 0);
  o.Set(s.name, "FADINGENABLED", s.fading ? 1 : 0);
  if (s.fading) o.Set(s.name, "FADINGITERATIONS", 5);
}

void WriteGlobalInfo(TOptionsFile& o) {
  const char* g = "GLOBALINFO";
  o.Set(g, "VERSION", "8.0");
  o.Set(g, "AUTHOR", "Tessarilo");
  o.Set(g, "DESCRIPTION", "Tessarilo - graphite and brass");
  o.Set(g, "MASTERBITMAP", kMasterBitmapName);
  o.Set(g, "BORDERWIDTH", 4);
  o.Set(g, "TITLEHEIGHT", 32);
  o.Set(g, "BORDERCOLOR", SkinColour(kLine));
  // Title buttons: centred in the title, 4 pixels from the right edge, 2 apart.
  o.Set(g, "BIRIGHT", 4);
  o.Set(g, "BISPACE", 2);
  o.Set(g, "BIVALIGN", 0);
  o.Set(g, "SHADOW1COLOR", 0);
  o.Set(g, "SHADOW1OFFSET", "0");
  o.Set(g, "SHADOW1BLUR", "-1");
  o.Set(g, "SHADOW1TRANSPARENCY", "0");
  o.Set(g, "STATES", 2);
  o.Set(g, "COLOR", SkinColour(kForm));
  o.Set(g, "FONTCOLOR", SkinColour(kText));
  // Links show the global hot font colour under the mouse.
  o.Set(g, "HOTCOLOR", SkinColour(kForm));
  o.Set(g, "HOTFONTCOLOR", SkinColour(kBrassLight));
}

}  // namespace

void WriteSkinSections(TOptionsFile& o) {
  WriteGlobalInfo(o);
  const TSectionLook sections[] = {
      // Frame and client of a form: inactive (0) and active (1).
      {.name = "FORM", .colour = kForm, .hotColour = kForm, .giveOwnFont = true},
      // System dialogs look like forms.
      {.name = "DIALOG", .parent = "FORM", .colour = kForm, .hotColour = kForm},
      {.name = "FORMTITLE", .colour = kTitle, .fontColour = kTextDim, .hotColour = kTitle, .hotFontColour = kText},
      // Only the caption's colours: its background is the title's.
      {.name = "CAPTION", .colour = kTitle, .fontColour = kTextDim, .hotColour = kTitle, .hotFontColour = kText,
       .transparency = 100, .hotTransparency = 100},
      // Normal, hot, pressed and default: the four frames of its mask.
      {.name = "BUTTON", .states = 4, .colour = kButtonBottom, .hotColour = kButtonHotBottom,
       .hotFontColour = kTextHot, .fading = true},
      {.name = "TABTOP", .states = 3, .colour = kPanelLow, .fontColour = kTextDim, .hotColour = kPanel,
       .hotFontColour = kTextHot},
      {.name = "SPEEDBUTTON_SMALL", .states = 3, .colour = kMenu, .hotColour = kMenu, .transparency = 100,
       .hotTransparency = 100},
      {.name = "EDIT", .colour = kField, .hotColour = kFieldHot},
      {.name = "CHECKBOX", .colour = kPanel, .hotColour = kPanel, .hotFontColour = kTextHot, .transparency = 100,
       .hotTransparency = 100},
      {.name = "COMBOBOX", .states = 3, .colour = kField, .hotColour = kFieldHot, .hotFontColour = kTextHot},
      {.name = "COMBOBTN", .states = 3, .colour = kField, .hotColour = kField, .transparency = 100,
       .hotTransparency = 100},
      // The card list is a combo box with this section.
      {.name = "DRAGBAR", .parent = "COMBOBOX", .states = 3, .colour = kField, .hotColour = kFieldHot,
       .hotFontColour = kTextHot},
      {.name = "SELECTION", .colour = kBrass, .fontColour = kTextDark, .hotColour = kBrassLight,
       .hotFontColour = kTextDark},
      {.name = "PANEL", .states = 1, .colour = kPanel, .giveOwnFont = true},
      {.name = "PANEL_LOW", .states = 1, .colour = kPanelLow, .giveOwnFont = true},
      {.name = "GAUGE", .states = 1, .colour = kTrack},
      {.name = "PROGRESSH", .states = 1, .colour = kBrass, .fontColour = kTextDark},
      // Pop-up menus: background, items (state 1 = selected), icon column, separators.
      {.name = "MAINMENU", .states = 1, .colour = kMenu},
      {.name = "MENUITEM", .colour = kMenu, .hotColour = kBrass, .hotFontColour = kTextDark, .transparency = 100,
       .hotTransparency = 100},
      // A form's menu bar: the band under the title; a hot item's text on its brass.
      {.name = "MENULINE", .colour = kTitle, .hotColour = kTitle, .hotFontColour = kTextDark},
      {.name = "ICOLINE", .states = 1, .colour = kIconLine},
      {.name = "DIVIDERV", .states = 1, .colour = kMenu, .transparency = 100},
      // Scroll bars: arrows, thumbs and the track before and after the thumb.
      {.name = "SCROLLBTNTOP", .states = 3, .colour = kTrack, .fontColour = kTextDim, .hotColour = kTrack},
      {.name = "SCROLLBTNBOTTOM", .parent = "SCROLLBTNTOP", .states = 3, .colour = kTrack, .fontColour = kTextDim,
       .hotColour = kTrack},
      {.name = "SCROLLBTNLEFT", .parent = "SCROLLBTNTOP", .states = 3, .colour = kTrack, .fontColour = kTextDim,
       .hotColour = kTrack},
      {.name = "SCROLLBTNRIGHT", .parent = "SCROLLBTNTOP", .states = 3, .colour = kTrack, .fontColour = kTextDim,
       .hotColour = kTrack},
      {.name = "SCROLLSLIDERV", .states = 3, .colour = kTrack, .hotColour = kTrack},
      {.name = "SCROLLSLIDERH", .parent = "SCROLLSLIDERV", .states = 3, .colour = kTrack, .hotColour = kTrack},
      {.name = "SCROLLBAR1V", .states = 3, .colour = kTrack, .hotColour = kTrack},
      {.name = "SCROLLBAR2V", .parent = "SCROLLBAR1V", .states = 3, .colour = kTrack, .hotColour = kTrack},
      {.name = "SCROLLBAR1H", .parent = "SCROLLBAR1V", .states = 3, .colour = kTrack, .hotColour = kTrack},
      {.name = "SCROLLBAR2H", .parent = "SCROLLBAR1V", .states = 3, .colour = kTrack, .hotColour = kTrack},
  };
  for (const TSectionLook& s : sections) WriteSection(o, s);
}

}  // namespace skingen
