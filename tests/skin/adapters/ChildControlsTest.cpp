// A skinned form's foreign controls: the manager's class lists pick the
// window adapter, the application can veto or give a section, labels of the
// class library turn transparent in the skin's font colour, and the list of
// adapted controls stays consistent through repeated and re-entrant walks.
#include <cstdlib>
#include <cstring>
#include <typeinfo>

#include "classlib/controls/Button.h"
#include "classlib/controls/Edit.h"
#include "classlib/controls/Forms.h"
#include "classlib/controls/Label.h"
#include "skin/adapters/AdapterServices.h"
#include "skin/adapters/ButtonWnd.h"
#include "skin/adapters/ComboBoxWnd.h"
#include "skin/adapters/ListViewWnd.h"
#include "skin/adapters/SpinWnd.h"
#include "skin/adapters/ThirdPartyAdapters.h"
#include "skin/adapters/ToolBarWnd.h"
#include "skin/adapters/TrackWnd.h"
#include "skin/forms/CtrlAdapter.h"
#include "skin/forms/sSkinProvider.h"
#include "tests/skin/adapters/FormAdapterFixture.h"
#include "tests/skin/adapters/ScreenShot.h"

namespace skin_test {

using namespace classlib;
using namespace skin;
using namespace skin::adapters;

class ChildControlsTest : public FormAdapterFixture {
 protected:
  void SetUp() override {
    FormAdapterFixture::SetUp();
    manager_->SetActive(true);
  }
  void TearDown() override {
    form_.reset();
    InstallAdapterServices();
    FormAdapterFixture::TearDown();
  }
  void SetList(int kind, const std::wstring& text) {
    manager_->ThirdParty()->SetText(kind, text);
    manager_->UpdateThirdPartyLists(false);
  }
  // A shown form with a provider, a plain button, an edit and a label.
  void MakeForm() {
    form_.reset(New<TForm>(Application));
    form_->SetBounds(80, 80, 360, 240);
    form_->SetCaption(L"Okno");
    button_ = New<TButton>(form_.get());
    button_->SetParent(form_.get());
    button_->SetBounds(10, 10, 90, 28);
    button_->SetCaption(L"Zwykły");
    edit_ = New<TEdit>(form_.get());
    edit_->SetParent(form_.get());
    edit_->SetBounds(10, 50, 120, 24);
    label_ = New<TLabel>(form_.get());
    label_->SetParent(form_.get());
    label_->SetBounds(10, 90, 120, 20);
    label_->SetCaption(L"Etykieta");
    label_->Font()->SetColor(0x00123456);
    form_->HandleNeeded();
    provider_ = New<TsSkinProvider>(form_.get());
    form_->Show();
    Pump();
  }
  TacAdapterItem* ItemOf(TWinControl* ctrl) const {
    TacCtrlAdapter* a = provider_->Adapter();
    for (int i = 0; a && i < a->Count(); ++i)
      if (a->GetItem(i)->Ctrl == ctrl) return a->GetItem(i);
    return nullptr;
  }

