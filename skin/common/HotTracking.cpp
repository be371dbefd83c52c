#include "skin/common/HotTracking.h"

#include "classlib/controls/WinControl.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/sCommonData.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

// Told when a tracked control is freed.
class HotWatch : public TComponent {
 public:
  HotWatch() : TComponent(nullptr) {}

  HWND wnd = nullptr;
  TControl* windowed = nullptr;  // the class library's control of wnd, when it has one
  TControl* graphic = nullptr;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == windowed) {
      windowed = nullptr;
      wnd = nullptr;
    }
    if (component == graphic) graphic = nullptr;
  }
};

HotWatch& Hot() {
  static HotWatch* watch = New<HotWatch>();
  return *watch;
}

LPARAM ManagerParam() { return reinterpret_cast<LPARAM>(TsSkinManager::DefaultManager()); }

void SendToWindow(HWND wnd, std::uint16_t code) {
  // A window of another thread or one already gone is not ours to tell.
  if (wnd && IsWindow(wnd) && GetWindowThreadProcessId(wnd, nullptr) == GetCurrentThreadId())
    SendSkinCommandToWnd(wnd, code, ManagerParam());
}

bool MouseStillAbove(TControl* control) {
  const auto* data = reinterpret_cast<const TsCommonData*>(SendSkinCommand(control, scGetSkinData, 0));
  return data && data->FMouseAbove;
}

// The hot window becomes Wnd: the old one is told first, then the new one.
void ReplaceWindow(HWND wnd) {
  HotWatch& hot = Hot();
  const HWND previous = hot.wnd;
  hot.wnd = wnd;
  hot.windowed = wnd ? FindControl(wnd) : nullptr;
  if (hot.windowed) hot.windowed->FreeNotification(&hot);
  SendToWindow(previous, scMouseLeave);
  SendToWindow(wnd, scMouseEnter);
}

}  // namespace

HWND ActiveControl() { return Hot().wnd; }
TControl* ActiveGraphControl() { return Hot().graphic; }

void SetActiveControl(HWND wnd) {
  HotWatch& hot = Hot();
  if (wnd == hot.wnd) return;
  if (hot.wnd && hot.graphic) {
    SetActiveGraphControl(nullptr);
    if (hot.graphic) return;
  }
  ReplaceWindow(wnd);
}

void SetActiveGraphControl(TControl* control) {
  HotWatch& hot = Hot();
  if (control == hot.graphic) return;
  if (!control && hot.graphic && MouseStillAbove(hot.graphic)) return;
  TControl* previous = hot.graphic;
  hot.graphic = control;
  if (control) control->FreeNotification(&hot);
  // The window is left directly: clearing it the public way would clear
  // the control just made hot.
  if (hot.wnd) ReplaceWindow(nullptr);
  if (previous) SendSkinCommand(previous, scMouseLeave, ManagerParam());
}

void ForgetActiveWindow(HWND wnd) {
  HotWatch& hot = Hot();
  if (!wnd || wnd != hot.wnd) return;
  hot.wnd = nullptr;
  hot.windowed = nullptr;
}

}  // namespace skin
