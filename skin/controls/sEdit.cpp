#include "skin/controls/sEdit.h"

#include "classlib/graphics/Colors.h"

namespace skin {

using namespace classlib;

void TsEditSkinData::SetCustomFont(bool value) {
  if (customFont_ == value) return;
  customFont_ = value;
  edit_.Invalidate();
}

TColor TsEdit::TextColor() const { return skinData_.CustomFont() ? Font()->Color() : clWindowText; }

void TsEdit::WndProc(TMessage& message) {
  TEdit::WndProc(message);
  if (message.Msg == CN_CTLCOLOREDIT || message.Msg == CN_CTLCOLORSTATIC)
    SetTextColor(reinterpret_cast<HDC>(message.WParam), static_cast<COLORREF>(ColorToRGB(TextColor())));
}

}  // namespace skin
