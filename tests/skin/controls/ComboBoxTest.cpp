// The skinned combo box over the program's skin, set up as the card list:
// the closed box with and without a chosen item, the read-only filter, the
// dropped-down flag, the dropped list's adapter and the item height.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/controls/CanvasPaintScope.h"
#include "classlib/controls/Messages.h"
#include "skin/common/HotTracking.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/controls/sComboBox.h"
#include "skin/core/SkinCommand.h"
#include "tests/skin/controls/SkinnedControlFixture.h"
#include "tests/skin/paint/PictureFiles.h"

namespace skin_test {
namespace {

using namespace classlib;
using skin::TsComboBox;

// The item painter reachable from the test.
class OpenCombo : public TsComboBox {
 public:
  using TsComboBox::TsComboBox;
  using TsComboBox::DrawItem;
};

struct LinkLog {
  int made = 0;
  int skinMessages = 0;
  HWND list = nullptr;
};

class RecordingLink : public skin::TsComboListLink {
 public:
  explicit RecordingLink(LinkLog& log) : log_(log) {}
  void SkinMessage(TMessage&) override { ++log_.skinMessages; }

 private:
  LinkLog& log_;
};

class ComboBoxTest : public SkinnedControlFixture {
 protected:
  void SetUp() override {
    SkinnedControlFixture::SetUp();
    form_->SetBounds(0, 0, 1000, 200);
    combo_ = New<OpenCombo>(form_.get());
    combo_->SetBounds(20, 20, 960, 38);
    combo_->SetStyle(csDropDownList);
    combo_->SetItemHeight(32);
    combo_->SkinData()->SetSkinSection(L"DRAGBAR");
    combo_->SetParent(form_.get());
    combo_->HandleNeeded();
    ASSERT_TRUE(combo_->SkinData()->Skinned());
  }
  void TearDown() override {
    skin::SetComboListLinkMaker(nullptr);
    SkinnedControlFixture::TearDown();
  }
  void AddCards() {
    for (const wchar_t* name : {L"Omega Seamaster", L"Seiko 5", L"Zenith"}) combo_->Items()->Add(name);
  }
  // A point inside the item's area, right of its text.
  TColor ItemBackground() const { return CachePixel(combo_->SkinData(), TPoint{800, 19}); }
  OpenCombo* combo_ = nullptr;
};

TEST_F(ComboBoxTest, TheCardListIsOwnerDrawnWithItsItemHeight) {
  const LONG_PTR style = GetWindowLongPtrW(combo_->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & CBS_OWNERDRAWFIXED);
  EXPECT_TRUE(style & CBS_HASSTRINGS);
  EXPECT_EQ(SendMessageW(combo_->Handle(), CB_GETITEMHEIGHT, 0, 0), 32);
  // The closed box holds one item with its frame, also after a new font.
  EXPECT_EQ(combo_->Height(), 38);
  combo_->Font()->SetSize(14);
  EXPECT_EQ(combo_->Height(), 38);
  EXPECT_EQ(SendMessageW(combo_->Handle(), CB_GETITEMHEIGHT, 0, 0), 32);
  EXPECT_EQ(combo_->DropDownCount(), 16);
  const TRect button = combo_->ButtonRect();
  EXPECT_EQ(button.Width(), GetSystemMetrics(SM_CXVSCROLL) + 1);
  EXPECT_EQ(button.Right, 958);
  EXPECT_EQ(button.Top, 2);
  combo_->SetStyle(csSimple);
  EXPECT_EQ(combo_->ButtonRect().Width(), 0);
}

TEST_F(ComboBoxTest, EmptyOrDisabledBoxPaintsItsBackgroundOnly) {
  combo_->SetEnabled(false);  // as at start: no cards yet
  ASSERT_EQ(combo_->ItemIndex(), -1);
  ASSERT_NO_THROW(combo_->PrepareCache());
  const TColor empty = ItemBackground();
  // An index beyond the list draws nothing over the background either.
  AddCards();
  combo_->PrepareCache();
  {
    TCanvasPaintScope scope(*combo_->Canvas(), combo_->SkinData()->CacheBmp()->Canvas()->Handle());
    combo_->DrawItem(7, TRect{3, 3, 900, 35}, TOwnerDrawState{odComboBoxEdit});
  }
  EXPECT_COLOUR_NEAR(ItemBackground(), empty, 0);
  combo_->SetEnabled(true);
  combo_->PrepareCache();
  EXPECT_COLOUR_NEAR(ItemBackground(), PaletteColour(palette::kField), 24);
}

TEST_F(ComboBoxTest, ChosenItemLiesOnSelectionWhileFocused) {
  AddCards();
  combo_->SetItemIndex(1);
  combo_->PrepareCache();
  EXPECT_COLOUR_NEAR(ItemBackground(), PaletteColour(palette::kField), 24);
  combo_->SkinData()->FFocused = true;
  combo_->PrepareCache();
  EXPECT_COLOUR_NEAR(ItemBackground(), PaletteColour(palette::kBrass), 40);
  // The text is written in the selection's font colour somewhere in the item.
  int dark = 0;
  for (int x = 8; x < 200; ++x)
    for (int y = 10; y < 28; ++y)
      if (ChannelDistance(CachePixel(combo_->SkinData(), TPoint{x, y}), PaletteColour(palette::kTextDark)) < 40) ++dark;
  EXPECT_GT(dark, 10);
}

TEST_F(ComboBoxTest, ReadOnlyIgnoresKeysThatWouldChangeOrOpenIt) {
  AddCards();
  combo_->SetItemIndex(0);
  combo_->SetReadOnly(true);
  struct Key {
    UINT msg;
    WPARAM key;
  } keys[] = {{WM_KEYDOWN, VK_DOWN}, {WM_KEYDOWN, VK_END},  {WM_CHAR, L'Z'},    {WM_KEYDOWN, 'Z'},
              {WM_KEYDOWN, VK_F4},   {WM_SYSKEYDOWN, VK_DOWN}, {CN_KEYDOWN, VK_NEXT}};
  for (const Key& k : keys) {
    SCOPED_TRACE(k.key);
    combo_->Perform(k.msg, k.key, 0);
    EXPECT_EQ(combo_->ItemIndex(), 0);
    EXPECT_FALSE(combo_->DroppedDown());
  }
  // A click focuses the box and leaves the list closed.
  ShowForm();
  Mouse(combo_, WM_LBUTTONDOWN, TPoint{900, 19}, MK_LBUTTON);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(GetFocus(), combo_->Handle());
  // Other keys (Tab, Escape, Enter) still reach the box; without ReadOnly typing selects.
  combo_->SetReadOnly(false);
  combo_->Perform(WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(combo_->ItemIndex(), 2);
}

TEST_F(ComboBoxTest, DroppedFlagFollowsDropDownAndCloseUp) {
  AddCards();
  ShowForm();
  int closeUps = 0;
  combo_->OnCloseUp = [&](TObject*) { ++closeUps; };
  const auto notify = [&](WORD code) {
    combo_->Perform(CN_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(combo_->Handle()));
  };
  notify(CBN_DROPDOWN);
  EXPECT_TRUE(combo_->DroppedFlag());
  EXPECT_EQ(skin::PerformSkinCommand(combo_, skin::scMenuChanged, 0), 1);
  notify(CBN_CLOSEUP);
  EXPECT_FALSE(combo_->DroppedFlag());
  EXPECT_FALSE(combo_->SkinData()->BGChanged);  // repainted at once
  EXPECT_EQ(closeUps, 1);
}

TEST_F(ComboBoxTest, ListAdapterIsMadeOnceWhenTheListFirstAsksForColours) {
  LinkLog log;
  skin::SetComboListLinkMaker([&](HWND list, bool simple, skin::TsSkinManager* manager) {
    ++log.made;
    log.list = list;
    EXPECT_FALSE(simple);
    EXPECT_EQ(manager, manager_.get());
    return std::make_unique<RecordingLink>(log);
  });
  AddCards();
  HDC dc = GetDC(combo_->ListHandle());
  for (int drop = 0; drop < 3; ++drop) {
    combo_->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_DROPDOWN), 0);
    for (int paint = 0; paint < 4; ++paint)
      combo_->Perform(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(combo_->ListHandle()));
    combo_->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_CLOSEUP), 0);
  }
  ReleaseDC(combo_->ListHandle(), dc);
  EXPECT_EQ(log.made, 1);
  EXPECT_EQ(log.list, combo_->ListHandle());
  EXPECT_EQ(combo_->AdaptedList(), combo_->ListHandle());
  // A new skin reaches the adapter; removing the skin lets the list go.
  skin::PerformSkinCommand(combo_, skin::scNewSkin, reinterpret_cast<LPARAM>(manager_.get()));
  EXPECT_EQ(log.skinMessages, 1);
  skin::PerformSkinCommand(combo_, skin::scRemoveSkin, reinterpret_cast<LPARAM>(manager_.get()));
  EXPECT_EQ(combo_->ListLink(), nullptr);
  EXPECT_EQ(combo_->AdaptedList(), nullptr);
  EXPECT_TRUE(GetWindowLongPtrW(combo_->ListHandle(), GWL_STYLE) & WS_BORDER);
}

