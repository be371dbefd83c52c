#include "skin/forms/sSkinProvider.h"

#include "skin/forms/BorderForm.h"

#include <algorithm>

#include "classlib/controls/Application.h"
#include "classlib/core/Exception.h"
#include "classlib/core/PropertyRegistry.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/HotTracking.h"
#include "skin/common/MainWindowHook.h"
#include "skin/common/ReceiveSkinData.h"
#include "skin/common/SkinBroadcasts.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/ControlClassCodes.h"
#include "skin/core/SkinConst.h"
#include "skin/forms/DwmEntries.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/OutlineDrag.h"
#include "skin/forms/ProviderAnimations.h"
#include "skin/forms/SkinMenusLink.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

TsSkinProvider* mainProvider = nullptr;
bool receivingSkinData = false;

// The taskbar asks for the system menu of a window.
constexpr UINT kTaskbarSystemMenu = 0x313;

bool FromManager(const TMessage& message, const TsSkinManager* manager) {
  return manager && message.LParam == reinterpret_cast<LPARAM>(manager);
}

}  // namespace

TsSkinProvider* MainSkinProvider() { return mainProvider; }
void SetMainSkinProvider(TsSkinProvider* provider) { mainProvider = provider; }

TsSkinProvider::TsSkinProvider(TComponent* owner) : TComponent(owner) {
  form_ = dynamic_cast<TCustomForm*>(owner);
  if (!form_) throw EAbort(L"TsSkinProvider component may be used with forms only!");
  // One provider serves a form; a later one stays inactive, and frees an
  // inactive one it meets.
  for (int i = form_->ComponentCount() - 1; i >= 0; --i) {
    auto* other = dynamic_cast<TsSkinProvider*>(form_->Components(i));
    if (!other || other == this) continue;
    if (other->inactive_) delete other;
    else inactive_ = true;
  }
  anims_ = std::make_unique<TsProviderAnimations>();
  skinData_ = std::make_unique<TsCommonData>(this, true);
  skinData_->COC = COC_TsSkinProvider;
  skinData_->SetSkinSection(L"FORM");
  if (form_->ComponentState().Contains(csLoading)) skinData_->SetUpdating(true);
  addedTitle_ = std::make_unique<TacAddedTitle>(this);
  titleIcon_ = std::make_unique<TsTitleIcon>(this);
  titleButtons_ = std::make_unique<TsTitleButtons>(this);
  buttons_[0].HitCode = HTMINBUTTON;
  buttons_[1].HitCode = HTMAXBUTTON;
  buttons_[2].HitCode = HTCLOSE;
  buttons_[3].HitCode = HTHELP;
  buttons_[4].HitCode = htMdiMinimize;
  buttons_[5].HitCode = htMdiRestore;
  buttons_[6].HitCode = htMdiClose;
  if (inactive_) return;
  oldWndProc_ = form_->WindowProc();
  form_->SetWindowProc([this](TMessage& message) { ProviderWndProc(message); });
  AddSkinnedForm(form_);
  hooked_ = true;
  loadedPending_ = true;
}

TsSkinProvider::~TsSkinProvider() {
  *alive_ = false;
  // The window-list entries call back into this provider.
  ClearWindowList();
  // Nothing of a press, a drag, a cover or a hide outlives the provider.
  if (TitleButtonPressedLock() && currentButton_ > 0) ClearTitleButtonPressedLock();
  CancelOutlineDrag();
  HideCaptionCover();
  hideSnapshot_.reset();
  StopTitleAnimations();
  borderForm_.reset();
  // The timers and fade windows point at the form and this provider.
  anims_.reset();
  if (hooked_) {
    RemoveSkinnedForm(form_);
    // The form frees its components before its window: its own procedure
    // must be back before WM_DESTROY arrives.
    form_->SetWindowProc(oldWndProc_);
    if (!form_->ComponentState().Contains(csDestroying) && form_->HandleAllocated()) {
      HideSysMenuStyle(false);
      SetWindowRgn(form_->Handle(), nullptr, TRUE);
    }
  }
  if (mainProvider == this) mainProvider = nullptr;
  systemMenu_.reset();
}

