#pragma once
// Which adapter a button, static or combo box window gets, read from its
// style. Button and static types are enumerations in the low bits of the
// style, not flags: a split button (0xC) or a command link (0xE) is a push
// button although its bits overlap the radio and group-box values, and an
// enhanced-metafile static (0xF) is no icon although its low bits are 3.
// Portable: the style values are restated here.
#include <cstdint>
#include <string>
#include <string_view>

namespace skin::adapters {

inline constexpr std::uint32_t kButtonTypeMask = 0xF;  // BS_TYPEMASK
inline constexpr std::uint32_t kStaticTypeMask = 0x1F;  // SS_TYPEMASK
inline constexpr std::uint32_t kComboTypeMask = 0x3;

enum class TButtonAdapter { Push, CheckBox, Radio, GroupBox, OwnerDrawn };
enum class TStaticAdapter { None, Text, Icon, Edge };
enum class TComboKind { None, Simple, DropDown, DropDownList };

constexpr std::uint32_t ButtonType(std::uint32_t style) { return style & kButtonTypeMask; }
constexpr std::uint32_t StaticType(std::uint32_t style) { return style & kStaticTypeMask; }

constexpr TButtonAdapter ButtonAdapterOf(std::uint32_t style) {
  switch (ButtonType(style)) {
    case 0x2:  // BS_CHECKBOX
    case 0x3:  // BS_AUTOCHECKBOX
    case 0x5:  // BS_3STATE
    case 0x6:  // BS_AUTO3STATE
      return TButtonAdapter::CheckBox;
    case 0x4:  // BS_RADIOBUTTON
    case 0x9:  // BS_AUTORADIOBUTTON
      return TButtonAdapter::Radio;
    case 0x7:  // BS_GROUPBOX
      return TButtonAdapter::GroupBox;
    case 0xB:  // BS_OWNERDRAW: only its background is served
      return TButtonAdapter::OwnerDrawn;
    default:  // push, default push, user button, push box, split buttons, command links
      return TButtonAdapter::Push;
  }
}

// A push button that is the dialog's default one.
constexpr bool IsDefaultPushStyle(std::uint32_t style) {
  const std::uint32_t type = ButtonType(style);
  return type == 0x1 || type == 0xD || type == 0xF;  // BS_DEFPUSHBUTTON, BS_DEFSPLITBUTTON, BS_DEFCOMMANDLINK
}

// Text statics take the text adapter, icons and bitmaps the icon adapter
// (the edged one with WS_EX_STATICEDGE). Rectangles, frames, etched lines,
// simple, owner-drawn, user-item and metafile statics keep their own look.
constexpr TStaticAdapter StaticAdapterOf(std::uint32_t style, std::uint32_t exStyle) {
  switch (StaticType(style)) {
    case 0x0:  // SS_LEFT
    case 0x1:  // SS_CENTER
    case 0x2:  // SS_RIGHT
    case 0xC:  // SS_LEFTNOWORDWRAP
      return TStaticAdapter::Text;
    case 0x3:  // SS_ICON
    case 0xE:  // SS_BITMAP
      return (exStyle & 0x20000) ? TStaticAdapter::Edge : TStaticAdapter::Icon;  // WS_EX_STATICEDGE
    default:
      return TStaticAdapter::None;
  }
}

constexpr bool IsBitmapStatic(std::uint32_t style) { return StaticType(style) == 0xE; }

constexpr TComboKind ComboKindOf(std::uint32_t style) {
  switch (style & kComboTypeMask) {
    case 1: return TComboKind::Simple;
    case 2: return TComboKind::DropDown;
    case 3: return TComboKind::DropDownList;
    default: return TComboKind::None;
  }
}
constexpr bool ComboHasButton(std::uint32_t style) {
  const TComboKind kind = ComboKindOf(style);
  return kind == TComboKind::DropDown || kind == TComboKind::DropDownList;
}

// The text of a link static without its anchor tags: "<a>", "<A>",
// "<a href=...>" and "</a>" go, whatever their case or attributes.
std::wstring StripLinkTags(std::wstring_view text);

}  // namespace skin::adapters
