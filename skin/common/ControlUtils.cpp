#include "skin/common/ControlUtils.h"

#include "classlib/controls/Forms.h"
#include "skin/common/SkinCommandSend.h"

namespace skin {

using namespace classlib;

namespace {
bool animationRunning = false;
}

void NotifyParentForm(TWinControl* control) {
  if (!control) return;
  const TComponentState state = control->ComponentState();
  if (state.Contains(csDesigning) || state.Contains(csLoading)) return;
  TCustomForm* form = control->GetParentForm();
  if (!form || !form->HandleAllocated()) return;
  SendSkinCommandToWnd(form->Handle(), scChildChanged, reinterpret_cast<LPARAM>(control));
}

bool ControlIsReady(const TControl* control) {
  if (!control) return false;
  if (const auto* windowed = dynamic_cast<const TWinControl*>(control); windowed && !windowed->HandleAllocated())
    return false;
  const TControlState controlState = control->ControlState();
  if (controlState.Contains(csCreating) || controlState.Contains(csReadingState)) return false;
  const TComponentState state = control->ComponentState();
  if (state.Contains(csLoading) || state.Contains(csDestroying)) return false;
  return control->Parent() != nullptr;
}

bool AnimationRunning() { return animationRunning; }
void SetAnimationRunning(bool value) { animationRunning = value; }

}  // namespace skin
