#include "skin/controls/sButton.h"

namespace skin {

void TsButton::SetDown(bool value) {
  if (down_ == value) return;
  down_ = value;
  ShowDownState();
}

void TsButton::CreateWindowDone() {
  TsSkinnedControl::CreateWindowDone();
  ShowDownState();
}

void TsButton::ShowDownState() {
  // The system button keeps a pushed look while its highlight state is set.
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTATE, down_ ? TRUE : FALSE, 0);
}

}  // namespace skin
