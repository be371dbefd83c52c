// The extended border window of a provider's form: made while the skin,
// the manager and the form want it, told where the form's caption buttons
// and client area lie, and dropped with the skin or the provider.
#include "classlib/controls/Application.h"
#include "skin/forms/BorderForm.h"
#include "skin/forms/FormAnimations.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

TsExtBorder* TsSkinProvider::ExtBorder() const { return borderForm_.get(); }

bool TsSkinProvider::BorderFormWanted() const {
  HWND wnd = FormHandle();
  TsSkinManager* manager = Manager();
  if (!wnd || !manager || !Skinned() || !drawNonClientArea_ || !ExtBordersWanted(*this)) return false;
  if (!manager->ExtBorderImage(false)) return false;
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  if (form_->Parent() || (style & WS_CHILD) || form_->FormStyle() == fsMDIChild) return false;
  return (style & WS_CAPTION) == WS_CAPTION && form_->BorderStyle() != bsNone;
}

void TsSkinProvider::UpdateBorderForm() {
  if (!BorderFormWanted()) {
    DropBorderForm();
    return;
  }
  if (borderForm_) {
    borderForm_->ReadSkinValues();
    return;
  }
  borderForm_ = std::make_unique<TacBorderForm>(this);
  TacBorderForm* border = borderForm_.get();
  border->ButtonAt = [this](POINT p) { return BorderButtonAt(p); };
  border->ClientHole = [this, border]() {
    HWND wnd = FormHandle();
    RECT window{}, client{};
    GetWindowRect(wnd, &window);
    GetClientRect(wnd, &client);
    POINT origin{0, 0};
    ClientToScreen(wnd, &origin);
    const int x = origin.x - window.left + border->LeftOffset(), y = origin.y - window.top + border->TopOffset();
    return RECT{x, y, x + client.right, y + client.bottom};
  };
  border->OnExtHitTest = [this](TMessage& message) {
    if (OnExtHitTest) OnExtHitTest(message);
  };
  // The frame's measures change with the border form: the image and the
  // caption layout are made again.
  skinData_->BGChanged = true;
  captionLayoutChanged_ = true;
}

void TsSkinProvider::DropBorderForm() {
  if (!borderForm_) return;
  // The caption buttons' fades point at the border form.
  StopTitleAnimations();
  borderForm_.reset();
  skinData_->BGChanged = true;
  captionLayoutChanged_ = true;
}

int TsSkinProvider::HitCodeAt(POINT screenPoint) {
  return borderForm_ && borderForm_->BorderWindow() ? borderForm_->HitTest(screenPoint) : FrameHitTest(screenPoint);
}

int TsSkinProvider::BorderButtonAt(POINT borderPoint) {
  if (!borderForm_ || !systemMenu_ || !sysMenuHidden_) return 0;
  if (skinData_->BGChanged || CacheInvalid()) PlaceTitleButtons();
  const POINT p{borderPoint.x - borderForm_->LeftOffset(), borderPoint.y - borderForm_->TopOffset()};
  if (Inside(SystemButton(HTCLOSE).Rect, p)) return systemMenu_->VisibleClose() ? HTCLOSE : 0;
  if (systemMenu_->VisibleMax() && Inside(SystemButton(HTMAXBUTTON).Rect, p))
    return systemMenu_->EnabledMax() || (systemMenu_->EnabledRestore() && !Iconic()) ? HTMAXBUTTON : HTCAPTION;
  if ((systemMenu_->VisibleMin() || Iconic()) && Inside(SystemButton(HTMINBUTTON).Rect, p))
    return systemMenu_->EnabledMin() || Iconic() ? HTMINBUTTON : HTCAPTION;
  if ((GetWindowLongPtrW(FormHandle(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP) && Inside(SystemButton(HTHELP).Rect, p))
    return HTHELP;
  for (int i = 0; i < titleButtons_->Count(); ++i) {
    const TsTitleButton* button = titleButtons_->Items(i);
    if (button->Visible() && Inside(button->BtnData.Rect, p)) return button->Enabled() ? htUserButton + i : 0;
  }
  if (ShowsSysIcon() && Inside(iconRect_, p)) return HTSYSMENU;
  return 0;
}

}  // namespace skin
