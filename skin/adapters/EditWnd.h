#pragma once
// Adapters of text-entry and list windows: the common layer of scrolling
// adapters that repaint their frame (TacBaseWnd), edits, memos and list
// boxes of foreign classes (TacEditWnd, section "EDIT" unless another is
// given), and the list window of a combo box (TacComboListWnd). The frame
// comes from the skin data's cache (border mask over the parent's
// background); the client area stays the window's own.
#include "skin/adapters/ScrollWnd.h"

namespace skin::adapters {

class TacBaseWnd : public TacScrollWnd {
 public:
  void AdapterWndProc(classlib::TMessage& message) override;
};

class TacEditWnd : public TacBaseWnd {
 public:
  ~TacEditWnd() override;
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void SaveControlParams() override;
  void RestoreControlParams() override;
  void ApplySkinParams() override;
  void AdapterWndProc(classlib::TMessage& message) override;

  RECT FrameRect{0, -1, 0, -1};  // the client rectangle in window coordinates; Top -1 until measured
  TColor SkinColor = 0;
  TColor OldFocusColor = 0;
  TColor BorderColor = 0;

 protected:
  void MeasureGeometry();
  // The cache outside the window's client area and scroll bars into DC.
  void CopyFrameBand(HDC dc);
  // An empty clip box on a DC that is not the print DC: nothing to paint.
  bool NothingToPaint(HDC dc) const;
};

class TacComboListWnd : public TacEditWnd {
 public:
  // Sets Simple, runs the virtual constructor and widens a drop-down list
  // by one pixel so that its frame is recalculated under the adapter.
  void CreateEx(HWND handle, bool simple, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                TsCommonData* skinData);
  void AdapterWndProc(classlib::TMessage& message) override;
  bool KeepsCapture() const override;

  bool ListTracking = false;
  bool Simple = false;

 private:
  void PrepareListCache();
};

TacComboListWnd* MakeComboListAdapter(HWND handle, bool simple, bool repaint, const std::wstring& skinSection,
                                      TsSkinManager* skinManager, TsCommonData* skinData);

// Keeps a control's edit adapter in step with its skinning: made while the
// skin data is skinned (an unhooked one is replaced), freed when it is not.
void UpdateEditAdapter(TsCommonData* skinData, TacEditWnd*& adapter);

}  // namespace skin::adapters
