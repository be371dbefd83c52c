// The adapters' shared routines and the edit adapter's painting: the cache
// over the parent's background with its transparent corners, a parent that
// is updating, system fonts, the edit adapter kept in step with a control,
// and the frame band that leaves the scroll bars alone.
#include "classlib/controls/Edit.h"
#include "classlib/controls/Forms.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/EditWnd.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace classlib;
using namespace skin::adapters;

namespace {

class AdapterSupportTest : public AdapterFixture {
 protected:
  void TearDown() override {
    delete adapter_;
    AdapterDialogChildren() = false;
    AdapterFixture::TearDown();
  }
  TacEditWnd* Adapt(HWND wnd, const std::wstring& section = L"") {
    adapter_ = MakeAdapter<TacEditWnd>(wnd, true, section, manager_.get(), nullptr);
    return adapter_;
  }
  TacEditWnd* adapter_ = nullptr;
};

TEST_F(AdapterSupportTest, CornersUnderTheMasksKeyColourShowTheParent) {
  HWND edit = Child(L"EDIT", 0, 10, 10, 120, 30, WS_EX_CLIENTEDGE);
  Adapt(edit);
  ASSERT_EQ(adapter_->MarginLeft, 2);
  SendMessageW(edit, WM_NCPAINT, 1, 0);
  // The host does not answer: its background is the skin's global colour.
  EXPECT_EQ(WindowPixel(edit, 0, 0), Marker(skingen::marker::kGlobalColour));
  EXPECT_EQ(WindowPixel(edit, 1, 0), Marker(MarkerSection("EDIT").border));
  EXPECT_EQ(WindowPixel(edit, 119, 29), Marker(MarkerSection("EDIT").border));

  // Windows smaller than the mask's corners paint without reaching outside
  // their cache.
  for (int size : {1, 2, 3}) {
    HWND tiny = Child(L"EDIT", WS_BORDER, 200, 10, size, size);
    auto* small = MakeAdapter<TacEditWnd>(tiny, true, L"", manager_.get(), nullptr);
    SendMessageW(tiny, WM_NCPAINT, 1, 0);
    EXPECT_EQ(small->SkinData->CacheBmp()->Width(), size);
    delete small;
    DestroyWindow(tiny);
  }
}

TEST_F(AdapterSupportTest, PrepareCacheWaitsForAnUpdatingParentAndSkipsAFreshCache) {
  RegisterTestClass(L"AdapterUpdatingParent", [](HWND w, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
    if (msg == skin::SkinCommandMessage && skin::SkinCommandCode(wp) == skin::scGetBGInfo) {
      reinterpret_cast<skin::TacBGInfo*>(lp)->Kind = skin::bgUpdating;
      return 0;
    }
    if (msg == skin::SkinCommandMessage && skin::SkinCommandCode(wp) == skin::scIsSkinned) return 1;
    return DefWindowProcW(w, msg, wp, lp);
  });
  HWND parent = Child(L"AdapterUpdatingParent", 0, 0, 0, 300, 200);
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 5, 5, 80, 20, parent, nullptr,
                              nullptr, nullptr);
  Adapt(edit);
  skin::TsCommonData* data = adapter_->SkinData;
  data->CacheBmp()->SetSize(7, 7);
  data->SetUpdating(false);
  data->BGChanged = true;
  PrepareAdapterCache(data, edit, false);
  EXPECT_TRUE(data->OwnUpdating());
  EXPECT_EQ(data->CacheBmp()->Width(), 7);

  data->SetUpdating(false);
  data->BGChanged = false;
  PrepareAdapterCache(data, edit, false);
  EXPECT_EQ(data->CacheBmp()->Width(), 7);
  DestroyWindow(parent);
}

TEST_F(AdapterSupportTest, SkinParamsNeverLeaveTheSkinDataUpdating) {
  HWND edit = Child(L"EDIT", WS_BORDER, 10, 10, 120, 30);
  Adapt(edit, L"NOSUCHSECTION");
  adapter_->ApplySkinParams();
  EXPECT_FALSE(adapter_->SkinData->OwnUpdating());
  EXPECT_EQ(adapter_->BorderColor, 0);
}

TEST_F(AdapterSupportTest, ADialogsRawEditPaintsWindowColourAndAnswersItOnlyWithCustomColour) {
  AdapterDialogChildren() = true;
  HWND edit = Child(L"EDIT", WS_BORDER, 10, 10, 120, 30);
  Adapt(edit);
  AdapterDialogChildren() = false;
  ASSERT_TRUE(adapter_->DlgMode);
  adapter_->ApplySkinParams();
  EXPECT_EQ(adapter_->SkinColor, clWindow);
  skin::TacBGInfo skinAnswer;
  skin::SendSkinCommandToWnd(edit, skin::scGetBGInfo, reinterpret_cast<LPARAM>(&skinAnswer));
  EXPECT_EQ(skinAnswer.Color, static_cast<TColor>(MarkerSection("EDIT").colour >> 16 |
                                                  (MarkerSection("EDIT").colour & 0xFF00) |
                                                  (MarkerSection("EDIT").colour & 0xFF) << 16));
  adapter_->SkinData->SetCustomColor(true);
  skin::TacBGInfo custom;
  skin::SendSkinCommandToWnd(edit, skin::scGetBGInfo, reinterpret_cast<LPARAM>(&custom));
  EXPECT_EQ(custom.Kind, skin::bgColor);
  EXPECT_EQ(custom.Color, ColorToRGB(clWindow));
}

