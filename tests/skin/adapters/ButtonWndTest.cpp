// Buttons under their adapters: the face from the skin section, the
// pressed caption moved by one pixel, the disabled face faded toward a flat
// parent colour, check box and radio masks by button type, and the group
// box's caption band.
#include <cmath>
#include <cstring>

#include "classlib/controls/Button.h"
#include "classlib/controls/Forms.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/ButtonWnd.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/controls/sButton.h"
#include "skin/core/SkinCommand.h"
#include "skin/core/SkinConst.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;
using namespace classlib;

namespace {

struct Ink {
  int count = 0;
  RECT box{10000, 10000, -1, -1};
};

class ButtonWndTest : public AdapterFixture {
 protected:
  void TearDown() override {
    delete adapter_;
    adapter_ = nullptr;
    AdapterFixture::TearDown();
  }
  // Black pixels of the window printed through its adapter.
  static Ink InkOf(HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    MemoryDC dc(w, h);
    SendMessageW(wnd, WM_PRINT, reinterpret_cast<WPARAM>(dc.Handle()), PRF_CLIENT);
    Ink ink;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (GetPixel(dc.Handle(), x, y) == RGB(0, 0, 0)) {
          ++ink.count;
          ink.box = RECT{std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y),
                         std::max<LONG>(ink.box.right, x), std::max<LONG>(ink.box.bottom, y)};
        }
    return ink;
  }
  static COLORREF PrintedPixel(HWND wnd, int x, int y) {
    MemoryDC dc(300, 100);
    SendMessageW(wnd, WM_PRINT, reinterpret_cast<WPARAM>(dc.Handle()), PRF_CLIENT);
    return GetPixel(dc.Handle(), x, y);
  }
  // The adapting rule of a skinned form's children, for buttons: a control
  // whose class the manager lists as a button and that is not skinned
  // already gets a push-button adapter.
  TacBtnWnd* AdaptListedButton(TWinControl* control, skin::TsCommonData* data) {
    const int buttons = 1;  // the "Button" kind of the class lists
    if (manager_->ThirdLists(buttons).IndexOf(control->ClassName()) < 0) return nullptr;
    if (skin::SendSkinCommandToWnd(control->Handle(), skin::scIsSkinned, 0) == 1) return nullptr;
    return MakeAdapter<TacBtnWnd>(control->Handle(), false, L"", manager_.get(), data);
  }

  TacMainWnd* adapter_ = nullptr;
};

TEST_F(ButtonWndTest, AClassLibraryButtonOnASkinnedFormIsAdaptedAndASkinnedButtonIsNot) {
  manager_->UpdateThirdPartyLists(true);
  std::unique_ptr<TForm> form(New<TForm>(nullptr));
  form->SetBounds(0, 0, 300, 200);
  TButton* plain = New<TButton>(form.get());
  plain->SetParent(form.get());
  plain->SetBounds(10, 10, 90, 30);
  plain->SetCaption(L"Zapisz");
  auto* skinned = New<skin::TsButton>(form.get());
  skinned->SetParent(form.get());
  skinned->SetBounds(10, 50, 90, 30);
  form->HandleNeeded();
  plain->HandleNeeded();
  skinned->HandleNeeded();

  skin::TsCommonData data(plain, true);
  TacBtnWnd* adapter = AdaptListedButton(plain, &data);
  adapter_ = adapter;
  ASSERT_NE(adapter, nullptr);
  EXPECT_EQ(GetAdapter(plain->Handle()), adapter);
  EXPECT_EQ(data.SkinSection(), L"BUTTON");
  EXPECT_EQ(adapter->Caption, L"Zapisz");
  EXPECT_EQ(PrintedPixel(plain->Handle(), 45, 3), Marker(MarkerSection("BUTTON").colour));
  skin::TsCommonData other(skinned, true);
  EXPECT_EQ(AdaptListedButton(skinned, &other), nullptr);
  EXPECT_EQ(GetAdapter(skinned->Handle()), nullptr);
  delete adapter_;
  adapter_ = nullptr;
}

