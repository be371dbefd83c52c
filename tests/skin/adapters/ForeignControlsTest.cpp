// Grids and virtual trees of other libraries, stood in for by test classes
// that publish the properties those libraries have: the adapters set the
// skin's colours by property name, put header handlers only on empty
// events, and give everything back when the skin is removed.
#include "classlib/controls/CustomControl.h"
#include "classlib/controls/Forms.h"
#include "classlib/core/PropertyRegistry.h"
#include "classlib/core/PublishedProps.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/GridWnd.h"
#include "skin/adapters/VirtualTreeWnd.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "tests/skin/adapters/ControlAdapterFixture.h"

namespace skin_test {

using namespace classlib;
using namespace skin::adapters;

// Named (not anonymous) so that their type information is one and the
// same wherever the class registry meets them.
namespace foreign {

constexpr TColor kClNone = 0x1FFFFFFF;

class TTestGridLook : public TPersistent {
 public:
  TColor From() const { return from_; }
  void SetFrom(TColor v) { from_ = v; }
  TColor To() const { return to_; }
  void SetTo(TColor v) { to_ = v; }

 private:
  TColor from_ = kClNone, to_ = 0x00C0C0C0;
};

class TTestGrid : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  TColor FixedColor() const { return fixed_; }
  void SetFixedColor(TColor v) { fixed_ = v; }
  TColor SelectionColor() const { return selection_; }
  void SetSelectionColor(TColor v) { selection_ = v; }
  TFont* TitleFont() const { return titleFont_.get(); }
  TTestGridLook* ControlLook() const { return look_.get(); }

 private:
  TColor fixed_ = 0x00102030, selection_ = 0x00405060;
  std::unique_ptr<TFont> titleFont_ = std::make_unique<TFont>();
  std::unique_ptr<TTestGridLook> look_ = std::make_unique<TTestGridLook>();
};

enum TTestHeaderOption { hoOwnerDraw, hoVisible };

class TTestHeader : public TPersistent {
 public:
  TSet<TTestHeaderOption> Options() const { return options_; }
  void SetOptions(TSet<TTestHeaderOption> v) { options_ = v; }
  TColor Color() const { return color_; }
  void SetColor(TColor v) { color_ = v; }
  TFont* Font() const { return font_.get(); }

 private:
  TSet<TTestHeaderOption> options_;
  TColor color_ = clBtnFace;
  std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
};

class TTestVetColors : public TPersistent {
 public:
  TColor File() const { return file_; }
  void SetFile(TColor v) { file_ = v; }

 private:
  TColor file_ = 0x00112233;
};

class TTestPaintInfoColumn : public TPersistent {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor v) { color_ = v; }

 private:
  TColor color_ = clBtnFace;
};

class TTestVirtualTree : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  TTestHeader* Header() const { return header_.get(); }
  TTestVetColors* VETColors() const { return vet_.get(); }
  TTestPaintInfoColumn* PaintInfoColumn() const { return paintInfo_.get(); }
  bool Themed() const { return themed_; }
  void SetThemed(bool v) { themed_ = v; }
  TVTAdvancedHeaderPaintEvent OnAdvancedHeaderDraw() const { return draw_; }
  void SetOnAdvancedHeaderDraw(TVTAdvancedHeaderPaintEvent v) { draw_ = std::move(v); }
  TVTHeaderPaintQueryElementsEvent OnHeaderDrawQueryElements() const { return query_; }
  void SetOnHeaderDrawQueryElements(TVTHeaderPaintQueryElementsEvent v) { query_ = std::move(v); }

 private:
  std::unique_ptr<TTestHeader> header_ = std::make_unique<TTestHeader>();
  std::unique_ptr<TTestVetColors> vet_ = std::make_unique<TTestVetColors>();
  std::unique_ptr<TTestPaintInfoColumn> paintInfo_ = std::make_unique<TTestPaintInfoColumn>();
  bool themed_ = true;
  TVTAdvancedHeaderPaintEvent draw_;
  TVTHeaderPaintQueryElementsEvent query_;
};

class TTestColumn : public TPersistent {
 public:
  std::wstring Text() const { return L"Kaliber"; }
  void SetText(const std::wstring&) {}
};

