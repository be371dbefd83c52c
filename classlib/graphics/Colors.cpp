#include "classlib/graphics/Colors.h"

#include <windows.h>

#include "classlib/core/PropertyRegistry.h"

namespace classlib {

TColor ColorToRGB(TColor color) {
  if (color < 0) return static_cast<TColor>(GetSysColor(color & 0xFF));
  return color;
}

const TIdentMap& ColorIdents() {
  static const TIdentMap idents{{
      {L"clBlack", clBlack},
      {L"clMaroon", clMaroon},
      {L"clGreen", clGreen},
      {L"clOlive", clOlive},
      {L"clNavy", clNavy},
      {L"clPurple", clPurple},
      {L"clTeal", clTeal},
      {L"clGray", clGray},
      {L"clSilver", clSilver},
      {L"clRed", clRed},
      {L"clLime", clLime},
      {L"clYellow", clYellow},
      {L"clBlue", clBlue},
      {L"clFuchsia", clFuchsia},
      {L"clAqua", clAqua},
      {L"clWhite", clWhite},
      {L"clScrollBar", clScrollBar},
      {L"clBackground", clBackground},
      {L"clActiveCaption", clActiveCaption},
      {L"clInactiveCaption", clInactiveCaption},
      {L"clMenu", clMenu},
      {L"clWindow", clWindow},
      {L"clWindowFrame", clWindowFrame},
      {L"clMenuText", clMenuText},
      {L"clWindowText", clWindowText},
      {L"clCaptionText", clCaptionText},
      {L"clActiveBorder", clActiveBorder},
      {L"clInactiveBorder", clInactiveBorder},
      {L"clAppWorkSpace", clAppWorkSpace},
      {L"clHighlight", clHighlight},
      {L"clHighlightText", clHighlightText},
      {L"clBtnFace", clBtnFace},
      {L"clBtnShadow", clBtnShadow},
      {L"clGrayText", clGrayText},
      {L"clBtnText", clBtnText},
      {L"clInactiveCaptionText", clInactiveCaptionText},
      {L"clBtnHighlight", clBtnHighlight},
      {L"cl3DDkShadow", cl3DDkShadow},
      {L"cl3DLight", cl3DLight},
      {L"clInfoText", clInfoText},
      {L"clInfoBk", clInfoBk},
      {L"clHotLight", clHotLight},
      {L"clGradientActiveCaption", clGradientActiveCaption},
      {L"clGradientInactiveCaption", clGradientInactiveCaption},
      {L"clMenuHighlight", clMenuHighlight},
      {L"clMenuBar", clMenuBar},
      {L"clNone", clNone},
      {L"clDefault", clDefault},
  }};
  return idents;
}

}  // namespace classlib
