#pragma once
// Which adapter a child window of a raw system dialog gets, from its class
// name and styles. Comctl32 v6 names arrive versioned ("6.0.2600.2982!Edit")
// and in any case: the name is compared without its version and case.
// Button and static types come from AdapterKinds (enumerations, not masks).
// Portable: the style values are restated here.
#include <cstdint>
#include <string>
#include <string_view>

namespace skin::adapters {

enum class TDialogChildAdapter {
  None,
  Icon,
  Edge,
  Static,
  TransPanel,
  Panel,        // a class-library panel: dressed in the skin's colours
  SilentPanel,  // a panel painting itself quietly: its caption cleared
  Edit,
  GroupBox,
  CheckBox,
  Button,
  ComboBox,
  ComboList,
  Sizer,
  TabControl,
  ListView,
  Spin,
  Track,
  ListBox,
  Link,
  ToolBar,
  TreeView,
};

struct TDialogChildKind {
  TDialogChildAdapter Adapter = TDialogChildAdapter::None;
  const wchar_t* Section = L"";
  // The dialog leaves client painting to its own procedure (it holds a
  // window that paints its own background).
  bool UnsetsOwnClientPaint = false;
  // Repainted at once only when the dialog already has an image.
  bool RepaintWhenPainted = false;
  // The adapter fills its background with the skin's global colour.
  bool DialogChild = false;
};

// The class name without a "version!" prefix, in lower case.
std::wstring PlainClassName(std::wstring_view className);

TDialogChildKind DialogChildKindOf(std::wstring_view className, std::uint32_t style, std::uint32_t exStyle,
                                   bool visible);

}  // namespace skin::adapters
