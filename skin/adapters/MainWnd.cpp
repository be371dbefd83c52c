#include "skin/adapters/MainWnd.h"

#include <uxtheme.h>

#include "classlib/controls/Application.h"
#include "classlib/controls/WinControl.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/HotWindow.h"
#include "skin/adapters/WindowThunk.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/HotTracking.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/GlowWindows_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr wchar_t kAdapterProp[] = L"ACSBSC";

}  // namespace

struct TForwardCell {
  TacMainWnd* Adapter = nullptr;
  TWndMethod Old;
};

namespace {

// Lives as long as some WindowProc holds the adapter's procedure. When the
// last one goes (the control is being destroyed, or a party dropped the
// chain) the adapter learns that it is no longer bound.
struct TInstallMark {
  std::weak_ptr<TForwardCell> Cell;
  ~TInstallMark() {
    if (auto cell = Cell.lock(); cell && cell->Adapter) cell->Adapter->BindingLost();
  }
};

}  // namespace

namespace {

// What replaces a control's WindowProc. Recognised by its type, so the
// adapter can tell whether the control's procedure is still its own.
struct TAdapterProc {
  std::shared_ptr<TForwardCell> Cell;
  std::shared_ptr<TInstallMark> Mark;
  void operator()(TMessage& m) const {
    std::shared_ptr<TForwardCell> cell = Cell;  // the adapter may let go of it meanwhile
    if (cell->Adapter) cell->Adapter->AdapterWndProc(m);
    else if (cell->Old) cell->Old(m);
  }
};

bool IsOwnProc(const TControl* control, const std::shared_ptr<TForwardCell>& cell) {
  const auto* proc = control->WindowProc().target<TAdapterProc>();
  return proc && proc->Cell == cell;
}

}  // namespace

bool& AdapterDialogChildren() {
  static bool value = false;
  return value;
}

bool& AdapterCustomFont() {
  static bool value = false;
  return value;
}

TacMainWnd::~TacMainWnd() {
  UndoBinding();
  if (OwnSkinData) delete SkinData;
  SkinData = nullptr;
  SkinManager = nullptr;
}

bool TacMainWnd::HasOldWindowProc() const { return cell_ && cell_->Old; }

WNDPROC TacMainWnd::OldWndProc() const { return thunk_ ? thunk_->OldProc() : nullptr; }

void TacMainWnd::InitSkinData(HWND handle, TsSkinManager* skinManager, TsCommonData* skinData) {
  CtrlHandle = handle;
  SkinManager = skinManager;
  Destroyed = false;
  if (skinData) {
    SkinData = skinData;
  } else {
    OwnSkinData = true;
    SkinData = new TsCommonData(nullptr, true);
    if (skinManager) SkinData->SetSkinManager(skinManager);
  }
  if (!SkinManager) SkinManager = SkinData->SkinManager();
  SkinData->SetCustomFont(AdapterCustomFont() ? true : SkinData->CustomFont());
}

void TacMainWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                        TsCommonData* skinData) {
  CtrlHandle = handle;
  const bool providerOwned = skinData && skinData->ProviderForm();
  if (!providerOwned && skinSection != L"DIALOG" && !KeepsVisualStyle()) SetWindowTheme(handle, L" ", L" ");
  InitSkinData(handle, skinManager, skinData);
  if (SkinData->SkinSection().empty()) SkinData->SetSkinSection(skinSection);
  DlgMode = AdapterDialogChildren();
  SaveControlParams();
  ParamsChanged = false;
  ReadCaption();
  AttachToWindow(handle, repaint);
  MarkOwnerOpaque();
}

void TacMainWnd::AttachToWindow(HWND handle, bool /*repaint*/) { HookAdapterWindow(this, handle); }

void TacMainWnd::MarkOwnerOpaque() {
  if (TControl* owner = SkinData->OwnerControl()) {
    SavedControlStyle = owner->ControlStyle();
    owner->ControlStyle().Include(csOpaque);
  }
}

void TacMainWnd::ReadCaption() {
  const int length = GetWindowTextLengthW(CtrlHandle);
  std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
  const int read = GetWindowTextW(CtrlHandle, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(std::max(read, 0)));
  Caption = std::move(text);
}

