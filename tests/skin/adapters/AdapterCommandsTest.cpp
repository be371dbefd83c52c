// The skin command message at an adapted window: codes that carry or
// answer a pointer are served only to the library's own sends on this
// thread; posted ones and sends from another thread write nothing.
#include <thread>

#include "skin/adapters/EditWnd.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;

namespace {

// Sends from a thread of its own while this one keeps serving messages.
LRESULT SendFromAnotherThread(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = -1;
  bool done = false;
  std::thread other([&] {
    result = SendMessageW(wnd, msg, wParam, lParam);
    done = true;
  });
  while (!done) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT | QS_SENDMESSAGE);
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
  }
  other.join();
  return result;
}

class AdapterCommandsTest : public AdapterFixture {
 protected:
  void SetUp() override {
    AdapterFixture::SetUp();
    edit_ = Child(L"EDIT", WS_BORDER, 10, 10, 120, 24);
    adapter_ = MakeAdapter<TacEditWnd>(edit_, true, L"", manager_.get(), nullptr);
    ASSERT_GE(adapter_->SkinData->SkinIndex, 0);
  }
  void TearDown() override {
    delete adapter_;
    AdapterFixture::TearDown();
  }
  static WPARAM Code(std::uint16_t code) { return skin::SkinCommandWParam(code); }

  HWND edit_ = nullptr;
  TacEditWnd* adapter_ = nullptr;
};

TEST_F(AdapterCommandsTest, PointerCodesWriteOnlyForTheLibrarysOwnSendsOnThisThread) {
  std::int32_t index = -7;
  const auto lp = reinterpret_cast<LPARAM>(&index);

  EXPECT_EQ(SendFromAnotherThread(edit_, skin::SkinCommandMessage, Code(skin::scGetSkinIndex), lp), 0);
  EXPECT_EQ(index, -7);
  PostMessageW(edit_, skin::SkinCommandMessage, Code(skin::scGetSkinIndex), lp);
  Pump();
  EXPECT_EQ(index, -7);
  // A plain send on this thread is not the library's either.
  SendMessageW(edit_, skin::SkinCommandMessage, Code(skin::scGetSkinIndex), lp);
  EXPECT_EQ(index, -7);

  skin::SendSkinCommandToWnd(edit_, skin::scGetSkinIndex, lp);
  EXPECT_EQ(index, adapter_->SkinData->SkinIndex);
}

TEST_F(AdapterCommandsTest, StrangersGetNoAddressAndLeaveNoDeviceContext) {
  HDC dc = GetDC(host_);
  EXPECT_EQ(SendFromAnotherThread(edit_, skin::SkinCommandMessage, Code(skin::scSetPrintDC),
                                  reinterpret_cast<LPARAM>(dc)),
            0);
  EXPECT_EQ(adapter_->SkinData->PrintDC, nullptr);
  EXPECT_EQ(SendFromAnotherThread(edit_, skin::SkinCommandMessage, Code(skin::scGetSkinData), 0), 0);
  skin::TacBGInfo info;
  SendFromAnotherThread(edit_, skin::SkinCommandMessage, Code(skin::scGetBGInfo), reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.Kind, skin::bgNone);

  skin::SendSkinCommandToWnd(edit_, skin::scSetPrintDC, reinterpret_cast<LPARAM>(dc));
  EXPECT_EQ(adapter_->SkinData->PrintDC, dc);
  skin::SendSkinCommandToWnd(edit_, skin::scSetPrintDC, 0);
  EXPECT_EQ(skin::SendSkinCommandToWnd(edit_, skin::scGetSkinData, 0), reinterpret_cast<LRESULT>(adapter_->SkinData));
  skin::SendSkinCommandToWnd(edit_, skin::scGetBGInfo, reinterpret_cast<LPARAM>(&info));
  EXPECT_NE(info.Kind, skin::bgNone);
  ReleaseDC(host_, dc);

  // Codes that carry nothing are anyone's to ask.
  EXPECT_EQ(SendFromAnotherThread(edit_, skin::SkinCommandMessage, Code(skin::scIsSkinned), 0), 1);
}

TEST_F(AdapterCommandsTest, CodesAboveTheLibrarysRangeReachTheWindow) {
  // The edit's own procedure answers what it does not know with 0; the
  // adapter must not answer in its place (it answers 1 to code 7).
  EXPECT_EQ(skin::SendSkinCommandToWnd(edit_, skin::scIsSkinned, 0), 1);
  EXPECT_EQ(SendMessageW(edit_, skin::SkinCommandMessage, skin::SkinCommandWParam(61 + skin::scIsSkinned), 0), 0);
}

TEST_F(AdapterCommandsTest, NewSkinAndRefreshActOnlyForTheAdaptersManager) {
  adapter_->SkinData->BGChanged = false;
  skin::SendSkinCommandToWnd(edit_, skin::scRefresh, reinterpret_cast<LPARAM>(host_));  // another manager
  EXPECT_FALSE(adapter_->SkinData->BGChanged);
  skin::SendSkinCommandToWnd(edit_, skin::scRefresh, reinterpret_cast<LPARAM>(manager_.get()));
  EXPECT_TRUE(adapter_->SkinData->BGChanged);
}

}  // namespace
}  // namespace skin_test