void TsSkinProvider::AfterConstruction() {
  TComponent::AfterConstruction();
  TsSkinManager* manager = Manager();
  if (!inactive_ && !createdInternally_ && manager && manager->Active() && !ComponentState().Contains(csDesigning))
    InitFormSkinning();
}

void TsSkinProvider::Loaded() {
  TComponent::Loaded();
  skinData_->Loaded();
  if (!inactive_ && !mainProvider && (!Application->MainForm() || Application->MainForm() == form_))
    mainProvider = this;
  if (!inactive_ && !createdInternally_ && Manager() && !ComponentState().Contains(csDesigning) &&
      skinData_->Skinned(true))
    PrepareOnLoaded();
}

void TsSkinProvider::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  auto* manager = dynamic_cast<TsSkinManager*>(component);
  if (!manager) return;
  if (operation == opRemove && skinData_ && skinData_->SkinManagerStored() && skinData_->SkinManager() == manager)
    skinData_->SetSkinManager(nullptr);
}

TsSkinManager* TsSkinProvider::Manager() const { return skinData_ ? skinData_->SkinManager() : nullptr; }

bool TsSkinProvider::Destroying() const {
  return ComponentState().Contains(csDestroying) || form_->ComponentState().Contains(csDestroying);
}

bool TsSkinProvider::Skinned() const { return !Destroying() && skinData_->Skinned(true); }

bool TsSkinProvider::Showing() const { return form_->Showing(); }

HWND TsSkinProvider::FormHandle() const { return form_->HandleAllocated() ? form_->Handle() : nullptr; }

int TsSkinProvider::FormHeight() const {
  HWND wnd = FormHandle();
  return wnd ? WndHeight(wnd) : form_->Height();
}

bool TsSkinProvider::Zoomed() const { return FormHandle() && IsZoomed(FormHandle()); }

bool TsSkinProvider::Iconic() const { return FormHandle() && IsIconic(FormHandle()); }

std::uint32_t TsSkinProvider::StateBits() const {
  const TBitmap* image = skinData_->CacheBmp();
  const bool ready = image && !image->Empty() && !skinData_->BGChanged;
  return stateBits_ | (ready ? sfsNonClientReady : 0);
}

void TsSkinProvider::AfterAnimation() {
  if (OnAfterAnimation) OnAfterAnimation(this);
}

LRESULT TsSkinProvider::SendToWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  ProviderWndProc(message);
  return message.Result;
}

void TsSkinProvider::CallOld(TMessage& message) {
  if (oldWndProc_) oldWndProc_(message);
}

// ---- The dispatcher ---------------------------------------------------------

void TsSkinProvider::ProviderWndProc(TMessage& message) {
  // Indexes resolved under a skin that arrived while the form had no window.
  if (!skinRemoved_ && !skinData_->Skinned(false) && !Destroying()) {
    TsSkinManager* manager = Manager();
    if (manager && manager->Active() && manager->Skin() && manager->SkinData().Active) skinData_->UpdateIndexes();
  }
  if (message.Msg == SkinCommandMessage && EarlyCommand(message)) return;
  if (!Skinned()) {
    UnskinnedMessage(message);
    return;
  }
  if (message.Msg == SkinCommandMessage) SkinnedCommand(message);
  else SkinnedMessage(message);
}