TEST_F(ComboBoxTest, BoundLabelFollowsTheBox) {
  combo_->SetBounds(200, 60, 300, 38);
  combo_->BoundLabel()->SetCaption(L"Karta:");
  combo_->BoundLabel()->SetActive(true);
  skin::TsEditLabel* label = combo_->BoundLabel()->Label();
  ASSERT_NE(label, nullptr);
  EXPECT_LT(label->Left() + label->Width(), 200);  // on the left by default
  combo_->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  combo_->SetVisible(true);
  combo_->SetEnabled(false);
  EXPECT_FALSE(label->Enabled());
  combo_->SetBounds(400, 100, 300, 38);
  EXPECT_LT(label->Left() + label->Width(), 400);
  EXPECT_GT(label->Left(), 300);
}

TEST_F(ComboBoxTest, Pictures) {
  const std::wstring dir = skin::paint::testing::PicturesDir();
  if (dir.empty()) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  combo_->SetEnabled(false);
  combo_->PrepareCache();
  skin::paint::testing::SavePng(combo_->SkinData()->CacheBmp(), dir + L"\\combo-start.png");
  combo_->SetEnabled(true);
  AddCards();
  combo_->SetItemIndex(0);
  combo_->PrepareCache();
  skin::paint::testing::SavePng(combo_->SkinData()->CacheBmp(), dir + L"\\combo-chosen.png");
  combo_->SkinData()->FFocused = true;
  combo_->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_DROPDOWN), 0);
  combo_->PrepareCache();
  skin::paint::testing::SavePng(combo_->SkinData()->CacheBmp(), dir + L"\\combo-focused-dropped.png");
}

TEST_F(ComboBoxTest, EnteringMakesTheBoxTheManagersHotControl) {
  ShowForm();
  combo_->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(combo_->SkinData()->FMouseAbove);
  EXPECT_EQ(skin::ActiveControl(), combo_->Handle());
  skin::ForgetActiveWindow(combo_->Handle());
}

}  // namespace
}  // namespace skin_test
