#pragma once
// Adapters of buttons: push buttons (TacBtnWnd), bitmap buttons
// (TacBitBtnWnd), check boxes and radio buttons (TacCheckBoxWnd) and group
// boxes (TacGroupBoxWnd). Each paints the window's whole face into its
// cache from the skin section and copies it to the window.
#include "skin/adapters/MainWnd.h"
#include "skin/core/CacheInfo.h"

namespace skin::adapters {

class TacBtnWnd : public TacMainWnd {
 public:
  ~TacBtnWnd() override;
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;

  virtual void DrawCaption();
  virtual void DrawGlyph() {}
  virtual void GlyphSize(SIZE& size) { size = SIZE{0, 0}; }
  virtual void WriteText(RECT& r, UINT flags);
  virtual void CaptionRect(RECT& r);
  virtual int MaxCaptionWidth();
  virtual void TextSize(SIZE& size);
  virtual void PrepareCache();

  // 2 pressed, 1 focused, hot or default, else 0.
  int CtlState();
  bool Down() const;
  void Repaint();

 protected:
  void Paint(HDC given);
  // The face faded toward what lies behind a disabled button.
  void FadeDisabled(const TacCacheInfo& ci);
  void RedrawOffAround(classlib::TMessage& message, bool previousOnly);
  int Width() const { return static_cast<int>(WndSize.x); }
  int Height() const { return static_cast<int>(WndSize.y); }
};

class TacBitBtnWnd : public TacBtnWnd {
 public:
  void DrawGlyph() override;
  void GlyphSize(SIZE& size) override;
  void CaptionRect(RECT& r) override;
  int MaxCaptionWidth() override;

  // Where the glyph goes in the face.
  RECT GlyphRect();
};

class TacCheckBoxWnd : public TacMainWnd {
 public:
  ~TacCheckBoxWnd() override;
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;

  bool OwnerDrawn = false;

  // 0 unchecked, 1 checked, 2 indeterminate.
  int CheckState() const;
  // The "GLOBALINFO" mask the box shows for the style and check state.
  int CheckMaskIndex(LONG_PTR style) const;
  void PrepareCache();

 private:
  void Paint(HDC given);
  void EraseOwnerDrawn(HDC given);
  bool Hot() const;
};

class TacGroupBoxWnd : public TacMainWnd {
 public:
  ~TacGroupBoxWnd() override;
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;

  // The caption band in window coordinates.
  RECT CaptionBand();
  void PrepareCache();

 private:
  void Paint(classlib::TMessage& message);
  void SelectFont(classlib::TCanvas* canvas);
};

}  // namespace skin::adapters
