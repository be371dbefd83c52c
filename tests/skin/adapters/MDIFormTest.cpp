// An MDI main form under its provider: the MDI client is wrapped in the
// client adapter only when the form is skinned, only once, and the
// children are the class library's forms; its window menu lists the
// children as the provider's own items.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "classlib/controls/Forms.h"
#include "classlib/menus/Menus.h"
#include "skin/adapters/AdapterServices.h"
#include "skin/adapters/MDIWnd.h"
#include "skin/forms/MDIForm.h"
#include "skin/forms/sSkinProvider.h"
#include "tests/skin/adapters/FormAdapterFixture.h"
#include "tests/skin/adapters/ScreenShot.h"

namespace skin_test {

using namespace classlib;
using namespace skin;
using namespace skin::adapters;

class MDIFormTest : public FormAdapterFixture {
 protected:
  void TearDown() override {
    children_.clear();
    main_.reset();
    FormAdapterFixture::TearDown();
  }
  // An MDI main form (the application's main form) with a provider.
  void MakeMain() {
    ASSERT_EQ(Application->MainForm(), nullptr);
    TForm* form = nullptr;
    Application->CreateForm(form);
    main_.reset(form);
    main_->SetFormStyle(fsMDIForm);
    main_->RecreateWnd();
    main_->HandleNeeded();
    main_->SetBounds(60, 60, 520, 400);
    main_->SetCaption(L"Kolekcja");
    provider_ = New<TsSkinProvider>(main_.get());
    main_->Show();
    Pump();
  }
  TForm* AddChild(const wchar_t* caption, int x, bool withProvider = false) {
    auto child = std::unique_ptr<TForm>(New<TForm>(Application));
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(x, x, 220, 160);
    child->SetCaption(caption);
    if (withProvider) New<TsSkinProvider>(child.get());
    child->Show();
    Pump();
    children_.push_back(std::move(child));
    return children_.back().get();
  }

  // The skin on with skinned pop-ups, the main form and its window menu.
  void MakeSkinnedMainWithWindowMenu() {
    manager_->SetActive(true);
    manager_->SetSkinnedPopups(true);
    MakeMain();
    AddWindowMenu();
  }

  // A menu bar "Okno" whose sub-menu (the window menu) holds "Kaskada".
  void AddWindowMenu() {
    auto* menu = New<TMainMenu>(main_.get());
    window_ = New<TMenuItem>(main_.get());
    window_->SetCaption(L"Okno");
    menu->Items()->Add(window_);
    auto* cascade = New<TMenuItem>(main_.get());
    cascade->SetCaption(L"Kaskada");
    window_->Add(cascade);
    main_->SetMenu(menu);
    main_->SetWindowMenu(window_);
  }
  // The window menu opens as the system tells it.
  void OpenMenu(TMenuItem* item) {
    SendMessageW(main_->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(item->Handle()), 0);
  }
  std::vector<std::wstring> Captions() const {
    std::vector<std::wstring> list;
    for (int i = 0; i < window_->Count(); ++i) list.push_back(window_->Items(i)->Caption());
    return list;
  }
  // The entry of the list standing for that child; null when none.
  TMenuItem* EntryOf(const TForm* child) const {
    for (int i = 0; i < window_->Count(); ++i)
      if (window_->Items(i)->Caption() == child->Caption()) return window_->Items(i);
    return nullptr;
  }
  // Menu-handle entries without one of the window menu's items as their data
  // (what the system appended).
  int ForeignEntries() const {
    int foreign = 0;
    HMENU handle = window_->Handle();
    for (int pos = 0; pos < GetMenuItemCount(handle); ++pos) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_DATA;
      GetMenuItemInfoW(handle, static_cast<UINT>(pos), TRUE, &info);
      const auto* item = reinterpret_cast<const TMenuItem*>(info.dwItemData);
      if (!IsLiveMenuItem(item) || item->Parent() != window_) ++foreign;
    }
    return foreign;
  }

  std::unique_ptr<TForm> main_;
  std::vector<std::unique_ptr<TForm>> children_;
  TsSkinProvider* provider_ = nullptr;
  TMenuItem* window_ = nullptr;
};

TEST_F(MDIFormTest, UnskinnedFormStaysUnwrapped) {
  manager_->SetActive(false);
  MakeMain();
  ASSERT_NE(main_->ClientHandle(), nullptr);
  TsMDIForm mdi(provider_);
  mdi.AttachClient();
  EXPECT_EQ(mdi.Wnd(), nullptr);
  EXPECT_EQ(GetAdapter(main_->ClientHandle()), nullptr);
}

