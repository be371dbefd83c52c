#include "skin/common/ControlUtils.h"

#include "classlib/controls/Forms.h"
#include "classlib/core/FileUtils.h"
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

void acGetCursorPos(TPoint& p) {
  POINT point{};
  GetCursorPos(&point);
  p = TPoint{point.x, point.y};
}

TCustomForm* GetOwnerForm(TComponent* component) {
  for (TComponent* c = component; c; c = c->Owner())
    if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
  return nullptr;
}

TComponent* GetOwnerContainer(TComponent*) { return nullptr; }

UINT GetStringFlags(const TControl* control, TAlignment alignment) {
  const bool rightToLeft = control && control->BiDiMode() == bdRightToLeft;
  UINT flags = DT_LEFT;
  if (alignment == taCenter) flags = DT_CENTER;
  else if ((alignment == taRightJustify) != rightToLeft) flags = DT_RIGHT;
  if (control) flags |= control->DrawTextBiDiModeFlagsReadingOnly();
  return flags | DT_VCENTER | DT_EXPANDTABS;
}

void GetClientRectInWindow(HWND wnd, RECT& r) {
  GetClientRect(wnd, &r);
  RECT window{};
  GetWindowRect(wnd, &window);
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  OffsetRect(&r, origin.x - window.left, origin.y - window.top);
}

int SumAlignedChildren(const TWinControl* parent, TAlign align, bool withGraphic) {
  if (!parent) return 0;
  const bool vertical = align == alTop || align == alBottom;
  if (!vertical && align != alLeft && align != alRight) return 0;
  int sum = 0;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    if (!child->Visible() || child->Align() != align) continue;
    if (!withGraphic && !dynamic_cast<TWinControl*>(child)) continue;
    sum += vertical ? child->Height() : child->Width();
  }
  return sum;
}

HWND GetTopParentWnd(HWND wnd) {
  for (HWND parent = wnd ? GetParent(wnd) : nullptr; parent; parent = GetParent(wnd)) wnd = parent;
  return wnd;
}

bool acDirExists(const std::wstring& name) { return DirectoryExists(name); }

}  // namespace skin