void TacMainWnd::Bind(HWND handle) {
  ScrollSending = false;
  CtrlHandle = handle;
  SetPropW(handle, kAdapterProp, reinterpret_cast<HANDLE>(this));
  TControl* target = SkinData ? SkinData->OwnerControl() : nullptr;
  if (!target && SkinData) target = SkinData->ProviderForm();
  if (target) {
    cell_ = std::make_shared<TForwardCell>();
    cell_->Adapter = this;
    cell_->Old = target->WindowProc();
    auto mark = std::make_shared<TInstallMark>();
    mark->Cell = cell_;
    target->SetWindowProc(TAdapterProc{cell_, mark});
    boundControl_ = target;
  } else {
    thunk_ = TWindowThunk::Install(handle, [this](TMessage& m) { AdapterWndProc(m); });
  }
}

bool TacMainWnd::Unbind() {
  if (thunk_) {
    if (!thunk_->Remove()) return false;
    thunk_ = nullptr;
    return true;
  }
  if (cell_) {
    if (boundControl_ && !IsOwnProc(boundControl_, cell_)) return false;
    cell_->Adapter = nullptr;
    if (boundControl_) boundControl_->SetWindowProc(cell_->Old);
    cell_.reset();
    boundControl_ = nullptr;
  }
  return true;
}

void TacMainWnd::BindingLost() {
  // The control (and with it its window) is on its way out: nothing of it
  // may be touched any more.
  if (cell_) cell_->Adapter = nullptr;
  cell_.reset();
  boundControl_ = nullptr;
  ForgetHotWindow(CtrlHandle);
  ForgetActiveWindow(CtrlHandle);
  Destroyed = true;
}

void TacMainWnd::FinishUnbind(HWND handle, bool repaint) {
  RemovePropW(handle, kAdapterProp);
  RestoreControlParams();
  if (IsWindowVisible(handle)) UpdateWindowFrame(handle, repaint);
  Destroyed = true;
}

void TacMainWnd::UndoBinding() {
  // Whatever state the adapter is in, nothing may call into it once it is
  // gone: a binding still in place forwards to the old procedure from now on.
  const bool wasBound = !Destroyed;
  if (wasBound && SkinData && SkinManager) {
    if (TControl* owner = SkinData->OwnerControl(); owner && !SavedControlStyle.Empty())
      owner->SetControlStyle(SavedControlStyle);
  }
  if (thunk_) {
    if (!thunk_->Remove()) thunk_->Release();
    thunk_ = nullptr;
  }
  if (cell_) {
    cell_->Adapter = nullptr;
    if (boundControl_ && IsOwnProc(boundControl_, cell_)) boundControl_->SetWindowProc(cell_->Old);
    cell_.reset();
    boundControl_ = nullptr;
  }
  if (wasBound && CtrlHandle && IsWindow(CtrlHandle)) {
    if (GetPropW(CtrlHandle, kAdapterProp) == reinterpret_cast<HANDLE>(this)) RemovePropW(CtrlHandle, kAdapterProp);
    if (SkinData && SkinManager) {
      RestoreControlParams();
      if (!(SkinData->ProviderForm())) SetWindowTheme(CtrlHandle, nullptr, nullptr);
    }
  }
  ForgetHotWindow(CtrlHandle);
  Destroyed = true;
}

LRESULT TacMainWnd::CallPrev(TMessage& message) {
  if (cell_ && cell_->Old) {
    TMessage m{message.Msg, message.WParam, message.LParam, 0};
    cell_->Old(m);
    message.LParam = m.LParam;
    message.Result = m.Result;
  } else if (thunk_) {
    message.Result = thunk_->CallOld(message.Msg, message.WParam, message.LParam);
  } else {
    message.Result = 0;
  }
  return message.Result;
}

void TacMainWnd::TrackMouse() {
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  if (!manager || manager->ComponentState().Contains(csDesigning) || !IsWindowEnabled(CtrlHandle)) return;
  if (HotWindow() != CtrlHandle) SetHotWindow(*manager, CtrlHandle);
}

void TacMainWnd::HandleDestroy(TMessage& message) {
  if (SkinData && SkinData->GlowID != -1) {
    paint::CloseGlow(SkinData->GlowID);
    SkinData->GlowID = -1;
  }
  ForgetHotWindow(CtrlHandle);
  if (HasOldWindowProc() || thunk_) {
    CallPrev(message);
    if (message.Result == 0) {
      try {
        UnbindOnDestroy();
      } catch (...) {
      }
    }
  } else {
    message.Result = 0;  // nowhere to pass it: never back to the window itself
  }
}

void TacMainWnd::UnbindOnDestroy() {
  TacMainWnd* self = this;
  UnhookAdapterWindow(CtrlHandle, false, false, self);
}

