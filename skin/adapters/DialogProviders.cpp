#include "skin/adapters/DialogProviders.h"

#include <algorithm>
#include <cwctype>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "classlib/controls/Label.h"
#include "classlib/controls/Screen.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/ButtonWnd.h"
#include "skin/adapters/ComboBoxWnd.h"
#include "skin/adapters/DialogChildKinds.h"
#include "skin/adapters/DialogSystemMenu.h"
#include "skin/adapters/DialogWnd.h"
#include "skin/adapters/EditWnd.h"
#include "skin/adapters/FlatScrollBars.h"
#include "skin/adapters/ListViewWnd.h"
#include "skin/adapters/MnuWnd.h"
#include "skin/adapters/SmallWnd.h"
#include "skin/adapters/SpinWnd.h"
#include "skin/adapters/StaticWnd.h"
#include "skin/adapters/TabWnd.h"
#include "skin/adapters/ToolBarWnd.h"
#include "skin/adapters/TrackWnd.h"
#include "skin/common/Composition.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "skin/core/SystemEntries.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/GlowWindows_Gdi.h"

namespace skin::adapters {
namespace {

bool creatingDialogChild = false;

bool ApplicationDestroying() {
  return classlib::Application->ComponentState().Contains(classlib::csDestroying);
}

bool AnswersSkinned(HWND wnd) { return SendSkinCommandToWnd(wnd, scIsSkinned, 0) == 1; }

bool HasToolBarBelow(HWND parent) {
  for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (PlainClassName(GetWndClassName(child)) == L"toolbarwindow32" || HasToolBarBelow(child)) return true;
  }
  return false;
}

int VisibleDialogs() {
  int n = 0;
  for (TacProvider* p : acProviders())
    if (p && p->DialogWnd && IsWindowVisible(p->DialogWnd->CtrlHandle)) ++n;
  return n;
}

std::vector<classlib::TCustomForm*> MDIChildrenOf(const classlib::TCustomForm* form) {
  std::vector<classlib::TCustomForm*> children;
  for (int i = 0; i < form->MDIChildCount(); ++i)
    if (classlib::TCustomForm* child = form->MDIChildren(i)) children.push_back(child);
  return children;
}

// The form whose window it is, or the MDI child of an MDI main form.
classlib::TCustomForm* FormOf(HWND wnd) {
  classlib::TScreen* screen = classlib::Screen;
  for (int i = screen->CustomFormCount() - 1; i >= 0; --i) {
    classlib::TCustomForm* form = screen->CustomForms(i);
    if (!form || form->ComponentState().Contains(classlib::csDestroying)) continue;
    // Never Handle(): it would create the window of a form not yet shown.
    if (!form->HandleAllocated()) continue;
    if (form->Handle() == wnd) return form;
    if (form->FormStyle() != classlib::fsMDIForm) continue;
    for (classlib::TCustomForm* child : MDIChildrenOf(form))
      if (child->HandleAllocated() && child->Handle() == wnd) return child;
  }
  return nullptr;
}

void BindForm(classlib::TCustomForm* form) {
  auto* binder = classlib::New<TacProvider>(form);
  acProviders().push_back(binder);
  binder->AttachSkinProvider(form);
}

bool AttachForm(classlib::TCustomForm* form, const std::wstring& className, TsSkinManager* manager) {
  if ((form->Tag() & -98) == -98) return false;  // the library's own auxiliary forms
  if (form->ComponentState().Contains(classlib::csLoading) && form->FormStyle() != classlib::fsMDIChild)
    return true;  // its own loading makes its provider
  const auto& skip = acSkipClasses();
  if (std::find(skip.begin(), skip.end(), className) != skip.end()) return false;
  const TacSkinningRule rule = className == L"TMessageForm" ? srStdDialogs : srStdForms;
  if (!manager->SkinningRules().Contains(rule)) return false;
  BindForm(form);
  // The children of an MDI main form are skinned with it.
  if (form->FormStyle() == classlib::fsMDIForm)
    for (classlib::TCustomForm* child : MDIChildrenOf(form))
      if (child->HandleAllocated() && !AnswersSkinned(child->Handle())) BindForm(child);
  return true;
}

template <class T>
TacMainWnd* Make(HWND wnd, bool repaint, const wchar_t* section, TsSkinManager* manager) {
  return MakeAdapter<T>(wnd, repaint, section, manager, nullptr);
}

// A panel of the class library inside a system dialog: its adapter's skin
// data knows the panel, so the adapter paints it as a container.
TacMainWnd* MakePanelAdapter(HWND wnd, bool repaint, const wchar_t* section, TsSkinManager* manager) {
  auto data = std::make_unique<TsCommonData>(classlib::FindControl(wnd), true);
  data->SetSkinManager(manager);
  TacMainWnd* adapter = MakeAdapter<TacPanelWnd>(wnd, repaint, section, manager, data.get());
  if (!adapter) return nullptr;
  adapter->OwnSkinData = true;
  data.release();
  return adapter;
}

TacMainWnd* MakeChildAdapter(const TDialogChildKind& kind, HWND wnd, bool repaint, TsSkinManager* manager) {
  using A = TDialogChildAdapter;
  const wchar_t* s = kind.Section;
  switch (kind.Adapter) {
    case A::Icon: return Make<TacIconWnd>(wnd, repaint, s, manager);
    case A::Edge: return Make<TacEdgeWnd>(wnd, repaint, s, manager);
    case A::Static: return Make<TacStaticWnd>(wnd, repaint, s, manager);
    case A::TransPanel: return Make<TacTransPanelWnd>(wnd, repaint, s, manager);
    case A::Panel:
    case A::SilentPanel: return MakePanelAdapter(wnd, repaint, s, manager);
    case A::Edit:
    case A::ListBox:
    case A::ComboList: return Make<TacEditWnd>(wnd, repaint, s, manager);
    case A::GroupBox: return Make<TacGroupBoxWnd>(wnd, repaint, s, manager);
    case A::CheckBox: return Make<TacCheckBoxWnd>(wnd, repaint, s, manager);
    case A::Button: return Make<TacBtnWnd>(wnd, repaint, s, manager);
    case A::ComboBox: return Make<TacComboBoxWnd>(wnd, repaint, s, manager);
    case A::Sizer: return Make<TacSizerWnd>(wnd, repaint, s, manager);
    case A::TabControl: return Make<TacTabControlWnd>(wnd, repaint, s, manager);
    case A::ListView: return Make<TacListViewWnd>(wnd, repaint, s, manager);
    case A::Spin: return Make<TacSpinWnd>(wnd, repaint, s, manager);
    case A::Track: return Make<TacTrackWnd>(wnd, repaint, s, manager);
    case A::Link: return Make<TacLinkWnd>(wnd, repaint, s, manager);
    case A::ToolBar: return Make<TacToolBarWnd>(wnd, repaint, s, manager);
    case A::TreeView: return Make<TacTreeViewWnd>(wnd, repaint, s, manager);
    case A::None: break;
  }
  return nullptr;
}

// A class-library panel takes the skin's colours; its labels are drawn
// over the skinned face and its windowed children get adapters too.
void DressPanel(TacProvider* provider, TacMainWnd* adapter, TsSkinManager* manager) {
  auto* panel = dynamic_cast<classlib::TWinControl*>(adapter->SkinData->OwnerControl());
  if (!panel || !manager) return;
  for (int i = 0; i < panel->ControlCount(); ++i) {
    classlib::TControl* control = panel->Controls(i);
    if (auto* label = dynamic_cast<classlib::TCustomLabel*>(control)) {
      label->Font()->SetColor(manager->GetGlobalFontColor());
      label->SetTransparent(true);
    } else if (auto* windowed = dynamic_cast<classlib::TWinControl*>(control); windowed && windowed->HandleAllocated()) {
      CreateChildAdapter(provider, windowed->Handle());
    }
  }
  panel->SetColor(manager->GetGlobalColor());
}

// A panel that paints itself quietly shows no caption of its own.
void QuietPanel(TacMainWnd* adapter) {
  if (classlib::TControl* panel = adapter->SkinData->OwnerControl()) panel->SetText(L"");
  adapter->SkinData->BGChanged = true;
}

}  // namespace

