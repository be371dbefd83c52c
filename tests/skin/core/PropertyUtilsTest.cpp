#include "skin/core/PropertyUtils.h"

#include <gtest/gtest.h>

#include "classlib/core/ConvertErrors.h"
#include "classlib/core/PropertyRegistry.h"
#include "classlib/core/PublishedProps.h"

namespace {

using namespace classlib;

enum TSkinTestOption { soLeft, soLeftTop, soTop, soBottom };
using TSkinTestOptions = TSet<TSkinTestOption>;

class TSkinTestFont : public TPersistent {
 public:
  int Height() const { return height_; }
  void SetHeight(int value) { height_ = value; }

 private:
  int height_ = -11;
};

// A foreign control as the skin adapters see it: known only by its
// published properties.
class TSkinTestControl : public TComponent {
 public:
  using TComponent::TComponent;
  int Width() const { return width_; }
  void SetWidth(int value) { width_ = value; }
  TSkinTestOptions Options() const { return options_; }
  void SetOptions(TSkinTestOptions value) { options_ = value; }
  TSkinTestFont* Font() const { return font_.get(); }

 private:
  int width_ = 75;
  TSkinTestOptions options_;
  std::unique_ptr<TSkinTestFont> font_ = std::make_unique<TSkinTestFont>();
};

class PropertyUtilsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool registered = [] {
      RegisterEnum<TSkinTestOption>({L"soLeft", L"soLeftTop", L"soTop", L"soBottom"});
      Properties<TSkinTestFont, TPersistent>().Integer(L"Height", &TSkinTestFont::Height, &TSkinTestFont::SetHeight);
      Properties<TSkinTestControl, TComponent>()
          .Integer(L"Width", &TSkinTestControl::Width, &TSkinTestControl::SetWidth)
          .Set(L"Options", &TSkinTestControl::Options, &TSkinTestControl::SetOptions)
          .Object(L"Font", &TSkinTestControl::Font);
      return true;
    }();
    (void)registered;
  }

  std::wstring OptionsText() const { return GetSetProp(&control_, L"Options").value(); }

  TSkinTestControl control_{nullptr};
};

TEST_F(PropertyUtilsTest, MissingPropertiesGiveNoneValuesAndAreLeftAlone) {
  EXPECT_TRUE(skin::HasProperty(&control_, L"Width"));
  EXPECT_FALSE(skin::HasProperty(&control_, L"Caption"));
  EXPECT_FALSE(skin::HasProperty(nullptr, L"Width"));
  EXPECT_EQ(skin::GetIntProperty(&control_, L"Width"), 75);
  EXPECT_EQ(skin::GetIntProperty(&control_, L"Height"), -1);
  skin::SetIntProperty(&control_, L"Width", 120);
  skin::SetIntProperty(&control_, L"Height", 5);
  EXPECT_EQ(control_.Width(), 120);
  EXPECT_EQ(skin::GetObjProperty(&control_, L"Font"), control_.Font());
  EXPECT_EQ(skin::GetObjProperty(&control_, L"Brush"), nullptr);
  EXPECT_EQ(skin::GetIntProperty(&control_, L"Font.Height"), -11);
}

TEST_F(PropertyUtilsTest, SetElementsAreAddedFirstAndRemovedWhole) {
  EXPECT_FALSE(skin::SetPropHasElement(&control_, L"Options", L"soTop"));
  EXPECT_FALSE(skin::ChangeSetProperty(&control_, L"Options", L"soTop", true));
  EXPECT_EQ(OptionsText(), L"[soTop]");
  EXPECT_FALSE(skin::ChangeSetProperty(&control_, L"Options", L"soLeftTop", true));
  EXPECT_TRUE(skin::SetPropHasElement(&control_, L"Options", L"SOLEFTTOP"));
  // Removing "soLeft" must not cut it out of "soLeftTop".
  EXPECT_FALSE(skin::SetPropHasElement(&control_, L"Options", L"soLeft"));
  EXPECT_FALSE(skin::ChangeSetProperty(&control_, L"Options", L"soLeft", false));
  EXPECT_EQ(control_.Options(), (TSkinTestOptions{soTop, soLeftTop}));
  EXPECT_FALSE(skin::ChangeSetProperty(&control_, L"Options", L"soTop", false));
  EXPECT_EQ(control_.Options(), TSkinTestOptions{soLeftTop});
  EXPECT_FALSE(skin::ChangeSetProperty(&control_, L"Missing", L"soTop", true));
  EXPECT_FALSE(skin::SetPropHasElement(&control_, L"Missing", L"soTop"));
}

TEST_F(PropertyUtilsTest, AnUnknownElementNameRaises) {
  EXPECT_THROW(skin::ChangeSetProperty(&control_, L"Options", L"soRight", true), EConvertError);
}

}  // namespace
