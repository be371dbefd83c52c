#pragma once
// The skin provider of a form: it takes over the form's window procedure
// and skins the whole window. The frame, title, caption text and title
// buttons are composed in one 32-bit image (the skin data's cache) that is
// rebuilt only while BGChanged is set and otherwise copied to the window;
// a window region cuts the skin's transparent corners; the non-client hit
// test follows the skinned buttons. The standard frame metrics stay (the
// provider never handles WM_NCCALCSIZE): the skin paints over them.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "classlib/controls/Forms.h"
#include "classlib/controls/LayoutTypes.h"
#include "classlib/controls/Messages.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/menus/Menus.h"
#include "skin/common/SkinnedFormState.h"
#include "skin/common/sCommonData.h"
#include "skin/forms/CtrlAdapter.h"
#include "skin/forms/MDIForm.h"
#include "skin/forms/sSystemMenu.h"
#include "skin/forms/sTitleObjects.h"

namespace skin {

struct TsProviderAnimations;
class TacBorderForm;
class TacSBAnimation;
class TacMinTimer;
class TacMoveTimer;

enum TsGripMode { gmNone, gmRightBottom };
enum TsResizeMode { rmStandard, rmBorder };

// Bits of the provider's state word besides the shared ones.
inline constexpr std::uint32_t sfsBlendMoving = 0x0080;   // translucent moving runs: no rebuild
inline constexpr std::uint32_t sfsInNcActivate = 0x8000;  // inside WM_NCACTIVATE

// The library's hit codes beyond the system's.
inline constexpr int htUserButton = 1000;  // + index of the user title button
inline constexpr int htTitleItem = 2000;
inline constexpr int htMdiClose = 101, htMdiRestore = 102, htMdiMinimize = 103;

// A form answers this before its first window region is set; 0x41A2 vetoes it.
inline constexpr UINT RegionVetoMessage = 0xBC4D;
inline constexpr WPARAM RegionVetoCode = 0x41A2;

class TsSkinProvider : public classlib::TComponent, public TsSkinnedForm {
 public:
  // The owner must be a form (else EAbort, no message shown).
  explicit TsSkinProvider(classlib::TComponent* owner);
  ~TsSkinProvider() override;
  void AfterConstruction() override;
  void Loaded() override;
  void Notification(classlib::TComponent* component, classlib::TOperation operation) override;

  // --- Published
  TacAddedTitle* AddedTitle() const { return addedTitle_.get(); }
  bool AllowAnimation() const override { return allowAnimation_; }
  void SetAllowAnimation(bool value) { allowAnimation_ = value; }
  bool AllowExtBorders() const override { return allowExtBorders_; }
  void SetAllowExtBorders(bool value);
  bool AllowBlendOnMoving() const { return allowBlendOnMoving_; }
  void SetAllowBlendOnMoving(bool value) { allowBlendOnMoving_ = value; }
  classlib::TAlignment CaptionAlignment() const { return captionAlignment_; }
  void SetCaptionAlignment(classlib::TAlignment value);
  bool DrawNonClientArea() const override { return drawNonClientArea_; }
  void SetDrawNonClientArea(bool value);
  TsCommonData* SkinData() const override { return skinData_.get(); }
  TsGripMode GripMode() const { return gripMode_; }
  void SetGripMode(TsGripMode value);
  bool MakeSkinMenu() const { return makeSkinMenu_; }
  void SetMakeSkinMenu(bool value) { makeSkinMenu_ = value; }
  const std::wstring& MenuLineSkin() const { return menuLineSkin_; }
  void SetMenuLineSkin(const std::wstring& value) { menuLineSkin_ = value; }
  TsResizeMode ResizeMode() const { return resizeMode_; }
  void SetResizeMode(TsResizeMode value) { resizeMode_ = value; }
  bool ScreenSnap() const { return screenSnap_; }
  void SetScreenSnap(bool value) { screenSnap_ = value; }
  // Distance in pixels within which a moved form jumps to a work-area edge.
  int SnapBuffer() const { return snapBuffer_; }
  void SetSnapBuffer(int value) { snapBuffer_ = value; }
  bool ShowAppIcon() const { return showAppIcon_; }
  void SetShowAppIcon(bool value);
  TsTitleButtons* TitleButtons() const { return titleButtons_.get(); }
  TsTitleIcon* TitleIcon() const { return titleIcon_.get(); }
  const std::wstring& TitleSkin() const { return titleSkin_; }
  void SetTitleSkin(const std::wstring& value);
  bool UseGlobalColor() const { return useGlobalColor_; }
  void SetUseGlobalColor(bool value);
  classlib::TNotifyEvent OnAfterAnimation;
  // Extra hit test of the extended-border window (the message record).
  std::function<void(classlib::TMessage&)> OnExtHitTest;
  // Asked for every foreign control before it is adapted.
  TAddItemEvent OnSkinItem;

