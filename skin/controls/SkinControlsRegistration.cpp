#include "skin/controls/SkinControlsRegistration.h"

#include "classlib/controls/ControlsRegistration.h"
#include "classlib/core/PropertyRegistry.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGauge.h"
#include "skin/controls/sLabels.h"
#include "skin/controls/sStandardControls.h"

namespace skin {

namespace {

using namespace classlib;

void RegisterAll() {
  RegisterControlsClasses();
  Properties<TsButton, TButton>().Boolean(L"Down", &TsButton::Down, &TsButton::SetDown, false);
  RegisterComponentClass<TsButton, TButton>();
  Properties<TsBitBtn, TBitBtn>()
      .Boolean(L"Down", &TsBitBtn::Down, &TsBitBtn::SetDown, false)
      .Integer(L"ImageIndex", &TsBitBtn::ImageIndex, &TsBitBtn::SetImageIndex, -1)
      .Component(L"Images", &TsBitBtn::Images, &TsBitBtn::SetImages);
  RegisterComponentClass<TsBitBtn, TBitBtn>();
  Properties<TsGauge, TGraphicControl>()
      .Integer(L"MinValue", &TsGauge::MinValue, &TsGauge::SetMinValue, 0)
      .Integer(L"MaxValue", &TsGauge::MaxValue, &TsGauge::SetMaxValue, 100)
      .Integer(L"Progress", &TsGauge::Progress, &TsGauge::SetProgress, 0)
      .Boolean(L"ShowText", &TsGauge::ShowText, &TsGauge::SetShowText, true);
  RegisterComponentClass<TsGauge, TGraphicControl>();
  Properties<TsEdit, TEdit>();
  RegisterComponentClass<TsEdit, TEdit>();
  Properties<TsCheckBox, TCheckBox>();
  RegisterComponentClass<TsCheckBox, TCheckBox>();
  Properties<TsComboBox, TComboBox>();
  RegisterComponentClass<TsComboBox, TComboBox>();
  Properties<TsPanel, TPanel>();
  RegisterComponentClass<TsPanel, TPanel>();
  Properties<TsLabel, TLabel>();
  RegisterComponentClass<TsLabel, TLabel>();
  Properties<TsLabelFX, TsLabel>();
  RegisterComponentClass<TsLabelFX, TsLabel>();
  Properties<TsWebLabel, TsLabel>()
      .String(L"URL", &TsWebLabel::URL, &TsWebLabel::SetURL)
      .Object(L"HoverFont", &TsWebLabel::HoverFont);
  RegisterComponentClass<TsWebLabel, TsLabel>();
  if (!EnumNamesOf<TPixelFormat>())
    RegisterEnum<TPixelFormat>(
        {L"pfDevice", L"pf1bit", L"pf4bit", L"pf8bit", L"pf15bit", L"pf16bit", L"pf24bit", L"pf32bit", L"pfCustom"});
  RegisterEnum<TsImageFormat>({L"ifPNG", L"ifICO"});
  Properties<TsImgListItem, TCollectionItem>()
      .Enum(L"ImageFormat", &TsImgListItem::ImageFormat, &TsImgListItem::SetImageFormat, ifPNG)
      .Enum(L"PixelFormat", &TsImgListItem::PixelFormat, &TsImgListItem::SetPixelFormat, pf32bit);
  Properties<TsImgListItems, TCollection>();
  Properties<TsAlphaImageList, TCustomImageList>().Object(L"Items", &TsAlphaImageList::Items,
                                                          &TsAlphaImageList::SetItems);
  RegisterComponentClass<TsAlphaImageList, TCustomImageList>();
}

}  // namespace

void RegisterSkinControlsClasses() {
  static const bool done = (RegisterAll(), true);
  (void)done;
}

}  // namespace skin
