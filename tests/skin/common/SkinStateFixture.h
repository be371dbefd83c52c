#pragma once
// A form over a skin made by the test, its manager the default one, with
// the real skin broadcast in place; skinned controls are added to it.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "skin/common/SkinBroadcasts.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/sCommonData.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "tests/skin/manager/SkinManagerFixture.h"

namespace skin_test {

// Colours as the skin file writes them (0x00BBGGRR).
inline constexpr int kEditColour = 0x00E0D0C0;
inline constexpr int kEditFontColour = 0x00203040;

// EDIT and a few sections whose colours and transparencies the tests mix.
inline std::string StateTestSkin() {
  return SkinDescription(0x00808080,
                         "[EDIT]\r\nCOLOR=" + std::to_string(kEditColour) + "\r\nFONTCOLOR=" +
                             std::to_string(kEditFontColour) +
                             "\r\nSTATES=2\r\n"
                             "[WHITE]\r\nCOLOR=16777215\r\nSTATES=1\r\n"
                             "[BLACKHALF]\r\nCOLOR=0\r\nTRANSPARENCY=50\r\nSTATES=1\r\n"
                             "[REDTHIRTY]\r\nCOLOR=255\r\nTRANSPARENCY=30\r\nSTATES=1\r\n"
                             "[CLEAR]\r\nTRANSPARENCY=100\r\nSTATES=1\r\n"
                             "[NOSTATES]\r\nCOLOR=65280\r\nSTATES=0\r\nGIVEOWNFONT=1\r\n"
                             "[GLOWY]\r\nCOLOR=255\r\nGLOW=1\r\nGLOWMARGIN=2\r\n"
                             "GLOW0=^0000,0000,0012,0020,0004,0004,0004,0004,1,1,0,0\r\n");
}

class SkinStateFixture : public SkinManagerFixture {
 protected:
  void SetUp() override {
    skin::RegisterSkinControlsClasses();  // also puts the real broadcast in place
    SkinManagerFixture::SetUp();
    // The base counts broadcasts in place of sending them: send them here.
    skin::SetSkinChangeHandler(oldHandler_);
    classlib::Application->Initialize();
    manager_ = Manager();
    ASSERT_TRUE(manager_->IsDefault());
    MakeFolderSkin("Proba", StateTestSkin());
    manager_->SetSkinName(L"Proba");
    ASSERT_GE(manager_->GetSkinIndex(L"EDIT"), 0);
    form_.reset(classlib::New<classlib::TForm>(classlib::Application));
    form_->SetBounds(100, 100, 400, 300);
    form_->SetColor(classlib::clWhite);
    form_->HandleNeeded();
  }
  void TearDown() override {
    form_.reset();
    manager_.reset();
    SkinManagerFixture::TearDown();
  }

  // A control of the form (or of Parent) at the given place.
  template <class T>
  T* Add(classlib::TWinControl* parent, int left = 10, int top = 10, int width = 120, int height = 24) {
    T* control = classlib::New<T>(form_.get());
    control->SetBounds(left, top, width, height);
    control->SetParent(parent ? parent : form_.get());
    return control;
  }

  std::unique_ptr<TsSkinManager> manager_;
  std::unique_ptr<classlib::TForm> form_;
};

// Pumps this thread's messages until the thread function returns.
template <class F>
void RunBesideMessageLoop(F&& work) {
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  struct Job {
    F* work;
    HANDLE done;
  } job{&work, done};
  HANDLE thread = CreateThread(
      nullptr, 0,
      [](void* data) -> DWORD {
        auto* j = static_cast<Job*>(data);
        (*j->work)();
        SetEvent(j->done);
        return 0;
      },
      &job, 0, nullptr);
  while (MsgWaitForMultipleObjects(1, &done, FALSE, 10000, QS_ALLINPUT | QS_SENDMESSAGE) != WAIT_OBJECT_0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  WaitForSingleObject(thread, 10000);
  CloseHandle(thread);
  CloseHandle(done);
}

}  // namespace skin_test
