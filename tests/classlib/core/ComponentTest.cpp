#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "FormTestClasses.h"
#include "classlib/core/Component.h"
#include "classlib/core/List.h"
#include "classlib/core/Strings.h"

using namespace classlib;
using formtest::TTestControl;

namespace {

// Records its own destruction.
class TTracked : public TComponent {
 public:
  TTracked(TComponent* owner, std::vector<std::wstring>& log) : TComponent(owner), log_(log) {}
  ~TTracked() override { log_.push_back(Name()); }

 private:
  std::vector<std::wstring>& log_;
};

TEST(Component, OwnerKeepsCreationOrderAndFreesItsComponents) {
  std::vector<std::wstring> log;
  {
    TComponent owner(nullptr);
    auto* a = new TTracked(&owner, log);
    auto* b = new TTracked(&owner, log);
    a->SetName(L"A");
    b->SetName(L"B");
    ASSERT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.Components(0), a);
    EXPECT_EQ(owner.Components(1), b);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(owner.FindComponent(L"b"), b);
    EXPECT_EQ(owner.FindComponent(L"C"), nullptr);
    try {
      owner.Components(2);
      ADD_FAILURE();
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), L"List index out of bounds (2)");
    }
  }
  EXPECT_EQ(log, (std::vector<std::wstring>{L"B", L"A"}));  // the last created first
}

TEST(Component, FreeingAComponentTakesItFromItsOwner) {
  std::vector<std::wstring> log;
  TComponent owner(nullptr);
  auto* a = new TTracked(&owner, log);
  delete a;
  EXPECT_EQ(owner.ComponentCount(), 0);
  EXPECT_EQ(log, std::vector<std::wstring>{L""});
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName(L"Button1");
  EXPECT_THROW(b->SetName(L"BUTTON1"), EComponentError);
  EXPECT_THROW(b->SetName(L"1Button"), EComponentError);
  EXPECT_THROW(b->SetName(L"Przycisk ł"), EComponentError);
  a->SetName(L"button1");  // the same component may change the case of its name
  EXPECT_EQ(a->Name(), L"button1");
  b->SetName(L"");
  // A named component moving to an owner with that name already is refused.
  TComponent other(nullptr);
  auto* c = new TComponent(&other);
  c->SetName(L"Button1");
  EXPECT_THROW(owner.InsertComponent(c), EComponentError);
  EXPECT_EQ(c->Owner(), &other);
}

TEST(Component, OwnerAndSiblingsHearOfInsertionAndRemoval) {
  TTestControl form(nullptr);
  auto* first = new TTestControl(&form);
  auto* second = new TTestControl(&form);
  first->SetBuddy(second);
  ASSERT_EQ(form.Notifications.size(), 2u);
  EXPECT_EQ(form.Notifications[1], std::make_pair(static_cast<TComponent*>(second), opInsert));
  EXPECT_EQ(first->Notifications.back(), std::make_pair(static_cast<TComponent*>(second), opInsert));

  delete second;
  EXPECT_EQ(form.Notifications.back(), std::make_pair(static_cast<TComponent*>(second), opRemove));
  EXPECT_EQ(first->Buddy(), nullptr);  // the sibling dropped its reference
}

TEST(Component, FreeNotificationLinksUnrelatedComponentsBothWays) {
  auto a = std::make_unique<TTestControl>(nullptr);
  auto b = std::make_unique<TTestControl>(nullptr);
  auto c = std::make_unique<TTestControl>(nullptr);
  b->SetBuddy(a.get());
  a->FreeNotification(b.get());
  c->SetBuddy(a.get());
  a->FreeNotification(c.get());
  a->RemoveFreeNotification(c.get());

  a.reset();
  ASSERT_FALSE(b->Notifications.empty());
  EXPECT_EQ(b->Notifications.back().second, opRemove);
  EXPECT_EQ(b->Buddy(), nullptr);
  EXPECT_TRUE(c->Notifications.empty());  // removed before, not told

  // The link is mutual: freeing b now must not reach the freed a, and b's
  // own peers hear of b.
  auto d = std::make_unique<TTestControl>(nullptr);
  d->SetBuddy(b.get());
  b->FreeNotification(d.get());
  b.reset();
  EXPECT_EQ(d->Buddy(), nullptr);
}

