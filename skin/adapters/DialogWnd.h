#pragma once
// The adapter of a raw system dialog (window class "#32770" that no form of
// the class library owns): a skinned frame painted over the standard one and
// trimmed by a window region, the dialog's own title buttons and system menu
// (WS_SYSMENU is taken off the window so the system draws none), translucent
// dragging and a client background from the skin.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "skin/adapters/ScrollWnd.h"
#include "skin/paint/TextGlow_Gdi.h"

namespace classlib {
class TBitmap;
}
namespace skin {
class TacBorderForm;
}

namespace skin::adapters {

class TacProvider;
class TacSystemMenu;
class TacDialogEffects;

// The system command that moves a window with the mouse, modally.
inline constexpr WPARAM kDragMove = 0xF012;
// Sent to a dialog when it has shown controls it made late; they get their
// adapters then.
inline constexpr UINT kControlsShownMessage = 0x52E;

// Hit codes of the title buttons.
inline constexpr int kHitMin = 8, kHitMax = 9, kHitClose = 20, kHitHelp = 21;

struct TacTitleButton {
  std::uint8_t State = 0;  // 0 normal, 1 hot, 2 pressed
  int ImageIndex = -1;     // the skin mask, -1 none
  RECT Rect{};             // in the cache bitmap
  bool BigIcon = false;
  int HitCode = 0;
};

class TacDialogWnd : public TacScrollWnd {
 public:
  TacDialogWnd();
  ~TacDialogWnd() override;
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;

  int HotButton = 0;
  bool Active = true;
  bool OwnClientPaint = false;
  int CaptionIndex = -1;
  bool ChildrenAdapted = false;
  bool NeedRegion = true;
  bool Moving = false;
  bool SettingRegion = false;
  std::uint8_t BorderKind = 1;
  DWORD SavedStyle = 0, SavedExStyle = 0;
  std::wstring TitleSection;
  int TitleIndex = -1;
  TacProvider* Provider = nullptr;
  // Minimize, maximize, close, help.
  TacTitleButton Buttons[4];
  HICON Icon = nullptr;
  std::vector<RECT> RegionRects;
  std::unique_ptr<classlib::TBitmap> TitleImage;
  std::unique_ptr<TacSystemMenu> SysMenu;
  UINT_PTR BlendTimer = 0;
  // The opacity of a translucent drag now and where it falls to.
  std::uint8_t BlendAlpha = 255, BlendTarget = 255;
  HFONT CaptionFont = nullptr;
  // The client size the last WM_SIZE left (0 x 0 before the first).
  RECT StoredClient{};
  // The extended border, the hiding picture and the title-button fades.
  std::unique_ptr<TacDialogEffects> Effects;
  // The caption's glow, kept while the caption stays the same.
  paint::TGlowMask CaptionGlow;

  void InitDialogParams();
  // Geometry, in pixels of the window image.
  int CaptionHeight(bool useSkin) const;
  int ClientOffsetX() const;
  int ClientOffsetY() const;
  RECT IconRect() const;
  int TitleButtonWidth(int maskIndex) const;
  int TitleButtonHeight(int maskIndex) const;
  int TitleButtonsWidth() const;

  bool HasSysMenu() const { return SavedStyle & WS_SYSMENU; }
  bool HasMaxBox() const { return SavedStyle & WS_MAXIMIZEBOX; }
  bool HasMinBox() const { return SavedStyle & WS_MINIMIZEBOX; }
  bool HasContextHelp() const { return SavedExStyle & WS_EX_CONTEXTHELP; }
  bool CanClose() const;
  bool CanMaximize() const;
  bool CanMinimize() const;
  bool CanRestore() const;

  void InitRegionRects();
  void ApplyWindowRegion(bool repaint);
  void ShowSystemMenu(int x, int y);
  void StartBlendOnMoving();
  void StopBlendOnMoving();
  // One tick of a translucent drag: the opacity a step nearer the target.
  void BlendStep();
  void RepaintCaption();
  void RepaintFrame();
  // The extended border window (null without one), its margins and where
  // the window's top-left lies in the cache (0, 0 without one).
  TacBorderForm* BorderForm() const;
  RECT GetExBorderMargins() const;
  POINT ImageOrigin() const;
  // Creates the border (Enable, a caption and the skin allow it) or frees it.
  void UpdateExtBorderForm(bool enable);
  // Lays the skin's extended-border mask over the whole of Target (the
  // cache's size), its centre too when Filling.
  void PaintExtBorderImage(classlib::TBitmap* target, bool filling);
  // Whether the extended border is the whole frame ("plain" border mode):
  // the dialog's section gives only the background, the border's mask the
  // frame, and the title moves down by the skin's centre offset.
  bool PlainBorder() const;
  // Fills the key corners of the section's frame from the extended
  // border's picture, so the rounded corners show the shadow.
  void FillFrameCorners(classlib::TBitmap* extBorder, const TRect& frame);
  // Places and pushes the border when there is one and the dialog shows.
  void UpdateBorder(bool repaint);
  void FreeTitleAnimations();
  // Paints the client's picture from the cache and the children into DC.
  void PaintClientArea(HDC dc);
  // Window messages of the show and hide animations; true when answered.
  bool ShowWindowMsg(classlib::TMessage& message);
  bool WindowPosChangedMsg(classlib::TMessage& message);
  void HideCommandMsg(classlib::TMessage& message);
  // Starts the fade of a title button's new state; true when the fade
  // shows it (the screen is left to the fade).
  bool FadeTitleButton(int hitCode, int maskIndex);
  // The border window's hit code of the message's screen point.
  LRESULT BorderHit(const classlib::TMessage& message);
  // The glow of a hot title button when its change is not faded.
  void UpdateTitleGlow(int hitCode, int maskIndex);

  // The dialog-colour answer: one brush per colour, freed with the adapter.
  HBRUSH DialogBrush(COLORREF color);

  // Frame painting and title buttons.
  void InitTitleButtons();
  void PaintNonClientArea();
  void PaintTitle();
  void PaintTitleButtons();
  void SetHotTitleButton(int hitCode, bool repaint);
  void PressTitleButton(int hitCode);
  void PaintTitleButton(int hitCode);
  LRESULT HitTest(const classlib::TMessage& message);
  void NCLButtonDown(classlib::TMessage& message);
  void NCLButtonUp(classlib::TMessage& message);
  TacTitleButton* ButtonOf(int hitCode);

 private:
  void OnSize(classlib::TMessage& message);
  void InvalidateStaleCorners(int newWidth, int newHeight);
  void PaintCaptionText(const RECT& textRect, UINT flags);
  void EraseBackground(HDC dc);
  void PaintClient(HDC dc);
  void PlaceTitleButton(TacTitleButton& button, int& x, bool spacing);
  int ButtonIndexAt(int x) const;
  bool ButtonEnabled(int hitCode) const;
  // Whether the mouse is over the button now.
  bool CursorOver(const TacTitleButton& button) const;
  std::map<COLORREF, HBRUSH> brushes_;
};

// The text of a window, wide.
std::wstring GetWndText(HWND wnd);
// Removes each visible direct child of Parent (moved by the offset) from the
// clip region of DC, except transparent statics and group boxes.
void ExcludeChildren(HDC dc, HWND parent, int offsetX, int offsetY);

}  // namespace skin::adapters