TEST_F(MDIFormTest, SkinnedFormWrapsItsClientOnceAndKnowsItsChildren) {
  manager_->SetActive(true);
  MakeMain();
  ASSERT_NE(provider_->MDIForm(), nullptr);
  EXPECT_EQ(MainSkinProvider(), provider_);
  TacAdaptedWindow* wnd = provider_->MDIForm()->Wnd();
  ASSERT_NE(wnd, nullptr);
  EXPECT_EQ(wnd->Window(), main_->ClientHandle());
  auto* adapter = dynamic_cast<TacMDIWnd*>(GetAdapter(main_->ClientHandle()));
  ASSERT_NE(adapter, nullptr);
  EXPECT_EQ(adapter->MDIForm, main_.get());
  provider_->MDIForm()->ConnectToClient();  // connected already: nothing
  EXPECT_EQ(provider_->MDIForm()->Wnd(), wnd);

  TForm* first = AddChild(L"Karta 1", 10);
  TForm* second = AddChild(L"Karta 2", 60);
  EXPECT_EQ(GetParent(first->Handle()), main_->ClientHandle());
  EXPECT_EQ(main_->MDIChildCount(), 2);
  EXPECT_EQ(main_->ActiveMDIChild(), second);
  // Skin removal gives the client back.
  manager_->SetActive(false);
  Pump();
  EXPECT_EQ(provider_->MDIForm()->Wnd(), nullptr);
  EXPECT_EQ(GetAdapter(main_->ClientHandle()), nullptr);
}

// Under Xvfb: the skinned frame, the skinned area behind the children and
// two children with their own skinned frames, the second one active.
TEST_F(MDIFormTest, PictureOfTheFormWithTwoChildren) {
  const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
  if (!dir) GTEST_SKIP() << "pictures only when TESSARILO_PICTURES_DIR is given";
  manager_->SetActive(true);
  MakeMain();
  // The program's forms each have a provider: the children too.
  AddChild(L"Karta 1", 10, true);
  AddChild(L"Karta 2", 90, true);
  RECT area;
  GetWindowRect(main_->Handle(), &area);
  ShootShown(main_->Handle(), area, std::wstring(dir, dir + std::strlen(dir)) + L"\\mdi-form-two-children.png");
}

// Under Xvfb: the same with a menu bar of two items, then with the second
// child maximized (its icon and three buttons in the menu line).
TEST_F(MDIFormTest, PictureOfTheFormWithItsMenuLine) {
  const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
  if (!dir) GTEST_SKIP() << "pictures only when TESSARILO_PICTURES_DIR is given";
  MakeSkinnedMainWithWindowMenu();
  auto* file = New<TMenuItem>(main_.get());
  file->SetCaption(L"Plik");
  file->Add(New<TMenuItem>(main_.get()));
  main_->Menu()->Items()->Insert(0, file);
  AddChild(L"Karta 1", 10, true);
  TForm* second = AddChild(L"Karta 2", 90, true);
  const std::wstring folder(dir, dir + std::strlen(dir));
  RECT area;
  GetWindowRect(main_->Handle(), &area);
  ShootShown(main_->Handle(), area, folder + L"\\mdi-form-menu-line.png");
  SendMessageW(main_->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second->Handle()), 0);
  Pump();
  ASSERT_TRUE(provider_->MdiButtonsVisible());
  ShootShown(main_->Handle(), area, folder + L"\\mdi-form-maximized-child.png");
}