TEST_F(AdapterSupportTest, TheFrameBandLeavesALeftScrollBarAlone) {
  HWND edit = Child(L"EDIT", WS_VSCROLL | WS_BORDER | ES_MULTILINE, 10, 10, 150, 100, WS_EX_LEFTSCROLLBAR);
  SetWindowTextW(edit, L"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12");
  Adapt(edit);
  SendMessageW(edit, WM_NCPAINT, 1, 0);
  const POINT arrow = TopArrowInWindow(adapter_, edit);
  EXPECT_EQ(WindowPixel(edit, arrow.x, arrow.y), Marker(MarkerSection("SCROLLBTNTOP").glyph));
}

TEST_F(AdapterSupportTest, PrintingAnAdaptedEditGivesItsSkinnedFrameAndBars) {
  HWND edit = Child(L"EDIT", WS_VSCROLL | ES_MULTILINE, 10, 10, 150, 100, WS_EX_CLIENTEDGE);
  SetWindowTextW(edit, L"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12");
  Adapt(edit);
  MemoryDC print(150, 100);
  ASSERT_TRUE(PrintWindow(edit, print.Handle(), 0));
  EXPECT_EQ(GetPixel(print.Handle(), 1, 50), Marker(MarkerSection("EDIT").border));
  const POINT arrow = TopArrowInWindow(adapter_, edit);
  EXPECT_EQ(GetPixel(print.Handle(), arrow.x, arrow.y), Marker(MarkerSection("SCROLLBTNTOP").glyph));
}

TEST_F(AdapterSupportTest, TheTopLevelWindowHearsOfChildren) {
  static int heard = 0;
  RegisterTestClass(L"AdapterTopListener", [](HWND w, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
    if (msg == skin::SkinCommandMessage && skin::SkinCommandCode(wp) == skin::scChildChanged) ++heard;
    return DefWindowProcW(w, msg, wp, lp);
  });
  HWND top = CreateWindowExW(0, L"AdapterTopListener", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  HWND middle = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 50, 50, top, nullptr, nullptr, nullptr);
  HWND inner = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 20, 20, middle, nullptr, nullptr, nullptr);
  heard = 0;
  NotifyTopWindow(inner);
  EXPECT_EQ(heard, 1);
  DestroyWindow(top);
}

TEST_F(AdapterSupportTest, ADisabledControlsFrameLooksDisabled) {
  std::unique_ptr<TForm> form(New<TForm>(nullptr));
  form->SetBounds(0, 0, 300, 200);
  TEdit* edit = New<TEdit>(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(10, 10, 120, 30);
  form->Show();
  skin::TsCommonData data(edit, true);
  data.SetSkinSection(L"EDIT");
  std::unique_ptr<TacEditWnd> adapter(MakeAdapter<TacEditWnd>(edit->Handle(), true, L"", manager_.get(), &data));
  ASSERT_GT(adapter->MarginLeft, 1);
  const COLORREF border = Marker(MarkerSection("EDIT").border);
  data.BGChanged = true;
  SendMessageW(edit->Handle(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(WindowPixel(edit->Handle(), 1, 15), border);
  edit->SetEnabled(false);
  data.BGChanged = true;
  SendMessageW(edit->Handle(), WM_NCPAINT, 1, 0);
  // Mixed with what lies behind: no longer the mask's own colour.
  EXPECT_NE(WindowPixel(edit->Handle(), 1, 15), border);
}

TEST_F(AdapterSupportTest, SystemFontsAndTheHotState) {
  for (int kind = 1; kind <= 5; ++kind) {
    HFONT font = GetSystemFont(kind);
    EXPECT_NE(font, nullptr) << kind;
    DeleteObject(font);
  }
  EXPECT_EQ(GetSystemFont(9), nullptr);

  HWND edit = Child(L"EDIT", WS_BORDER, 10, 10, 120, 30);
  Adapt(edit);
  EXPECT_EQ(GetSkinHotState(adapter_->SkinData), 1);  // three frames
  skin::TsCommonData none(nullptr, false);
  EXPECT_EQ(GetSkinHotState(&none), 0);
}

TEST_F(AdapterSupportTest, TheEditAdapterFollowsTheControlsSkinning) {
  std::unique_ptr<TForm> form(New<TForm>(nullptr));
  TEdit* edit = New<TEdit>(form.get());
  edit->SetParent(form.get());
  edit->HandleNeeded();
  skin::TsCommonData data(edit, true);
  data.SetSkinSection(L"EDIT");
  TacEditWnd* adapter = nullptr;
  UpdateEditAdapter(&data, adapter);
  ASSERT_NE(adapter, nullptr);
  EXPECT_EQ(GetAdapter(edit->Handle()), adapter);
  adapter->ApplySkinParams();
  EXPECT_EQ(edit->Color(), GetBGColor(&data, 0, edit->Handle()));
  // The skin removed: the control's own colour comes back.
  skin::SendSkinCommandToWnd(edit->Handle(), skin::scRemoveSkin, reinterpret_cast<LPARAM>(manager_.get()));
  EXPECT_EQ(edit->Color(), clWindow);

  adapter->Destroyed = true;  // unhooked meanwhile: replaced by a new one
  UpdateEditAdapter(&data, adapter);
  // (The new adapter may take the freed one's address: judge it by its state.)
  ASSERT_NE(adapter, nullptr);
  EXPECT_FALSE(adapter->Destroyed);
  EXPECT_EQ(GetAdapter(edit->Handle()), adapter);

  data.SetSkinSection(L"NOSUCHSECTION");
  UpdateEditAdapter(&data, adapter);
  EXPECT_EQ(adapter, nullptr);
}

}  // namespace
}  // namespace skin_test
