#ifdef _WIN32
// The state-change fade on a live control: frames counted tick by tick, the
// end code, restarts, quick fades, sections that do not fade, a control
// disabled mid-fade and the session-end wait.
#include "skin/common/FadeTimer.h"

#include <vector>

#include "SkinStateFixture.h"
#include "classlib/controls/CustomControl.h"
#include "skin/core/MessageUtils.h"

namespace skin_test {

using namespace classlib;
using namespace skin;

// A control with a cache that records the frames it is given (code 24) and
// stops its fade at the end code, as the library's controls do.
class TFadingBox : public TCustomControl {
 public:
  explicit TFadingBox(TComponent* owner)
      : TCustomControl(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {}
  ~TFadingBox() override { StopFade(Fade); }

  TsCommonData* SkinData() const { return skinData_.get(); }
  // The cache as the control shows it now; code 23 paints it NewColour.
  void FillCache(std::uint8_t grey) {
    TBitmap* cache = skinData_->CacheBmp();
    cache->SetPixelFormat(pf32bit);
    cache->SetSize(Width(), Height());
    for (int y = 0; y < cache->Height(); ++y)
      for (int x = 0; x < cache->Width(); ++x) {
        std::uint8_t* p = cache->ScanLine(y) + x * 4;
        p[0] = p[1] = p[2] = grey;
        p[3] = 255;
      }
  }

  TsFadeTimer* Fade = nullptr;
  std::uint8_t NewGrey = 0;
  std::vector<int> Frames;  // red byte of a middle pixel of each frame
  int Ended = 0;
  bool TakesFrames = true;
  bool StopsOnFrame = false;  // false: the fade code puts frames on the window

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == SkinCommandMessage) {
      switch (SkinCommandCode(message.WParam)) {
        case scPrepareCache:
          FillCache(NewGrey);
          return;
        case scPaintFadeFrame: {
          auto* frame = reinterpret_cast<TBitmap*>(message.LParam);
          Frames.push_back(frame->ScanLine(frame->Height() / 2)[frame->Width() / 2 * 4 + 2]);
          message.Result = TakesFrames ? 1 : 0;
          if (StopsOnFrame) StopFade(Fade);
          return;
        }
        case scFadeStep:
          ++Ended;
          StopFade(Fade);
          return;
        default:
          break;
      }
    }
    if (CommonWndProc(message, skinData_.get())) return;
    TCustomControl::WndProc(message);
  }

 private:
  std::unique_ptr<TsCommonData> skinData_;
};

class FadeTimerTest : public SkinStateFixture {
 protected:
  void SetUp() override {
    SkinStateFixture::SetUp();
    MakeFolderSkin("Fading", SkinDescription(0x00808080,
                                             "[FADE]\r\nFADINGENABLED=1\r\nFADINGITERATIONS=5\r\nSTATES=2\r\n"
                                             "[STILL]\r\nFADINGITERATIONS=5\r\nSTATES=2\r\n"));
    manager_->SetSkinName(L"Fading");
    ASSERT_GE(manager_->GetSkinIndex(L"FADE"), 0);
    box_ = Add<TFadingBox>(nullptr, 10, 10, 40, 20);
    form_->Show();
    box_->HandleNeeded();
    box_->SkinData()->SetSkinSection(L"FADE");
    ASSERT_TRUE(box_->SkinData()->Skinned());
  }

  // The state changes from a picture of grey From to one of grey To.
  void Change(std::uint8_t from, std::uint8_t to, std::uint8_t direction, bool quick = false) {
    box_->FillCache(from);
    box_->NewGrey = to;
    box_->SkinData()->BGChanged = false;  // as the controls clear it before a state change
    FadeToState(box_->Fade, box_->SkinData(), quick, direction, true);
  }
  void Tick(int times) {
    for (int i = 0; i < times && box_->Fade; ++i) box_->Fade->Timer();
  }

  TFadingBox* box_ = nullptr;
};

TEST_F(FadeTimerTest, FramesMixTheOldPictureOutThenTheEndCodeStopsTheTimer) {
  struct Case {
    std::uint8_t from, to;
    bool quick;
    std::vector<int> frames;
  };
  const Case cases[] = {
      {255, 0, false, {203, 152, 101, 50, 0}},
      {0, 255, false, {51, 102, 153, 204, 255}},
      {255, 0, true, {127, 0}},  // quick: half the frames
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.quick ? "quick" : c.from == 255 ? "white to black" : "black to white");
    box_->Frames.clear();
    box_->Ended = 0;
    const int before = FadeTimerCount();
    Change(c.from, c.to, paint::fdIn, c.quick);
    ASSERT_NE(box_->Fade, nullptr);
    EXPECT_EQ(FadeTimerCount(), before + 1);
    EXPECT_EQ(RunningFadeCount(), 1);
    EXPECT_EQ(box_->Fade->Interval(), 10u);
    EXPECT_TRUE(box_->Fade->Enabled());
    Tick(static_cast<int>(c.frames.size()));
    EXPECT_EQ(box_->Frames, c.frames);
    EXPECT_EQ(box_->Ended, 0);
    Tick(1);  // the tick after the last frame ends the fade
    EXPECT_EQ(box_->Ended, 1);
    EXPECT_EQ(box_->Fade, nullptr);
    EXPECT_EQ(box_->Frames.size(), c.frames.size());
    EXPECT_EQ(FadeTimerCount(), before);
  }
}