void TacMainWnd::AdapterWndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      HandleDestroy(message);
      return;
    case WM_SIZE:
      if (SkinData) SkinData->BGChanged = true;
      break;
    case WM_SETTEXT:
      CallPrev(message);
      ReadCaption();
      return;
    case WM_UPDATEUISTATE:
      return;
    case WM_MOUSEMOVE:
      TrackMouse();
      break;
    case WM_PRINT:
      message.Result = SendMessageW(CtrlHandle, WM_PAINT, message.WParam, message.LParam);
      return;
    default:
      break;
  }
  CommonPart(message);
}

void TacMainWnd::CommonPart(TMessage& message) {
  if (!SkinData || !SkinManager || !SkinManager->Active() || message.Msg != SkinCommandMessage ||
      SkinCommandCode(message.WParam) > MaxCommonCode) {
    CallPrev(message);
    return;
  }
  if (RefusedFromStranger(message)) return;
  const std::uint16_t code = SkinCommandCode(message.WParam);
  const bool ownManager = message.LParam == reinterpret_cast<LPARAM>(SkinManager);
  switch (code) {
    case scNewSkin:
      if (ownManager) {
        SkinData->UpdateIndexes();
        SkinData->BGChanged = true;
        SendToChildren(dynamic_cast<TWinControl*>(SkinData->OwnerControl()), CtrlHandle, message);
      }
      break;
    case scRemoveSkin:
      if (ownManager) RestoreControlParams();
      break;
    case scRefresh:
      if (!ownManager) break;
      SkinData->UpdateIndexes();
      SkinData->BGChanged = true;
      SkinData->SetUpdating(false);
      if (IsWindowVisible(CtrlHandle)) SendMessageW(CtrlHandle, WM_PAINT, 0, 0);
      return;
    case scEndUpdate:
      if (!SkinData->OwnUpdating()) break;
      SkinData->SetUpdating(false);
      if (!SkinData->Updating())
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      return;
    case scIsSkinned:
      message.Result = 1;
      return;
    case scIsLocked:
      message.Result = SkinData->Updating() ? 1 : 0;
      return;
    case scSetSection:
      if (message.LParam != 0)
        SkinData->SetSkinSection(reinterpret_cast<const TsCommonData*>(message.LParam)->SkinSection());
      break;
    case scBGVaries:
      if (!SkinData->OwnerControl()) break;
      CommonMessage(message, SkinData);
      return;
    case scGetBGColor:
      if (CallPrev(message) == 0)
        message.Result = static_cast<LRESULT>(static_cast<std::uint32_t>(GetBGColor(SkinData, 0, CtrlHandle)));
      return;
    case scPrepareCache:
      PrepareAdapterCache(SkinData, CtrlHandle, false);
      break;
    case scGetBGInfo:
      FillBGInfo(SkinData, *reinterpret_cast<TacBGInfo*>(message.LParam), 0, CtrlHandle);
      return;
    case scGetSkinData:
      message.Result = reinterpret_cast<LRESULT>(SkinData);
      return;
    case scSetPrintDC:
      StorePrintDC(SkinData, message.LParam);
      break;
    case scGetApplication:
      message.Result = ApplicationAnswer();
      return;
    default:
      break;
  }
  CallPrev(message);
}

TacMainWnd* GetAdapter(HWND handle) { return reinterpret_cast<TacMainWnd*>(GetPropW(handle, kAdapterProp)); }

void HookAdapterWindow(TacMainWnd* adapter, HWND handle) {
  if (adapter) adapter->Bind(handle);
}

void UnhookAdapterWindow(HWND handle, bool freeAdapter, bool repaint, TacMainWnd*& adapter) {
  if (!adapter) return;
  if (!adapter->Destroyed && adapter->Unbind()) adapter->FinishUnbind(handle, repaint);
  if (freeAdapter) {
    delete adapter;
    adapter = nullptr;
  }
}

LRESULT CallPrevWndProc(TacMainWnd* adapter, HWND /*handle*/, UINT msg, LPARAM& lParam, WPARAM wParam) {
  if (!adapter) return 0;
  TMessage m{msg, wParam, lParam, 0};
  adapter->CallPrev(m);
  lParam = m.LParam;
  return m.Result;
}

void UpdateWindowFrame(HWND handle, bool repaint) {
  if (repaint)
    SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  else
    SendMessageW(handle, WM_NCPAINT, 1, 0);
}

}  // namespace skin::adapters
