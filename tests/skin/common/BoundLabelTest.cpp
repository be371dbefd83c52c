#ifdef _WIN32
// The bound label of a skinned edit: made and named after the edit, placed
// by its layout and indent, wrapped by its maximum width, and safe whichever
// of edit and label goes first.
#include "SkinStateFixture.h"
#include "classlib/core/ComponentReader.h"
#include "classlib/core/ComponentWriter.h"
#include "skin/controls/sEdit.h"

namespace skin_test {

using namespace classlib;
using namespace skin;

class BoundLabelTest : public SkinStateFixture {
 protected:
  TsEdit* Edit() {
    TsEdit* edit = Add<TsEdit>(nullptr, 200, 100, 120, 24);
    edit->SetName(L"Edit1");
    return edit;
  }
};

TEST_F(BoundLabelTest, ActivatingMakesALabelNamedAfterTheEdit) {
  TsEdit* edit = Edit();
  TsBoundLabel& bound = *edit->BoundLabel();
  EXPECT_FALSE(bound.Active());
  EXPECT_EQ(bound.Label(), nullptr);
  EXPECT_TRUE(bound.UseSkinColor());
  bound.SetActive(true);
  ASSERT_NE(bound.Label(), nullptr);
  EXPECT_EQ(bound.Label()->Name(), L"Edit1Label");
  EXPECT_EQ(bound.Label()->Caption(), L"Edit1");
  EXPECT_EQ(bound.Caption(), L"Edit1");
  EXPECT_EQ(bound.Label()->FocusControl(), edit);
  EXPECT_EQ(bound.Label()->Parent(), form_.get());
  EXPECT_TRUE(bound.Label()->Visible());
  EXPECT_EQ(bound.Font(), bound.Label()->Font());
  bound.SetCaption(L"Nazwa");
  EXPECT_EQ(bound.Label()->Caption(), L"Nazwa");
  // Off frees the label; on again makes a new one.
  bound.SetActive(false);
  EXPECT_EQ(bound.Label(), nullptr);
  EXPECT_EQ(edit->FindComponent(L"Edit1Label"), nullptr);
  bound.SetActive(true);
  EXPECT_NE(bound.Label(), nullptr);
}

TEST_F(BoundLabelTest, LayoutAndIndentPlaceTheLabel) {
  TsEdit* edit = Edit();
  TsBoundLabel& bound = *edit->BoundLabel();
  bound.SetActive(true);
  TsEditLabel* label = bound.Label();
  const int w = label->Width(), h = label->Height();
  struct Case {
    TsCaptionLayout layout;
    int indent, left, top;
    TAlignment alignment;
  };
  const Case cases[] = {
      {sclLeft, 0, 200 - w - 4, 100 + (24 - h) / 2 - 1, taRightJustify},
      {sclLeft, 6, 200 - w - 10, 100 + (24 - h) / 2 - 1, taRightJustify},
      {sclTopLeft, 2, 200, 100 - h - 2, taLeftJustify},
      {sclTopCenter, 0, 200 + (120 - w) / 2, 100 - h, taCenter},
      {sclTopRight, 0, 320 - w, 100 - h, taRightJustify},
      {sclLeftTop, 0, 200 - w - 4, 103, taLeftJustify},
      {sclBottomLeft, 3, 200, 127, taLeftJustify},
      {sclBottomCenter, 0, 200 + (120 - w) / 2, 124, taCenter},
      {sclBottomRight, 0, 320 - w, 124, taRightJustify},
  };
  for (const Case& c : cases) {
    bound.SetIndent(c.indent);
    bound.SetLayout(c.layout);
    EXPECT_EQ(label->Left(), c.left) << c.layout;
    EXPECT_EQ(label->Top(), c.top) << c.layout;
    EXPECT_EQ(label->Alignment(), c.alignment) << c.layout;
  }
  // The label's right edge is 4 pixels left of the edit at indent 0.
  bound.SetIndent(0);
  bound.SetLayout(sclLeft);
  EXPECT_EQ(label->Left() + label->Width(), edit->Left() - 4);
}

TEST_F(BoundLabelTest, MaxWidthWrapsALabelThatReachesIt) {
  TsEdit* edit = Edit();
  TsBoundLabel& bound = *edit->BoundLabel();
  bound.SetActive(true);
  TsEditLabel* label = bound.Label();
  label->SetAutoSize(false);
  label->SetWidth(96);
  bound.SetMaxWidth(100);
  EXPECT_EQ(label->Constraints()->MaxWidth(), 100);
  EXPECT_TRUE(label->WordWrap());  // 96 >= 100 - 4
  label->SetWidth(95);
  bound.AlignLabel();
  EXPECT_FALSE(label->WordWrap());
}

TEST_F(BoundLabelTest, EditOrLabelMayGoFirst) {
  TsEdit* edit = Edit();
  edit->BoundLabel()->SetActive(true);
  delete edit->BoundLabel()->Label();
  EXPECT_EQ(edit->BoundLabel()->Label(), nullptr);
  EXPECT_FALSE(edit->BoundLabel()->Active());
  edit->BoundLabel()->SetActive(true);
  EXPECT_EQ(form_->ControlCount(), 2);
  delete edit;
  EXPECT_EQ(form_->ControlCount(), 0);
  // The form going takes an edit and its label in either order.
  TsEdit* second = Edit();
  second->BoundLabel()->SetActive(true);
  form_.reset();
}

TEST_F(BoundLabelTest, SkinStateAndBoundLabelComeFromTheFormDescription) {
  const std::wstring text =
      L"object Edit7: TsEdit\n  Left = 200\n  Top = 100\n  Width = 120\n  Height = 24\n"
      L"  SkinData.SkinSection = 'white'\n  SkinData.CustomColor = True\n"
      L"  BoundLabel.Active = True\n  BoundLabel.Caption = 'Model:'\n  BoundLabel.Indent = 2\n"
      L"  BoundLabel.Layout = sclTopLeft\nend\n";
  std::unique_ptr<TComponent> root(CreateComponentFromText(text, nullptr));
  auto& edit = dynamic_cast<TsEdit&>(*root);
  EXPECT_EQ(edit.SkinData()->SkinSection(), L"WHITE");
  EXPECT_TRUE(edit.SkinData()->CustomColor());
  EXPECT_TRUE(edit.BoundLabel()->Active());
  EXPECT_EQ(edit.BoundLabel()->Caption(), L"Model:");
  EXPECT_EQ(edit.BoundLabel()->Layout(), sclTopLeft);
  // Written back: the own settings, not the default manager.
  const std::wstring written = WriteComponentToText(&edit);
  EXPECT_NE(written.find(L"SkinData.SkinSection = 'WHITE'"), std::wstring::npos) << written;
  EXPECT_EQ(written.find(L"SkinManager"), std::wstring::npos) << written;
}

}  // namespace skin_test
#endif