  // --- Foreign controls: the adapter of the form's listed controls (null
  // while the form is not skinned).
  TacCtrlAdapter* Adapter() const { return adapter_.get(); }
  // Adapts the controls below Root (null: the whole form), making the
  // adapter when the form is skinned.
  void AdaptControls(classlib::TWinControl* root);
  // Restores every adapted control and frees the adapter.
  void ReleaseAdapter();
  // The MDI support of an MDI main form (null for other forms).
  TsMDIForm* MDIForm() const { return mdiForm_.get(); }

  // --- The extended border window (ProviderBorder.cpp)
  // The border form; null while the form has none.
  TacBorderForm* BorderForm() const { return borderForm_.get(); }
  // Whether the form should have one now: the skin has extended borders,
  // the manager and the provider allow them, the skin draws a captioned
  // frame and the form is neither a child window nor an MDI child.
  bool BorderFormWanted() const;
  // Makes or drops the border form as wanted (a kept one re-reads the skin).
  void UpdateBorderForm();
  void DropBorderForm();
  // The hit code of the caption button (or icon) under a point of the
  // border window; 0 none.
  int BorderButtonAt(POINT borderPoint);
  // The hit code of a screen point: the border window's answer when the
  // form has one (it draws the frame and caption), else the form's own.
  int HitCodeAt(POINT screenPoint);

  // --- The skinned-form interface
  classlib::TCustomForm* Form() const override { return form_; }
  std::uint32_t StateBits() const override;
  void SetStateBits(std::uint32_t bits) override { stateBits_ = bits & ~sfsNonClientReady; }
  bool SkinChanging() const override { return skinChanging_; }
  void SetSkinChanging(bool value) override { skinChanging_ = value; }
  bool Hiding() const override { return hiding_; }
  void SetHiding(bool value) override { hiding_ = value; }
  classlib::TBitmap* Snapshot() const override { return snapshot_.get(); }
  void SetSnapshot(std::unique_ptr<classlib::TBitmap> bitmap) override { snapshot_ = std::move(bitmap); }
  TsExtBorder* ExtBorder() const override;
  std::unique_ptr<classlib::TWinControl> TakeCoverWindow() override;
  bool HasCoverWindow() const override;
  std::unique_ptr<classlib::TBitmap> CreateFormImage(bool freeCache) override;
  void PaintNonClientArea() override;
  void InitRegionRects() override;
  void ApplyWindowRegion(bool repaint) override;
  int ClientOffsetX() const override;
  int ClientOffsetY() const override;
  void StartMinimizeAnimation() override;
  bool StartRestoreAnimation() override;
  void AfterAnimation() override;

  // --- Animations (ProviderAnimations.cpp)
  void StartBlendOnMoving();
  void EndBlendOnMoving();
  // Fades the caption button with the hit code to State over Steps ticks.
  void StartTitleButtonAnimation(TsTitleButtonState& button, int state, int steps, bool glow);
  void StopTitleButtonAnimations() { StopTitleAnimations(); }
  TacSBAnimation* TitleButtonAnimation(int hitCode) const;
  TacMinTimer* MinTimer() const;
  TacMoveTimer* MoveTimer() const;

  // --- Metrics
  int ProviderCaptionHeight(bool useSkin) const;
  bool HasBorder() const;
  bool GripShown() const;
  int InnerFrameWithBorderWidth(bool useSkin) const;
  int FrameWithBorderWidth(bool useSkin) const;
  int TitleIconWidth() const;
  int TitleIconHeight() const;
  int SystemButtonCount();
  int CloseButtonHeight() const;
  int TitleButtonWidth(const TsTitleButtonState& button) const;
  int UserButtonWidth(const TsTitleButton& button) const;
  int TitleButtonsWidth();
  int ClientTop() const;
  int FormWidth() const;
  bool CacheInvalid() const;
  // Fills the maximized position and size (work area of the form's monitor).
  void GetMinMaxInfo(MINMAXINFO& info);
  bool FormActive() const { return formActive_; }
  // The caption icon is shown (system-menu icon of a captioned form).
  bool ShowsSysIcon() const;