std::vector<TacProvider*>& acProviders() {
  static std::vector<TacProvider*> list;
  return list;
}

std::vector<std::wstring>& acSkipClasses() {
  static std::vector<std::wstring> list{L"TApplication", L"TfcPopup"};
  return list;
}

bool acCreatingDialogChild() { return creatingDialogChild; }

std::wstring GetWndClassName(HWND wnd) {
  wchar_t buffer[128] = {};
  const int n = GetClassNameW(wnd, buffer, 128);
  return std::wstring(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

TacProvider::TacProvider(classlib::TComponent* owner) : classlib::TComponent(owner) {}

TacProvider::~TacProvider() {
  auto& list = acProviders();
  auto it = std::find(list.begin(), list.end(), this);
  if (it != list.end()) *it = nullptr;
  // Children first: each puts back its window's procedure while the dialog
  // adapter still holds the dialog's.
  Adapters.clear();
  DialogWnd.reset();
}

void TacProvider::AttachSkinProvider(classlib::TCustomForm* form) {
  SkinProvider = classlib::New<TsSkinProvider>(form);
  SkinProvider->SetUseGlobalColor(false);
  if (acDwmCompositionEnabled()) {
    if (!SkinProvider->Adapter()) SkinProvider->AdaptControls(nullptr);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageW(form->Handle(), WM_NCPAINT, 0, 0);
  } else if (!acIsDebuggerPresent()) {
    UpdateWindow(form->Handle());
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  }
  SkinProvider->SetMakeSkinMenu(false);
}

bool TacProvider::InitDialog(HWND wnd) {
  Handle = wnd;
  Adapters.clear();
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  if (DialogWnd || !manager || !manager->Active()) return true;
  LeftScrollBar = (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  CreateDialogAdapter();
  if (!DialogWnd) return true;
  DialogWnd->Provider = this;
  const bool ok = AdaptDialogChildren(this, wnd);
  if (ok) {
    DialogWnd->InitDialogParams();
    SendSkinCommandToWnd(wnd, scNewSkin, reinterpret_cast<LPARAM>(manager));
  } else {
    auto& list = acProviders();
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) *it = nullptr;
  }
  return ok;
}

void TacProvider::CreateDialogAdapter() {
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  if (manager && manager->Active()) {
    // The skinned bars are drawn over the standard ones, never over flat ones.
    UninitializeFlatScrollBars(Handle);
    if (DialogWnd && DialogWnd->Destroyed) DialogWnd.reset();
    if (!DialogWnd) DialogWnd.reset(MakeAdapter<TacDialogWnd>(Handle, false, L"DIALOG", manager, nullptr));
    DialogWnd->Provider = this;
  } else {
    DialogWnd.reset();
    InitializeFlatScrollBars(Handle);
  }
}

bool AttachProvider(HWND wnd) {
  // Inside the hook: never look at a window that is not one yet, and never
  // make one (a form's Handle() would).
  if (!wnd || !IsWindow(wnd)) return false;
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  if (!manager || ApplicationDestroying()) return false;
  const std::wstring className = GetWndClassName(wnd);
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  if ((style & WS_POPUP) && !(style & WS_BORDER)) return false;
  for (TacProvider* p : acProviders())
    if (p && p->Handle == wnd && !(p->DialogWnd && p->DialogWnd->Destroyed)) return false;
  // The skinned question is sent only to windows that may be taken: a
  // class-library window still being created must see no message before
  // its own creation messages (its control is bound by the first one).
  classlib::TCustomForm* form = FormOf(wnd);
  if (!form && className != L"#32770") return false;
  if (AnswersSkinned(wnd)) return false;
  if (form) return AttachForm(form, className, manager);
  if (GetParent(wnd) || !manager->SkinningRules().Contains(srStdDialogs)) return false;
  if (VisibleDialogs() >= acMaxVisibleDialogs && !HasToolBarBelow(wnd)) return false;
  auto* binder = classlib::New<TacProvider>(nullptr);
  acProviders().push_back(binder);
  if (!binder->InitDialog(wnd)) delete binder;
  return true;
}

bool CreateChildAdapter(TacProvider* provider, HWND wnd) {
  if (!wnd) return false;
  if (AnswersSkinned(wnd) || !provider || !provider->DialogWnd) return true;
  TacDialogWnd* dialog = provider->DialogWnd.get();
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(wnd, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(wnd, GWL_EXSTYLE));
  const TDialogChildKind kind = DialogChildKindOf(GetWndClassName(wnd), style, exStyle, IsWindowVisible(wnd));
  if (kind.Adapter == TDialogChildAdapter::None) return true;
  if (kind.UnsetsOwnClientPaint) dialog->OwnClientPaint = false;
  const bool repaint = !kind.RepaintWhenPainted || (dialog->SkinData && dialog->SkinData->CacheBmp() &&
                                                    dialog->SkinData->CacheBmp()->Width() > 0);
  creatingDialogChild = true;
  const bool savedDialogChildren = AdapterDialogChildren();
  AdapterDialogChildren() = true;
  TacMainWnd* adapter = nullptr;
  try {
    adapter = MakeChildAdapter(kind, wnd, repaint, dialog->SkinManager);
  } catch (...) {
    adapter = nullptr;  // the child keeps the system's look
  }
  AdapterDialogChildren() = savedDialogChildren;
  creatingDialogChild = false;
  if (!adapter) return true;
  if (kind.DialogChild) adapter->DlgMode = true;
  provider->Adapters.emplace_back(adapter);
  if (kind.Adapter == TDialogChildAdapter::Panel) DressPanel(provider, adapter, dialog->SkinManager);
  if (kind.Adapter == TDialogChildAdapter::SilentPanel) QuietPanel(adapter);
  GetWindowPosInParent(wnd, adapter->ParentWnd, adapter->WndRect, adapter->WndPos, adapter->WndSize,
                       adapter->ParentRect);
  return true;
}

bool AdaptDialogChildren(TacProvider* provider, HWND parent) {
  for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!AdaptDialogChildren(provider, child)) return false;
    if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) && !CreateChildAdapter(provider, child)) return false;
  }
  return true;
}

