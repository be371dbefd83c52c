#pragma once
// Adapters of tab windows. TacTabControlWnd paints the whole control into
// its cache: the page frame from a section chosen by the tab side, the
// inactive tabs row by row, and the selected tab last, straight onto the
// screen, so that it overlaps the frame. Its up-down child (shown when the
// tabs do not fit) gets a spin adapter. TacPageControlWnd also adapts the
// pages inside it; TacPageWnd makes a page show the tab control's face.
#include <memory>

#include "skin/adapters/MainWnd.h"
#include "skin/adapters/SpinWnd.h"
#include "skin/adapters/TabGeometry.h"

namespace skin::adapters {

class TacTabControlWnd : public TacMainWnd {
 public:
  ~TacTabControlWnd() override;
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;
  virtual void DisplayRect(TRect& rect);
  virtual void PageRect(TRect& rect);

  std::unique_ptr<TacSpinWnd> UpDown;

  TTabSide Side() const;
  TTabKind Kind() const;
  int TabCount() const;
  // The tab's painted rectangle; empty for an index out of range.
  TRect TabRect(int index, bool active) const;
  // The face into the cache and onto DC (the selected tab straight on DC).
  void PaintFace(HDC dc);
  void RefreshUpDown();

 protected:
  // The part of the procedure both tab adapters share, after their own.
  void TabProc(classlib::TMessage& message);

 private:
  int PageSectionIndex(std::wstring& name) const;
  bool TabSection(int& section, std::wstring& name) const;
  void PaintTab(int index, int state, classlib::TBitmap* target, const TPoint& targetOrigin);
  void PaintRotatedText(classlib::TCanvas* canvas, const std::wstring& text, const TRect& r, int state, int section);
  POINT paintedSize_{0, 0};
};

class TacPageControlWnd : public TacTabControlWnd {
 public:
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;
  void AdaptPages();
};

class TacPageWnd : public TacMainWnd {
 public:
  ~TacPageWnd() override;
  void AdapterWndProc(classlib::TMessage& message) override;

  classlib::TWinControl* Page = nullptr;

 private:
  void PaintPage(HDC dc);
};

// Page adapters alive now (each is in the one list the pages share).
std::size_t PageAdapterCount();

}  // namespace skin::adapters
