#pragma once
// The sections and masks that the program's forms, title bar, controls,
// menus and scroll bars look up in the skin. The generator checks its own
// skin against this list, and tests check a loaded skin against it.
#include <array>
#include <string_view>

namespace skingen {

inline constexpr std::array<std::string_view, 31> kRequiredSections = {
    "GLOBALINFO",                                        // skin-wide values and glyphs
    "FORM", "FORMTITLE", "CAPTION",                      // form frame, title bar, caption text
    "BUTTON", "TABTOP", "SPEEDBUTTON_SMALL",             // push buttons, page buttons, checked menu icons
    "EDIT", "CHECKBOX",                                  // edits and memos, check boxes
    "COMBOBOX", "COMBOBTN", "DRAGBAR", "SELECTION",      // card list (section DRAGBAR) and its items
    "PANEL", "PANEL_LOW",                                // raised and lowered panels
    "GAUGE", "PROGRESSH",                                // save/delete progress
    "MAINMENU", "MENUITEM", "ICOLINE", "DIVIDERV",       // pop-up menus
    "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT",
    "SCROLLSLIDERV", "SCROLLSLIDERH",
    "SCROLLBAR1V", "SCROLLBAR2V", "SCROLLBAR1H", "SCROLLBAR2H",
};

struct TRequiredMask {
  std::string_view section, mask;
};

inline constexpr std::array<TRequiredMask, 43> kRequiredMasks = {{
    {"GLOBALINFO", "BOXCHECKED"},     {"GLOBALINFO", "BOXUNCHECKED"},   {"GLOBALINFO", "BOXGRAYED"},
    {"GLOBALINFO", "RADIOCHECKED"},   {"GLOBALINFO", "RADIOUNCHECKED"}, {"GLOBALINFO", "RADIOGRAYED"},
    {"GLOBALINFO", "CHECK"},          {"GLOBALINFO", "GRIPIMAGE"},
    {"GLOBALINFO", "BICONCLOSE"},     {"GLOBALINFO", "BICLOSEALONE"},   {"GLOBALINFO", "BICONMIN"},
    {"GLOBALINFO", "BICONMAX"},       {"GLOBALINFO", "BICONNORM"},
    {"FORM", "BORDERSMASK"},          {"FORMTITLE", "BORDERSMASK"},
    {"BUTTON", "BORDERSMASK"},        {"TABTOP", "BORDERSMASK"},        {"SPEEDBUTTON_SMALL", "BORDERSMASK"},
    {"EDIT", "BORDERSMASK"},
    {"COMBOBOX", "BORDERSMASK"},      {"COMBOBOX", "GLYPHMASK"},
    {"COMBOBTN", "BORDERSMASK"},      {"COMBOBTN", "GLYPHMASK"},
    {"DRAGBAR", "BORDERSMASK"},       {"DRAGBAR", "GLYPHMASK"},
    {"PANEL", "BORDERSMASK"},         {"PANEL_LOW", "BORDERSMASK"},
    {"GAUGE", "BORDERSMASK"},         {"PROGRESSH", "BORDERSMASK"},
    {"MAINMENU", "BORDERSMASK"},      {"MENUITEM", "BORDERSMASK"},      {"DIVIDERV", "BORDERSMASK"},
    {"SCROLLBTNTOP", "BORDERSMASK"},  {"SCROLLBTNTOP", "GLYPHMASK"},
    {"SCROLLBTNBOTTOM", "BORDERSMASK"}, {"SCROLLBTNBOTTOM", "GLYPHMASK"},
    {"SCROLLBTNLEFT", "BORDERSMASK"}, {"SCROLLBTNLEFT", "GLYPHMASK"},
    {"SCROLLBTNRIGHT", "BORDERSMASK"}, {"SCROLLBTNRIGHT", "GLYPHMASK"},
    {"SCROLLSLIDERV", "BORDERSMASK"}, {"SCROLLSLIDERH", "BORDERSMASK"},
    {"SELECTION", "BORDERSMASK"},
}};

}  // namespace skingen
