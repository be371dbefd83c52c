// Published properties and creatable classes of menus, image lists and the
// open dialog, for form descriptions.
#include "classlib/core/PropertyRegistry.h"
#include "classlib/graphics/GraphicsRegistration.h"
#include "classlib/menus/Dialogs.h"
#include "classlib/menus/ImageList.h"
#include "classlib/menus/Menus.h"

namespace classlib {
namespace {

void RegisterEnums() {
  RegisterEnum<TMenuBreak>({L"mbNone", L"mbBreak", L"mbBarBreak"});
  RegisterEnum<TPopupAlignment>({L"paLeft", L"paRight", L"paCenter"});
  RegisterEnum<TMenuAnimations>({L"maLeftToRight", L"maRightToLeft", L"maTopToBottom", L"maBottomToTop", L"maNone"});
  RegisterEnum<TTrackButton>({L"tbRightButton", L"tbLeftButton"});
  RegisterEnum<TImageType>({L"itImage", L"itMask"});
  RegisterEnum<TDrawingStyle>({L"dsFocus", L"dsSelected", L"dsNormal", L"dsTransparent"});
  RegisterEnum<TOpenOption>({L"ofReadOnly", L"ofOverwritePrompt", L"ofHideReadOnly", L"ofNoChangeDir",
                             L"ofShowHelp", L"ofNoValidate", L"ofAllowMultiSelect", L"ofExtensionDifferent",
                             L"ofPathMustExist", L"ofFileMustExist", L"ofCreatePrompt", L"ofShareAware",
                             L"ofNoReadOnlyReturn", L"ofNoTestFileCreate", L"ofNoNetworkButton", L"ofNoLongNames",
                             L"ofOldStyleDialog", L"ofNoDereferenceLinks", L"ofEnableIncludeNotify",
                             L"ofEnableSizing", L"ofDontAddToRecent", L"ofForceShowHidden"});
}

void RegisterMenus() {
  Properties<TMenuItem, TComponent>()
      .Boolean(L"AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck, false)
      .Object(L"Bitmap", &TMenuItem::Bitmap, &TMenuItem::SetBitmap)
      .Stored(&TMenuItem::HasBitmap)
      .Enum(L"Break", &TMenuItem::Break, &TMenuItem::SetBreak, mbNone)
      .String(L"Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
      .Boolean(L"Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false)
      .Component(L"SubMenuImages", &TMenuItem::SubMenuImages, &TMenuItem::SetSubMenuImages)
      .Boolean(L"Default", &TMenuItem::Default, &TMenuItem::SetDefault, false)
      .Boolean(L"Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
      .Integer(L"GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex, 0)
      .Integer(L"ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex, -1)
      .Boolean(L"RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem, false)
      .Integer(L"ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut, 0)
      .Boolean(L"Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
      .Event(L"OnClick", &TMenuItem::OnClick, &TMenuItem::SetOnClick)
      .Event(L"OnDrawItem", &TMenuItem::OnDrawItem, &TMenuItem::SetOnDrawItem)
      .Event(L"OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem, &TMenuItem::SetOnAdvancedDrawItem)
      .Event(L"OnMeasureItem", &TMenuItem::OnMeasureItem, &TMenuItem::SetOnMeasureItem);
  RegisterComponentClass<TMenuItem, TComponent>();

  Properties<TMenu, TComponent>()
      .Component(L"Images", &TMenu::Images, &TMenu::SetImages)
      .Boolean(L"OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw, false);

  Properties<TPopupMenu, TMenu>()
      .Enum(L"Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment, paLeft)
      .Boolean(L"AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup, true)
      .Set(L"MenuAnimation", &TPopupMenu::MenuAnimation, &TPopupMenu::SetMenuAnimation, TMenuAnimation())
      .Enum(L"TrackButton", &TPopupMenu::TrackButton, &TPopupMenu::SetTrackButton, tbRightButton)
      .Event(L"OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::SetOnPopup);
  RegisterComponentClass<TPopupMenu, TMenu>();

  Properties<TMainMenu, TMenu>().Boolean(L"AutoMerge", &TMainMenu::AutoMerge, &TMainMenu::SetAutoMerge, false);
  RegisterComponentClass<TMainMenu, TMenu>();
}

void RegisterImageLists() {
  Properties<TCustomImageList, TComponent>()
      .Integer(L"AllocBy", &TCustomImageList::AllocBy, &TCustomImageList::SetAllocBy, 4)
      .Integer(L"BlendColor", &TCustomImageList::BlendColor, &TCustomImageList::SetBlendColor, clNone)
      .Idents(ColorIdents())
      .Integer(L"BkColor", &TCustomImageList::BkColor, &TCustomImageList::SetBkColor, clNone)
      .Idents(ColorIdents())
      .Enum(L"DrawingStyle", &TCustomImageList::DrawingStyle, &TCustomImageList::SetDrawingStyle, dsNormal)
      .Integer(L"Height", &TCustomImageList::Height, &TCustomImageList::SetHeight, 16)
      .Enum(L"ImageType", &TCustomImageList::ImageType, &TCustomImageList::SetImageType, itImage)
      .Boolean(L"Masked", &TCustomImageList::Masked, &TCustomImageList::SetMasked, true)
      .Boolean(L"ShareImages", &TCustomImageList::ShareImages, &TCustomImageList::SetShareImages, false)
      .Integer(L"Width", &TCustomImageList::Width, &TCustomImageList::SetWidth, 16)
      .Event(L"OnChange", &TCustomImageList::OnChange, &TCustomImageList::SetOnChange);
  Properties<TImageList, TCustomImageList>();
  RegisterComponentClass<TImageList, TCustomImageList>();
}

void RegisterDialogs() {
  Properties<TOpenDialog, TComponent>()
      .String(L"DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt)
      .String(L"FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName)
      .String(L"Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
      .Integer(L"FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex, 1)
      .String(L"InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir)
      .Set(L"Options", &TOpenDialog::Options, &TOpenDialog::SetOptions, TOpenDialog::kDefaultOptions)
      .String(L"Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
  RegisterComponentClass<TOpenDialog, TComponent>();
}

}  // namespace

void RegisterMenusClasses() {
  static const bool done = [] {
    RegisterGraphicsClasses();
    RegisterEnums();
    RegisterMenus();
    RegisterImageLists();
    RegisterDialogs();
    return true;
  }();
  (void)done;
}

}  // namespace classlib