bool TsSkinProvider::EarlyCommand(TMessage& message) {
  const std::uint16_t code = SkinCommandCode(message.WParam);
  // Pointers and addresses travel only in the library's own sends.
  if (CommandNeedsTrust(code) && !IsTrustedSkinCommand(message)) {
    message.Result = 0;
    return true;
  }
  switch (code) {
    case scRemoveSkin:
      if (FromManager(message, Manager())) {
        skinRemoved_ = true;
        RemoveSkin();
      }
      else BroadcastToControls(form_, message);
      return true;
    case scNewSkin:
      if (FromManager(message, Manager())) skinRemoved_ = false;
      if (!Destroying() && FromManager(message, Manager()) && !systemMenu_) InitFormSkinning();
      return false;
    case scIsSkinned:
      message.Result = 1;
      return true;
    case scEndUpdateNotify:
      if (skinData_->CtrlSkinState & StateMenuPending) {
        skinData_->CtrlSkinState &= static_cast<std::uint16_t>(~StateMenuPending);
        form_->Perform(CM_MENUCHANGED);
      }
      return false;
    case scGetBGInfo:
      FillBackgroundInfo(message);
      return true;
    case scStateWord:
      if (message.LParam == 1) {
        skinData_->UpdateStateFlags(false);
        BroadcastToControls(form_, message);
      }
      message.Result = skinData_->CtrlSkinState;
      return true;
    case scGetApplication:
      message.Result = reinterpret_cast<LRESULT>(static_cast<TApplication*>(Application));
      return true;
    case scClientOffset:
      message.Result = MAKELONG(ClientOffsetX(), ClientOffsetY());
      return true;
    default:
      return false;
  }
}

void TsSkinProvider::AdaptControls(TWinControl* root) {
  if (ComponentState().Contains(csDesigning) || Destroying() || !Skinned() || !form_->HandleAllocated()) return;
  if (!adapter_) adapter_ = std::make_unique<TacCtrlAdapter>(this);
  adapter_->AdaptChildControls(root);
}

void TsSkinProvider::ReleaseAdapter() {
  if (!adapter_) return;
  TMessage restore{SkinCommandMessage, SkinCommandWParam(scRemoveSkin), reinterpret_cast<LPARAM>(Manager()), 0};
  adapter_->BroadcastMessage(restore);
  adapter_.reset();
}