TEST_F(ButtonWndTest, APressedCaptionMovesOnePixelRightAndDown) {
  HWND button = Child(L"BUTTON", BS_PUSHBUTTON, 10, 10, 120, 30);
  SetWindowTextW(button, L"Zapisz");
  adapter_ = MakeAdapter<TacBtnWnd>(button, false, L"", manager_.get(), nullptr);
  const Ink up = InkOf(button);
  ASSERT_GT(up.count, 10);
  SendMessageW(button, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(static_cast<TacBtnWnd*>(adapter_)->CtlState(), 2);
  const Ink down = InkOf(button);
  EXPECT_EQ(down.count, up.count);
  EXPECT_EQ(down.box.left, up.box.left + 1);
  EXPECT_EQ(down.box.top, up.box.top + 1);
  // The pressed face is the section's third state.
  EXPECT_EQ(PrintedPixel(button, 1, 15), Marker(MarkerSection("BUTTON").border + 2));
}

TEST_F(ButtonWndTest, TheDisabledFaceIsFadedTowardTheFlatParentColour) {
  HWND button = Child(L"BUTTON", BS_PUSHBUTTON, 10, 10, 120, 30);
  adapter_ = MakeAdapter<TacBtnWnd>(button, false, L"", manager_.get(), nullptr);
  const unsigned face = MarkerSection("BUTTON").colour, behind = skingen::marker::kGlobalColour;
  EXPECT_EQ(PrintedPixel(button, 60, 15), Marker(face));
  EnableWindow(button, FALSE);
  // Each byte keeps 0.4 of its distance from the parent's colour.
  auto fade = [](unsigned f, unsigned b, int shift) {
    const double v = ((static_cast<int>((f >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) * 0.4) +
                     static_cast<int>((b >> shift) & 0xFF);
    return static_cast<unsigned>(std::lround(v));
  };
  const unsigned expected = (fade(face, behind, 16) << 16) | (fade(face, behind, 8) << 8) | fade(face, behind, 0);
  EXPECT_EQ(PrintedPixel(button, 60, 15), Marker(expected));
}

TEST_F(ButtonWndTest, CheckBoxesAndRadiosTakeTheirMasksByType) {
  struct Row {
    DWORD type;
    const wchar_t* unchecked;
    const wchar_t* checked;
  };
  const Row rows[] = {
      {BS_CHECKBOX, L"BOXUNCHECKED", L"BOXCHECKED"},          {BS_AUTOCHECKBOX, L"BOXUNCHECKED", L"BOXCHECKED"},
      {BS_3STATE, L"BOXUNCHECKED", L"BOXCHECKED"},            {BS_AUTO3STATE, L"BOXUNCHECKED", L"BOXCHECKED"},
      {BS_RADIOBUTTON, L"RADIOUNCHECKED", L"RADIOCHECKED"},   {BS_AUTORADIOBUTTON, L"RADIOUNCHECKED", L"RADIOCHECKED"},
  };
  const int global = manager_->GetSkinIndex(L"GLOBALINFO");
  for (const Row& r : rows) {
    SCOPED_TRACE(r.type);
    HWND box = Child(L"BUTTON", r.type, 10, 10, 150, 20);
    SetWindowTextW(box, L"Serwis");
    auto* adapter = MakeAdapter<TacCheckBoxWnd>(box, false, L"", manager_.get(), nullptr);
    const LONG_PTR style = GetWindowLongPtrW(box, GWL_STYLE);
    EXPECT_EQ(adapter->CheckMaskIndex(style), manager_->GetMaskIndex(global, L"GLOBALINFO", r.unchecked));
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(adapter->CheckMaskIndex(style), manager_->GetMaskIndex(global, L"GLOBALINFO", r.checked));
    // The glyph is drawn at the left edge, centred vertically.
    const unsigned colour = [&] {
      for (const auto& g : skingen::marker::kGlobalGlyphs)
        if (std::wstring(r.checked) == std::wstring(g.name, g.name + std::strlen(g.name))) return g.colour;
      return 0u;
    }();
    EXPECT_EQ(PrintedPixel(box, 2, 10), Marker(colour));
    EXPECT_FALSE(adapter->OwnerDrawn);
    delete adapter;
    DestroyWindow(box);
  }
  // A three-state box shows the grey mask when indeterminate.
  HWND box = Child(L"BUTTON", BS_AUTO3STATE, 10, 10, 150, 20);
  auto* adapter = MakeAdapter<TacCheckBoxWnd>(box, false, L"", manager_.get(), nullptr);
  SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(adapter->CheckMaskIndex(GetWindowLongPtrW(box, GWL_STYLE)),
            manager_->GetMaskIndex(global, L"GLOBALINFO", L"BOXGRAYED"));
  delete adapter;
}

TEST_F(ButtonWndTest, AGroupBoxAnswersItsCaptionBandHeight) {
  HWND group = Child(L"BUTTON", BS_GROUPBOX, 10, 10, 200, 120);
  SetWindowTextW(group, L"Koperta");
  adapter_ = MakeAdapter<TacGroupBoxWnd>(group, false, L"", manager_.get(), nullptr);
  EXPECT_EQ(adapter_->SkinData->SkinSection(), L"GROUPBOX");
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = GetSystemFont(5);
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, L"Koperta", 7, &r, DT_CALCRECT | DT_CENTER);
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
  const int band = std::max<int>(4, r.bottom - r.top) + 2;
  EXPECT_EQ(skin::SendSkinCommandToWnd(group, skin::scGetCaptionHeight, 0), band);
  // The frame starts half-way down the band; the inside is the section's.
  EXPECT_EQ(PrintedPixel(group, 100, band / 2), Marker(MarkerSection("GROUPBOX").border));
  EXPECT_EQ(PrintedPixel(group, 100, 60), Marker(MarkerSection("GROUPBOX").colour));
  SetWindowTextW(group, L"");
  EXPECT_EQ(skin::SendSkinCommandToWnd(group, skin::scGetCaptionHeight, 0), 6);
}

}  // namespace
}  // namespace skin_test