void RegisterTestClasses() {
  static const bool done = [] {
    Properties<TTestGridLook, TPersistent>()
        .Integer(L"FixedGradientFrom", &TTestGridLook::From, &TTestGridLook::SetFrom)
        .Integer(L"FixedGradientTo", &TTestGridLook::To, &TTestGridLook::SetTo);
    Properties<TTestGrid, TCustomControl>()
        .Integer(L"FixedColor", &TTestGrid::FixedColor, &TTestGrid::SetFixedColor)
        .Integer(L"SelectionColor", &TTestGrid::SelectionColor, &TTestGrid::SetSelectionColor)
        .Object(L"TitleFont", &TTestGrid::TitleFont)
        .Object(L"ControlLook", &TTestGrid::ControlLook);
    RegisterEnum<TTestHeaderOption>({L"hoOwnerDraw", L"hoVisible"});
    Properties<TTestHeader, TPersistent>()
        .Set(L"Options", &TTestHeader::Options, &TTestHeader::SetOptions)
        .Integer(L"Color", &TTestHeader::Color, &TTestHeader::SetColor)
        .Object(L"Font", &TTestHeader::Font);
    Properties<TTestVetColors, TPersistent>().Integer(L"FileTextColor", &TTestVetColors::File,
                                                      &TTestVetColors::SetFile);
    Properties<TTestPaintInfoColumn, TPersistent>().Integer(L"Color", &TTestPaintInfoColumn::Color,
                                                            &TTestPaintInfoColumn::SetColor);
    Properties<TTestColumn, TPersistent>().String(L"Text", &TTestColumn::Text, &TTestColumn::SetText);
    Properties<TTestVirtualTree, TCustomControl>()
        .Object(L"Header", &TTestVirtualTree::Header)
        .Object(L"VETColors", &TTestVirtualTree::VETColors)
        .Object(L"PaintInfoColumn", &TTestVirtualTree::PaintInfoColumn)
        .Boolean(L"Themed", &TTestVirtualTree::Themed, &TTestVirtualTree::SetThemed)
        .Event(L"OnAdvancedHeaderDraw", &TTestVirtualTree::OnAdvancedHeaderDraw,
               &TTestVirtualTree::SetOnAdvancedHeaderDraw)
        .Event(L"OnHeaderDrawQueryElements", &TTestVirtualTree::OnHeaderDrawQueryElements,
               &TTestVirtualTree::SetOnHeaderDrawQueryElements);
    return true;
  }();
  (void)done;
}

}  // namespace foreign

namespace {

using namespace foreign;

class ForeignControlsTest : public ControlAdapterFixture {
 protected:
  void SetUp() override {
    ControlAdapterFixture::SetUp();
    RegisterTestClasses();
    form_.reset(New<TForm>(nullptr));
    form_->SetBounds(0, 0, 400, 300);
    form_->HandleNeeded();
  }
  void TearDown() override {
    adapter_.reset();
    skinData_.reset();
    form_.reset();
    ControlAdapterFixture::TearDown();
  }
  template <class C>
  C* Place() {
    C* control = New<C>(form_.get());
    control->SetParent(form_.get());
    control->SetBounds(10, 10, 200, 150);
    control->HandleNeeded();
    skinData_ = std::make_unique<skin::TsCommonData>(control, true);
    return control;
  }
  template <class A>
  void Adapt(TWinControl* control) {
    adapter_.reset(MakeAdapter<A>(control->Handle(), true, L"", manager_.get(), skinData_.get()));
  }
  void RemoveSkin(TWinControl* control) {
    skin::SendSkinCommandToWnd(control->Handle(), skin::scRemoveSkin, reinterpret_cast<LPARAM>(manager_.get()));
  }