TEST_F(MDIFormTest, WindowMenuListsTheVisibleChildrenAndChecksTheActiveOne) {
  MakeSkinnedMainWithWindowMenu();
  TForm* first = AddChild(L"Karta 1", 10);
  TForm* hidden = AddChild(L"Karta ukryta", 30);
  TForm* third = AddChild(L"Karta 3", 60);
  hidden->Hide();
  SendMessageW(main_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(third->Handle()), 0);
  Pump();
  ASSERT_EQ(main_->ActiveMDIChild(), third);
  // The system keeps its own list of the children in the window menu.
  EXPECT_GT(ForeignEntries(), 0);

  OpenMenu(window_);
  auto captions = Captions();
  ASSERT_EQ(captions.size(), 4u);
  EXPECT_EQ(captions[0], L"Kaskada");
  EXPECT_EQ(captions[1], L"-");
  std::sort(captions.begin() + 2, captions.end());
  EXPECT_EQ(captions[2], L"Karta 1");
  EXPECT_EQ(captions[3], L"Karta 3");
  EXPECT_EQ(ForeignEntries(), 0);
  EXPECT_EQ(GetMenuItemCount(window_->Handle()), 4);
  for (TForm* child : {first, third}) {
    TMenuItem* entry = EntryOf(child);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Checked(), child == third) << entry->Caption();
    EXPECT_EQ(entry->Tag() & 0x200, 0x200);
    EXPECT_EQ(main_->MDIChildren(static_cast<int>(entry->Tag() & ~0x200)), child);
  }
  EXPECT_EQ(EntryOf(hidden), nullptr);

  // Opening it again lists the children once, not twice.
  OpenMenu(window_);
  EXPECT_EQ(window_->Count(), 4);
  // Another pop-up takes the list out; the form's own item stays.
  auto* other = New<TMenuItem>(main_.get());
  other->SetCaption(L"Plik");
  main_->Menu()->Items()->Insert(0, other);
  other->Add(New<TMenuItem>(main_.get()));
  OpenMenu(other);
  EXPECT_EQ(Captions(), std::vector<std::wstring>{L"Kaskada"});
}

TEST_F(MDIFormTest, OwnItemsOfTheWindowMenuStayWhateverTheirTag) {
  MakeSkinnedMainWithWindowMenu();
  // The form's own items, one with a Tag of -1 (every bit set), one ending in a line.
  window_->Items(0)->SetTag(-1);
  auto* line = New<TMenuItem>(main_.get());
  line->SetCaption(L"-");
  window_->Add(line);
  AddChild(L"Karta 1", 10);
  for (int open = 0; open < 3; ++open) OpenMenu(window_);
  // The form's own line serves as the separator.
  EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"Kaskada", L"-", L"Karta 1"}));
  EXPECT_EQ(GetMenuItemCount(window_->Handle()), 3);

  // Children all hidden: the own items remain, with no line added and none taken.
  window_->Delete(1);
  children_[0]->Hide();
  Pump();
  OpenMenu(window_);
  EXPECT_EQ(Captions(), std::vector<std::wstring>{L"Kaskada"});
  EXPECT_EQ(GetMenuItemCount(window_->Handle()), 1);
}

TEST_F(MDIFormTest, ClickingAnEntryActivatesItsChildAndRestoresAMinimizedOne) {
  MakeSkinnedMainWithWindowMenu();
  TForm* first = AddChild(L"Karta 1", 10);
  TForm* second = AddChild(L"Karta 2", 60);
  ShowWindow(first->Handle(), SW_MINIMIZE);
  Pump();
  SendMessageW(main_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(second->Handle()), 0);
  ASSERT_TRUE(IsIconic(first->Handle()));
  OpenMenu(window_);
  ASSERT_NE(EntryOf(first), nullptr);
  EntryOf(first)->Click();
  Pump();
  EXPECT_EQ(main_->ActiveMDIChild(), first);
  EXPECT_FALSE(IsIconic(first->Handle()));
  OpenMenu(window_);
  EXPECT_TRUE(EntryOf(first)->Checked());
  EXPECT_FALSE(EntryOf(second)->Checked());
  EntryOf(second)->Click();
  EXPECT_EQ(main_->ActiveMDIChild(), second);
}

TEST_F(MDIFormTest, AnEntryStandsForItsChildEvenWhenAnotherClosesMeanwhile) {
  MakeSkinnedMainWithWindowMenu();
  for (const wchar_t* caption : {L"Karta 1", L"Karta 2", L"Karta 3"}) AddChild(caption, 10 + 30 * (caption[6] - L'1'));
  OpenMenu(window_);
  std::vector<std::pair<TMenuItem*, TForm*>> entries;
  for (const auto& child : children_) entries.push_back({EntryOf(child.get()), child.get()});
  // The child listed first closes while the menu is open: the others' indexes move.
  const TCustomForm* closing = main_->MDIChildren(0);
  for (auto& child : children_)
    if (child.get() == closing) child.reset();
  Pump();
  for (const auto& [entry, child] : entries) {
    ASSERT_NE(entry, nullptr);
    const TCustomForm* before = main_->ActiveMDIChild();
    entry->Click();
    EXPECT_EQ(main_->ActiveMDIChild(), child == closing ? before : child) << entry->Caption();
  }
}

