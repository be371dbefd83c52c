#pragma once
// The pop-up menu window under an adapter. The hook gives every menu
// window one as it is created; the window is shown fully transparent and
// becomes visible once its skinned frame is drawn, so the system's frame
// never flashes. Under Wine the menu window has no non-client area and
// Wine paints its own border inside the client area during WM_PAINT: the
// frame is drawn again after that paint.
//
// Adapters live in one process-wide list. A window's adapter is never freed
// inside its own window procedure: adapters of destroyed windows are freed
// from a zero-delay timer once the window's messages are over.
#include <vector>

#include "skin/adapters/ScrollWnd.h"

namespace skin::adapters {

class TacMnuWnd : public TacScrollWnd {
 public:
  ~TacMnuWnd() override;
  void AdapterWndProc(classlib::TMessage& message) override;

  std::int32_t PaintPending = 0;
  bool FirstFrameDone = false;
  // The adapter made the window layered at alpha 0 and has not yet given
  // it its alpha back.
  bool HiddenByAlpha = false;

  // The skin's face of the window while BGChanged.
  void PrepareCache();
  // The skinned frame into the window: the pop-up's record when it fits
  // the window, else the cache.
  void PaintFrame();
  // The menu alpha of the skinned menus: opaque (not layered) at 255.
  void RestoreAlpha();

 protected:
  bool KeepsVisualStyle() const override { return true; }

 private:
  void AfterDestroy();
  void HideUntilPainted(classlib::TMessage& message);
  bool Skinning() const;
};

// The adapters made for menu windows, in the order they were made.
const std::vector<TacMnuWnd*>& MenuAdapters();
// Makes and lists the adapter of a new menu window (section "MAINMENU").
TacMnuWnd* AdaptMenuWindow(HWND wnd);
// Frees every menu adapter and empties the list.
void FreeMenuAdapters();
// Frees the adapters whose windows are gone (the deferred step).
void FreeDestroyedMenuAdapters();
// The creation hook's share for menu windows (class atom 32768): adapted
// when the default manager skins pop-ups and the window is not skinned yet.
void AdaptNewMenuWindow(HWND wnd, const CBT_CREATEWNDW* create);
// A WH_CBT procedure that does only that.
LRESULT CALLBACK MenuWindowHookProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace skin::adapters
