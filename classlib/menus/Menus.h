#pragma once
// Menus: items, pop-up menus and the menu bar, over system menu handles.
//
// Every item has a command number unique in the process, so a WM_COMMAND
// finds its item. An item with sub-items has a menu handle of its own; the
// handles are rebuilt whenever an item changes. Owner-drawn menus (OwnerDraw)
// carry the item's address as item data, so WM_MEASUREITEM and WM_DRAWITEM
// reach the item's OnMeasureItem / OnAdvancedDrawItem / OnDrawItem.
//
// Pop-up menus are tracked by a hidden window (MenuPopupWindow) that hands
// those messages to the items; a form hands the same messages for its own
// menu bar to DispatchMenuMessage.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "classlib/core/Component.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/GraphicsTypes.h"
#include "classlib/menus/MenusOwnerDrawState.h"
#include "classlib/menus/MenusShortCut.h"

namespace classlib {

class TMenu;
class TCustomImageList;
class TChangeLink;

CLASSLIB_EXCEPTION(EMenuError, Exception);

// Sent to the window of a menu bar (TMainMenu::WindowHandle) after its items
// changed, so the form can measure its menu line again.
inline constexpr UINT kMenuChangedMessage = 0xB000 + 21;

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };

using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State)>;
using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, bool Selected)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  // "-" makes a separator. No accelerators are added to captions.
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  bool IsLine() const { return caption_ == L"-"; }

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the other radio items of its group
  // (same parent and GroupIndex).
  void SetChecked(bool value);
  // Click() toggles Checked before OnClick runs.
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool value) { autoCheck_ = value; }
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  uint8_t GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(uint8_t value);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  // Starts a new column, with (mbBarBreak) or without (mbBreak) a bar.
  TMenuBreak Break() const { return break_; }
  void SetBreak(TMenuBreak value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  // Made on first use; an empty bitmap means none.
  TBitmap* Bitmap() const;
  void SetBitmap(const TBitmap* value);
  bool HasBitmap() const { return bitmap_ && !bitmap_->Empty(); }
  // The image list of this item's sub-items (overrides the menu's Images).
  TCustomImageList* SubMenuImages() const { return subMenuImages_; }
  void SetSubMenuImages(TCustomImageList* value);

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  TMenuItem* Parent() const { return parent_; }
  // Position among the parent's items; -1 without a parent.
  int MenuIndex() const;
  void SetMenuIndex(int value);
  int IndexOf(const TMenuItem* item) const;

  // The item joins this one's sub-items (leaving any other parent).
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the item out without freeing it.
  void Remove(TMenuItem* item);
  // Frees the sub-item at that position.
  void Delete(int index);
  // Frees every sub-item.
  void Clear();
  // The sub-item with that caption, ignoring "&" and case; null when none.
  TMenuItem* Find(const std::wstring& caption) const;

  // Toggles Checked when AutoCheck, then runs OnClick. Disabled items do
  // nothing.
  virtual void Click();
  // The command number of WM_COMMAND (1..0xEFFF).
  UINT Command() const { return command_; }
  // The menu handle of the sub-items; made on demand.
  HMENU Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  // SubMenuImages of the nearest parent that has them, else the menu's Images.
  TCustomImageList* GetImageList() const;
  // The menu whose Items holds this item, at any depth; null when none.
  TMenu* GetParentMenu() const;
  // True for an item of a menu bar's top line.
  bool IsTopLineItem() const;

  const TNotifyEvent& OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
  const TMenuMeasureItemEvent& OnMeasureItem() const { return onMeasureItem_; }
  void SetOnMeasureItem(TMenuMeasureItemEvent handler);
  const TAdvancedMenuDrawItemEvent& OnAdvancedDrawItem() const { return onAdvancedDrawItem_; }
  void SetOnAdvancedDrawItem(TAdvancedMenuDrawItemEvent handler);
  const TMenuDrawItemEvent& OnDrawItem() const { return onDrawItem_; }
  void SetOnDrawItem(TMenuDrawItemEvent handler);

  // Owner drawing, called for WM_MEASUREITEM and WM_DRAWITEM: the events
  // when set, else the library's own drawing.
  virtual void MeasureItem(TCanvas& canvas, int& width, int& height);
  virtual void AdvancedDrawItem(TCanvas& canvas, const TRect& rect, TOwnerDrawState state, bool topLevel);

  // Form descriptions: items are written inside their parent's block.
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;
  bool HasParent() const override { return true; }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

  // Puts the sub-items into the menu handle again.
  void RebuildHandle();

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // Draws caption, check mark, image and shortcut the way a plain menu looks.
  void DrawDefault(TCanvas& canvas, const TRect& rect, TOwnerDrawState state, bool topLevel);

 private:
  friend class TMenu;
  // Something shown changed: the parent's handle and the menu bar follow.
  void Changed(bool rebuildParent);
  void FillItemInfo(MENUITEMINFOW& info, std::wstring& text);
  void DestroyHandles();
  void UncheckRadioSiblings();

  std::wstring caption_;
  bool visible_ = true;
  bool enabled_ = true;
  bool checked_ = false;
  bool autoCheck_ = false;
  bool radioItem_ = false;
  uint8_t groupIndex_ = 0;
  bool default_ = false;
  TMenuBreak break_ = mbNone;
  TShortCut shortCut_ = 0;
  int imageIndex_ = -1;
  mutable TBitmap* bitmap_ = nullptr;
  TCustomImageList* subMenuImages_ = nullptr;
  TChangeLink* imagesLink_ = nullptr;

  UINT command_ = 0;
  HMENU handle_ = nullptr;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item only
  std::vector<TMenuItem*> items_;
  bool destroying_ = false;

  TNotifyEvent onClick_;
  TMenuMeasureItemEvent onMeasureItem_;
  TAdvancedMenuDrawItemEvent onAdvancedDrawItem_;
  TMenuDrawItemEvent onDrawItem_;
};