  // --- Region and frame
  // The form's rectangle at (X, Y) minus the corner cut-outs; the caller owns it.
  HRGN MakeFormRegion(int x, int y) const;
  const std::vector<classlib::TRect>& RegionRects() const { return regionRects_; }
  void RepaintFrame();
  // Image rebuild, region and a WM_NCPAINT to the form.
  void RequestRepaint();

  // --- Painting
  void PaintNonClientToWindow();
  void BlitFormImage(HDC dc);
  void PaintClient(HDC dc, bool sendUpdate);
  void EraseBackground(HDC dc);
  void HideSysMenuStyle(bool hide);
  bool SysMenuHidden() const { return sysMenuHidden_; }
  // How many times the whole image was composed (a cached paint copies only).
  int ImageBuildCount() const { return imageBuilds_; }

  // --- Hit testing
  // The hit code of a screen point.
  int FrameHitTest(POINT screenPoint);
  // The 1-based caption button under a window point over the visible
  // system buttons, then the user buttons; 0 for none.
  int TitleButtonAt(POINT windowPoint);
  void PaintSizeGrip(HDC dc);
  // Where a mask's frame sits in the image's bottom-right corner.
  POINT GripPosition(int maskIndex) const;

  // --- Preparation
  void InitFormSkinning();
  // An MDI main form gets its MDI support (again, when its client window was
  // made anew) and becomes the main provider.
  void LinkMdiForm();
  void PrepareOnLoaded();
  TsSystemMenu* SystemMenu() const { return systemMenu_.get(); }
  int TitleSkinIndex();
  std::wstring TitleSkinName() const { return titleSkin_.empty() ? std::wstring(L"FORMTITLE") : titleSkin_; }
  // Lays out the caption icon, the system buttons and the user buttons.
  void PlaceTitleButtons();
  // Picks the glyph masks of the system buttons.
  void InitTitleButtonIndexes();
  TsTitleButtonState& SystemButton(int hitCode);
  const RECT& IconRect() const { return iconRect_; }

  // --- Title buttons: hover, press, hints
  // The hot or pressed button's id (hit code; 0 none, -1 nothing until the
  // mouse moves again).
  int CurrentButton() const { return currentButton_; }
  void SetHotButton(int id, bool repaint);
  void SetPressedButton(int id);
  // Hit dispatch of WM_NCMOUSEMOVE: a button under the point becomes hot.
  void NCMouseMove(classlib::TMessage& message);
  // Frees the fades of the system and user buttons (the form moves,
  // minimizes or goes).
  void StopTitleAnimations();
  // Whether a state change of the button fades instead of being painted at once.
  bool TitleButtonAnimated(int code) const;
  // Repaints one caption button into the image and onto the window.
  void PaintSystemButton(int code);
  // Draws the caption icon into the image, its alpha made opaque where it covers.
  void PaintTitleIcon(classlib::TBitmap* image);
  void SaveButtonBlock(classlib::TBitmap* image);
  void RestoreButtonBlock(classlib::TBitmap* image);

  // --- The caption cover: a borderless window showing the skinned caption
  // over the form while a default handling paints the native one.
  void ShowCaptionCover(bool wholeForm);
  void HideCaptionCover();
  classlib::TForm* CaptionCover() const { return cover_.get(); }

  // --- System menu and the menu line
  // Opens the system menu at a screen point.
  void DropSysMenu(int x, int y);
  void EnableSysItem(UINT command, bool enable);
  // System-menu upkeep, and the list of MDI children in the window menu.
  void InitMenuPopup(classlib::TMessage& message);
  // Activates (restoring it when minimized) the MDI child a window-list
  // entry stands for.
  void MdiChildItemClick(classlib::TObject* sender);
  // Hands the form's menus to the skinned menus (or takes them back).
  void SkinMenus(bool hook);
  void UpdateMenu();
  bool RebuildMenuBar();
  void RepaintMenuItem(classlib::TMenuItem* item, const RECT& rect, classlib::TOwnerDrawState state);
  int MenuLineHeight() const;
  int MenuRows();
  bool MenuLineVisible() const;
  bool MdiButtonsVisible() const;
  // The section of the menu line: MenuLineSkin when the skin has it, else
  // "MENULINE"; -1 when neither exists.
  int MenuLineSkinIndex() const;
  // The menu line's clean background (before the items were drawn) and
  // where it lies in the image; the bar's items blend over it.
  classlib::TBitmap* MenuLineImage() const { return menuLineBmp_.get(); }
  POINT MenuLineOrigin() const { return menuLineOrigin_; }
  // The frame size of the small buttons of a maximized MDI child.
  int MdiButtonWidth() const;
  int MdiButtonHeight() const;
  // The provider of the frame's active MDI child (null: none).
  TsSkinProvider* ActiveChildProvider() const;

