#pragma once
// The root of the window adapters: an object bound to a window the library
// did not create, so that it paints in the skin. It keeps the window's
// previous procedure, answers the skin command message for the window,
// reports the mouse to the hot-window tracking and undoes everything when
// the window or the adapter goes.
//
// Three ways to bind, chosen by the skin data's owner:
//  - a skinned form (provider owner): the form's WindowProc is replaced;
//  - a class-library control: the control's WindowProc is replaced;
//  - a raw window: its window procedure is replaced by a thunk.
// In each case what is installed forwards through a cell the adapter does
// not own, so a party that replaced the procedure after us keeps a working
// chain when the adapter is unhooked or freed.
//
// Adapters are made in two steps: the C++ constructor, then the virtual
// Create, so that the class of the object decides every step of binding
// (MakeAdapter does both).
#include <windows.h>

#include <memory>
#include <string>

#include "classlib/controls/Control.h"
#include "classlib/controls/Messages.h"
#include "skin/common/sCommonData.h"

namespace skin {
class TsSkinManager;
}

namespace skin::adapters {

class TWindowThunk;

// Where a replaced WindowProc forwards to: the adapter while it is bound,
// else the procedure it replaced.
struct TForwardCell;

class TacMainWnd : public classlib::TObject {
 public:
  TacMainWnd() = default;
  ~TacMainWnd() override;

  // --- The five operations every adapter keeps
  virtual void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                      TsCommonData* skinData);
  virtual void SaveControlParams() {}
  virtual void RestoreControlParams() {}
  virtual void ApplySkinParams() { ParamsChanged = true; }
  virtual void AdapterWndProc(classlib::TMessage& message);

  // --- State
  bool DlgMode = false;
  std::wstring Caption;
  RECT WndRect{};
  POINT WndSize{};
  POINT WndPos{};
  RECT ParentRect{};
  HWND ParentWnd = nullptr;
  classlib::TControlStyle SavedControlStyle;
  HWND CtrlHandle = nullptr;
  TsSkinManager* SkinManager = nullptr;
  TsCommonData* SkinData = nullptr;
  TColor OldColor = 0;
  TColor OldFontColor = 0;
  bool ScrollSending = false;
  bool ParamsChanged = false;
  bool Destroyed = false;
  bool OwnSkinData = false;

  // The previous procedure: a replaced WindowProc, or a raw window's procedure.
  bool HasOldWindowProc() const;
  WNDPROC OldWndProc() const;
  // The raw window's thunk while the adapter has one.
  TWindowThunk* ObjectInstance() const { return thunk_; }

  // --- Binding (used by HookAdapterWindow and the unhooking routines)
  void Bind(HWND handle);
  // Puts back what Bind replaced, when it is still ours: false when another
  // party replaced the procedure since (the chain is then left as it is).
  bool Unbind();
  // The shared part of unbinding: property, control parameters, frame.
  void FinishUnbind(HWND handle, bool repaint);
  LRESULT CallPrev(classlib::TMessage& message);
  // No WindowProc holds the adapter's procedure any more (the control is
  // being destroyed): the adapter counts as unbound.
  void BindingLost();

 protected:
  // The common part of the adapters' window procedures, after the
  // per-message handling.
  void CommonPart(classlib::TMessage& message);
  // Steps 1-9 of construction shared with the edit adapter.
  void InitSkinData(HWND handle, TsSkinManager* skinManager, TsCommonData* skinData);
  void ReadCaption();
  void MarkOwnerOpaque();
  void TrackMouse();
  // WM_DESTROY and WM_NCDESTROY: pass on, then unbind unless the window's
  // procedure refused it.
  void HandleDestroy(classlib::TMessage& message);
  // Undo run by the destructor. Descendants that restore parameters call it
  // first in their own destructor, while their overrides still run.
  void UndoBinding();
  // Windows whose visual style the adapter leaves on (pop-up menus).
  virtual bool KeepsVisualStyle() const { return false; }
  // Binds to the window: HookAdapterWindow here, scroll bars in the
  // scrolling adapters.
  virtual void AttachToWindow(HWND handle, bool repaint);
  // Unbinds when the window is destroyed: UnhookAdapterWindow here,
  // DetachScrollBars in the scrolling adapters.
  virtual void UnbindOnDestroy();

 private:
  TWindowThunk* thunk_ = nullptr;
  std::shared_ptr<TForwardCell> cell_;
  classlib::TControl* boundControl_ = nullptr;  // the control or form whose WindowProc we replaced
};

// Both steps of making an adapter of class T.
template <class T>
T* MakeAdapter(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
               TsCommonData* skinData) {
  T* adapter = new T();
  adapter->Create(handle, repaint, skinSection, skinManager, skinData);
  return adapter;
}

// The adapter bound to a window ("ACSBSC" property), or null.
TacMainWnd* GetAdapter(HWND handle);
void HookAdapterWindow(TacMainWnd* adapter, HWND handle);
void UnhookAdapterWindow(HWND handle, bool freeAdapter, bool repaint, TacMainWnd*& adapter);
LRESULT CallPrevWndProc(TacMainWnd* adapter, HWND handle, UINT msg, LPARAM& lParam, WPARAM wParam);
void UpdateWindowFrame(HWND handle, bool repaint);

// The library-wide switches adapters read at construction.
bool& AdapterDialogChildren();
bool& AdapterCustomFont();

}  // namespace skin::adapters
