// The control under the mouse: the one left hears of it before the one
// entered, and a control that is freed leaves the tracking.
#include "skin/common/HotTracking.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/skin/common/SkinStateFixture.h"
#include "tests/skin/common/SkinnedFormFixture.h"

namespace skin_test {
namespace {

using namespace skin;

class HotTracking : public SkinStateFixture {
 protected:
  template <class T>
  T* Tracked(const std::string& name) {
    T* control = Add<T>(form_.get());
    control->onCommand = [this, name](int code) {
      if (code == scMouseEnter) log_.push_back("enter " + name);
      if (code == scMouseLeave) log_.push_back("leave " + name);
    };
    return control;
  }
  void TearDown() override {
    SetActiveGraphControl(nullptr);
    SetActiveControl(nullptr);
    SkinStateFixture::TearDown();
  }
  std::vector<std::string> log_;
};

TEST_F(HotTracking, TheControlLeftIsToldBeforeTheOneEntered) {
  auto* a = Tracked<CountingPanel>("a");
  auto* b = Tracked<CountingPanel>("b");
  auto* g = Tracked<CountingGraphic>("g");
  SetActiveControl(a->Handle());
  SetActiveControl(a->Handle());  // no change, nothing sent
  SetActiveControl(b->Handle());
  EXPECT_EQ(log_, (std::vector<std::string>{"enter a", "leave a", "enter b"}));
  // A graphic control taking over clears the window.
  SetActiveGraphControl(g);
  EXPECT_EQ(ActiveGraphControl(), g);
  EXPECT_EQ(ActiveControl(), nullptr);
  EXPECT_EQ(log_.back(), "leave b");
  SetActiveGraphControl(nullptr);
  EXPECT_EQ(log_.back(), "leave g");
}

TEST_F(HotTracking, AFreedControlIsNeverTouched) {
  auto* a = Tracked<CountingPanel>("a");
  auto* g = Tracked<CountingGraphic>("g");
  SetActiveControl(a->Handle());
  delete a;
  EXPECT_EQ(ActiveControl(), nullptr);
  SetActiveGraphControl(g);
  delete g;
  EXPECT_EQ(ActiveGraphControl(), nullptr);
  // Had either stayed, these would reach freed objects.
  auto* b = Tracked<CountingPanel>("b");
  SetActiveControl(b->Handle());
  SetActiveGraphControl(nullptr);
  EXPECT_EQ(log_, (std::vector<std::string>{"enter a", "enter b"}));
}

}  // namespace
}  // namespace skin_test
