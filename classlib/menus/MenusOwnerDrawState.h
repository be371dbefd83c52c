#pragma once
// The state of an owner-drawn item. The element order makes a set's mask
// bit-equal to the system's ODS_* flags, so a DRAWITEMSTRUCT's itemState
// converts with TOwnerDrawState::FromMask and back with Mask().
#include "classlib/core/Set.h"

namespace classlib {

enum TOwnerDrawStateItem {
  odSelected,      // ODS_SELECTED 0x0001
  odGrayed,        // ODS_GRAYED 0x0002
  odDisabled,      // ODS_DISABLED 0x0004
  odChecked,       // ODS_CHECKED 0x0008
  odFocused,       // ODS_FOCUS 0x0010
  odDefault,       // ODS_DEFAULT 0x0020
  odHotLight,      // ODS_HOTLIGHT 0x0040
  odInactive,      // ODS_INACTIVE 0x0080
  odNoAccel,       // ODS_NOACCEL 0x0100
  odNoFocusRect,   // ODS_NOFOCUSRECT 0x0200
  odReserved1,
  odReserved2,
  odComboBoxEdit,  // ODS_COMBOBOXEDIT 0x1000
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

}  // namespace classlib
