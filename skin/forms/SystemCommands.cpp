// System commands, snapping to the work area and the preparation of a hide
// of a skinned form.
#include "classlib/controls/Application.h"
#include "skin/common/MainWindowHook.h"
#include "skin/common/WindowAnimations.h"
#include "skin/forms/BorderForm.h"
#include "skin/forms/FormAnimations.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/OutlineDrag.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/LayeredWindows_Gdi.h"

namespace skin {

using namespace classlib;

void TsSkinProvider::OnSysCommand(TMessage& message) {
  // The main form's minimize and restore belong to the manager's hook:
  // our application window never sees them.
  if (MainFormSystemCommand(*form_, message)) return;
  if (AnimatedSysCommand(message)) return;
  HWND wnd = FormHandle();
  const WPARAM command = message.WParam & 0xFFF0;
  if (resizeMode_ == rmBorder && form_->Enabled() && !OutlineDrag().Dragging && wnd &&
      (command == SC_MOVE || command == SC_SIZE)) {
    // The outline follows the mouse instead of the system's move loop.
    // From the keyboard no border was grabbed: sizing takes the bottom-right corner.
    OutlineDrag().Moving = command == SC_MOVE;
    if (command == SC_SIZE && OutlineDrag().HitCode == 0) OutlineDrag().HitCode = HTBOTTOMRIGHT;
    POINT cursor{};
    GetCursorPos(&cursor);
    SetCapture(wnd);
    StartOutlineDrag(cursor.x, cursor.y);
    message.Result = 0;
    return;
  }
  // Moving and sizing run a message loop that may free the provider.
  const auto alive = alive_;
  CallOld(message);
  if (!*alive || Destroying() || !wnd || !IsWindow(wnd)) return;
  if (command == SC_KEYMENU && message.LParam == ' ' && sysMenuHidden_ && HasBorder()) {
    DropSysMenuBelowCaption();
    return;
  }
  if (command == SC_MAXIMIZE || command == SC_RESTORE || command == SC_MINIMIZE) {
    ResetButtonStates();
    if (systemMenu_) systemMenu_->UpdateItems(false);
    if (command == SC_RESTORE && !HasBorder()) SetWindowRgn(wnd, nullptr, TRUE);
    RequestRepaint();
    if (command != SC_MINIMIZE) RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
  }
}

void TsSkinProvider::OnWindowPosChanging(TMessage& message) {
  auto* position = reinterpret_cast<WINDOWPOS*>(message.LParam);
  if (settingRegion_ || !position || ComponentState().Contains(csLoading)) {
    CallOld(message);
    return;
  }
  const bool moves = !(position->flags & SWP_NOMOVE) && !(position->x == 0 && position->y == 0);
  if (screenSnap_ && moves && !Zoomed() && Showing()) {
    const TRect work = form_->Monitor() ? form_->Monitor()->WorkareaRect() : TRect{};
    int width = position->cx, height = position->cy;
    if ((position->flags & SWP_NOSIZE) && FormHandle()) {
      width = WndWidth(FormHandle());
      height = WndHeight(FormHandle());
    }
    if (work.Width() > 0) {
      // Right and bottom first, so that left and top win on a small work area.
      SnapToEdge(position->x, work.Right, snapBuffer_, width);
      SnapToEdge(position->y, work.Bottom, snapBuffer_, height);
      SnapToEdge(position->x, work.Left, snapBuffer_, 0);
      SnapToEdge(position->y, work.Top, snapBuffer_, 0);
    }
  }
  if ((position->flags & SWP_HIDEWINDOW) && HideAnimationWanted()) {
    // Decided once here; the hide that follows runs the animation exactly
    // when this prepared it.
    hideSnapshot_ = MakeHideSnapshot();
    hidePrepared_ = true;
  }
  CallOld(message);
}

void TsSkinProvider::OnWindowPosChanged(TMessage& message) {
  const auto* position = reinterpret_cast<const WINDOWPOS*>(message.LParam);
  const auto alive = alive_;
  CallOld(message);
  if (!*alive || !position) return;
  const UINT flags = position->flags;
  if ((flags & SWP_HIDEWINDOW) && HideAfterPositionChanged()) return;
  // A maximized form may go without its border window (the switch), and
  // gets it back when restored.
  if (!(flags & SWP_NOSIZE) && NoExtBordersWhenMaximized() && form_->Visible()) UpdateBorderForm();
  // The border window follows every move, size, show and hide of the form.
  if (borderForm_ && ((flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) || !(flags & SWP_NOMOVE) || !(flags & SWP_NOSIZE)))
    borderForm_->UpdateExBorders(!(flags & SWP_NOSIZE) || (flags & SWP_SHOWWINDOW), 255);
}

bool TsSkinProvider::HideAfterPositionChanged() {
  const bool prepared = hidePrepared_;
  hidePrepared_ = false;
  if (prepared && RunHideAnimation()) return true;
  // No animation: nothing may keep the snapshot, and the form draws again.
  hideSnapshot_.reset();
  if (prepared) {
    stateBits_ &= ~sfsRestorePending;
    skinData_->BGChanged = true;
  }
  return false;
}

bool TsSkinProvider::HideAnimationWanted() const {
  TsSkinManager* manager = Manager();
  if (!manager || !manager->Active() || !paint::LayeredWindowsAvailable() || !drawNonClientArea_) return false;
  if (HideAnimationRunning() || hiding_ || !allowAnimation_) return false;
  const TBitmap* cache = skinData_->CacheBmp();
  if (!cache || cache->Empty() || Iconic() || SystemCommandState() == scsMinimizing) return false;
  const TacFormHide* hide = manager->AnimEffects()->FormHide();
  // A parented form never runs the hide animation: a stand-in made for it would stay.
  return hide->Active() && hide->Time() != 0 && !(stateBits_ & sfsRestorePending) &&
         form_->FormStyle() != fsMDIChild && !form_->Parent();
}

}  // namespace skin