TEST_F(MDIFormTest, AForeignEntryActivatesByIndexOnlyWithinTheChildren) {
  manager_->SetActive(true);
  MakeMain();
  TForm* first = AddChild(L"Karta 1", 10);
  TForm* second = AddChild(L"Karta 2", 60);
  // The children's order follows activation: look the index up each time.
  auto indexOf = [&](const TForm* child) -> intptr_t {
    for (int i = 0; i < main_->MDIChildCount(); ++i)
      if (main_->MDIChildren(i) == child) return i;
    return -1;
  };
  TMenuItem item(nullptr);
  item.SetTag(0x200 | indexOf(first));
  provider_->MdiChildItemClick(&item);
  ASSERT_EQ(main_->ActiveMDIChild(), first);
  // Not below the count, or negative once the bit is off: nothing.
  for (intptr_t tag : {intptr_t{0x200 | 2}, intptr_t{0x200 | 0x7FFF}, intptr_t{-1}, intptr_t{0x200 - 1024}}) {
    item.SetTag(tag);
    provider_->MdiChildItemClick(&item);
    EXPECT_EQ(main_->ActiveMDIChild(), first) << tag;
  }
  item.SetTag(0x200 | indexOf(second));
  provider_->MdiChildItemClick(&item);
  EXPECT_EQ(main_->ActiveMDIChild(), second);
}

TEST_F(MDIFormTest, AProviderFreedTakesItsEntriesAlong) {
  MakeSkinnedMainWithWindowMenu();
  AddChild(L"Karta 1", 10);
  OpenMenu(window_);
  ASSERT_EQ(window_->Count(), 3);
  delete provider_;
  provider_ = nullptr;
  EXPECT_EQ(Captions(), std::vector<std::wstring>{L"Kaskada"});
}

TEST_F(MDIFormTest, ChildCommandsThroughTheClientRepaintTheFramesMenuLine) {
  manager_->SetActive(true);
  MakeMain();
  AddWindowMenu();
  TForm* first = AddChild(L"Karta 1", 10);
  TForm* second = AddChild(L"Karta 2", 60);
  ASSERT_EQ(main_->ActiveMDIChild(), second);
  // Even re-activating the active child: the system may have changed the bar.
  for (TForm* child : {second, first}) {
    const int builds = provider_->ImageBuildCount();
    SendMessageW(main_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->Handle()), 0);
    EXPECT_GT(provider_->ImageBuildCount(), builds) << child->Caption();
  }
  const int builds = provider_->ImageBuildCount();
  SendMessageW(main_->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(first->Handle()), 0);
  EXPECT_GT(provider_->ImageBuildCount(), builds);
  ASSERT_TRUE(IsZoomed(first->Handle()));
  EXPECT_TRUE(provider_->MdiButtonsVisible());
  SendMessageW(main_->ClientHandle(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(first->Handle()), 0);
  EXPECT_FALSE(provider_->MdiButtonsVisible());
}

TEST_F(MDIFormTest, AFreedWindowMenuLeavesTheForm) {
  MakeSkinnedMainWithWindowMenu();
  AddChild(L"Karta 1", 10);
  OpenMenu(window_);
  ASSERT_EQ(main_->WindowMenu(), window_);
  delete window_;
  window_ = nullptr;
  EXPECT_EQ(main_->WindowMenu(), nullptr);
  // The list's entries went with their menu; new children and pop-ups go on.
  AddChild(L"Karta 2", 60);
  TMenuItem* bar = main_->Menu()->Items();
  auto* other = New<TMenuItem>(main_.get());
  bar->Add(other);
  other->Add(New<TMenuItem>(main_.get()));
  SendMessageW(main_->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(other->Handle()), 0);
  EXPECT_EQ(main_->MDIChildCount(), 2);
}

TEST_F(MDIFormTest, ARecreatedFormWrapsItsNewClient) {
  manager_->SetActive(true);
  MakeMain();
  ASSERT_NE(GetAdapter(main_->ClientHandle()), nullptr);
  main_->RecreateWnd();
  Pump();
  ASSERT_NE(main_->ClientHandle(), nullptr);
  EXPECT_NE(dynamic_cast<TacMDIWnd*>(GetAdapter(main_->ClientHandle())), nullptr);
  ASSERT_NE(provider_->MDIForm()->Wnd(), nullptr);
  EXPECT_EQ(provider_->MDIForm()->Wnd()->Window(), main_->ClientHandle());
  EXPECT_EQ(MainSkinProvider(), provider_);
}

}  // namespace skin_test
