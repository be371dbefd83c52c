#include "skin/core/ControlClassCodes.h"

#include <initializer_list>

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
  // Each section with the code ranges that default to it (at most ten).
  struct DefaultSection {
    std::wstring_view section;
    CodeRange ranges[10];
  };
  static constexpr DefaultSection table[] = {
      {L"EDIT",
       {{2, 8}, {10, 10}, {41, 41}, {76, 76}, {78, 78}, {83, 85}, {96, 96}, {131, 131}, {140, 140}, {227, 227}}},
      {L"COMBOBOX", {{11, 18}, {81, 82}}},
      {L"BAR", {{19, 19}}},
      {L"BARTITLE", {{20, 20}}},
      {L"CHECKBOX", {{32, 33}, {152, 152}}},
      {L"PANEL", {{51, 51}, {59, 59}, {68, 68}, {73, 73}}},
      {L"PANEL_LOW", {{52, 52}, {58, 58}}},
      {L"TOOLBAR", {{53, 54}, {60, 60}}},
      {L"DRAGBAR", {{56, 56}}},
      {L"TABSHEET", {{57, 57}}},
      {L"GROUPBOX", {{74, 74}, {226, 226}}},
      {L"SPLITTER", {{75, 75}}},
      {L"SPEEDBUTTON", {{92, 92}, {95, 95}}},
      {L"BUTTON", {{93, 94}}},
      {L"TOOLBUTTON", {{98, 98}}},
      {L"PAGECONTROL", {{141, 141}, {143, 143}}},
      {L"STATUSBAR", {{151, 151}}},
      {L"GAUGE", {{161, 161}}},
      {L"TRACKBAR", {{165, 165}}},
  };
  for (const DefaultSection& entry : table)
    for (const CodeRange& r : entry.ranges)
      if (r.first != 0 && coc >= r.first && coc <= r.last) return entry.section;
  return {};
}

}  // namespace skin
