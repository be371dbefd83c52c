#ifdef _WIN32
// The skinned push button over the program's own skin: its states in the
// skin's colours (cache, window and off-screen printing), presses by mouse
// and keyboard with their clicks, and the system look it never draws.
#include <memory>

#include "SkinnedControlFixture.h"
#include "classlib/menus/Menus.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sButton.h"
#include "skin/core/SkinCommand.h"

namespace skin_test {
namespace {

using namespace classlib;
using skin::TsBitBtn;
using skin::TsButton;

class SkinButtonTest : public SkinnedControlFixture {
 protected:
  void SetUp() override {
    SkinnedControlFixture::SetUp();
    form_->SetColor(clWhite);
    tab_ = Add<TsButton>(nullptr, 20, 20, 150, 30);
    tab_->SetCaption(L"Główne");
    tab_->SkinData()->SetSkinSection(L"TABTOP");
    tab_->OnClick = [this](TObject*) { ++clicks_; };
    ShowForm();
    inner_ = InnerPoint(tab_, tab_->SkinData());
  }
  // The colour at the inner point in the cache and on the window; both must agree.
  TColor Shown() {
    const TColor window = WindowPixel(tab_, inner_);
    const TColor cache = CachePixel(tab_->SkinData(), inner_);
    EXPECT_EQ(window, cache) << ColourText(window) << " " << ColourText(cache);
    return window;
  }