void PrintChildWindows(HWND parent, HDC dc) {
  for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    // A hidden child hides its descendants too: each visible one is printed
    // once, at its own place.
    if (!(style & WS_CHILD) || !(style & WS_VISIBLE)) continue;
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    const int saved = SaveDC(dc);
    POINT org;
    GetWindowOrgEx(dc, &org);
    SetWindowOrgEx(dc, org.x - r.left, org.y - r.top, nullptr);
    SendSkinCommandToWnd(child, scSetPrintDC, reinterpret_cast<LPARAM>(dc));
    SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
    SendSkinCommandToWnd(child, scSetPrintDC, 0);
    PrintChildWindows(child, dc);
    RestoreDC(dc, saved);
  }
}

void BroadcastToChildren(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam) {
  for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT))
    SendMessageW(child, msg, wParam, lParam);
}

void FreeDestroyedProviders() {
  for (TacProvider*& p : acProviders()) {
    if (!p || !p->DialogWnd || !p->DialogWnd->Destroyed || IsWindow(p->Handle)) continue;
    TacProvider* gone = p;
    p = nullptr;
    delete gone;
  }
}

void FreeAllProviders() {
  auto& list = acProviders();
  for (TacProvider*& p : list) {
    if (!p) continue;
    TacProvider* gone = p;
    p = nullptr;
    // A form's binder belongs to its form: only forgotten here.
    if (!gone->Owner()) delete gone;
  }
  list.clear();
}

