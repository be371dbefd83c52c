// A windowless speed button of a foreign class skinned through its
// WindowProc: the pressed look with the caption one pixel right and down,
// nothing painted without a DC, and its own procedure given back.
#include "classlib/controls/Forms.h"
#include "classlib/controls/GraphicControl.h"
#include "classlib/core/PropertyRegistry.h"
#include "classlib/core/PublishedProps.h"
#include "skin/adapters/SpeedButtonHandler.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;
using namespace classlib;

namespace {

// A foreign speed button, known to the handler by its published "State"
// (0 up, 1 disabled, 2 down, 3 exclusive).
class TTestSpeedButton : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  int State() const { return state_; }
  void SetState(int value) { state_ = value; }

 private:
  int state_ = 0;
};

struct Ink {
  int count = 0;
  int left = 10000, top = 10000;
};

class SpeedButtonHandlerTest : public AdapterFixture {
 protected:
  void SetUp() override {
    AdapterFixture::SetUp();
    static const bool registered = [] {
      Properties<TTestSpeedButton, TGraphicControl>().Integer(L"State", &TTestSpeedButton::State,
                                                              &TTestSpeedButton::SetState);
      return true;
    }();
    (void)registered;
    form_.reset(New<TForm>(nullptr));
    form_->SetBounds(0, 0, 300, 200);
    button_ = new TTestSpeedButton(form_.get());
    button_->SetParent(form_.get());
    button_->SetBounds(10, 10, 100, 28);
    button_->SetCaption(L"Dalej");
    data_ = std::make_unique<skin::TsCommonData>(button_, true);
    handler_ = std::make_unique<TacSpeedButtonHandler>();
    handler_->Create(button_, false, L"BUTTON", manager_.get(), data_.get());
  }
  void TearDown() override {
    handler_.reset();
    data_.reset();
    form_.reset();
    AdapterFixture::TearDown();
  }
  Ink Printed(COLORREF* corner = nullptr) {
    MemoryDC dc(100, 28);
    button_->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.Handle()), 0);
    Ink ink;
    for (int y = 0; y < 28; ++y)
      for (int x = 0; x < 100; ++x)
        if (GetPixel(dc.Handle(), x, y) == RGB(0, 0, 0)) {
          ++ink.count;
          ink.left = std::min(ink.left, x);
          ink.top = std::min(ink.top, y);
        }
    if (corner) *corner = GetPixel(dc.Handle(), 1, 14);
    return ink;
  }

  std::unique_ptr<TForm> form_;
  TTestSpeedButton* button_ = nullptr;
  std::unique_ptr<skin::TsCommonData> data_;
  std::unique_ptr<TacSpeedButtonHandler> handler_;
};

TEST_F(SpeedButtonHandlerTest, ADownButtonShowsThePressedLookWithItsCaptionMoved) {
  EXPECT_TRUE(handler_->Installed());
  COLORREF edge = 0;
  const Ink up = Printed(&edge);
  ASSERT_GT(up.count, 5);
  EXPECT_EQ(edge, Marker(MarkerSection("BUTTON").border));
  button_->SetState(2);
  EXPECT_EQ(handler_->CtlState(), 2);
  const Ink down = Printed(&edge);
  EXPECT_EQ(edge, Marker(MarkerSection("BUTTON").border + 2));
  EXPECT_EQ(down.count, up.count);
  EXPECT_EQ(down.left, up.left + 1);
  EXPECT_EQ(down.top, up.top + 1);
}

TEST_F(SpeedButtonHandlerTest, APaintWithoutADeviceContextPaintsNothing) {
  data_->BGChanged = true;
  button_->Perform(WM_PAINT, 0, 0);
  EXPECT_TRUE(data_->BGChanged);
}

TEST_F(SpeedButtonHandlerTest, RemovingTheSkinGivesTheProcedureBackOnce) {
  TMessage remove{skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scRemoveSkin),
                  reinterpret_cast<LPARAM>(manager_.get()), 0};
  button_->WindowProc()(remove);
  EXPECT_TRUE(handler_->Detached);
  EXPECT_FALSE(handler_->Installed());
  EXPECT_EQ(button_->Perform(skin::SkinCommandMessage, skin::SkinCommandWParam(skin::scIsSkinned), 0), 0);
  // Another party's procedure put there afterwards survives the handler.
  int seen = 0;
  TWndMethod own = button_->WindowProc();
  button_->SetWindowProc([&seen, own](TMessage& m) {
    ++seen;
    own(m);
  });
  handler_.reset();
  button_->Perform(WM_NULL, 0, 0);
  EXPECT_EQ(seen, 1);
}

TEST_F(SpeedButtonHandlerTest, AControlFreedFirstLeavesTheHandlerHarmless) {
  delete button_;
  button_ = nullptr;
  EXPECT_EQ(handler_->Control, nullptr);
  handler_.reset();
}

}  // namespace
}  // namespace skin_test
