// The caption's own icon, user buttons and added title: they repaint only
// on a real change of what shows, copy only what is published, and go
// through a form description unchanged.
#include "classlib/core/ComponentReader.h"
#include "classlib/core/ComponentWriter.h"
#include "classlib/core/Utf8.h"
#include "tests/skin/forms/SkinnedFormFixture.h"

namespace skin_test {

using namespace classlib;
using namespace skin;

class TitleObjectsTest : public SkinnedFormFixture {};

TEST_F(TitleObjectsTest, OnlyARealChangeRepaints) {
  TsSkinProvider* provider = MakeForm();
  provider->AddedTitle()->SetText(L"Tessarilo");
  Pump();
  const int builds = provider->ImageBuildCount();
  provider->AddedTitle()->SetText(L"Tessarilo");
  provider->AddedTitle()->SetShowMainCaption(true);
  provider->TitleIcon()->SetWidth(24);  // stored only
  provider->TitleIcon()->SetHeight(24);
  provider->TitleIcon()->SetVisible(true);
  Pump();
  EXPECT_EQ(provider->ImageBuildCount(), builds);
  provider->AddedTitle()->SetText(L"Tessarilo zegarków");
  Pump();
  EXPECT_GT(provider->ImageBuildCount(), builds);
}

TEST_F(TitleObjectsTest, AssignCopiesEventsAndGlyphButNoRunTimeState) {
  TsSkinProvider* provider = MakeForm(bsSizeable, false);
  auto* a = static_cast<TsTitleButton*>(provider->TitleButtons()->Add());
  auto* b = static_cast<TsTitleButton*>(provider->TitleButtons()->Add());
  EXPECT_EQ(a->Name(), L"TsTitleButton");  // the default name
  EXPECT_EQ(a->GetDisplayName(), L"TsTitleButton");
  int downs = 0;
  a->OnMouseDown = [&](TObject* sender, TMouseButton, TShiftState, int, int) { downs += sender == b ? 1 : 100; };
  a->SetName(L"Pomoc");
  a->SetHint(L"Podpowiedź");
  a->SetEnabled(false);
  a->SetUseSkinData(false);
  a->Glyph()->SetSize(5, 4);
  a->BtnData.State = 2;
  a->BtnData.Rect = RECT{1, 2, 3, 4};
  b->Assign(a);
  EXPECT_EQ(b->Name(), L"Pomoc");
  EXPECT_EQ(b->Hint(), L"Podpowiedź");
  EXPECT_FALSE(b->Enabled());
  EXPECT_FALSE(b->UseSkinData());
  EXPECT_EQ(b->Glyph()->Width(), 5);
  EXPECT_EQ(b->BtnData.State, 0);
  EXPECT_EQ(b->BtnData.Rect.right, 0);
  b->MouseDown(mbLeft, {}, 0, 0);
  EXPECT_EQ(downs, 1);
}

TEST_F(TitleObjectsTest, ANewGlyphEndsTheRunningGlow) {
  TsSkinProvider* provider = MakeForm(bsSizeable, false);
  auto* button = static_cast<TsTitleButton*>(provider->TitleButtons()->Add());
  button->BtnData.Animation = std::shared_ptr<TacSBAnimation>(reinterpret_cast<TacSBAnimation*>(8), [](auto*) {});
  button->Glyph()->SetSize(3, 3);
  EXPECT_EQ(button->BtnData.Animation, nullptr);
}

TEST_F(TitleObjectsTest, ProviderPropertiesRoundTripThroughTheDescription) {
  TsSkinProvider* provider = MakeForm(bsSizeable, false);
  provider->AddedTitle()->SetText(L"O programie...");
  provider->AddedTitle()->SetShowMainCaption(false);
  provider->AddedTitle()->Font()->SetName(L"Segoe UI Semibold");
  provider->AddedTitle()->Font()->SetHeight(-12);
  provider->TitleIcon()->SetWidth(20);
  provider->TitleIcon()->SetVisible(false);
  auto* button = static_cast<TsTitleButton*>(provider->TitleButtons()->Add());
  button->SetName(L"Pomoc");
  button->SetHint(L"Podpowiedź");
  button->SetEnabled(false);
  button->SetVisible(false);
  const std::wstring text = WriteComponentToText(provider);

  std::unique_ptr<TForm> other(New<TForm>(Application));
  auto* copy = New<TsSkinProvider>(other.get());
  ReadComponentFromText(copy, text);
  EXPECT_EQ(copy->AddedTitle()->Text(), L"O programie...") << WideToUtf8(text);
  EXPECT_FALSE(copy->AddedTitle()->ShowMainCaption());
  EXPECT_EQ(copy->AddedTitle()->Font()->Name(), L"Segoe UI Semibold");
  EXPECT_EQ(copy->AddedTitle()->Font()->Height(), -12);
  EXPECT_EQ(copy->TitleIcon()->Width(), 20);
  EXPECT_FALSE(copy->TitleIcon()->Visible());
  ASSERT_EQ(copy->TitleButtons()->Count(), 1);
  EXPECT_EQ(copy->TitleButtons()->Items(0)->Name(), L"Pomoc");
  EXPECT_EQ(copy->TitleButtons()->Items(0)->Hint(), L"Podpowiedź");
  EXPECT_FALSE(copy->TitleButtons()->Items(0)->Enabled());
  EXPECT_FALSE(copy->TitleButtons()->Items(0)->Visible());
  EXPECT_EQ(WriteComponentToText(copy), text);
}

}  // namespace skin_test
