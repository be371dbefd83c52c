#ifdef _WIN32
// The main window's edits in the colours of the skin it loads, and the name
// field's error mark, which keeps its own colour until it is reset.
#include <gtest/gtest.h>

#include "AppTestFolder.h"
#include "skin/controls/sEdit.h"
#include "skin/manager/sSkinManager.h"

namespace app_test {

using namespace classlib;
using SkinnedEditsTest = AppTestFolder;

TEST_F(SkinnedEditsTest, EditsTakeTheSkinsEditColoursAndTheErrorMarkReturnsToThem) {
  MakeCard(L"Nurek");
  app::TForm1& form = Form();
  form.Show();
  Pick(L"Nurek");
  const skin::TsSkinManager& manager = *form.sSkinManager1;
  const int section = manager.GetSkinIndex(L"EDIT");
  ASSERT_GE(section, 0);
  const skin::TsGenState& edit = manager.Skin()->Sections[static_cast<std::size_t>(section)].Props[0];
  int shown = 0;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* field = dynamic_cast<skin::TsEdit*>(form.Components(i));
    if (!field || !field->Showing()) continue;
    ++shown;
    EXPECT_EQ(field->SkinData()->SkinSection(), L"EDIT") << field->Name();
    EXPECT_EQ(field->Color(), edit.Color) << field->Name();
    EXPECT_EQ(field->TextColor(), edit.FontColor) << field->Name();
  }
  EXPECT_GT(shown, 5);

  // An empty name: the mark in its own colour, then back to the skin's.
  form.sEdit1->SetText(L"");
  form.sBitBtn3Click(form.sBitBtn3);
  EXPECT_TRUE(form.sEdit1->SkinData()->CustomFont());
  EXPECT_EQ(form.sEdit1->TextColor(), RGB(255, 155, 55));
  EXPECT_EQ(form.sEdit1->Color(), edit.Color);
  form.Timer2Timer(form.Timer2);
  EXPECT_EQ(form.sEdit1->TextColor(), edit.FontColor);
}

}  // namespace app_test
#endif