void TsSkinProvider::RemoveSkin() {
  TMessage copy{SkinCommandMessage, SkinCommandWParam(scRemoveSkin), reinterpret_cast<LPARAM>(Manager()), 0};
  DropBorderForm();
  ReleaseAdapter();
  if (mdiForm_) mdiForm_->DetachClient();
  CommonMessage(copy, skinData_.get());
  titleSkinIndex_ = -1;
  captionSkinIndex_ = -1;
  BroadcastToControls(form_, copy);
  if (!Destroying() && Manager() && FormHandle()) {
    HideSysMenuStyle(false);
    if (GetWindowLongPtrW(FormHandle(), GWL_STYLE) & WS_CAPTION) SetWindowRgn(FormHandle(), nullptr, TRUE);
    RedrawWindow(FormHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  if (useGlobalColor_ && !skinData_->CustomColor()) form_->SetColor(clBtnFace);
  skinData_->EmptyCache();
  paintedOnce_ = false;
}

void TsSkinProvider::FillBackgroundInfo(TMessage& message) {
  auto* info = reinterpret_cast<TacBGInfo*>(message.LParam);
  if (!info) return;
  info->Offset = TPoint{0, 0};
  if (!Skinned()) {
    FillBGInfo(skinData_.get(), *info, 0, FormHandle());
    return;
  }
  const bool wasPleaseDraw = info->PleaseDraw;
  if (skinData_->BGChanged && skinData_->ComplexState() && !skinData_->Updating()) PaintNonClientArea();
  if (wasPleaseDraw) info->Offset = TPoint{ClientOffsetX(), ClientOffsetY()};
  if (!skinData_->ComplexState() || (skinData_->CtrlSkinState & StateSimpleBackground)) {
    FillBGInfo(skinData_.get(), *info, formActive_ ? 1 : 0, FormHandle());
    return;
  }
  if (skinData_->BGChanged || CacheInvalid()) PaintNonClientArea();
  info->Kind = bgImage;
  info->Bmp = skinData_->CacheBmp();
  info->Offset = TPoint{info->Offset.X + ClientOffsetX(), info->Offset.Y + ClientOffsetY()};
}

void TsSkinProvider::NewSkinUnskinned() {
  skinData_->UpdateIndexes();
  titleSkinIndex_ = -1;
  TsSkinManager* manager = Manager();
  captionSkinIndex_ = manager ? manager->GetSkinIndex(L"CAPTION") : -1;
  if (!manager) return;
  HideSysMenuStyle(true);
  InitTitleButtonIndexes();
  skinData_->BGChanged = true;
  if (useGlobalColor_ && !skinData_->CustomColor()) form_->SetColor(manager->GetGlobalColor());
  if (FormHandle()) acDwmSetTransitions(FormHandle(), drawNonClientArea_);
}

void TsSkinProvider::UnskinnedMessage(TMessage& message) {
  if (message.Msg == SkinCommandMessage) {
    const std::uint16_t code = SkinCommandCode(message.WParam);
    if (code == scGetProvider) {
      message.Result = reinterpret_cast<LRESULT>(static_cast<TsSkinnedForm*>(this));
      return;
    }
    if (code == scNewSkin && FromManager(message, Manager()) && !Destroying()) {
      NewSkinUnskinned();
      return;
    }
  }
  CallOld(message);
}

void TsSkinProvider::SkinnedCommand(TMessage& message) {
  const std::uint16_t code = SkinCommandCode(message.WParam);
  switch (code) {
    case scNewSkin:
      if (!FromManager(message, Manager())) return;
      skinData_->UpdateIndexes();
      titleSkinIndex_ = -1;
      captionSkinIndex_ = Manager()->GetSkinIndex(L"CAPTION");
      InitTitleButtonIndexes();
      HideSysMenuStyle(drawNonClientArea_);
      skinData_->BGChanged = true;
      captionLayoutChanged_ = true;
      if (form_->Visible()) UpdateBorderForm();
      SendToWndProc(WM_NCPAINT, 1, 0);
      if (borderForm_) borderForm_->UpdateExBorders(true, 255);
      return;
    case scRefresh:
      if (!FromManager(message, Manager())) return;
      captionLayoutChanged_ = true;
      if (form_->Visible() && FormHandle()) {
        skinData_->BGChanged = true;
        RedrawWindow(FormHandle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      }
      if (useGlobalColor_ && !skinData_->CustomColor()) form_->SetColor(Manager()->GetGlobalColor());
      skinData_->SetUpdating(false);
      if (systemMenu_) systemMenu_->UpdateItems(false);
      AdaptControls(nullptr);
      if (form_->Visible()) UpdateBorderForm();
      if (borderForm_) borderForm_->UpdateExBorders(true, 255);
      return;
    case scChildChanged:
      AdaptControls(dynamic_cast<TWinControl*>(reinterpret_cast<TObject*>(message.LParam)));
      return;
    case scGetProvider:
      message.Result = reinterpret_cast<LRESULT>(static_cast<TsSkinnedForm*>(this));
      return;
    case scEndUpdate:
      if (skinData_->OwnUpdating()) {
        skinData_->SetUpdating(false);
        if (FormHandle()) RedrawWindow(FormHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
      }
      return;
    case scSetUpdating:
      skinData_->SetUpdating(SkinCommandLow(message.WParam) == 1);
      if (skinData_->OwnUpdating()) skinData_->BGChanged = true;
      return;
    case scSetParentBG:
      CommonMessage(message, skinData_.get());
      if (skinData_->BGChanged) PaintNonClientArea();
      return;
    case scIsLocked:
      message.Result = skinData_->ComplexState() && skinData_->OwnUpdating() ? 1 : 0;
      return;
    case scBGChanged:
      skinData_->BGChanged = true;
      return;
    case scBGVaries: {
      const TsGeneralData* section = skinData_->Section();
      const bool varies = section && section->GradientPercent + section->ImagePercent > 0;
      message.Result = varies ? 1 : 0;
      message.LParam = message.Result;
      return;
    }
    case scGetBGColor:
      message.Result = static_cast<LRESULT>(GetBGColor(skinData_.get(), formActive_ ? 1 : 0, FormHandle()));
      return;
    case scMouseLeave:
      // A press holds the capture until its release: the mouse moving
      // while captured makes no other window hot, so the press stays.
      if (GetCapture() != FormHandle()) CancelMouseModes();
      ResetHoverState();
      return;
    case scBeforeScroll:
      if (skinData_->NeedsParentBG() && FormHandle()) SendMessageW(FormHandle(), WM_SETREDRAW, FALSE, 0);
      return;
    case scAfterScroll:
      if (skinData_->NeedsParentBG() && FormHandle()) {
        SendMessageW(FormHandle(), WM_SETREDRAW, TRUE, 0);
        RedrawWindow(FormHandle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      }
      return;
    case scRepaintFrame:
      RepaintFrame();
      return;
    default:
      return;  // every other code is swallowed
  }
}

void TsSkinProvider::SkinnedMessage(TMessage& message) {
  if (anims_ && AnimationMessage(message)) return;
  switch (message.Msg) {
    case WM_NCCREATE:
    case WM_CREATE:
      CallOld(message);
      if (form_->FormStyle() != fsMDIChild) InitFormSkinning();
      return;
    case WM_SIZE:
      menuRows_ = -1;
      OnSize(message);
      return;
    case WM_ACTIVATE:
      CallOld(message);
      if (Showing() && LOWORD(message.WParam) == WA_ACTIVE) {
        SkinMenus(true);
        if (systemMenu_) systemMenu_->UpdateItems(false);
      }
      return;
    case WM_SETREDRAW:
      redrawLock_ = message.WParam ? std::max(0, redrawLock_ - 1) : redrawLock_ + 1;
      CallOld(message);
      return;
    case WM_SETTEXT:
      OnSetText(message);
      return;
    case WM_NCPAINT:
      OnNcPaint(message);
      return;
    case WM_ERASEBKGND:
      OnEraseBkgnd(message);
      return;
    case WM_PAINT:
      OnPaint(message);
      return;
    case WM_PRINT:
      OnPrint(message);
      return;
    case WM_PRINTCLIENT:
      return;
    case WM_ENTERIDLE:
      message.Result = 0;
      return;
    case WM_GETMINMAXINFO:
      if (auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam)) GetMinMaxInfo(*info);
      CallOld(message);
      return;
    case WM_WINDOWPOSCHANGING:
      OnWindowPosChanging(message);
      return;
    case WM_NCHITTEST:
      OnNcHitTest(message);
      return;
    case WM_NCACTIVATE:
      OnNcActivate(message);
      return;
    case WM_NCMOUSEMOVE:
      SetActiveControl(FormHandle());
      NCMouseMove(message);
      return;
    case WM_NCLBUTTONDOWN:
      OnNcButtonDown(message);
      return;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      OnButtonUp(message);
      return;
    case WM_NCLBUTTONDBLCLK:
      OnNcDoubleClick(message);
      return;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
      OnNcRightButton(message);
      return;
    case WM_MOUSEMOVE:
      OnMouseMove(message);
      return;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      ResetHoverState();
      CallOld(message);
      return;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(message.LParam) != FormHandle()) CancelMouseModes();
      CallOld(message);
      return;
    case WM_CANCELMODE:
      CancelMouseModes();
      CallOld(message);
      return;
    case WM_KEYDOWN:
      if (message.WParam == VK_ESCAPE && OutlineDrag().Dragging && OutlineDrag().Owner == this) {
        CancelOutlineDrag();
        return;
      }
      CallOld(message);
      return;
    case kTaskbarSystemMenu: {
      POINT cursor{};
      GetCursorPos(&cursor);
      DropSysMenu(cursor.x, cursor.y);
      return;
    }
    case WM_MEASUREITEM: {
      // An item the bar measures is drawn by the skin, also one added late.
      const auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam);
      if (measure && measure->CtlType == ODT_MENU && Manager() && form_->Menu() && MenuLineVisible())
        if (TMenuItem* item = form_->Menu()->FindItemByCommand(measure->itemID)) HookMenuItemForSkin(Manager(), item, true);
      CallOld(message);
      return;
    }
    case WM_INITMENUPOPUP:
      if (Manager() && Manager()->SkinnedPopups()) InitMenuPopup(message);
      // The class library's own menus still hear that theirs open.
      if (HIWORD(message.LParam) == 0) CallOld(message);
      return;
    case WM_SYSCOMMAND:
      OnSysCommand(message);
      return;
    case WM_WINDOWPOSCHANGED:
      OnWindowPosChanged(message);
      return;
    case WM_MOVE:
      StopTitleAnimations();
      CallOld(message);
      return;
    case WM_SETICON: {
      if (!Showing() || !message.LParam) {
        CallOld(message);
        return;
      }
      // The default repaints the native caption: keep drawing off meanwhile.
      HWND wnd = FormHandle();
      const auto alive = alive_;
      {
        SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
        struct RedrawOn {
          HWND wnd;
          ~RedrawOn() {
            if (IsWindow(wnd)) SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
          }
        } redrawOn{wnd};
        CallOld(message);
      }
      if (*alive) RepaintFrame();
      return;
    }
    case WM_COPYDATA: {
      CallOld(message);
      // A skin pushed by another process when the form did not take the
      // block itself; the receiver checks the block whole.
      if (message.Result == 0 && Manager() && !receivingSkinData) {
        receivingSkinData = true;
        struct Clear {
          ~Clear() { receivingSkinData = false; }
        } clear;
        ReceiveSkinData(message, Manager());
      }
      return;
    }
    case 0xA400:
      if (message.WParam == 1) form_->Close();
      else if (message.WParam == 3) CallOld(message);
      else if (message.WParam == 4) message.Result = 1;
      return;
    case CM_VISIBLECHANGED:
      if (message.WParam) {
        // The class library shows the window before the showing notice:
        // the frame is prepared here, before the window appears.
        if (loadedPending_) PrepareOnLoaded();
        skinData_->BGChanged = true;
        const auto alive = alive_;
        CallOld(message);
        if (!*alive) return;
        // The window stands now (the notice may come before it is made).
        UpdateBorderForm();
        if (borderForm_) borderForm_->UpdateExBorders(true, 255);
      } else {
        const auto alive = alive_;
        CallOld(message);
        if (!*alive) return;
        if (Manager() && !Manager()->ComponentState().Contains(csDestroying)) skinData_->EmptyCache();
        StopTitleAnimations();
        // The border window hides with the form.
        if (borderForm_) borderForm_->UpdateExBorders(false, 255);
      }
      return;
    case CM_ENABLEDCHANGED:
      CallOld(message);
      if (drawNonClientArea_) RequestRepaint();
      return;
    case CM_MENUCHANGED:
      menuRows_ = -1;
      if (Showing() && !(skinData_->CtrlSkinState & StateInUpdate)) skinData_->BGChanged = true;
      CallOld(message);
      return;
    case 0xB04C:
      message.Result = 0;
      return;
    case RegionVetoMessage:
      // The form's own answer (0 by default) lets the region go ahead.
      CallOld(message);
      return;
    default:
      CallOld(message);
      return;
  }
}




void RegisterSkinFormsClasses() {
  static const bool done = [] {
    Properties<TacAddedTitle, TPersistent>()
        .String(L"Text", &TacAddedTitle::Text, &TacAddedTitle::SetText)
        .Object(L"Font", &TacAddedTitle::Font)
        .Boolean(L"ShowMainCaption", &TacAddedTitle::ShowMainCaption, &TacAddedTitle::SetShowMainCaption, true);
    Properties<TsTitleIcon, TPersistent>()
        .Integer(L"Height", &TsTitleIcon::Height, &TsTitleIcon::SetHeight, 0)
        .Integer(L"Width", &TsTitleIcon::Width, &TsTitleIcon::SetWidth, 0)
        .Boolean(L"Visible", &TsTitleIcon::Visible, &TsTitleIcon::SetVisible, true)
        .Object(L"Glyph", &TsTitleIcon::Glyph)
        .Stored([](const TsTitleIcon& icon) { return !icon.Glyph()->Empty(); });
    Properties<TsTitleButton, TCollectionItem>()
        .Boolean(L"UseSkinData", &TsTitleButton::UseSkinData, &TsTitleButton::SetUseSkinData, true)
        .String(L"Name", &TsTitleButton::Name, &TsTitleButton::SetName)
        .Object(L"Glyph", &TsTitleButton::Glyph)
        .Stored([](const TsTitleButton& button) { return !button.Glyph()->Empty(); })
        .Boolean(L"Enabled", &TsTitleButton::Enabled, &TsTitleButton::SetEnabled, true)
        .String(L"Hint", &TsTitleButton::Hint, &TsTitleButton::SetHint)
        .Boolean(L"Visible", &TsTitleButton::Visible, &TsTitleButton::SetVisible, true);
    Properties<TsTitleButtons, TCollection>();
    Properties<TsSkinProvider, TComponent>()
        .Object(L"AddedTitle", &TsSkinProvider::AddedTitle)
        .Boolean(L"AllowAnimation", &TsSkinProvider::AllowAnimation, &TsSkinProvider::SetAllowAnimation, true)
        .Boolean(L"AllowExtBorders", &TsSkinProvider::AllowExtBorders, &TsSkinProvider::SetAllowExtBorders, true)
        .Boolean(L"AllowBlendOnMoving", &TsSkinProvider::AllowBlendOnMoving, &TsSkinProvider::SetAllowBlendOnMoving,
                 true)
        .Boolean(L"DrawNonClientArea", &TsSkinProvider::DrawNonClientArea, &TsSkinProvider::SetDrawNonClientArea,
                 true)
        .Object(L"SkinData", &TsSkinProvider::SkinData)
        .Boolean(L"MakeSkinMenu", &TsSkinProvider::MakeSkinMenu, &TsSkinProvider::SetMakeSkinMenu, false)
        .String(L"MenuLineSkin", &TsSkinProvider::MenuLineSkin, &TsSkinProvider::SetMenuLineSkin)
        .Boolean(L"ScreenSnap", &TsSkinProvider::ScreenSnap, &TsSkinProvider::SetScreenSnap, false)
        .Integer(L"SnapBuffer", &TsSkinProvider::SnapBuffer, &TsSkinProvider::SetSnapBuffer, 10)
        .Boolean(L"ShowAppIcon", &TsSkinProvider::ShowAppIcon, &TsSkinProvider::SetShowAppIcon, true)
        .Object(L"TitleButtons", &TsSkinProvider::TitleButtons)
        .Object(L"TitleIcon", &TsSkinProvider::TitleIcon)
        .String(L"TitleSkin", &TsSkinProvider::TitleSkin, &TsSkinProvider::SetTitleSkin)
        .Boolean(L"UseGlobalColor", &TsSkinProvider::UseGlobalColor, &TsSkinProvider::SetUseGlobalColor, true);
    RegisterComponentClass<TsSkinProvider, TComponent>();
    return true;
  }();
  (void)done;
}

}  // namespace skin
