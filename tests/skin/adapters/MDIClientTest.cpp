// An MDI client window made by the test under its adapter: the area behind
// the children from the skin, nothing painted behind a maximized child,
// full thumb positions asked for and thumb tracking left to the release.
#include "skin/adapters/MDIWnd.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "tests/skin/adapters/ControlAdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;

namespace {

LRESULT CALLBACK ChildProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcW(wnd, msg, wParam, lParam);
}

class MDIClientTest : public ControlAdapterFixture {
 protected:
  void SetUp() override {
    ControlAdapterFixture::SetUp();
    RegisterTestClass(L"TessariloMdiChild", ChildProc);
    CLIENTCREATESTRUCT ccs{};
    client_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                              10, 10, 360, 260, host_, nullptr, nullptr, &ccs);
    ASSERT_NE(client_, nullptr);
    formSkin_ = std::make_unique<skin::TsCommonData>(nullptr, true);
    formSkin_->SetSkinManager(manager_.get());
    formSkin_->SetSkinSection(L"EDIT");
    adapter_.reset(MakeAdapter<TacMDIWnd>(client_, true, L"", manager_.get(), nullptr));
    adapter_->Attach(nullptr, formSkin_.get(), nullptr);
  }
  void TearDown() override {
    adapter_.reset();
    formSkin_.reset();
    ControlAdapterFixture::TearDown();
  }
  HWND NewChild() {
    MDICREATESTRUCTW mcs{};
    mcs.szClass = L"TessariloMdiChild";
    mcs.szTitle = L"Karta";
    mcs.x = mcs.y = 0;
    mcs.cx = 150;
    mcs.cy = 100;
    return reinterpret_cast<HWND>(SendMessageW(client_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  }
  COLORREF ErasedPixel() {
    MemoryDC dc(50, 50);
    RECT all{0, 0, 50, 50};
    FillRect(dc.Handle(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SendMessageW(client_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Handle()), 0);
    return GetPixel(dc.Handle(), 40, 40);
  }

  HWND client_ = nullptr;
  std::unique_ptr<skin::TsCommonData> formSkin_;
  std::unique_ptr<TacMDIWnd> adapter_;
};

TEST_F(MDIClientTest, TheAreaBehindTheChildrenComesFromTheSkin) {
  EXPECT_EQ(ErasedPixel(), Marker(MarkerSection("MDIAREA").colour));
  PrintedWindow image(client_, PRF_CLIENT);
  EXPECT_EQ(image.At(100, 100), Marker(MarkerSection("MDIAREA").colour));
}

TEST_F(MDIClientTest, AMaximizedChildLeavesTheAreaUnpainted) {
  HWND child = NewChild();
  ASSERT_NE(child, nullptr);
  SendMessageW(client_, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  EXPECT_EQ(ErasedPixel(), RGB(0, 0, 0));
  SendMessageW(client_, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
  EXPECT_EQ(ErasedPixel(), Marker(MarkerSection("MDIAREA").colour));
}

TEST_F(MDIClientTest, ThumbPositionsAreAskedForWholeAndTrackingWaitsForTheRelease) {
  auto ask = [&](int code) {
    return skin::SendSkinCommandToWnd(client_, skin::scBeforeScroll, MAKELPARAM(code, WM_VSCROLL));
  };
  EXPECT_EQ(ask(SB_THUMBTRACK), 1);
  EXPECT_EQ(ask(SB_THUMBPOSITION), 1);
  EXPECT_EQ(ask(SB_LINEDOWN), 0);
  HWND child = NewChild();
  SetWindowPos(child, nullptr, 300, 300, 150, 100, SWP_NOZORDER);
  RECT before{};
  GetWindowRect(child, &before);
  SendMessageW(client_, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 30), 0);
  RECT after{};
  GetWindowRect(child, &after);
  EXPECT_EQ(after.top, before.top);
}

}  // namespace
}  // namespace skin_test