LRESULT CALLBACK DialogHookProc(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
  try {
    if (code < 0 || ApplicationDestroying()) return next;
    HWND wnd = reinterpret_cast<HWND>(wParam);
    switch (code) {
      case HCBT_CREATEWND: {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (!wnd || !create || !create->lpcs) break;
        const LPCWSTR cls = create->lpcs->lpszClass;
        if (IS_INTRESOURCE(cls)) {
          const WORD atom = LOWORD(reinterpret_cast<ULONG_PTR>(cls));
          if (atom == 32768) AdaptNewMenuWindow(wnd, create);
          else if (atom == 32770) AttachProvider(wnd);
          break;
        }
        if (GetWndClassName(wnd) == L"TPUtilWindow" || !create->lpcs->dwExStyle || !create->lpcs->style) break;
        if (classlib::TCustomForm* main = classlib::Application->MainForm()) {
          if (!main->HandleAllocated() || main->Handle() == wnd) break;
        }
        if (!GetParent(wnd)) AttachProvider(wnd);
        break;
      }
      case HCBT_DESTROYWND:
        // A glow window going is no dialog going: its binders stay.
        if (!paint::GlowFormFreeing()) FreeDestroyedProviders();
        break;
      case HCBT_ACTIVATE:
        AttachProvider(wnd);  // Wine sends some activations with no window
        break;
      default:
        break;
    }
  } catch (...) {
    // A window the skin cannot take keeps the system's look.
  }
  return next;
}

}  // namespace skin::adapters