  TsButton* tab_ = nullptr;
  TPoint inner_;
  int clicks_ = 0;
};

TEST(SkinButtonStates, TheDefaultStateLooksHotUnlessTheSectionHasFourStates) {
  struct Case {
    int state, sectionStates, expected;
  } cases[] = {{0, 3, 0}, {1, 3, 1}, {2, 3, 2}, {3, 3, 1}, {3, 4, 3}, {2, 2, 1}, {3, 2, 1}, {1, 1, 0}, {2, 0, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(skin::ButtonSectionState(c.state, c.sectionStates), c.expected) << c.state << " of " << c.sectionStates;
}

TEST_F(SkinButtonTest, TabStatesShowTheSkinColoursInTheCacheAndOnTheWindow) {
  EXPECT_EQ(Shown(), PaletteColour(palette::kPanelLow));
  tab_->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(tab_->CurrentState(), skin::kButtonHot);
  EXPECT_EQ(Shown(), PaletteColour(palette::kButtonBottom));
  tab_->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Shown(), PaletteColour(palette::kPanelLow));
  tab_->SetDown(true);
  EXPECT_EQ(Shown(), PaletteColour(palette::kPanel));
  tab_->SetDown(true);  // the same value changes nothing
  tab_->SetDown(false);
  EXPECT_EQ(Shown(), PaletteColour(palette::kPanelLow));

  // Disabled: between the face and the form behind it.
  tab_->SetEnabled(false);
  const TColor disabled = Shown();
  EXPECT_TRUE(StrictlyBetween(disabled, PaletteColour(palette::kPanelLow), ColorToRGB(form_->Color())))
      << ColourText(disabled);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(SkinButtonTest, PrintedOffScreenTheButtonShowsItsSkin) {
  // The card screenshot draws pages through PaintTo.
  tab_->SetDown(true);
  EXPECT_EQ(PaintedToPixel(tab_, inner_), PaletteColour(palette::kPanel));
  TBitmap page;
  page.SetPixelFormat(pf32bit);
  page.SetSize(form_->ClientWidth(), form_->ClientHeight());
  form_->PaintTo(page.Canvas()->Handle(), 0, 0);
  EXPECT_EQ(page.Canvas()->Pixels(tab_->Left() + inner_.X, tab_->Top() + inner_.Y), PaletteColour(palette::kPanel));
}

TEST_F(SkinButtonTest, APressShowsPressedDraggingOutLiftsItAndTheReleaseClicksOnce) {
  const TPoint outside{tab_->Width() + 20, inner_.Y};
  Mouse(tab_, WM_LBUTTONDOWN, inner_, MK_LBUTTON);
  EXPECT_EQ(tab_->CurrentState(), skin::kButtonPressed);
  EXPECT_EQ(Shown(), PaletteColour(palette::kPanel));
  Mouse(tab_, WM_MOUSEMOVE, outside, MK_LBUTTON);
  EXPECT_NE(tab_->CurrentState(), skin::kButtonPressed);
  EXPECT_NE(Shown(), PaletteColour(palette::kPanel));
  Mouse(tab_, WM_MOUSEMOVE, inner_, MK_LBUTTON);
  EXPECT_EQ(Shown(), PaletteColour(palette::kPanel));
  Mouse(tab_, WM_LBUTTONUP, inner_);
  EXPECT_EQ(clicks_, 1);
  EXPECT_NE(Shown(), PaletteColour(palette::kPanel));

  // Released outside: no click.
  Mouse(tab_, WM_LBUTTONDOWN, inner_, MK_LBUTTON);
  Mouse(tab_, WM_MOUSEMOVE, outside, MK_LBUTTON);
  Mouse(tab_, WM_LBUTTONUP, outside);
  EXPECT_EQ(clicks_, 1);
}

TEST_F(SkinButtonTest, SpaceShowsThePressBetweenDownAndUpAndClicksOnce) {
  tab_->SetFocus();
  SendMessageW(tab_->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
  EXPECT_EQ(Shown(), PaletteColour(palette::kPanel));
  EXPECT_EQ(clicks_, 0);
  SendMessageW(tab_->Handle(), WM_KEYUP, VK_SPACE, 0xC0390001);
  EXPECT_EQ(clicks_, 1);
  EXPECT_NE(Shown(), PaletteColour(palette::kPanel));
}

TEST_F(SkinButtonTest, ThePressOnTheSplitPartOpensTheMenuPressedAndIsNoClick) {
  auto* menu = New<TPopupMenu>(form_.get());
  auto* item = New<TMenuItem>(menu);
  item->SetCaption(L"Raport");
  menu->Items()->Add(item);
  tab_->SetStyle(skin::bsSplitButton);
  tab_->SetDropDownMenu(menu);
  int popups = 0;
  bool pressedWhileOpen = false;
  TPoint openedAt;
  menu->SetOnPopup([&](TObject*) {
    ++popups;
    pressedWhileOpen = tab_->DroppedDown() && tab_->CurrentState() == skin::kButtonPressed &&
                       CachePixel(tab_->SkinData(), inner_) == PaletteColour(palette::kPanel);
    openedAt = menu->PopupPoint();
    // The menu's loop ends at the first timer tick.
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      EndMenu();
    });
  });
  const TPoint split{tab_->Width() - 8, tab_->Height() / 2};
  Mouse(tab_, WM_LBUTTONDOWN, split, MK_LBUTTON);
  Mouse(tab_, WM_LBUTTONUP, split);
  EXPECT_EQ(popups, 1);
  EXPECT_TRUE(pressedWhileOpen);
  EXPECT_EQ(openedAt, tab_->ClientToScreen(TPoint{0, tab_->Height()}));
  EXPECT_EQ(clicks_, 0);
  EXPECT_FALSE(tab_->DroppedDown());
  EXPECT_EQ(Shown(), PaletteColour(palette::kPanelLow));
  // The rest of the button clicks as ever.
  Mouse(tab_, WM_LBUTTONDOWN, inner_, MK_LBUTTON);
  Mouse(tab_, WM_LBUTTONUP, inner_);
  EXPECT_EQ(clicks_, 1);
}

TEST_F(SkinButtonTest, AReleaseDuringThePressFadeShowsThePressAtOnceThenFadesOut) {
  auto* button = Add<TsButton>(nullptr, 20, 70, 150, 30);  // "BUTTON" fades
  button->SetCaption(L"Zapisz");
  button->SetAnimatEvents({skin::paint::aeMouseDown, skin::paint::aeMouseUp});
  UpdateWindow(button->Handle());
  const TPoint inner = InnerPoint(button, button->SkinData());
  const TColor normal = WindowPixel(button, inner);
  const auto pressedLook = [](TColor c) {
    return ChannelsBetween(c, PaletteColour(palette::kButtonDownTop), PaletteColour(palette::kButtonDownBottom));
  };
  Mouse(button, WM_LBUTTONDOWN, inner, MK_LBUTTON);
  ASSERT_NE(button->FadeTimer(), nullptr);
  EXPECT_TRUE(pressedLook(CachePixel(button->SkinData(), inner)));  // the picture faded to
  Mouse(button, WM_LBUTTONUP, inner);
  // The press was shown whole before the release's fade began from it.
  skin::TsFadeTimer* fade = button->FadeTimer();
  ASSERT_NE(fade, nullptr);
  EXPECT_EQ(fade->Direction, skin::paint::fdOut);
  const TColor from = PaletteColour(skin::paint::GetBmpPixel32(&fade->Bitmap, inner.X, inner.Y) & 0xFFFFFF);
  EXPECT_TRUE(pressedLook(from)) << ColourText(from);
  for (int frames = 0; button->FadeTimer() && frames < 100; ++frames) button->FadeTimer()->Timer();
  EXPECT_EQ(button->FadeTimer(), nullptr);
  // Released (focused now, so in the hot look), the window shows the cache.
  const TColor released = WindowPixel(button, inner);
  EXPECT_FALSE(pressedLook(released)) << ColourText(released);
  EXPECT_NE(released, normal);
  EXPECT_EQ(released, CachePixel(button->SkinData(), inner));
}

TEST_F(SkinButtonTest, WithTheSkinOffButtonsDrawTheSystemLookAndTakeTheSkinBack) {
  auto* command = Add<TsBitBtn>(nullptr, 20, 70, 120, 32);
  command->SetCaption(L"Raport");
  UpdateWindow(command->Handle());
  manager_->SetActive(false);
  EXPECT_FALSE(tab_->SkinData()->Skinned(false));
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(WindowPixel(tab_, inner_), face);
  EXPECT_EQ(WindowPixel(command, InnerPoint(command, nullptr)), face);
  manager_->SetActive(true);
  EXPECT_EQ(WindowPixel(tab_, inner_), PaletteColour(palette::kPanelLow));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(SkinButtonTest, TheOwnerDrawMessageNeverPaintsTheSystemLook) {
  auto* command = Add<TsBitBtn>(nullptr, 20, 70, 120, 32);
  command->SetCaption(L"Raport");
  // Wine sends the owner-draw message on press, release and focus: a skinned
  // button answers it without drawing into the DC it is given.
  for (auto* control : {static_cast<TWinControl*>(tab_), static_cast<TWinControl*>(command)}) {
    std::unique_ptr<TBitmap> probe(new TBitmap);
    probe->SetPixelFormat(pf32bit);
    probe->SetSize(control->Width(), control->Height());
    probe->Canvas()->Brush()->SetColor(RGB(1, 2, 3));
    probe->Canvas()->FillRect(TRect{0, 0, control->Width(), control->Height()});
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ODS_SELECTED | ODS_FOCUS;
    item.hwndItem = control->Handle();
    item.hDC = probe->Canvas()->Handle();
    item.rcItem = RECT{0, 0, control->Width(), control->Height()};
    SendMessageW(form_->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    for (const TPoint p : {TPoint{0, 0}, TPoint{2, 2}, inner_, TPoint{control->Width() / 2, control->Height() / 2}})
      EXPECT_EQ(probe->Canvas()->Pixels(p.X, p.Y), static_cast<TColor>(RGB(1, 2, 3)));
  }
}

TEST_F(SkinButtonTest, PointerCommandsFromAnotherThreadAreAnsweredWithNothing) {
  struct Job {
    HWND wnd;
    LRESULT application = -1, skinData = -1, skinned = -1;
  } job{tab_->Handle()};
  HANDLE thread = CreateThread(
      nullptr, 0,
      [](void* data) -> DWORD {
        auto* j = static_cast<Job*>(data);
        j->application = SendMessageW(j->wnd, skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scGetApplication), 0);
        j->skinData = SendMessageW(j->wnd, skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scGetSkinData), 0);
        j->skinned = SendMessageW(j->wnd, skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scIsSkinned), 0);
        return 0;
      },
      &job, 0, nullptr);
  while (MsgWaitForMultipleObjects(1, &thread, FALSE, 10000, QS_ALLINPUT | QS_SENDMESSAGE) != WAIT_OBJECT_0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  CloseHandle(thread);
  EXPECT_EQ(job.application, 0);
  EXPECT_EQ(job.skinData, 0);
  EXPECT_EQ(job.skinned, 1);
}

}  // namespace
}  // namespace skin_test
#endif
