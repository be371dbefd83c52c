#pragma once
// The skinned menus: the skin manager's one object that makes the class
// library's menus draw with the skin. Pop-up items get our measure and draw
// handlers where the program set none (the program's own stay, also after
// unhooking); items are painted over the pop-up's background image (one per
// pop-up, see MenuInfo.h); menu-bar items are painted over the skinned menu
// line of the form's provider.
//
// Reach it from a manager with SkinableMenusOf(manager).
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "classlib/controls/LayoutTypes.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Font.h"
#include "classlib/menus/Menus.h"
#include "skin/forms/MenuInfo.h"
#include "skin/manager/SkinableMenusLink.h"

namespace skin {

class TsSkinManager;

enum TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

using TsMenuManagerDrawItemEvent =
    std::function<void(classlib::TObject* Sender, classlib::TCanvas* ACanvas, const classlib::TRect& ARect,
                       classlib::TOwnerDrawState State, TsMenuItemType ItemType)>;
// Asked for the vertical extra line of a pop-up (its first item given).
using TacGetExtraLineData =
    std::function<void(classlib::TMenuItem* FirstItem, std::wstring& SkinSection, std::wstring& Caption,
                       std::unique_ptr<classlib::TBitmap>& Glyph, bool& LineVisible)>;
struct TacMenuItemData {
  classlib::TFont* Font = nullptr;
};
using TacGetPopupItemData =
    std::function<void(classlib::TMenuItem* Item, classlib::TOwnerDrawState State, TacMenuItemData& ItemData)>;

// What the pop-ups show beside their items.
class TacMenuSupport {
 public:
  TacMenuSupport();
  // Section behind the glyph column ("ICOLINE" when left empty).
  std::wstring IcoLineSkin;
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  classlib::TFont* ExtraLineFont() const { return extraLineFont_.get(); }
  void SetExtraLineFont(const classlib::TFont* font) { extraLineFont_->Assign(font); }
  // Below 255 the menu window adapter makes pop-up windows translucent.
  std::uint8_t AlphaBlend = 255;

 private:
  std::unique_ptr<classlib::TFont> extraLineFont_;
};

class TsSkinableMenus : public TsMenusLink {
 public:
  explicit TsSkinableMenus(TsSkinManager* manager);
  ~TsSkinableMenus() override;

  // --- Published
  int Margin = 2;
  classlib::TAlignment Alignment = classlib::taLeftJustify;
  int BevelWidth = 0;
  int BorderWidth = 3;
  int Spacing = 8;
  classlib::TFont* CaptionFont() const { return captionFont_.get(); }
  void SetCaptionFont(const classlib::TFont* font) { captionFont_->Assign(font); }
  // Border width of the "MAINMENU" section's "BORDERSMASK" (3 when it
  // declares less than 1, 0 without the mask); cached per skin.
  int SkinBorderWidth();
  TsMenuManagerDrawItemEvent OnDrawItem;
  TacMenuSupport& MenuSupport() { return menuSupport_; }
  TacGetExtraLineData OnGetMenuExtraLineData;
  TacGetPopupItemData OnGetPopupItemData;

  TsSkinManager* SkinManager() const { return manager_; }
  bool Active() const { return active_; }

  // --- Hooking
  void UpdateActive() override;
  void SetActive(bool value);
  void HookMainMenu(classlib::TMainMenu* menu, bool value);
  // Every sub-item of `item`, recursively (not the item itself).
  void HookItem(classlib::TMenuItem* item, bool value);
  // A whole pop-up menu; OwnerDraw follows value and SkinnedPopups.
  void HookPopupMenu(classlib::TPopupMenu* menu, bool value);
  // One item (a menu-bar item gets the bar painters).
  void HookMenuItems(classlib::TMenuItem* item, bool value);
  // Whether the handlers are ours (told apart from the program's own).
  static bool HasOurHandlers(const classlib::TMenuItem* item);

  // Set by the provider while its skinned system menu is the open pop-up,
  // cleared when any other pop-up opens.
  bool SysMenuOpen() const { return sysMenuOpen_; }
  void SetSysMenuOpen(bool value) { sysMenuOpen_ = value; }

  // --- Painting (the items' handlers)
  void MeasureItem(classlib::TObject* sender, classlib::TCanvas* canvas, int& width, int& height);
  void DrawItem(classlib::TObject* sender, classlib::TCanvas* canvas, const classlib::TRect& rect,
                classlib::TOwnerDrawState state);
  void MeasureMainMenuItem(classlib::TObject* sender, classlib::TCanvas* canvas, int& width, int& height);
  void DrawMainMenuItem(classlib::TObject* sender, classlib::TCanvas* canvas, const classlib::TRect& rect,
                        classlib::TOwnerDrawState state);

  // --- Pop-up records
  // The pop-up's record (by any of its items); built when missing and
  // width is not 0, rebuilt when its size differs from (width, height).
  TacMenuInfo* GetMenuInfo(classlib::TMenuItem* item, int width, int height, HWND wnd = nullptr);
  // The record built for a menu window.
  TacMenuInfo* GetMenuInfo(HWND wnd);
  // Region (the record's size minus its corner cut-outs) and frame strips.
  void PrepareMenuWindow(HWND wnd, TacMenuInfo& info);
  int ExtraLineWidth(const TacMenuInfo& info) const;

 private:
  TacMenuInfo& CreateMenuInfo(classlib::TMenuItem* firstItem, int width, int height, HWND wnd);
  // Runs the extra-line event for a pop-up (its first item); true: shown.
  bool AskExtraLine(classlib::TMenuItem* firstItem);
  void PaintExtraLine(TacMenuInfo& info, int border);
  void DrawDivider(classlib::TMenuItem* item, classlib::TCanvas* canvas, const classlib::TRect& rect,
                   TacMenuInfo* info, int offset);
  void DrawCaption(classlib::TMenuItem* item, classlib::TCanvas* canvas, const classlib::TRect& rect,
                   TacMenuInfo* info, int offset);
  void DrawNormal(classlib::TMenuItem* item, classlib::TCanvas* canvas, const classlib::TRect& rect,
                  classlib::TOwnerDrawState state, TacMenuInfo& info, int extra, int offset);
  int ItemHeight(classlib::TCanvas* canvas, classlib::TMenuItem* item);
  int PopupWidth(classlib::TCanvas* canvas, classlib::TMenuItem* item);
  int PopupHeight(classlib::TCanvas* canvas, classlib::TMenuItem* item);
  // The extra-line state the event fills, shared while one pop-up builds.
  std::wstring extraSection_ = L"EXTRALINE";
  std::wstring extraCaption_;
  std::unique_ptr<classlib::TBitmap> extraGlyph_;
  bool extraEventBusy_ = false;

  TsSkinManager* manager_;
  std::unique_ptr<classlib::TFont> captionFont_;
  TacMenuSupport menuSupport_;
  bool active_ = false;
  bool sysMenuOpen_ = false;
  bool inRegionUpdate_ = false;
  int skinBorderWidth_ = -1;
  std::uint64_t skinBorderGeneration_ = 0;
};

// The manager's skinned menus (made on first use); null without a manager.
TsSkinableMenus* SkinableMenusOf(TsSkinManager* manager);
// Registers the factory with the manager layer and fills the menu-window
// services of the main-window hook. Runs once; SkinableMenusOf calls it.
void InstallSkinableMenus();

// Pop-up items measured with our handler since the last menu window went;
// the menu window adapter skins a window only while it is set.
bool MenuItemsMeasured();
void SetMenuItemsMeasured(bool value);

}  // namespace skin
