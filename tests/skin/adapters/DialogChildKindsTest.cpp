// The adapter a raw dialog's child gets, by class name and style: one row
// per case the dialogs really hold, versioned and mixed-case names included.
#include <gtest/gtest.h>

#include "skin/adapters/DialogChildKinds.h"

namespace {

using skin::adapters::DialogChildKindOf;
using A = skin::adapters::TDialogChildAdapter;

struct Row {
  const wchar_t* cls;
  std::uint32_t style, exStyle;
  bool visible;
  A adapter;
  const wchar_t* section;
};

TEST(DialogChildKinds, ClassAndStyleTable) {
  const Row rows[] = {
      {L"Static", 0x0, 0, true, A::Static, L"CHECKBOX"},
      {L"Static", 0x3, 0, true, A::Icon, L"CHECKBOX"},              // SS_ICON
      {L"Static", 0xE, 0x20000, true, A::Edge, L"EDIT"},            // edged bitmap
      {L"Static", 0x5, 0, true, A::None, L""},                      // grey rectangle
      {L"Static", 0xD, 0, true, A::None, L""},                      // owner-drawn
      {L"Static", 0xF, 0, true, A::None, L""},                      // metafile is no icon
      {L"6.0.2600.2982!Edit", 0, 0, true, A::Edit, L"EDIT"},        // versioned name
      {L"Edit", 0, 0, false, A::None, L""},                         // invisible edit: none
      {L"Button", 0x7, 0, true, A::GroupBox, L"GROUPBOX"},
      {L"Button", 0x3, 0, true, A::CheckBox, L"CHECKBOX"},
      {L"Button", 0x9, 0, true, A::CheckBox, L"CHECKBOX"},          // radio
      {L"Button", 0xB, 0, true, A::CheckBox, L"CHECKBOX"},          // owner-drawn: background only
      {L"Button", 0x1, 0, true, A::Button, L"BUTTON"},
      {L"Button", 0xA, 0, true, A::Button, L"BUTTON"},              // push box
      {L"Button", 0xC, 0, true, A::Button, L"BUTTON"},              // split button
      {L"Button", 0xE, 0, true, A::Button, L"BUTTON"},              // command link, not a check box
      {L"Button", 0xF, 0, true, A::Button, L"BUTTON"},              // default command link, not a group box
      {L"ComboBox", 0x3, 0, true, A::ComboBox, L"COMBOBOX"},
      {L"ComboLBox", 0, 0, false, A::ComboList, L"COMBOBOX"},
      {L"ComboBoxEx32", 0, 0, true, A::ComboBox, L"COMBOBOX"},
      {L"ScrollBar", 0x10, 0, true, A::Sizer, L"CHECKBOX"},         // size grip
      {L"ScrollBar", 0x1, 0, true, A::None, L""},                   // plain bar
      {L"SysTabControl32", 0, 0, true, A::TabControl, L"PAGECONTROL"},
      {L"SysTabControl32", 0x2000, 0, true, A::None, L""},          // owner-drawn tabs
      {L"SysListView32", 0, 0, true, A::ListView, L"EDIT"},
      {L"msctls_updown32", 0, 0, true, A::Spin, L"SPEEDBUTTON_SMALL"},
      {L"msctls_trackbar32", 0, 0, true, A::Track, L"TRACKBAR"},
      {L"ListBox", 0, 0, true, A::ListBox, L"EDIT"},
      {L"SysLink", 0, 0, true, A::Link, L"CHECKBOX"},
      {L"ToolbarWindow32", 0x200, 0, true, A::ToolBar, L"BAR"},
      {L"ToolbarWindow32", 0, 0, true, A::ToolBar, L"CHECKBOX"},
      {L"SysTreeView32", 0, 0, true, A::TreeView, L"EDIT"},
      {L"#32770", 0, 0, true, A::TransPanel, L"CHECKBOX"},
      {L"SHBrowseForFolder", 0, 0, true, A::TransPanel, L"CHECKBOX"},
      {L"TPanel", 0, 0, true, A::Panel, L"CHECKBOX"},                     // class names compared in lower case
      {L"TSilentPaintPanel", 0, 0, true, A::SilentPanel, L"GROUPBOX"},
      {L"DirectUIHWND", 0, 0, true, A::None, L""},
  };
  for (const Row& r : rows) {
    const auto kind = DialogChildKindOf(r.cls, r.style, r.exStyle, r.visible);
    EXPECT_EQ(kind.Adapter, r.adapter) << r.cls << L" style " << r.style;
    EXPECT_STREQ(kind.Section, r.section) << r.cls << L" style " << r.style;
  }
}

TEST(DialogChildKinds, WindowsPaintingTheirOwnBackgroundStopTheDialogsClientPaint) {
  EXPECT_TRUE(DialogChildKindOf(L"Edit", 0, 0, true).UnsetsOwnClientPaint);
  EXPECT_TRUE(DialogChildKindOf(L"ListBox", 0, 0, true).UnsetsOwnClientPaint);
  EXPECT_TRUE(DialogChildKindOf(L"ComboBox", 2, 0, true).RepaintWhenPainted);
  EXPECT_FALSE(DialogChildKindOf(L"Button", 0, 0, true).UnsetsOwnClientPaint);
  EXPECT_TRUE(DialogChildKindOf(L"SysListView32", 0, 0, true).DialogChild);
}

}  // namespace
