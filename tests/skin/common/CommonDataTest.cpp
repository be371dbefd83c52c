#ifdef _WIN32
// The per-control skin state on live controls: sections, the skin codes
// 1 to 3, stale indexes between a load and its broadcast, update brackets.
#include "SkinStateFixture.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sStandardControls.h"
#include "skin/paint/GlowWindows_Gdi.h"

namespace skin_test {

using namespace classlib;
using namespace skin;

using CommonDataTest = SkinStateFixture;

TEST_F(CommonDataTest, SectionNamesAreUpperCasedAndDefaultFromTheClassCode) {
  TsEdit* edit = Add<TsEdit>(nullptr);
  edit->Show();
  edit->HandleNeeded();
  form_->Show();
  EXPECT_EQ(edit->SkinData()->SkinSection(), L"EDIT");  // code 3 at loading or showing
  EXPECT_EQ(edit->SkinData()->SkinIndex, manager_->GetSkinIndex(L"EDIT"));
  edit->SkinData()->SetSkinSection(L"white");
  EXPECT_EQ(edit->SkinData()->SkinSection(), L"WHITE");
  edit->SkinData()->SetSkinSection(L"");
  EXPECT_EQ(edit->SkinData()->SkinSection(), L"UNKNOWN");
  EXPECT_EQ(edit->SkinData()->SkinIndex, -1);
  EXPECT_FALSE(edit->SkinData()->Skinned());
  // The default manager is not stored as the control's own.
  edit->SkinData()->SetSkinManager(manager_.get());
  EXPECT_FALSE(edit->SkinData()->SkinManagerStored());
  EXPECT_EQ(edit->SkinData()->SkinManager(), manager_.get());
}

TEST_F(CommonDataTest, RemoveRefreshAndNewSkinOnALiveEdit) {
  TsEdit* edit = Add<TsEdit>(nullptr);
  form_->Show();
  TsCommonData& data = *edit->SkinData();
  ASSERT_TRUE(data.Skinned());
  EXPECT_EQ(edit->Color(), kEditColour);
  EXPECT_EQ(edit->Font()->Color(), kEditFontColour);
  const int index = data.SkinIndex;
  const auto managerParam = reinterpret_cast<LPARAM>(manager_.get());

  // Another manager's codes are not for this edit.
  std::unique_ptr<TsSkinManager> other = Manager();
  other->SetSkinName(L"Proba");
  for (const std::uint16_t code : {scRemoveSkin, scRefresh, scNewSkin})
    SendSkinCommand(edit, code, reinterpret_cast<LPARAM>(other.get()));
  EXPECT_EQ(data.SkinIndex, index);
  EXPECT_FALSE(data.OwnUpdating());

  SendSkinCommand(edit, scRemoveSkin, managerParam);
  EXPECT_EQ(data.SkinIndex, -1);
  EXPECT_EQ(data.BorderIndex, -1);
  EXPECT_TRUE(data.OwnUpdating());
  EXPECT_EQ(edit->Color(), clWindow);
  EXPECT_EQ(edit->Font()->Color(), clWindowText);
  SendSkinCommand(edit, scRefresh, managerParam);
  EXPECT_FALSE(data.OwnUpdating());
  SendSkinCommand(edit, scNewSkin, managerParam);
  EXPECT_EQ(data.SkinIndex, index);
  EXPECT_EQ(edit->Color(), kEditColour);
  EXPECT_EQ(edit->Font()->Color(), kEditFontColour);
}

TEST_F(CommonDataTest, CustomFontKeepsTheEditsColourUntilReleased) {
  TsEdit* edit = Add<TsEdit>(nullptr);
  form_->Show();
  edit->SkinData()->SetCustomFont(true);
  edit->Font()->SetColor(clRed);
  SendSkinCommand(edit, scRefresh, reinterpret_cast<LPARAM>(manager_.get()));
  EXPECT_EQ(edit->TextColor(), clRed);
  edit->SkinData()->SetCustomFont(false);
  EXPECT_EQ(edit->TextColor(), kEditFontColour);
}

TEST_F(CommonDataTest, IndexesOfAReplacedSkinAreNotUsedBeforeTheBroadcast) {
  TsEdit* edit = Add<TsEdit>(nullptr);
  form_->Show();
  TsCommonData& data = *edit->SkinData();
  ASSERT_NE(data.Section(), nullptr);
  // A skin with fewer sections, loaded with its broadcast held back.
  MakeFolderSkin("Mala", SkinDescription(0x00808080));
  const TsSkinChangeHandler broadcast = SetSkinChangeHandler(nullptr);
  manager_->SetSkinName(L"Mala");
  SetSkinChangeHandler(broadcast);
  EXPECT_EQ(data.Section(), nullptr);
  EXPECT_EQ(data.BorderMask(), nullptr);
  EXPECT_FALSE(data.Skinned());
  data.UpdateControlColors(true);  // reads nothing of the old skin
  EXPECT_EQ(edit->Color(), kEditColour);
  // The broadcast resolves again: this skin has no EDIT.
  manager_->SendNewSkin(false);
  EXPECT_EQ(data.SkinIndex, -1);
  manager_->SetSkinName(L"Proba");
  EXPECT_NE(data.Section(), nullptr);
  EXPECT_EQ(data.Section()->ClassName, L"EDIT");
}

TEST_F(CommonDataTest, UpdateBracketsNestAndNotifyOnceAtTheEnd) {
  TsPanel* panel = Add<TsPanel>(nullptr);
  int ends = 0;
  const TWndMethod old = panel->WindowProc();
  panel->SetWindowProc([&](TMessage& m) {
    if (m.Msg == SkinCommandMessage && SkinCommandCode(m.WParam) == scEndUpdateNotify) ++ends;
    old(m);
  });
  TsCommonData& data = *panel->SkinData();
  data.BeginUpdate();
  data.BeginUpdate();
  data.EndUpdate(false);
  EXPECT_EQ(data.UpdateCount, 1);
  EXPECT_FALSE(data.OwnUpdating());
  EXPECT_EQ(ends, 0);
  data.EndUpdate(false);
  EXPECT_EQ(ends, 1);
  panel->SetWindowProc(old);
}

TEST_F(CommonDataTest, LockAndStateAnswers) {
  TsPanel* panel = Add<TsPanel>(nullptr);
  panel->SkinData()->SetSkinSection(L"WHITE");
  TsCommonData& data = *panel->SkinData();
  data.BGChanged = false;
  // A panel also holds its children back while its picture has another size.
  EXPECT_EQ(SendSkinCommand(panel, scIsLocked, 0), 1);
  data.InitCacheBmp();
  EXPECT_EQ(SendSkinCommand(panel, scIsLocked, 0), 0);
  SendSkinCommand(panel, scSetUpdating, 0, 1);
  EXPECT_EQ(SendSkinCommand(panel, scIsLocked, 0), 1);
  SendSkinCommand(panel, scSetUpdating, 0, 0);
  // A plain white panel has a simple background.
  EXPECT_EQ(SendSkinCommand(panel, scStateWord, 0) & StateSimpleBackground, StateSimpleBackground);
  panel->SkinData()->SetSkinSection(L"BLACKHALF");
  EXPECT_EQ(SendSkinCommand(panel, scStateWord, 0) & StateSimpleBackground, 0);
  const HDC dc = GetDC(nullptr);
  SendSkinCommand(panel, scSetPrintDC, reinterpret_cast<LPARAM>(dc));
  EXPECT_EQ(data.PrintDC, dc);
  EXPECT_NE(data.CtrlSkinState & StatePrinting, 0);
  SendSkinCommand(panel, scSetPrintDC, 0);
  EXPECT_EQ(data.CtrlSkinState & StatePrinting, 0);
  ReleaseDC(nullptr, dc);
  // Codes above the shared range are left to the window.
  EXPECT_EQ(SendSkinCommand(panel, scRepaintFrame, 0), 0);
}

TEST_F(CommonDataTest, AGlowOpensAroundAWindowAndClosesWithItsSkinState) {
  manager_->Effects()->SetAllowGlowing(true);
  int id = -1;
  {
    skin::TsCommonData data(nullptr, false);
    data.SetSkinSection(L"GLOWY");
    ASSERT_NE(data.Section(), nullptr);
    skin::UpdateGlow(&data, false, form_->Handle());
    id = data.GlowID;
    ASSERT_GE(id, 0);
    EXPECT_NE(skin::paint::GlowWindow(id), nullptr);
  }
  EXPECT_EQ(skin::paint::GlowWindow(id), nullptr);

  skin::TsCommonData plain(nullptr, false);
  plain.SetSkinSection(L"WHITE");  // no glow mask: nothing opens
  skin::UpdateGlow(&plain, false, form_->Handle());
  EXPECT_EQ(plain.GlowID, -1);
}

}  // namespace skin_test
#endif