class TMenu : public TComponent {
 public:
  ~TMenu() override;

  // The root item; its sub-items are the menu's items.
  TMenuItem* Items() const { return items_; }
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  // Every item is owner-drawn while set.
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  HMENU Handle() { return items_->Handle(); }
  // The window that receives the menu's messages (the form of a menu bar;
  // a pop-up menu uses it instead of the hidden window while it is set).
  HWND WindowHandle() const { return windowHandle_; }
  virtual void SetWindowHandle(HWND value);

  // Builds every menu handle again (after owner drawing was switched on, a
  // new image list, or a form's request).
  void RebuildHandles();
  // The item with that command number, at any depth; null when none.
  TMenuItem* FindItemByCommand(UINT command) const;

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

  // Called after items changed their look; the menu bar redraws itself.
  virtual void MenuChanged();

 protected:
  explicit TMenu(TComponent* owner);
  void Notification(TComponent* component, TOperation operation) override;
  // The kind of handle the root item makes.
  virtual HMENU CreateRootHandle() const = 0;

 private:
  friend class TMenuItem;
  TMenuItem* items_ = nullptr;
  TCustomImageList* images_ = nullptr;
  TChangeLink* imagesLink_ = nullptr;
  bool ownerDraw_ = false;
  HWND windowHandle_ = nullptr;
};

enum TPopupAlignment { paLeft, paRight, paCenter };
enum TMenuAnimations { maLeftToRight, maRightToLeft, maTopToBottom, maBottomToTop, maNone };
using TMenuAnimation = TSet<TMenuAnimations>;
enum TTrackButton { tbRightButton, tbLeftButton };

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);

  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment value) { alignment_ = value; }
  TMenuAnimation MenuAnimation() const { return animation_; }
  void SetMenuAnimation(TMenuAnimation value) { animation_ = value; }
  TTrackButton TrackButton() const { return trackButton_; }
  void SetTrackButton(TTrackButton value) { trackButton_ = value; }
  // Whether a control shows the menu on its own at a right click.
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  // The control the menu was last shown for (set by the control).
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* value);
  TPoint PopupPoint() const { return popupPoint_; }

  // Runs OnPopup, then shows the menu at screen point (x, y) and returns
  // when it closes; the command of a chosen item arrives as WM_COMMAND.
  virtual void Popup(int x, int y);

  const TNotifyEvent& OnPopup() const { return onPopup_; }
  void SetOnPopup(TNotifyEvent handler) { onPopup_ = std::move(handler); }

 protected:
  HMENU CreateRootHandle() const override { return CreatePopupMenu(); }
  void Notification(TComponent* component, TOperation operation) override;
  virtual void DoPopup();

 private:
  TPopupAlignment alignment_ = paLeft;
  TMenuAnimation animation_;
  TTrackButton trackButton_ = tbRightButton;
  bool autoPopup_ = true;
  TComponent* popupComponent_ = nullptr;
  TPoint popupPoint_;
  TNotifyEvent onPopup_;
};

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner);

  // The menu is merged into another form's menu bar and shows none itself.
  bool AutoMerge() const { return autoMerge_; }
  void SetAutoMerge(bool value) { autoMerge_ = value; }

  // Redraws the bar of WindowHandle and tells the window (kMenuChangedMessage).
  void MenuChanged() override;

 protected:
  HMENU CreateRootHandle() const override { return CreateMenu(); }

 private:
  bool autoMerge_ = false;
};

// The item with that command number in any menu of the process; null when none.
TMenuItem* FindMenuItemByCommand(UINT command);
// The item whose sub-items that menu handle shows; null when none.
TMenuItem* FindMenuItemByHandle(HMENU menu);
// True while `item` is an existing menu item (item data of system messages
// is checked with it before use).
bool IsLiveMenuItem(const TMenuItem* item);

// Handles the menu messages of a window whose menus are ours: WM_COMMAND
// from a menu, WM_MEASUREITEM and WM_DRAWITEM of menu items,
// WM_INITMENUPOPUP and WM_MENUSELECT. True when the message was for one of
// our items; `result` is then the answer to return.
bool DispatchMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The hidden window that owns TrackPopupMenu of pop-up menus (made on first use).
HWND MenuPopupWindow();

// Told about the item under the mouse or keyboard in an open menu (null when
// the menu closes); the application shows its hint from here.
void SetMenuSelectHandler(std::function<void(TMenuItem* item)> handler);

// Exceptions of menu events never leave the window procedure: they go to
// this handler (the application's); without one they are shown in a box.
void SetMenuExceptionHandler(std::function<void(const std::exception& error)> handler);
void HandleMenuException(const std::exception& error);

// Registers the published properties and the creatable classes of menus and
// image lists with the property registry. Runs once.
void RegisterMenusClasses();

}  // namespace classlib