  std::unique_ptr<TForm> form_;
  TsSkinProvider* provider_ = nullptr;
  TButton* button_ = nullptr;
  TEdit* edit_ = nullptr;
  TLabel* label_ = nullptr;
};

TEST_F(ChildControlsTest, TheLowerListIndexWinsAndNamesCompareExactly) {
  SetList(1, L"TButton");
  SetList(5, L"TButton\r\nTEdit");
  SetList(0, L"tedit");
  EXPECT_EQ(ThirdPartyKindOf(manager_.get(), L"TButton"), 1);
  EXPECT_EQ(ThirdPartyKindOf(manager_.get(), L"TEdit"), 5);
  EXPECT_EQ(ThirdPartyKindOf(manager_.get(), L"TMemo"), -1);
  EXPECT_EQ(ThirdPartyKindOf(nullptr, L"TButton"), -1);
}

TEST_F(ChildControlsTest, EachKindMakesItsAdapterClass) {
  struct Case {
    int kind;
    const wchar_t* cls;
    DWORD style;
    const std::type_info* adapter;  // null: no adapter for the kind
  };
  const Case cases[] = {
      {0, L"EDIT", 0, &typeid(TacEditWnd)},
      {1, L"BUTTON", BS_PUSHBUTTON, &typeid(TacBtnWnd)},
      {3, L"BUTTON", BS_AUTOCHECKBOX, &typeid(TacCheckBoxWnd)},
      {4, L"COMBOBOX", CBS_DROPDOWNLIST, &typeid(TacComboBoxWnd)},
      {6, L"BUTTON", BS_GROUPBOX, &typeid(TacGroupBoxWnd)},
      {7, WC_LISTVIEWW, LVS_REPORT, &typeid(TacListViewWnd)},
      {9, WC_TREEVIEWW, 0, &typeid(TacTreeViewWnd)},
      {16, STATUSCLASSNAMEW, 0, &typeid(TacStatusBarWnd)},
      {17, L"BUTTON", BS_PUSHBUTTON, nullptr},
      {18, L"EDIT", 0, &typeid(TacEditWnd)},
      {19, UPDOWN_CLASSW, 0, &typeid(TacSpinWnd)},
      {20, L"SCROLLBAR", SBS_HORZ, &typeid(TacSBWnd)},
      {21, L"BUTTON", 0, nullptr},
  };
  for (const Case& c : cases) {
    HWND wnd = Child(c.cls, c.style, 10, 10, 150, 80);
    std::unique_ptr<TacMainWnd> adapter = MakeThirdPartyAdapter(c.kind, wnd, L"", manager_.get(), nullptr);
    if (!c.adapter) EXPECT_EQ(adapter, nullptr) << c.kind;
    else {
      ASSERT_NE(adapter, nullptr) << c.kind;
      EXPECT_EQ(typeid(*adapter), *c.adapter) << c.kind;
    }
    adapter.reset();
    DestroyWindow(wnd);
  }
}

TEST_F(ChildControlsTest, ListedButtonIsAdaptedOnceAndLabelTakesTheFontColour) {
  MakeForm();
  ASSERT_NE(provider_->Adapter(), nullptr);
  TacAdapterItem* item = ItemOf(button_);
  ASSERT_NE(item, nullptr);
  ASSERT_NE(item->Wnd, nullptr);
  EXPECT_EQ(item->Wnd->Window(), button_->Handle());
  EXPECT_EQ(item->SkinData->COC, 227);
  EXPECT_EQ(ItemOf(edit_), nullptr);  // not listed
  EXPECT_EQ(provider_->Adapter()->Count(), 1);
  // A second walk adds nothing.
  provider_->Adapter()->AdaptChildControls(nullptr);
  EXPECT_EQ(provider_->Adapter()->Count(), 1);
  EXPECT_EQ(ItemOf(button_), item);

  EXPECT_TRUE(label_->Transparent());
  const TColor font = manager_->GetGlobalFontColor();
  if (font != SkinKeyColor) EXPECT_EQ(label_->Font()->Color(), font);
  else EXPECT_EQ(label_->Font()->Color(), 0x00123456);

  // Out-of-range indexes answer nil and are ignored.
  EXPECT_EQ(provider_->Adapter()->GetItem(-1), nullptr);
  EXPECT_EQ(provider_->Adapter()->GetItem(1), nullptr);
  provider_->Adapter()->RemoveItem(5);
  provider_->Adapter()->RemoveItem(-1);
  EXPECT_EQ(provider_->Adapter()->Count(), 1);
}

TEST_F(ChildControlsTest, RulesOffAdaptNothingAndKeepLabels) {
  manager_->SetSkinningRules(TacSkinningRules{srStdForms, srStdDialogs});
  MakeForm();
  EXPECT_TRUE(!provider_->Adapter() || provider_->Adapter()->Count() == 0);
  EXPECT_FALSE(label_->Transparent());
  EXPECT_EQ(label_->Font()->Color(), 0x00123456);
}

TEST_F(ChildControlsTest, SkinItemEventVetoesOrGivesASection) {
  SetList(0, L"TEdit");
  form_.reset();
  // Veto the edit, give the button a section.
  auto decide = [this](TComponent* item, bool& canBeAdded, std::wstring& section) {
    if (item == edit_) canBeAdded = false;
    if (item == button_) section = L"Speedbutton";
  };
  form_.reset(New<TForm>(Application));
  button_ = New<TButton>(form_.get());
  button_->SetParent(form_.get());
  edit_ = New<TEdit>(form_.get());
  edit_->SetParent(form_.get());
  edit_->SetTop(40);
  provider_ = New<TsSkinProvider>(form_.get());
  provider_->OnSkinItem = decide;
  form_->HandleNeeded();
  form_->Show();
  Pump();
  provider_->AdaptControls(nullptr);
  EXPECT_EQ(ItemOf(edit_), nullptr);
  TacAdapterItem* item = ItemOf(button_);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->SkinData->SkinSection(), L"SPEEDBUTTON");
}