TEST_F(FadeTimerTest, ARestartAfterAFadeInStartsOverAndAfterAFadeOutEndsAtTheNextTick) {
  Change(255, 0, paint::fdIn);
  Tick(2);
  Change(0, 255, paint::fdOut);
  ASSERT_NE(box_->Fade, nullptr);
  EXPECT_EQ(box_->Fade->Step, 1);
  EXPECT_EQ(box_->Fade->Iterations, 5);
  EXPECT_EQ(box_->Fade->Direction, paint::fdOut);
  box_->Frames.clear();
  Tick(2);
  EXPECT_EQ(box_->Frames, (std::vector<int>{51, 102}));

  Change(255, 0, paint::fdIn);  // after a fade out: nothing more to show
  EXPECT_EQ(box_->Fade->Iterations, 0);
  box_->Frames.clear();
  Tick(1);
  EXPECT_TRUE(box_->Frames.empty());
  EXPECT_EQ(box_->Ended, 1);
  EXPECT_EQ(box_->Fade, nullptr);
}

TEST_F(FadeTimerTest, NoTimerWithoutFadingOrWhileTheSessionEnds) {
  const int before = FadeTimerCount();
  box_->SkinData()->SetSkinSection(L"STILL");
  Change(255, 0, paint::fdIn);
  EXPECT_EQ(box_->Fade, nullptr);
  EXPECT_TRUE(box_->SkinData()->BGChanged);  // repainted at once

  box_->SkinData()->SetSkinSection(L"FADE");
  Change(255, 0, paint::fdIn, false);
  ASSERT_NE(box_->Fade, nullptr);
  // A state change that may not animate stops the running fade.
  box_->SkinData()->BGChanged = false;
  FadeToState(box_->Fade, box_->SkinData(), false, paint::fdOut, false);
  EXPECT_EQ(box_->Fade, nullptr);

  SetApplicationClosing(true);
  Change(255, 0, paint::fdIn);
  SetApplicationClosing(false);
  EXPECT_EQ(box_->Fade, nullptr);
  EXPECT_EQ(FadeTimerCount(), before);
}

TEST_F(FadeTimerTest, AControlDisabledMidFadeStopsAtTheNextTickRepaintsAndIsNotWaitedFor) {
  Change(255, 0, paint::fdIn);
  Tick(2);
  ASSERT_EQ(box_->Frames.size(), 2u);
  box_->SetEnabled(false);
  ValidateRect(box_->Handle(), nullptr);
  box_->SkinData()->BGChanged = false;
  Tick(1);
  EXPECT_EQ(box_->Frames.size(), 2u);
  ASSERT_NE(box_->Fade, nullptr);
  EXPECT_FALSE(box_->Fade->Enabled());
  EXPECT_EQ(box_->Fade->Iterations, 0);
  EXPECT_TRUE(box_->SkinData()->BGChanged);
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(box_->Handle(), &update, FALSE));
  // The timer still exists, but the session-end wait counts running fades.
  EXPECT_GE(FadeTimerCount(), 1);
  EXPECT_EQ(RunningFadeCount(), 0);
  WaitForRunningFades();  // returns at once
}

TEST_F(FadeTimerTest, RealTicksShowEveryFrameWhateverTheClockDoes) {
  Change(255, 0, paint::fdIn);
  // The session-end wait pumps the timer's messages until the control stops it.
  WaitForRunningFades();
  EXPECT_EQ(box_->Frames, (std::vector<int>{203, 152, 101, 50, 0}));
  EXPECT_EQ(box_->Ended, 1);
  EXPECT_EQ(box_->Fade, nullptr);
}

TEST_F(FadeTimerTest, AFrameTheControlDoesNotTakeGoesOntoItsWindow) {
  box_->TakesFrames = false;
  Change(255, 0, paint::fdIn);
  Tick(1);
  HDC dc = GetWindowDC(box_->Handle());
  const COLORREF shown = GetPixel(dc, 20, 10);
  ReleaseDC(box_->Handle(), dc);
  EXPECT_EQ(shown, RGB(203, 203, 203));
}

TEST_F(FadeTimerTest, AControlMayStopItsFadeWhileShowingAFrame) {
  Change(255, 0, paint::fdIn);
  box_->StopsOnFrame = true;
  TsFadeTimer* timer = box_->Fade;
  DoFadeStep(timer);  // the timer is gone when the frame has been shown
  EXPECT_EQ(box_->Fade, nullptr);
  EXPECT_EQ(box_->Frames, (std::vector<int>{203}));
}

TEST_F(FadeTimerTest, GlobalDefaultEventsDeferToTheManagersButtonEvents) {
  using paint::aeGlobalDef;
  using paint::aeMouseDown;
  using paint::aeMouseEnter;
  using paint::aeMouseUp;
  TacBtnEffects* buttons = manager_->AnimEffects()->Buttons();
  buttons->SetEvents({beMouseEnter});
  EXPECT_TRUE(IsEventAnimated(aeMouseEnter, {aeMouseEnter}, nullptr));
  EXPECT_FALSE(IsEventAnimated(aeMouseDown, {aeMouseEnter}, nullptr));
  EXPECT_FALSE(IsEventAnimated(aeMouseUp, {aeGlobalDef}, nullptr));
  EXPECT_TRUE(IsEventAnimated(aeMouseEnter, {aeGlobalDef}, nullptr));
  buttons->SetEvents({beMouseUp});
  EXPECT_TRUE(IsEventAnimated(aeMouseUp, {aeGlobalDef}, manager_.get()));
  EXPECT_TRUE(IsEventAnimated(aeGlobalDef, {aeGlobalDef}, manager_.get()));
  EXPECT_FALSE(IsEventAnimated(aeMouseEnter, {aeGlobalDef}, manager_.get()));
}

}  // namespace skin_test
#endif
