#pragma once
// Small adapters: the size grip (TacSizerWnd: the skin's grip image over the
// parent's background, always a bottom-right sizing handle), the
// see-through container (TacTransPanelWnd: the parent's background under
// its children) and the class-library panel (TacPanelWnd: the section by
// its bevels, its caption and frame from the cache).
#include "skin/adapters/MainWnd.h"

namespace classlib {
class TCustomPanel;
}

namespace skin::adapters {

class TacSizerWnd : public TacMainWnd {
 public:
  ~TacSizerWnd() override;
  void AdapterWndProc(classlib::TMessage& message) override;

 private:
  void Paint(HDC given);
};

class TacTransPanelWnd : public TacMainWnd {
 public:
  ~TacTransPanelWnd() override;
  void AdapterWndProc(classlib::TMessage& message) override;
  virtual void Paint(HDC given);
};

class TacPanelWnd : public TacMainWnd {
 public:
  ~TacPanelWnd() override;
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;
  virtual void PrepareCache();
  virtual void PaintClient(HDC given);

  classlib::TCustomPanel* Panel = nullptr;

 private:
  void PaintFrame(HDC given);
  bool Active() const;
};

// The section a panel takes by its bevels and border when none is given.
std::wstring PanelSectionOf(const classlib::TCustomPanel& panel);

}  // namespace skin::adapters
