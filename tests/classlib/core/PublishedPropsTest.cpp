#include <gtest/gtest.h>

#include <any>

#include "FormTestClasses.h"
#include "classlib/core/PublishedProps.h"

using namespace formtest;

namespace {

// Registered nowhere: it has the properties of its nearest registered base.
class TUnregisteredControl : public TTestControl {
 public:
  using TTestControl::TTestControl;
};

class PublishedProps : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }
  TTestControl control{nullptr};
};

TEST_F(PublishedProps, OrdinalEnumerationAndSetPropertiesByName) {
  EXPECT_TRUE(SetOrdProp(&control, L"left", 42));
  EXPECT_EQ(control.Left(), 42);
  EXPECT_EQ(GetOrdProp(&control, L"Left"), 42);
  EXPECT_EQ(GetOrdProp(&control, L"Visible"), 1);

  EXPECT_TRUE(SetEnumProp(&control, L"Align", L"alclient"));
  EXPECT_EQ(control.Align(), alClient);
  EXPECT_EQ(GetEnumProp(&control, L"Align"), L"alClient");
  EXPECT_TRUE(SetEnumProp(&control, L"Visible", L"False"));
  EXPECT_FALSE(control.Visible());
  EXPECT_THROW(SetEnumProp(&control, L"Align", L"alNowhere"), EConvertError);

  EXPECT_EQ(GetSetProp(&control, L"Anchors"), L"[akLeft,akTop]");
  EXPECT_TRUE(SetSetProp(&control, L"Anchors", L"[akRight, akBottom]"));
  EXPECT_EQ(control.Anchors(), (TTestAnchors{akRight, akBottom}));
  EXPECT_TRUE(SetSetProp(&control, L"Anchors", L"[]"));
  EXPECT_TRUE(control.Anchors().Empty());
  EXPECT_THROW(SetSetProp(&control, L"Anchors", L"[akLeft,akUp]"), EConvertError);

  EXPECT_THROW(SetOrdProp(&control, L"Left", int64_t{1} << 40), EConvertError);
}

TEST_F(PublishedProps, AbsentPropertiesAreReportedNotRaised) {
  EXPECT_FALSE(HasProperty(&control, L"FocusColor"));
  EXPECT_FALSE(GetOrdProp(&control, L"FocusColor").has_value());
  EXPECT_FALSE(SetOrdProp(&control, L"FocusColor", 1));
  EXPECT_FALSE(SetStrProp(&control, L"Font.Nothing", L"x"));
  EXPECT_FALSE(GetOrdProp(&control, L"Caption").has_value());  // another kind
  EXPECT_FALSE(SetMethodProp(&control, L"Left", std::any()));
}

TEST_F(PublishedProps, StringFloatObjectAndDottedPaths) {
  EXPECT_TRUE(SetStrProp(&control, L"Caption", L"Zapisz"));
  EXPECT_EQ(GetStrProp(&control, L"Caption"), L"Zapisz");
  EXPECT_TRUE(SetStrProp(&control, L"Font.Name", L"Courier New"));
  EXPECT_EQ(control.Font()->Name(), L"Courier New");
  EXPECT_EQ(GetOrdProp(&control, L"Font.Height"), -12);
  EXPECT_TRUE(SetFloatProp(&control, L"Ratio", 0.25));
  EXPECT_EQ(GetFloatProp(&control, L"Ratio"), 0.25);

  EXPECT_EQ(GetObjectProp(&control, L"Font"), control.Font());
  EXPECT_FALSE(SetObjectProp(&control, L"Font", nullptr));  // no setter

  TTestControl other(nullptr);
  EXPECT_TRUE(SetObjectProp(&control, L"Buddy", &other));
  EXPECT_EQ(control.Buddy(), &other);
  TStringList notAControl;
  EXPECT_FALSE(SetObjectProp(&control, L"Buddy", &notAControl));
  EXPECT_EQ(control.Buddy(), &other);
}

TEST_F(PublishedProps, EventsTakeFunctionsOfTheirExactType) {
  int calls = 0;
  EXPECT_TRUE(SetMethodProp(&control, L"OnClick", std::any(TNotifyEvent([&](TObject*) { ++calls; }))));
  control.OnClick()(&control);
  EXPECT_EQ(calls, 1);
  const auto bound = GetMethodProp(&control, L"OnClick");
  ASSERT_TRUE(bound.has_value());
  std::any_cast<TNotifyEvent>(*bound)(nullptr);
  EXPECT_EQ(calls, 2);
  EXPECT_FALSE(SetMethodProp(&control, L"OnClick", std::any(42)));
  EXPECT_TRUE(SetMethodProp(&control, L"OnClick", std::any()));
  EXPECT_FALSE(control.OnClick());
}

TEST_F(PublishedProps, UnregisteredClassesUseTheirNearestRegisteredBase) {
  TUnregisteredControl derived(nullptr);
  EXPECT_EQ(ClassInfoOf(&derived)->Name, L"TTestControl");
  EXPECT_TRUE(SetOrdProp(&derived, L"Left", 3));
  EXPECT_EQ(derived.Left(), 3);
  EXPECT_EQ(derived.ClassName(), L"TUnregisteredControl");
  EXPECT_EQ(GetOrdProp(&derived, L"Tag"), 0);  // TComponent's own
  EXPECT_TRUE(SetStrProp(&derived, L"Name", L"Button2"));
  EXPECT_EQ(GetStrProp(&derived, L"Name"), L"Button2");
  EXPECT_EQ(FindClass(L"ttestcontrol").Name, L"TTestControl");
  EXPECT_THROW(FindClass(L"TNope"), EClassNotFound);
}

}  // namespace