TEST(Component, ComponentsMadeWhileTheOwnerLoadsShareItsState) {
  TComponent owner(nullptr);
  owner.SetLoadingState(true, true);
  owner.SetDesigning(true);
  auto* child = new TComponent(&owner);
  EXPECT_TRUE(child->ComponentState().Contains(csLoading));
  EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
  EXPECT_FALSE(child->ComponentState().Contains(csReading));
  child->Loaded();
  EXPECT_FALSE(child->ComponentState().Contains(csLoading));
}

TEST(Component, ClassNameComesFromTheClass) {
  TStringList list;
  TComponent component(nullptr);
  EXPECT_EQ(list.ClassName(), L"TStringList");
  EXPECT_EQ(component.ClassName(), L"TComponent");
  EXPECT_EQ(static_cast<TObject&>(list).ClassName(), L"TStringList");
}

TEST(Persistent, AssignBetweenUnrelatedClassesRaisesConvertError) {
  formtest::TTestFont font, other;
  other.SetHeight(-20);
  font.Assign(&other);
  EXPECT_EQ(font.Height(), -20);

  TStringList list;
  try {
    font.Assign(&list);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"Cannot assign a TStringList to a TTestFont");
  }
  try {
    font.Assign(nullptr);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"Cannot assign a nil to a TTestFont");
  }
}

TEST(Collection, ItemsReportChangesToTheCollection) {
  formtest::TTestColumns columns(nullptr);
  auto* first = static_cast<formtest::TTestColumn*>(columns.Add());
  EXPECT_EQ(columns.Updates, std::vector<classlib::TCollectionItem*>{nullptr});  // the whole list changed
  columns.Updates.clear();

  first->SetWidth(5);
  EXPECT_EQ(columns.Updates, std::vector<classlib::TCollectionItem*>{first});
  columns.Updates.clear();

  columns.BeginUpdate();
  columns.Add();
  first->SetWidth(6);
  columns.Insert(0);
  EXPECT_TRUE(columns.Updates.empty());
  columns.EndUpdate();
  EXPECT_EQ(columns.Updates, std::vector<classlib::TCollectionItem*>{nullptr});  // once, at the end

  EXPECT_EQ(first->Index(), 1);
  EXPECT_EQ(first->GetOwner(), &columns);
  delete first;  // an item freed leaves its collection
  EXPECT_EQ(columns.Count(), 2);
  EXPECT_THROW(columns.Items(2), EListError);
}

TEST(Collection, AssignCopiesEveryItem) {
  formtest::TTestColumns source(nullptr), dest(nullptr);
  static_cast<formtest::TTestColumn*>(source.Add())->SetWidth(3);
  static_cast<formtest::TTestColumn*>(source.Add())->SetTitle(L"Żółw");
  dest.Add();
  dest.Add();
  dest.Add();
  dest.Assign(&source);
  ASSERT_EQ(dest.Count(), 2);
  EXPECT_EQ(dest.Items(0)->Width(), 3);
  EXPECT_EQ(dest.Items(1)->Title(), L"Żółw");
}

class TCounted : public TObject {
 public:
  explicit TCounted(int& alive) : alive_(alive) { ++alive_; }
  ~TCounted() override { --alive_; }

 private:
  int& alive_;
};

TEST(List, OwningObjectListFreesWhatItDeletes) {
  int alive = 0;
  {
    TObjectList list;
    auto* a = new TCounted(alive);
    list.Add(a);
    list.Add(new TCounted(alive));
    list.Add(new TCounted(alive));
    list.Delete(2);
    EXPECT_EQ(alive, 2);
    EXPECT_EQ(list.Extract(a), a);  // taken out, not freed
    EXPECT_EQ(alive, 2);
    delete a;
    EXPECT_THROW(list.Items(1), EListError);
  }
  EXPECT_EQ(alive, 0);

  TObjectList borrowed(false);
  TCounted kept(alive);
  borrowed.Add(&kept);
  borrowed.Clear();
  EXPECT_EQ(alive, 1);
}

TEST(List, PointerListOperations) {
  int x = 0, y = 0, z = 0;
  TList list;
  list.Add(&x);
  list.Add(&y);
  list.Insert(0, &z);
  list.Exchange(0, 2);
  list.Move(0, 1);
  EXPECT_EQ(list.Items(0), &x);
  EXPECT_EQ(list.Items(1), &y);
  EXPECT_EQ(list.Last(), &z);
  EXPECT_EQ(list.Remove(&x), 0);
  EXPECT_EQ(list.IndexOf(&x), -1);
  try {
    list.Insert(5, &x);
    ADD_FAILURE();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), L"List index out of bounds (5)");
  }
}

}  // namespace