  std::unique_ptr<TForm> form_;
  std::unique_ptr<skin::TsCommonData> skinData_;
  std::unique_ptr<TacMainWnd> adapter_;
};

TEST_F(ForeignControlsTest, AGridTakesTheSkinColoursByNameAndGetsItsOwnBack) {
  TTestGrid* grid = Place<TTestGrid>();
  const TColor fixed = grid->FixedColor(), selection = grid->SelectionColor(), to = grid->ControlLook()->To();
  Adapt<TacGridWnd>(grid);
  adapter_->ApplySkinParams();
  EXPECT_EQ(grid->FixedColor(), static_cast<TColor>(skingen::marker::kGlobalColour));
  EXPECT_EQ(grid->ControlLook()->To(), static_cast<TColor>(skingen::marker::kGlobalColour));
  EXPECT_NE(grid->ControlLook()->From(), kClNone);
  EXPECT_EQ(grid->SelectionColor(), manager_->GetHighlightColor(true));
  EXPECT_EQ(static_cast<COLORREF>(ColorToRGB(grid->Color())), Marker(MarkerSection("EDIT").colour));
  RemoveSkin(grid);
  EXPECT_EQ(grid->FixedColor(), fixed);
  EXPECT_EQ(grid->SelectionColor(), selection);
  EXPECT_EQ(grid->ControlLook()->To(), to);
  // A gradient colour that was none comes back as the button face.
  EXPECT_EQ(grid->ControlLook()->From(), ColorToRGB(clBtnFace));
}

TEST_F(ForeignControlsTest, AGridWithoutThosePropertiesGetsOnlyTheEditColours) {
  TCustomControl* plain = Place<TCustomControl>();
  Adapt<TacGridWnd>(plain);
  adapter_->ApplySkinParams();
  EXPECT_EQ(static_cast<COLORREF>(ColorToRGB(plain->Color())), Marker(MarkerSection("EDIT").colour));
  EXPECT_TRUE(raised_.empty());
}

TEST_F(ForeignControlsTest, AVirtualTreeGetsHeaderHandlersOnlyWhereItHasNone) {
  TTestVirtualTree* tree = Place<TTestVirtualTree>();
  const TColor file = tree->VETColors()->File();
  Adapt<TacVirtualTreeViewWnd>(tree);
  adapter_->ApplySkinParams();
  ASSERT_TRUE(tree->OnAdvancedHeaderDraw());
  ASSERT_TRUE(tree->OnHeaderDrawQueryElements());
  EXPECT_TRUE(tree->Header()->Options().Contains(hoOwnerDraw));
  EXPECT_FALSE(tree->Themed());
  EXPECT_EQ(tree->PaintInfoColumn()->Color(), static_cast<TColor>(skingen::marker::kGlobalColour));
  EXPECT_EQ(tree->VETColors()->File(), 0);  // the section's font colour: black in the marker skin
  std::uint32_t elements = 0;
  TVTHeaderPaintInfo info;
  tree->OnHeaderDrawQueryElements()(tree->Header(), info, elements);
  EXPECT_EQ(elements, kHeaderElements);
  // The installed painter draws the column from "COLHEADER".
  std::unique_ptr<TBitmap> bmp(New<TBitmap>());
  bmp->SetPixelFormat(pf32bit);
  bmp->SetSize(80, 20);
  TTestColumn column;
  info.TargetCanvas = bmp->Canvas();
  info.Column = &column;
  info.PaintRectangle = TRect{0, 0, 80, 20};
  tree->OnAdvancedHeaderDraw()(tree->Header(), info, elements);
  EXPECT_EQ(GetPixel(bmp->Canvas()->Handle(), 70, 10), Marker(MarkerSection("COLHEADER").colour));

  RemoveSkin(tree);
  EXPECT_FALSE(tree->OnAdvancedHeaderDraw());
  EXPECT_FALSE(tree->OnHeaderDrawQueryElements());
  EXPECT_FALSE(tree->Header()->Options().Contains(hoOwnerDraw));
  EXPECT_TRUE(tree->Themed());
  EXPECT_EQ(tree->VETColors()->File(), file);
}

TEST_F(ForeignControlsTest, AVirtualTreeKeepsTheApplicationsOwnHeaderDrawing) {
  TTestVirtualTree* tree = Place<TTestVirtualTree>();
  int drawn = 0;
  tree->SetOnAdvancedHeaderDraw([&](TObject*, TVTHeaderPaintInfo&, std::uint32_t) { ++drawn; });
  tree->Header()->SetOptions(TSet<TTestHeaderOption>{hoOwnerDraw});
  Adapt<TacVirtualTreeViewWnd>(tree);
  adapter_->ApplySkinParams();
  TVTHeaderPaintInfo info;
  tree->OnAdvancedHeaderDraw()(tree->Header(), info, 0);
  EXPECT_EQ(drawn, 1);
  RemoveSkin(tree);
  ASSERT_TRUE(tree->OnAdvancedHeaderDraw());
  tree->OnAdvancedHeaderDraw()(tree->Header(), info, 0);
  EXPECT_EQ(drawn, 2);
  EXPECT_TRUE(tree->Header()->Options().Contains(hoOwnerDraw));
}

}  // namespace
}  // namespace skin_test