  // --- Outline drag (ResizeMode rmBorder): one at a time in the process.
  void StartOutlineDrag(int x, int y);
  void DrawOutline(int x, int y);
  void EndOutlineDrag();
  // Ends a running drag without applying it (capture lost, cancel, Esc).
  void CancelOutlineDrag();

  // --- Hook points of the animations. Until they are filled, each does
  // nothing and the caller takes the direct path.
  // Starts the button's fade towards its State; false: paint it at once.
  bool StartTitleButtonFade(TsTitleButtonState& button, int code);
  // The animated cases of WM_SYSCOMMAND; true when the command was handled.
  bool AnimatedSysCommand(classlib::TMessage& message);
  // The window standing in for the form during its hide animation (null: none).
  std::unique_ptr<classlib::TWinControl> MakeHideSnapshot();
  // Runs the hide animation with the prepared image and snapshot; false when none ran.
  bool RunHideAnimation();
  // The one rule for preparing a hide and running its animation.
  bool HideAnimationWanted() const;
  bool HasHideSnapshot() const { return hideSnapshot_ != nullptr; }

  // Passes a message to the provider's window procedure.
  LRESULT SendToWndProc(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  void ProviderWndProc(classlib::TMessage& message);
  // The animation side of a skinned message; true when it was handled whole.
  bool AnimationMessage(classlib::TMessage& message);
  void AnimShowWindow(classlib::TMessage& message);
  void AnimClose(classlib::TMessage& message);
  void QueryEndSession(classlib::TMessage& message);
  void VisibleForShow(bool visible);
  void ShowingForShow();
  void CallOld(classlib::TMessage& message);
  bool EarlyCommand(classlib::TMessage& message);
  void UnskinnedMessage(classlib::TMessage& message);
  void SkinnedCommand(classlib::TMessage& message);
  void SkinnedMessage(classlib::TMessage& message);
  void RemoveSkin();
  void NewSkinUnskinned();
  void FillBackgroundInfo(classlib::TMessage& message);
  void OnNcPaint(classlib::TMessage& message);
  void OnEraseBkgnd(classlib::TMessage& message);
  void OnPaint(classlib::TMessage& message);
  void OnPrint(classlib::TMessage& message);
  void OnSize(classlib::TMessage& message);
  void OnNcHitTest(classlib::TMessage& message);
  void OnNcActivate(classlib::TMessage& message);
  void OnSetText(classlib::TMessage& message);
  void OnWindowPosChanging(classlib::TMessage& message);
  void OnWindowPosChanged(classlib::TMessage& message);
  // The hide animation after the form was hidden; true when one ran.
  bool HideAfterPositionChanged();
  void OnSysCommand(classlib::TMessage& message);
  void OnNcButtonDown(classlib::TMessage& message);
  void OnButtonUp(classlib::TMessage& message);
  void OnNcDoubleClick(classlib::TMessage& message);
  void OnNcRightButton(classlib::TMessage& message);
  void OnMouseMove(classlib::TMessage& message);
  // Capture lost, WM_CANCELMODE or Esc: the pressed button and a drag end.
  void CancelMouseModes();
  void ReleaseButton(int hitCode, POINT windowPoint);
  // The system menu below the caption (or at the cursor).
  void DropSysMenuBelowCaption();
  void ResetButtonStates();
  void ResetHoverState();
  void SetButtonState(int id, int state, bool repaint);
  void PaintTitleBackground(classlib::TBitmap* image, int width, int captionBottom);
  void PaintCaptionText(classlib::TBitmap* image, int width, int captionBottom);
  void PaintCaptionArea(classlib::TBitmap* image);
  // The menu line with the main menu's items, the area around an MDI
  // client and the buttons of a maximized MDI child (MenuLinePaint.cpp).
  void PaintMenuLine(classlib::TBitmap* image, int captionBottom);
  void PaintMdiArea(classlib::TBitmap* image, int captionBottom);
  void PaintMdiButtons(classlib::TBitmap* image);
  void PlaceMdiButtons(int captionBottom);
  // The press and release of an MDI child's button in the menu line.
  bool MdiButtonPressable(int code) const;
  void ReleaseMdiButton(int code);
  void PaintButton(classlib::TBitmap* image, const TsTitleButtonState& button, bool enabled);
  // Paints a button into the image and copies its rectangle onto the window.
  void PaintButtonDirect(TsTitleButtonState& button, bool enabled);
  bool ButtonEnabled(const TsTitleButtonState& button) const;
  void PaintSizeGripInto(classlib::TBitmap* image);
  TsTitleButtonState* ButtonByCode(int hitCode);
  bool PaintShowing() const;
  int ButtonHitAt(POINT windowPoint);
  bool Showing() const;
  bool Skinned() const;
  bool Destroying() const;
  HWND FormHandle() const;
  int FormHeight() const;
  bool Zoomed() const;
  bool Iconic() const;
  int CaptionSectionState(int sectionIndex) const;
  TsSkinManager* Manager() const;

  classlib::TCustomForm* form_ = nullptr;
  classlib::TWndMethod oldWndProc_;
  bool hooked_ = false;
  bool inactive_ = false;
  bool createdInternally_ = false;
  std::unique_ptr<TsCommonData> skinData_;
  std::unique_ptr<TacAddedTitle> addedTitle_;
  std::unique_ptr<TsTitleIcon> titleIcon_;
  std::unique_ptr<TsTitleButtons> titleButtons_;
  std::unique_ptr<TsSystemMenu> systemMenu_;
  std::unique_ptr<classlib::TBitmap> snapshot_;

  bool allowAnimation_ = true;
  bool allowExtBorders_ = true;
  bool allowBlendOnMoving_ = true;
  classlib::TAlignment captionAlignment_ = classlib::taLeftJustify;
  bool drawNonClientArea_ = true;
  TsGripMode gripMode_ = gmNone;
  bool makeSkinMenu_ = false;
  std::wstring menuLineSkin_;
  TsResizeMode resizeMode_ = rmStandard;
  bool screenSnap_ = false;
  int snapBuffer_ = 10;
  bool showAppIcon_ = true;
  std::wstring titleSkin_;
  bool useGlobalColor_ = true;

  std::vector<classlib::TRect> regionRects_;
  std::unique_ptr<classlib::TBitmap> buttonBlock_;
  int buttonBlockLeft_ = 0;
  bool captionLayoutChanged_ = true;
  bool settingRegion_ = false;
  bool paintedOnce_ = false;
  int ncPaintDepth_ = 0;
  bool sysMenuHidden_ = false;
  bool formActive_ = false;
  bool loadedPending_ = false;
  bool skinChanging_ = false;
  bool skinRemoved_ = false;
  bool hiding_ = false;
  std::uint32_t stateBits_ = 0;
  int titleSkinIndex_ = -1;
  int captionSkinIndex_ = -1;
  int titleButtonMask_ = -1;
  int redrawLock_ = 0;
  int lastClientWidth_ = 0;
  int lastClientHeight_ = 0;
  int imageBuilds_ = 0;
  int currentButton_ = 0;
  std::unique_ptr<classlib::TForm> cover_;
  classlib::TWndMethod coverOldProc_;
  std::unique_ptr<classlib::TWinControl> hideSnapshot_;
  bool hidePrepared_ = false;
  bool menuHooked_ = false;
  int menuRows_ = -1;
  // The entries put into the form's window menu, with the child each one
  // lists (null for the separator); they live until the next pop-up.
  std::vector<std::pair<classlib::TMenuItem*, classlib::TCustomForm*>> windowList_;
  void ClearWindowList();
  // Minimize, maximize/restore, close, help, and the minimize, restore and
  // close buttons a maximized MDI child shows in its frame's menu line.
  std::array<TsTitleButtonState, 7> buttons_{};
  std::unique_ptr<classlib::TBitmap> menuLineBmp_;
  POINT menuLineOrigin_{0, 0};
  RECT iconRect_{0, 0, 0, 0};
  std::unique_ptr<TsProviderAnimations> anims_;
  // Tells the provider's closures that it is gone (nested loops check it).
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  // Last: freed first, while the form and the skin data still stand.
  std::unique_ptr<TsMDIForm> mdiForm_;
  std::unique_ptr<TacCtrlAdapter> adapter_;
  std::unique_ptr<TacBorderForm> borderForm_;
};

// The provider of the application's main form (or of its MDI main form);
// null when none. Cleared when that provider is freed.
TsSkinProvider* MainSkinProvider();
void SetMainSkinProvider(TsSkinProvider* provider);

// Set from the press of a caption button until its release (or a cancel):
// one pressed button in the thread at a time.
bool TitleButtonPressedLock();
void ClearTitleButtonPressedLock();

// Makes the provider's class and properties known to form descriptions. Runs once.
void RegisterSkinFormsClasses();

}  // namespace skin
