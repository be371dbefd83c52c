#pragma once
// Adapters of bar-like common controls that paint the whole control into
// their cache: the tool bar (buttons, images, captions, drop-down arrows
// and separators from the skin) and the status bar (its panels and
// dividers). TacToolBarVCLWnd stands for the class library's own tool
// bar, which this program never has: it binds like any adapter and draws
// nothing of its own.
#include <string>
#include <vector>

#include "skin/adapters/MainWnd.h"

namespace skin::adapters {

class TacToolBarWnd : public TacMainWnd {
 public:
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;

  RECT ClientRect{};
  std::int32_t Border = 0;

  void PrepareCache();
  // The client image (cache and buttons) into DC at (0, 0).
  void PaintClient(HDC dc);

 private:
  void PaintFrame();
  void PaintButton(int index, classlib::TBitmap* target);
  bool UpdatingNow();
};

class TacStatusBarWnd : public TacMainWnd {
 public:
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;

  void PrepareCache();

 private:
  void Paint(HDC dc);
};

class TacToolBarVCLWnd : public TacMainWnd {
 public:
  void AdapterWndProc(classlib::TMessage& message) override;

  classlib::TObject* ToolBar = nullptr;         // never a class-library tool bar here
  classlib::TObject* DropDownButton = nullptr;
  std::int32_t HotIndex = -1;
};

// A tool button's caption, however long (its length is asked first).
std::wstring ToolButtonText(HWND toolBar, int commandId);
// A status bar's part texts (the simple text alone in simple mode), each
// read after asking its length.
std::vector<std::wstring> StatusBarTexts(HWND statusBar);

}  // namespace skin::adapters
