#pragma once
// The adapter of an MDI client window: the area behind the child windows
// shows the form's skinned image (or the skin's "MDIAREA" section, or the
// form's colour), its frame and scroll bars are skinned, and tiling,
// cascading and menu changes repaint the form. The form's MDI support
// makes it and then gives it the form, the provider's skin data and the
// provider (Attach).
#include <functional>

#include "skin/adapters/EditWnd.h"

namespace skin {
class TsSkinnedForm;
}

namespace skin::adapters {

class TacMDIWnd : public TacBaseWnd {
 public:
  ~TacMDIWnd() override;
  void AdapterWndProc(classlib::TMessage& message) override;
  void Attach(classlib::TWinControl* form, TsCommonData* formSkinData, TsSkinnedForm* provider);

  classlib::TWinControl* MDIForm = nullptr;
  TsCommonData* FormSkinData = nullptr;  // not owned
  TsSkinnedForm* Provider = nullptr;     // the form's provider, not owned
  // The form window when there is no class-library form (a raw frame).
  HWND FormWnd = nullptr;
  // Asks the form for its menu line again (a child activated, maximized or
  // restored through the client); set by whoever makes the adapter.
  std::function<void()> OnMenuLineChange;

  // The client area's image into DC (client coordinates).
  void PaintClientArea(HDC dc);

 private:
  bool ChildMaximized() const;
  HWND Form() const;
  void PaintClientFrame(HDC dc);
};

}  // namespace skin::adapters