TEST_F(ChildControlsTest, RecreatedWindowGetsANewAdapter) {
  MakeForm();
  TacAdapterItem* item = ItemOf(button_);
  ASSERT_NE(item, nullptr);
  const TacAdaptedWindow* first = item->Wnd.get();
  button_->RecreateWnd();
  button_->HandleNeeded();
  Pump();
  provider_->Adapter()->AddNewItem(button_);
  item = ItemOf(button_);
  ASSERT_NE(item, nullptr);
  ASSERT_NE(item->Wnd, nullptr);
  EXPECT_FALSE(item->Wnd->Destroyed());
  EXPECT_EQ(item->Wnd->Window(), button_->Handle());
  EXPECT_EQ(provider_->Adapter()->Count(), 1);
  (void)first;
}

// The new item is removed by identity: a nested add that succeeded while
// the outer adapter was being made keeps its item.
TEST_F(ChildControlsTest, ReentrantAdapterCreationLeavesTheListConsistent) {
  SetList(0, L"TEdit");
  manager_->SetSkinningRules(TacSkinningRules{srStdForms, srStdDialogs});  // no walk at creation
  MakeForm();
  manager_->SetSkinningRules(TacSkinningRules{srStdForms, srStdDialogs, srThirdParty});
  provider_->AdaptControls(edit_);  // makes the adapter object, nothing under the edit
  TacCtrlAdapter* adapter = provider_->Adapter();
  ASSERT_NE(adapter, nullptr);
  bool nested = false;
  SetWindowAdapterMaker([&](int kind, HWND wnd, const std::wstring& section, TsSkinManager* manager,
                            TsCommonData* data) -> std::unique_ptr<TacAdaptedWindow> {
    if (wnd == button_->Handle()) {
      if (!nested) {
        nested = true;
        adapter->AddNewItem(edit_);
      }
      return nullptr;  // the button's adapter fails
    }
    InstallAdapterServices();
    auto made = MakeThirdPartyAdapter(kind, wnd, section, manager, data);
    struct Held final : TacAdaptedWindow {
      std::unique_ptr<TacMainWnd> a;
      bool Destroyed() const override { return a->Destroyed; }
      HWND Window() const override { return a->CtrlHandle; }
    };
    auto held = std::make_unique<Held>();
    held->a = std::move(made);
    return held;
  });
  adapter->AddNewItem(button_);
  ASSERT_EQ(adapter->Count(), 1);
  EXPECT_EQ(adapter->GetItem(0)->Ctrl, edit_);
  EXPECT_NE(adapter->GetItem(0)->Wnd, nullptr);
}

TEST_F(ChildControlsTest, SkinRemovalRestoresTheControlsAndFreesTheAdapter) {
  MakeForm();
  ASSERT_NE(ItemOf(button_), nullptr);
  manager_->SetActive(false);
  Pump();
  EXPECT_EQ(provider_->Adapter(), nullptr);
  EXPECT_EQ(GetAdapter(button_->Handle()), nullptr);
}

// Under Xvfb: the plain button drawn by its adapter and the label over the
// skinned form's background in the skin's font colour.
TEST_F(ChildControlsTest, PictureOfAPlainButtonAndLabel) {
  const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
  if (!dir) GTEST_SKIP() << "pictures only when TESSARILO_PICTURES_DIR is given";
  MakeForm();
  RECT area;
  GetWindowRect(form_->Handle(), &area);
  ShootShown(form_->Handle(), area, std::wstring(dir, dir + std::strlen(dir)) + L"\\plain-button-and-label.png");
}

}  // namespace skin_test
