// A skin change as the windows see it: the forms frozen around the new-skin
// broadcast and thawed after it, every control told once, the window-
// creation hook installed once and removed with the skin.
#include <gtest/gtest.h>

#include "skin/common/ControlUtils.h"
#include "skin/common/DialogHook.h"
#include "skin/common/SkinnedFormPasses.h"
#include "skin/controls/sEdit.h"
#include "tests/skin/common/SkinStateFixture.h"
#include "tests/skin/common/SkinnedFormFixture.h"

namespace skin_test {
namespace {

using namespace skin;
using classlib::New;

bool DrawingOn(classlib::TWinControl& form) { return (GetWindowLongW(form.Handle(), GWL_STYLE) & WS_VISIBLE) != 0; }

class SkinChanges : public SkinStateFixture {
 protected:
  void SetUp() override {
    SkinStateFixture::SetUp();
    skinned_.reset(New<TestSkinnedForm>(classlib::Application));
    skinned_->SetBounds(150, 150, 300, 200);
    skinned_->Show();
    form_->Show();
  }
  void TearDown() override {
    skinned_.reset();
    SkinStateFixture::TearDown();
  }

  template <class T>
  T* AddTo(classlib::TWinControl* parent) {
    T* control = New<T>(parent);
    control->SetBounds(5, 5, 50, 20);
    control->SetParent(parent);
    return control;
  }

