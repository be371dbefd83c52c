#ifdef _WIN32
#include <gtest/gtest.h>

#include "classlib/core/ComponentReader.h"
#include "classlib/controls/Button.h"
#include "classlib/controls/Label.h"
#include "classlib/controls/Panel.h"
#include "classlib/controls/Screen.h"
#include "ControlsTestSupport.h"

namespace classlib_test {

using namespace classlib;

// A form class as an application writes one: published fields and methods
// registered before its description is read.
class TDescribedForm : public TForm {
 public:
  explicit TDescribedForm(TComponent* owner) : TForm(owner, true) {
    RegisterField(L"Panel1", Panel1);
    RegisterField(L"Label1", Label1);
    RegisterField(L"Button1", Button1);
    RegisterMethod(L"Button1Click", &TDescribedForm::Button1Click);
    RegisterMethod(L"FormCreate", &TDescribedForm::FormCreate);
  }
  void Button1Click(TObject* sender) { clickedBy = sender; }
  void FormCreate(TObject*) { ++created; }

  TPanel* Panel1 = nullptr;
  TLabel* Label1 = nullptr;
  TButton* Button1 = nullptr;
  TObject* clickedBy = nullptr;
  int created = 0;
};

const wchar_t kDescription[] = LR"(object DescribedForm: TDescribedForm
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Opis formy'
  ClientHeight = 200
  ClientWidth = 320
  Color = clBtnFace
  Font.Height = -13
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 16
  object Panel1: TPanel
    Left = 10
    Top = 20
    Width = 200
    Height = 120
    BevelOuter = bvLowered
    Caption = 'Pierwsza'#13'druga'
    object Label1: TLabel
      Left = 8
      Top = 6
      Caption = 'Etykieta'
    end
    object Button1: TButton
      Left = 40
      Top = 70
      Width = 90
      Height = 30
      Caption = 'OK'
      ModalResult = 1
      OnClick = Button1Click
    end
  end
end
)";

TEST(FormDescription, BuildsPanelGraphicControlAndButton) {
  Application->Initialize();
  std::unique_ptr<TDescribedForm> form(New<TDescribedForm>(nullptr));
  ReadComponentFromText(form.get(), kDescription);

  ASSERT_NE(form->Panel1, nullptr);
  ASSERT_NE(form->Label1, nullptr);
  ASSERT_NE(form->Button1, nullptr);
  EXPECT_EQ(form->Caption(), L"Opis formy");
  EXPECT_EQ(form->Panel1->Parent(), form.get());
  EXPECT_EQ(form->Label1->Parent(), form->Panel1);
  EXPECT_EQ(form->Button1->Parent(), form->Panel1);
  EXPECT_EQ(form->Panel1->ControlCount(), 2);
  EXPECT_EQ(form->Panel1->Caption(), L"Pierwsza\rdruga");
  // Children without their own font take the form's.
  EXPECT_EQ(form->Button1->Font()->Height(), -13);
  // The label sized itself to its text once loaded.
  EXPECT_GT(form->Label1->Width(), 0);
  EXPECT_GT(form->Label1->Height(), 0);

  form->Show();
  Pump();
  EXPECT_EQ(form->ClientWidth(), 320);
  EXPECT_EQ(form->ClientHeight(), 200);
  const TRect area = Screen->WorkAreaRect();
  EXPECT_EQ(form->Left(), area.Left + (area.Width() - form->Width()) / 2);
  EXPECT_EQ(GetParent(form->Button1->Handle()), form->Panel1->Handle());
  const LONG style = GetWindowLongW(form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Application->Handle());

  // A real click of the button reaches the bound method and sets the
  // form's modal result.
  SendMessageW(form->Button1->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->clickedBy, form->Button1);
  EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST(FormDescription, RunTimeFormHasNoDescription) {
  FormPtr form = MakeShownForm(10, 10, 200, 100);
  EXPECT_EQ(form->ClientWidth(), 200);
  EXPECT_EQ(form->ClientHeight(), 100);
  EXPECT_EQ(form->ControlCount(), 0);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

}  // namespace classlib_test
#endif
