#pragma once
// The windows the application never handed to the skin: forms made without
// a skin provider and raw system dialogs, skinned from the thread's
// creation hook. Each window taken over has a binder (TacProvider) in one
// process-wide list; a gone binder leaves a null entry, so indexes stay
// stable and every walk skips empty entries.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Component.h"

namespace classlib {
class TCustomForm;
}
namespace skin {
class TsSkinProvider;
}

namespace skin::adapters {

class TacMainWnd;
class TacDialogWnd;

class TacProvider : public classlib::TComponent {
 public:
  // The form owns the binder of a form; a raw dialog's binder has no owner.
  explicit TacProvider(classlib::TComponent* owner);
  ~TacProvider() override;

  bool LeftScrollBar = false;
  HWND Handle = nullptr;                  // the raw dialog; null for a form
  TsSkinProvider* SkinProvider = nullptr;  // owned by the form
  std::unique_ptr<TacDialogWnd> DialogWnd;
  std::vector<std::unique_ptr<TacMainWnd>> Adapters;

  bool InitDialog(HWND wnd);
  void AttachSkinProvider(classlib::TCustomForm* form);
  // Makes the dialog's adapter while the default manager is active (the
  // flat scroll bars go off), frees it otherwise (they come back).
  void CreateDialogAdapter();
};

// The binders (null entries are gone ones).
std::vector<TacProvider*>& acProviders();
// Class names never given a provider: "TApplication", "TfcPopup".
std::vector<std::wstring>& acSkipClasses();
// How many raw dialogs may be skinned and visible at once.
inline constexpr int acMaxVisibleDialogs = 2;
// True while CreateChildAdapter runs.
bool acCreatingDialogChild();

std::wstring GetWndClassName(HWND wnd);
bool AttachProvider(HWND wnd);
bool CreateChildAdapter(TacProvider* provider, HWND wnd);
bool AdaptDialogChildren(TacProvider* provider, HWND parent);
void PrintChildWindows(HWND parent, HDC dc);
void BroadcastToChildren(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam);
// Frees the binders of dialogs that are gone (flagged destroyed and no
// longer windows).
void FreeDestroyedProviders();
// Frees every binder and empties the list (the hook goes out).
void FreeAllProviders();
LRESULT CALLBACK DialogHookProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace skin::adapters
