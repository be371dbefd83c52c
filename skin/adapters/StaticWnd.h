#pragma once
// Adapters of static windows: text (TacStaticWnd: the window's own text over
// the parent's skinned background), links (TacLinkWnd: the text without
// its anchor tags, underlined), icons and bitmaps (TacIconWnd) and edged
// statics (TacEdgeWnd: the window paints itself, the adapter its frame).
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "skin/adapters/MainWnd.h"

namespace skin::adapters {

class TacStaticWnd : public TacMainWnd {
 public:
  ~TacStaticWnd() override;
  void AdapterWndProc(classlib::TMessage& message) override;
  // The whole window into the message's DC (WParam), else the window DC.
  virtual void PaintStatic(classlib::TMessage& message);
  // The content into the cache; true when the cache is to be copied.
  virtual bool PaintText();

 protected:
  // Tab stops and static edges keep the system's look.
  bool KeepsOwnLook() const;
  // The cache over the parent's background with the content, copied whole
  // into the message's DC (or the window DC), or only its 2-pixel frame.
  void PaintInto(classlib::TMessage& message, bool frameOnly);
  // Repaint after the previous procedure handled a change.
  void ChangedAndRedraw(classlib::TMessage& message, bool redrawOff);
};

class TacLinkWnd : public TacStaticWnd {
 public:
  void AdapterWndProc(classlib::TMessage& message) override;
  bool PaintText() override;
};

class TacIconWnd : public TacStaticWnd {
 public:
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  bool PaintText() override;

  bool IsBitmap = false;
  // A copy of the static's bitmap, made on the first paint: the static
  // keeps (and frees) its own.
  std::unique_ptr<classlib::TBitmap> Image;
};

class TacEdgeWnd : public TacStaticWnd {
 public:
  void AdapterWndProc(classlib::TMessage& message) override;
  void PaintStatic(classlib::TMessage& message) override;
};

}  // namespace skin::adapters