  std::unique_ptr<TestSkinnedForm> skinned_;
};

TEST_F(SkinChanges, EveryControlOfBothFormsGetsTheNewSkinOnceAndTheHookGoesInOnce) {
  auto* panel = AddTo<CountingPanel>(form_.get());
  auto* graphic = AddTo<CountingGraphic>(form_.get());
  auto* inner = AddTo<CountingPanel>(skinned_.get());
  auto* nested = AddTo<CountingGraphic>(inner);
  auto* edit = Add<TsEdit>(skinned_.get());
  manager_->SetSkinName(L"Proba");
  for (auto* codes : {&panel->codes, &graphic->codes, &inner->codes, &nested->codes}) EXPECT_EQ((*codes)[scNewSkin], 1);
  const HHOOK hook = DialogHookHandle();
  ASSERT_NE(hook, nullptr);
  manager_->SetSkinName(L"Proba");
  EXPECT_EQ(DialogHookHandle(), hook);  // not installed again
  EXPECT_GE(edit->SkinData()->SkinIndex, 0);

  manager_->SetActive(false);
  EXPECT_EQ(DialogHookHandle(), nullptr);
  EXPECT_EQ(edit->SkinData()->SkinIndex, -1);
  for (auto* codes : {&panel->codes, &graphic->codes, &inner->codes, &nested->codes})
    EXPECT_EQ((*codes)[scRemoveSkin], 1);
}

TEST_F(SkinChanges, TheHookSeesWindowsCreatedWhileASkinIsActive) {
  manager_->SetSkinName(L"Proba");
  const int before = StandInHookCalls();
  std::unique_ptr<classlib::TForm> late(New<classlib::TForm>(classlib::Application));
  late->HandleNeeded();
  EXPECT_GT(StandInHookCalls(), before);
}

TEST_F(SkinChanges, ALoadDuringAnUpdateLockBroadcastsOnceAtItsEnd) {
  auto* panel = AddTo<CountingPanel>(skinned_.get());
  panel->codes.clear();
  manager_->BeginUpdate();
  manager_->SetSkinName(L"Proba");
  EXPECT_EQ(panel->codes[scNewSkin], 0);
  manager_->EndUpdate(true, true);
  EXPECT_EQ(panel->codes[scNewSkin], 1);
}

TEST_F(SkinChanges, FormsAreFrozenDuringTheBroadcastAndThawedAfterIt) {
  auto* panel = AddTo<CountingPanel>(skinned_.get());
  bool lockedDuringBroadcast = false;
  bool drawingOffDuringBroadcast = false;
  panel->onCommand = [&](int code) {
    if (code != scNewSkin) return;
    lockedDuringBroadcast = skinned_->HasState(sfsSkinChangeLock);
    drawingOffDuringBroadcast = !DrawingOn(*skinned_);
  };
  manager_->SetSkinName(L"Proba");
  EXPECT_TRUE(lockedDuringBroadcast);
  EXPECT_TRUE(drawingOffDuringBroadcast);
  EXPECT_FALSE(skinned_->HasState(sfsSkinChangeLock));
  EXPECT_FALSE(skinned_->skinChanging);
  EXPECT_TRUE(DrawingOn(*skinned_));
  EXPECT_GE(skinned_->regionsApplied, 1);  // thawed with the new skin's region
  EXPECT_FALSE(AnimationRunning());
}

TEST_F(SkinChanges, AFormHiddenBetweenLockAndUnlockKeepsItsLock) {
  LockSkinnedForms(*manager_);
  ASSERT_TRUE(skinned_->HasState(sfsSkinChangeLock));
  skinned_->Hide();
  UnlockSkinnedForms(*manager_, false);
  EXPECT_TRUE(skinned_->HasState(sfsSkinChangeLock));
}

TEST_F(SkinChanges, SnapshotIsTakenOnlyOfFormsWithAnExtendedBorderWindow) {
  manager_->SetExtendedBorders(true);
  manager_->SetSkinName(L"Proba");
  EXPECT_EQ(skinned_->imagesMade, 0);
  EXPECT_EQ(skinned_->snapshot, nullptr);

  skinned_->border = std::make_unique<TestBorder>();
  SnapshotSkinnedForms(*manager_);
  EXPECT_EQ(skinned_->imagesMade, 1);
  ASSERT_NE(skinned_->snapshot, nullptr);
  EXPECT_TRUE(skinned_->HasState(sfsSnapshotTaken));
  EXPECT_TRUE(skinned_->skinChanging);
  UnlockSkinnedForms(*manager_, true);  // not locked: nothing thawed
  EXPECT_TRUE(skinned_->HasState(sfsSnapshotTaken));
  LockSkinnedForms(*manager_);
  UnlockSkinnedForms(*manager_, true);
  EXPECT_FALSE(skinned_->HasState(sfsSnapshotTaken));
  EXPECT_GE(skinned_->border->updates, 1);
}

TEST_F(SkinChanges, ASkinThatFailsToLoadLeavesNoFormWaitingForIt) {
  // A default manager with no skin yet, whose first load fails.
  manager_.reset();
  manager_ = Manager();
  ASSERT_TRUE(manager_->IsDefault());
  manager_->SetExtendedBorders(true);
  skinned_->border = std::make_unique<TestBorder>();
  WriteFile(Skins() / "Zepsuta.asz", "not a packed skin");
  manager_->SetSkinName(L"Zepsuta");
  ASSERT_EQ(manager_->Skin(), nullptr);
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_EQ(skinned_->imagesMade, 1);  // the picture was taken
  EXPECT_FALSE(AnimationRunning());
  EXPECT_FALSE(skinned_->skinChanging);
  EXPECT_FALSE(skinned_->HasState(sfsSnapshotTaken));
}

TEST_F(SkinChanges, WithTheMainWindowMinimisedNoPassTouchesAForm) {
  classlib::TForm* raw = nullptr;
  classlib::Application->CreateForm(raw);
  std::unique_ptr<classlib::TForm> main(raw);
  ASSERT_EQ(classlib::Application->MainForm(), main.get());
  main->Show();
  ShowWindow(main->Handle(), SW_SHOWMINNOACTIVE);
  ASSERT_TRUE(IsIconic(main->Handle()));
  skinned_->border = std::make_unique<TestBorder>();
  SnapshotSkinnedForms(*manager_);
  LockSkinnedForms(*manager_);
  EXPECT_EQ(skinned_->state, 0u);
  EXPECT_FALSE(skinned_->skinChanging);
  EXPECT_TRUE(DrawingOn(*skinned_));
}

TEST_F(SkinChanges, RemovingAFormRemovesEveryEntryAndBroadcastsSurviveRemovals) {
  AddSkinnedForm(skinned_.get());  // a second entry
  RemoveSkinnedForm(skinned_.get());
  EXPECT_FALSE(IsSkinnedForm(skinned_.get()));
  AddSkinnedForm(skinned_.get());

  // A form that frees another skinned form while it is served.
  auto second = std::unique_ptr<TestSkinnedForm>(New<TestSkinnedForm>(classlib::Application));
  second->Show();
  auto* killer = AddTo<CountingPanel>(skinned_.get());
  auto* victim = AddTo<CountingPanel>(second.get());
  killer->onCommand = [&](int code) {
    if (code == scNewSkin) second.reset();
  };
  victim->onCommand = [&](int) { ADD_FAILURE() << "a freed form was served"; };
  manager_->SetSkinName(L"Proba");
  EXPECT_EQ(second, nullptr);
  EXPECT_EQ(killer->codes[scNewSkin], 1);
}

}  // namespace
}  // namespace skin_test
