#include "skin/core/ControlClassCodes.h"

#include <initializer_list>
#include <utility>

namespace skin {

namespace {

struct CodeRange {
  int first, last;
};

bool InRanges(int coc, std::initializer_list<CodeRange> ranges) {
  for (const CodeRange& r : ranges)
    if (coc >= r.first && coc <= r.last) return true;
  return false;
}

}  // namespace

bool InEditFamily(int coc) { return InRanges(coc, {{2, 18}, {41, 41}, {76, 84}, {96, 96}, {131, 140}}); }

bool InNoHotState(int coc) { return InRanges(coc, {{19, 19}, {51, 74}, {110, 110}, {141, 161}}); }

bool InNoGlow(int coc) {
  return InRanges(coc, {{51, 52}, {54, 54}, {56, 60}, {68, 68}, {73, 74}, {110, 110}, {141, 141}, {143, 143},
                        {151, 151}, {161, 161}, {226, 226}});
}

std::wstring_view DefaultSectionOf(int coc) {
  static const std::pair<std::initializer_list<CodeRange>, std::wstring_view> table[] = {
      {{{2, 8}, {10, 10}, {41, 41}, {76, 76}, {78, 78}, {83, 85}, {96, 96}, {131, 131}, {140, 140}, {227, 227}},
       L"EDIT"},
      {{{11, 18}, {81, 82}}, L"COMBOBOX"},
      {{{19, 19}}, L"BAR"},
      {{{20, 20}}, L"BARTITLE"},
      {{{32, 33}, {152, 152}}, L"CHECKBOX"},
      {{{51, 51}, {59, 59}, {68, 68}, {73, 73}}, L"PANEL"},
      {{{52, 52}, {58, 58}}, L"PANEL_LOW"},
      {{{53, 54}, {60, 60}}, L"TOOLBAR"},
      {{{56, 56}}, L"DRAGBAR"},
      {{{57, 57}}, L"TABSHEET"},
      {{{74, 74}, {226, 226}}, L"GROUPBOX"},
      {{{75, 75}}, L"SPLITTER"},
      {{{92, 92}, {95, 95}}, L"SPEEDBUTTON"},
      {{{93, 94}}, L"BUTTON"},
      {{{98, 98}}, L"TOOLBUTTON"},
      {{{141, 141}, {143, 143}}, L"PAGECONTROL"},
      {{{151, 151}}, L"STATUSBAR"},
      {{{161, 161}}, L"GAUGE"},
      {{{165, 165}}, L"TRACKBAR"},
  };
  for (const auto& [ranges, section] : table)
    if (InRanges(coc, ranges)) return section;
  return {};
}

}  // namespace skin
