#include "classlib/controls/ControlsRegistration.h"

#include "classlib/core/PropertyRegistry.h"
#include "classlib/controls/BitBtn.h"
#include "classlib/controls/CheckBox.h"
#include "classlib/controls/ComboBox.h"
#include "classlib/controls/CustomControl.h"
#include "classlib/controls/Edit.h"
#include "classlib/controls/Forms.h"
#include "classlib/controls/GraphicControl.h"
#include "classlib/controls/Image.h"
#include "classlib/controls/Label.h"
#include "classlib/controls/ListBox.h"
#include "classlib/controls/Memo.h"
#include "classlib/controls/Panel.h"
#include "classlib/controls/ScrollBar.h"
#include "classlib/controls/Shape.h"
#include "classlib/controls/Timer.h"
#include "classlib/graphics/GraphicsRegistration.h"
#include "classlib/menus/Menus.h"

// An event held in a public member `Name` of class C.
#define CLASSLIB_MEMBER_EVENT(C, Name) \
  Event(L## #Name, &C::Name, [](C& c, decltype(C::Name) e) { c.Name = std::move(e); })

namespace classlib {

namespace {

const TIdentMap& CursorIdents() {
  static const TIdentMap idents{{{L"crDefault", crDefault}, {L"crNone", crNone}, {L"crArrow", crArrow},
                                 {L"crCross", crCross}, {L"crIBeam", crIBeam}, {L"crSizeNESW", crSizeNESW},
                                 {L"crSizeNS", crSizeNS}, {L"crSizeNWSE", crSizeNWSE}, {L"crSizeWE", crSizeWE},
                                 {L"crUpArrow", crUpArrow}, {L"crHourGlass", crHourGlass}, {L"crDrag", crDrag},
                                 {L"crNoDrop", crNoDrop}, {L"crNo", crNo}, {L"crAppStart", crAppStart},
                                 {L"crHelp", crHelp}, {L"crHandPoint", crHandPoint}, {L"crSizeAll", crSizeAll}}};
  return idents;
}

const TIdentMap& ModalResultIdents() {
  static const TIdentMap idents{{{L"mrNone", mrNone}, {L"mrOk", mrOk}, {L"mrCancel", mrCancel},
                                 {L"mrAbort", mrAbort}, {L"mrRetry", mrRetry}, {L"mrIgnore", mrIgnore},
                                 {L"mrYes", mrYes}, {L"mrNo", mrNo}, {L"mrClose", mrClose}}};
  return idents;
}

void RegisterEnums() {
  RegisterEnum<TAlign>({L"alNone", L"alTop", L"alBottom", L"alLeft", L"alRight", L"alClient", L"alCustom"});
  RegisterEnum<TAnchorKind>({L"akLeft", L"akTop", L"akRight", L"akBottom"});
  RegisterEnum<TBiDiMode>({L"bdLeftToRight", L"bdRightToLeft", L"bdRightToLeftNoAlign", L"bdRightToLeftReadingOnly"});
  RegisterEnum<TAlignment>({L"taLeftJustify", L"taRightJustify", L"taCenter"});
  RegisterEnum<TVerticalAlignment>({L"tlTop", L"tlBottom", L"tlCenter"});
  RegisterEnum<TFormBorderStyle>({L"bsNone", L"bsSingle", L"bsSizeable", L"bsDialog", L"bsToolWindow", L"bsSizeToolWin"});
  RegisterEnum<TBevelCut>({L"bvNone", L"bvLowered", L"bvRaised", L"bvSpace"});
  RegisterEnum<TBorderIcon>({L"biSystemMenu", L"biMinimize", L"biMaximize", L"biHelp"});
  RegisterEnum<TFormStyle>({L"fsNormal", L"fsMDIChild", L"fsMDIForm", L"fsStayOnTop"});
  RegisterEnum<TWindowState>({L"wsNormal", L"wsMinimized", L"wsMaximized"});
  RegisterEnum<TPosition>({L"poDesigned", L"poDefault", L"poDefaultPosOnly", L"poDefaultSizeOnly", L"poScreenCenter",
                           L"poDesktopCenter", L"poMainFormCenter", L"poOwnerFormCenter"});
  RegisterEnum<TCheckBoxState>({L"cbUnchecked", L"cbChecked", L"cbGrayed"});
  RegisterEnum<TComboBoxStyle>({L"csDropDown", L"csSimple", L"csDropDownList", L"csOwnerDrawFixed", L"csOwnerDrawVariable"});
  RegisterEnum<TListBoxStyle>({L"lbStandard", L"lbOwnerDrawFixed", L"lbOwnerDrawVariable"});
  RegisterEnum<TScrollStyle>({L"ssNone", L"ssHorizontal", L"ssVertical", L"ssBoth"});
  RegisterEnum<TShapeType>({L"stRectangle", L"stSquare", L"stRoundRect", L"stRoundSquare", L"stEllipse", L"stCircle"});
  RegisterEnum<TScrollBarKind>({L"sbHorizontal", L"sbVertical"});
  RegisterEnum<TButtonLayout>({L"blGlyphLeft", L"blGlyphRight", L"blGlyphTop", L"blGlyphBottom"});
  RegisterEnum<TBitBtnKind>({L"bkCustom", L"bkOK", L"bkCancel", L"bkHelp", L"bkYes", L"bkNo", L"bkClose", L"bkAbort",
                             L"bkRetry", L"bkIgnore", L"bkAll"});
}

void RegisterBaseControls() {
  Properties<TSizeConstraints, TPersistent>()
      .Integer(L"MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight, 0)
      .Integer(L"MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth, 0)
      .Integer(L"MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight, 0)
      .Integer(L"MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth, 0);

  Properties<TControl, TComponent>()
      .Integer(L"Left", &TControl::Left, &TControl::SetLeft)
      .Integer(L"Top", &TControl::Top, &TControl::SetTop)
      .Integer(L"Width", &TControl::Width, &TControl::SetWidth)
      .Integer(L"Height", &TControl::Height, &TControl::SetHeight)
      .Enum(L"Align", &TControl::Align, &TControl::SetAlign, alNone)
      .Set(L"Anchors", &TControl::Anchors, &TControl::SetAnchors, TAnchors{akLeft, akTop})
      .Enum(L"BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode, bdLeftToRight)
      .Integer(L"Color", &TControl::Color, &TControl::SetColor)
      .Idents(ColorIdents())
      .Stored([](const TControl& c) { return !c.ParentColor(); })
      .Object(L"Constraints", &TControl::Constraints)
      .Integer(L"Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault)
      .Idents(CursorIdents())
      .Boolean(L"Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
      .Object(L"Font", &TControl::Font)
      .Stored([](const TControl& c) { return !c.ParentFont(); })
      .Boolean(L"ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
      .Boolean(L"ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
      .Boolean(L"ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true)
      .String(L"Hint", &TControl::Hint, &TControl::SetHint)
      .Boolean(L"ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
      .Stored([](const TControl& c) { return !c.ParentShowHint(); })
      .Boolean(L"Visible", &TControl::Visible, &TControl::SetVisible, true)
      .Component(L"PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
      .CLASSLIB_MEMBER_EVENT(TControl, OnClick)
      .CLASSLIB_MEMBER_EVENT(TControl, OnDblClick)
      .CLASSLIB_MEMBER_EVENT(TControl, OnResize)
      .CLASSLIB_MEMBER_EVENT(TControl, OnMouseEnter)
      .CLASSLIB_MEMBER_EVENT(TControl, OnMouseLeave)
      .CLASSLIB_MEMBER_EVENT(TControl, OnMouseDown)
      .CLASSLIB_MEMBER_EVENT(TControl, OnMouseUp)
      .CLASSLIB_MEMBER_EVENT(TControl, OnMouseMove)
      .CLASSLIB_MEMBER_EVENT(TControl, OnContextPopup);

  Properties<TWinControl, TControl>()
      .Integer(L"BorderWidth", &TWinControl::BorderWidth, &TWinControl::SetBorderWidth, 0)
      .Boolean(L"DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered, false)
      .Integer(L"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1)
      .Boolean(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
      .CLASSLIB_MEMBER_EVENT(TWinControl, OnEnter)
      .CLASSLIB_MEMBER_EVENT(TWinControl, OnExit)
      .CLASSLIB_MEMBER_EVENT(TWinControl, OnKeyDown)
      .CLASSLIB_MEMBER_EVENT(TWinControl, OnKeyUp)
      .CLASSLIB_MEMBER_EVENT(TWinControl, OnKeyPress);

  Properties<TGraphicControl, TControl>();
  Properties<TCustomControl, TWinControl>();
}

void RegisterForms() {
  Properties<TCustomForm, TWinControl>()
      .Set(L"BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons,
           TBorderIcons{biSystemMenu, biMinimize, biMaximize})
      .Enum(L"BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle, bsSizeable)
      .String(L"Caption", &TCustomForm::Caption, &TCustomForm::SetCaption)
      .Integer(L"ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight)
      .Integer(L"ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth)
      .Enum(L"FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle, fsNormal)
      .Object(L"Icon", &TCustomForm::Icon)
      .Component(L"Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
      .Boolean(L"KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview, false)
      .Enum(L"Position", &TCustomForm::Position, &TCustomForm::SetPosition, poDesigned)
      .Enum(L"WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState, wsNormal)
      .Boolean(L"AlphaBlend", &TCustomForm::AlphaBlend, &TCustomForm::SetAlphaBlend, false)
      .Integer(L"AlphaBlendValue", &TCustomForm::AlphaBlendValue, &TCustomForm::SetAlphaBlendValue, 255)
      .Integer(L"PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch)
      .Integer(L"TextHeight", &TCustomForm::TextHeight, &TCustomForm::SetTextHeight)
      .CLASSLIB_MEMBER_EVENT(TCustomForm, OnCreate)
      .CLASSLIB_MEMBER_EVENT(TCustomForm, OnDestroy)
      .CLASSLIB_MEMBER_EVENT(TCustomForm, OnShow)
      .CLASSLIB_MEMBER_EVENT(TCustomForm, OnHide)
      .CLASSLIB_MEMBER_EVENT(TCustomForm, OnActivate)
      .CLASSLIB_MEMBER_EVENT(TCustomForm, OnDeactivate)
      .CLASSLIB_MEMBER_EVENT(TCustomForm, OnPaint)
      .CLASSLIB_MEMBER_EVENT(TCustomForm, OnClose)
      .CLASSLIB_MEMBER_EVENT(TCustomForm, OnCloseQuery);
  RegisterComponentClass<TForm, TCustomForm>();
}

void RegisterButtons() {
  Properties<TButtonControl, TWinControl>()
      .String(L"Caption", &TButtonControl::Caption, &TButtonControl::SetCaption)
      .Boolean(L"WordWrap", &TButtonControl::WordWrap, &TButtonControl::SetWordWrap, false);
  Properties<TButton, TButtonControl>()
      .Boolean(L"Cancel", &TButton::Cancel, &TButton::SetCancel, false)
      .Boolean(L"Default", &TButton::Default, &TButton::SetDefault, false)
      .Integer(L"ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone)
      .Idents(ModalResultIdents());
  RegisterComponentClass<TButton, TButtonControl>();
  Properties<TBitBtn, TButton>()
      .Object(L"Glyph", &TBitBtn::Glyph)
      .Enum(L"Kind", &TBitBtn::Kind, &TBitBtn::SetKind, bkCustom)
      .Enum(L"Layout", &TBitBtn::Layout, &TBitBtn::SetLayout, blGlyphLeft)
      .Integer(L"Margin", &TBitBtn::Margin, &TBitBtn::SetMargin, -1)
      .Integer(L"NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs, 1)
      .Integer(L"Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing, 4);
  RegisterComponentClass<TBitBtn, TButton>();
  Properties<TCustomCheckBox, TButtonControl>()
      .Enum(L"Alignment", &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment, taRightJustify)
      .Boolean(L"AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed, false)
      .Boolean(L"Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked, false)
      .Enum(L"State", &TCustomCheckBox::State, &TCustomCheckBox::SetState, cbUnchecked);
  RegisterComponentClass<TCheckBox, TCustomCheckBox>();
}

void RegisterEdits() {
  Properties<TCustomEdit, TWinControl>()
      .Enum(L"Alignment", &TCustomEdit::Alignment, &TCustomEdit::SetAlignment, taLeftJustify)
      .Enum(L"BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle, bsSingle)
      .Integer(L"MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0)
      .Integer(L"PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar, 0)
      .Boolean(L"ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false)
      .String(L"Text", &TCustomEdit::Text, &TCustomEdit::SetText)
      .CLASSLIB_MEMBER_EVENT(TCustomEdit, OnChange);
  RegisterComponentClass<TEdit, TCustomEdit>();
  Properties<TCustomMemo, TCustomEdit>()
      .Object(L"Lines", &TCustomMemo::Lines)
      .Enum(L"ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars, ssNone)
      .Boolean(L"WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns, true)
      .Boolean(L"WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs, false)
      .Boolean(L"WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap, true);
  RegisterComponentClass<TMemo, TCustomMemo>();
}

void RegisterLists() {
  Properties<TCustomComboBox, TWinControl>()
      .Integer(L"DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount, 8)
      .Integer(L"ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight)
      .Integer(L"ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex, -1)
      .Object(L"Items", &TCustomComboBox::Items)
      .Integer(L"MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength, 0)
      .Boolean(L"Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted, false)
      .Enum(L"Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle, csDropDown)
      .String(L"Text", &TCustomComboBox::Text, &TCustomComboBox::SetText)
      .CLASSLIB_MEMBER_EVENT(TCustomComboBox, OnChange)
      .CLASSLIB_MEMBER_EVENT(TCustomComboBox, OnCloseUp)
      .CLASSLIB_MEMBER_EVENT(TCustomComboBox, OnDropDown)
      .CLASSLIB_MEMBER_EVENT(TCustomComboBox, OnSelect);
  RegisterComponentClass<TComboBox, TCustomComboBox>();
  Properties<TCustomListBox, TWinControl>()
      .Enum(L"BorderStyle", &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle, bsSingle)
      .Integer(L"ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight)
      .Integer(L"ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex, -1)
      .Object(L"Items", &TCustomListBox::Items)
      .Boolean(L"Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted, false)
      .Enum(L"Style", &TCustomListBox::Style, &TCustomListBox::SetStyle, lbStandard);
  RegisterComponentClass<TListBox, TCustomListBox>();
}

void RegisterOthers() {
  Properties<TCustomLabel, TGraphicControl>()
      .Enum(L"Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment, taLeftJustify)
      .Boolean(L"AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize, true)
      .String(L"Caption", &TCustomLabel::Caption, &TCustomLabel::SetCaption)
      .Component(L"FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl)
      .Enum(L"Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout, tlTop)
      .Boolean(L"ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar, true)
      .Boolean(L"Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent, false)
      .Boolean(L"WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap, false);
  RegisterComponentClass<TLabel, TCustomLabel>();
  Properties<TCustomPanel, TCustomControl>()
      .Enum(L"Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment, taCenter)
      .Enum(L"BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner, bvNone)
      .Enum(L"BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter, bvRaised)
      .Integer(L"BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth, 1)
      .Enum(L"BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle, bsNone)
      .String(L"Caption", &TCustomPanel::Caption, &TCustomPanel::SetCaption)
      .Enum(L"VerticalAlignment", &TCustomPanel::VerticalAlignment, &TCustomPanel::SetVerticalAlignment, tlCenter);
  RegisterComponentClass<TPanel, TCustomPanel>();
  Properties<TImage, TGraphicControl>()
      .Boolean(L"AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false)
      .Boolean(L"Center", &TImage::Center, &TImage::SetCenter, false)
      .Object(L"Picture", &TImage::Picture)
      .Boolean(L"Proportional", &TImage::Proportional, &TImage::SetProportional, false)
      .Boolean(L"Stretch", &TImage::Stretch, &TImage::SetStretch, false)
      .Boolean(L"Transparent", &TImage::Transparent, &TImage::SetTransparent, false);
  RegisterComponentClass<TImage, TGraphicControl>();
  Properties<TShape, TGraphicControl>()
      .Object(L"Brush", &TShape::Brush)
      .Object(L"Pen", &TShape::Pen)
      .Enum(L"Shape", &TShape::Shape, &TShape::SetShape, stRectangle);
  RegisterComponentClass<TShape, TGraphicControl>();
  Properties<TScrollBar, TWinControl>()
      .Enum(L"Kind", &TScrollBar::Kind, &TScrollBar::SetKind, sbHorizontal)
      .Integer(L"LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange, 1)
      .Integer(L"Max", &TScrollBar::Max, &TScrollBar::SetMax, 100)
      .Integer(L"Min", &TScrollBar::Min, &TScrollBar::SetMin, 0)
      .Integer(L"PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize, 0)
      .Integer(L"Position", &TScrollBar::Position, &TScrollBar::SetPosition, 0)
      .Integer(L"SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange, 1)
      .CLASSLIB_MEMBER_EVENT(TScrollBar, OnChange)
      .CLASSLIB_MEMBER_EVENT(TScrollBar, OnScroll);
  RegisterComponentClass<TScrollBar, TWinControl>();
  Properties<TTimer, TComponent>()
      .Boolean(L"Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true)
      .Integer(L"Interval", &TTimer::Interval, &TTimer::SetInterval, 1000)
      .Event(L"OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
  RegisterComponentClass<TTimer, TComponent>();
}

void RegisterAll() {
  RegisterGraphicsClasses();
  RegisterMenusClasses();
  RegisterEnums();
  RegisterBaseControls();
  RegisterForms();
  RegisterButtons();
  RegisterEdits();
  RegisterLists();
  RegisterOthers();
}

}  // namespace

void RegisterControlsClasses() {
  static const bool done = (RegisterAll(), true);
  (void)done;
}

}  // namespace classlib
