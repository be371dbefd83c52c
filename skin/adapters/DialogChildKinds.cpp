#include "skin/adapters/DialogChildKinds.h"

#include <cwctype>

#include "skin/adapters/AdapterKinds.h"

namespace skin::adapters {

std::wstring PlainClassName(std::wstring_view className) {
  const size_t bang = className.rfind(L'!');
  if (bang != std::wstring_view::npos) className.remove_prefix(bang + 1);
  std::wstring name(className);
  for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
  return name;
}

TDialogChildKind DialogChildKindOf(std::wstring_view className, std::uint32_t style, std::uint32_t exStyle,
                                   bool visible) {
  using A = TDialogChildAdapter;
  const std::wstring name = PlainClassName(className);
  if (name == L"static") {
    switch (StaticAdapterOf(style, exStyle)) {
      case TStaticAdapter::Icon: return {A::Icon, L"CHECKBOX"};
      case TStaticAdapter::Edge: return {A::Edge, L"EDIT"};
      case TStaticAdapter::Text: return {A::Static, L"CHECKBOX"};
      case TStaticAdapter::None: return {};
    }
  }
  if (name == L"#32770" || name == L"shbrowseforfolder") return {A::TransPanel, L"CHECKBOX"};
  if (name == L"tpanel") return {A::Panel, L"CHECKBOX"};
  if (name == L"tsilentpaintpanel") return {A::SilentPanel, L"GROUPBOX"};
  // An edit that is not shown (the open dialog keeps hidden ones) stays as it is.
  if (name == L"edit") return visible ? TDialogChildKind{A::Edit, L"EDIT", true, true, true} : TDialogChildKind{};
  if (name == L"button") {
    switch (ButtonAdapterOf(style)) {
      case TButtonAdapter::GroupBox: return {A::GroupBox, L"GROUPBOX"};
      case TButtonAdapter::CheckBox:
      case TButtonAdapter::Radio:
      case TButtonAdapter::OwnerDrawn:  // only its background is served, as for a check box
        return {A::CheckBox, L"CHECKBOX"};
      case TButtonAdapter::Push: return {A::Button, L"BUTTON"};
    }
  }
  if (name == L"combobox") return {A::ComboBox, L"COMBOBOX", true, true, true};
  if (name == L"combolbox") return {A::ComboList, L"COMBOBOX", true};
  if (name == L"comboboxex32") return {A::ComboBox, L"COMBOBOX", true};
  if (name == L"scrollbar") return (style & 0x10) ? TDialogChildKind{A::Sizer, L"CHECKBOX"} : TDialogChildKind{};
  if (name == L"systabcontrol32")
    return (style & 0x2000) ? TDialogChildKind{} : TDialogChildKind{A::TabControl, L"PAGECONTROL"};
  if (name == L"syslistview32") return {A::ListView, L"EDIT", false, false, true};
  if (name == L"msctls_updown32") return {A::Spin, L"SPEEDBUTTON_SMALL"};
  if (name == L"msctls_trackbar32") return {A::Track, L"TRACKBAR"};
  if (name == L"listbox") return {A::ListBox, L"EDIT", true, false, true};
  if (name == L"link window" || name == L"syslink") return {A::Link, L"CHECKBOX"};
  if (name == L"toolbarwindow32") return {A::ToolBar, (style & 0x200) ? L"BAR" : L"CHECKBOX"};
  if (name == L"systreeview32") return {A::TreeView, L"EDIT", false, false, true};
  return {};
}

}  // namespace skin::adapters
