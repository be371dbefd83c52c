// A skin pushed live to a skinned form by copy data from another thread.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "classlib/core/Cp1250.h"
#include "png/PngObject.h"
#include "skin/common/ControlImages.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sEdit.h"
#include "skin/manager/PushedSkin.h"
#include "tests/skin/common/SkinStateFixture.h"
#include "tests/skin/common/SkinnedFormFixture.h"

namespace skin_test {
namespace {

using namespace skin;

class ReceiveSkin : public SkinStateFixture {
 protected:
  void SetUp() override {
    SkinStateFixture::SetUp();
    skinned_.reset(classlib::New<TestSkinnedForm>(classlib::Application));
    skinned_->HandleNeeded();
    panel_ = classlib::New<CountingPanel>(skinned_.get());
    panel_->SetParent(skinned_.get());
    // The folder holds the images; the options come with the push.
    MakeFolderSkin("Nowa", SkinDescription(0x000333));
  }
  void TearDown() override {
    skinned_.reset();
    SkinStateFixture::TearDown();
  }

  std::vector<char> Block(std::uint32_t id, const std::string& options) const {
    std::vector<char> block(PushedSkinBlockSize, '\0');
    std::memcpy(block.data(), &id, 4);
    std::memcpy(block.data() + 4, "Nowa", 4);
    const std::string dir = classlib::WideToCp1250(SkinsDir());
    std::memcpy(block.data() + 4 + PushedSkinNameSize, dir.data(), dir.size());
    std::memcpy(block.data() + 4 + PushedSkinNameSize + PushedSkinDirectorySize, options.data(), options.size());
    return block;
  }
  // Sends the block from another thread as a second program would.
  LRESULT PushFromThread(WPARAM kind, std::vector<char>* block, DWORD announced) {
    COPYDATASTRUCT data{0, announced, block ? block->data() : nullptr};
    const HWND target = skinned_->Handle();
    LRESULT result = -1;
    RunBesideMessageLoop([&] {
      result = SendMessageW(target, WM_COPYDATA, kind, block || announced ? reinterpret_cast<LPARAM>(&data) : 0);
    });
    return result;
  }

  std::unique_ptr<TestSkinnedForm> skinned_;
  CountingPanel* panel_ = nullptr;
};

TEST_F(ReceiveSkin, APushFromAnotherThreadSwitchesTheSkinLive) {
  std::vector<char> block = Block(PushedSkinId, SkinDescription(0x000444));
  panel_->codes.clear();
  EXPECT_EQ(PushFromThread(PushedSkinKind, &block, static_cast<DWORD>(block.size())), 1);
  EXPECT_EQ(manager_->SkinName(), L"Nowa");
  EXPECT_EQ(GlobalColor(*manager_), 0x000444);
  EXPECT_EQ(panel_->codes[scNewSkin], 1);
}

TEST_F(ReceiveSkin, AnythingElseIsIgnored) {
  std::vector<char> foreign = Block(0xA401, SkinDescription(0x000444));
  std::vector<char> good = Block(PushedSkinId, SkinDescription(0x000444));
  EXPECT_EQ(PushFromThread(PushedSkinKind, &foreign, static_cast<DWORD>(foreign.size())), 0);
  EXPECT_EQ(PushFromThread(PushedSkinKind, &good, static_cast<DWORD>(good.size() - 1)), 0);  // short
  EXPECT_EQ(PushFromThread(PushedSkinKind, nullptr, 0), 0);                                   // no record
  EXPECT_EQ(PushFromThread(PushedSkinKind, nullptr, static_cast<DWORD>(good.size())), 0);     // no block
  EXPECT_EQ(PushFromThread(PushedSkinKind + 1, &good, static_cast<DWORD>(good.size())), 0);  // another kind
  EXPECT_EQ(manager_->SkinName(), L"Proba");
}

// A picture of a form with skinned controls before and after a push, for a
// person to look at.
TEST_F(ReceiveSkin, PictureBeforeAndAfterAPush) {
  const char* dir = std::getenv("TESSARILO_PICTURES_DIR");
  if (!dir) GTEST_SKIP() << "no pictures folder";
  // The push goes to the skinned form; the picture is of another form of
  // the program, which changes with it.
  form_->SetBounds(50, 50, 260, 140);
  auto* edit = Add<TsEdit>(form_.get(), 10, 10, 200, 24);
  edit->SetText(L"Zegarek \u0141\u00F3d\u017A");
  auto* button = Add<TsButton>(form_.get(), 10, 50, 100, 30);
  button->SetCaption(L"Zapisz");
  form_->Show();
  const auto shoot = [&](const wchar_t* name) {
    PumpFor(100);
    classlib::TBitmap shot;
    shot.SetPixelFormat(classlib::pf32bit);
    shot.SetSize(form_->Width(), form_->Height());
    CopyControlImage(shot, form_.get(), 0, nullptr, 0);
    shot.SetPixelFormat(classlib::pf24bit);
    png::TPNGObject image;
    image.Assign(&shot);
    image.SaveToFile(std::filesystem::path(dir).wstring() + L"\\" + name);
  };
  shoot(L"push-before.png");
  std::vector<char> block = Block(PushedSkinId, SkinDescription(0x00406080, "[EDIT]\r\nCOLOR=8454143\r\nFONTCOLOR=128\r\nSTATES=2\r\n"));
  ASSERT_EQ(PushFromThread(PushedSkinKind, &block, static_cast<DWORD>(block.size())), 1);
  shoot(L"push-after.png");
}

}  // namespace
}  // namespace skin_test
