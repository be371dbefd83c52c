// An MDI main form under its provider: the MDI client is wrapped in the
// client adapter only when the form is skinned, only once, and the
// children are the class library's forms.
#include <cstdlib>
#include <cstring>

#include "classlib/controls/Forms.h"
#include "skin/adapters/AdapterServices.h"
#include "skin/adapters/MDIWnd.h"
#include "skin/forms/MDIForm.h"
#include "skin/forms/sSkinProvider.h"
#include "tests/skin/adapters/FormAdapterFixture.h"
#include "tests/skin/adapters/ScreenShot.h"

namespace skin_test {

using namespace classlib;
using namespace skin;
using namespace skin::adapters;

class MDIFormTest : public FormAdapterFixture {
 protected:
  void TearDown() override {
    children_.clear();
    main_.reset();
    FormAdapterFixture::TearDown();
  }
  // An MDI main form (the application's main form) with a provider.
  void MakeMain() {
    ASSERT_EQ(Application->MainForm(), nullptr);
    TForm* form = nullptr;
    Application->CreateForm(form);
    main_.reset(form);
    main_->SetFormStyle(fsMDIForm);
    main_->RecreateWnd();
    main_->HandleNeeded();
    main_->SetBounds(60, 60, 520, 400);
    main_->SetCaption(L"Kolekcja");
    provider_ = New<TsSkinProvider>(main_.get());
    main_->Show();
    Pump();
  }
  TForm* AddChild(const wchar_t* caption, int x) {
    auto child = std::unique_ptr<TForm>(New<TForm>(Application));
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(x, x, 220, 160);
    child->SetCaption(caption);
    child->Show();
    Pump();
    children_.push_back(std::move(child));
    return children_.back().get();
  }

  std::unique_ptr<TForm> main_;
  std::vector<std::unique_ptr<TForm>> children_;
  TsSkinProvider* provider_ = nullptr;
};

TEST_F(MDIFormTest, UnskinnedFormStaysUnwrapped) {
  manager_->SetActive(false);
  MakeMain();
  ASSERT_NE(main_->ClientHandle(), nullptr);
  TsMDIForm mdi(provider_);
  mdi.AttachClient();
  EXPECT_EQ(mdi.Wnd(), nullptr);
  EXPECT_EQ(GetAdapter(main_->ClientHandle()), nullptr);
}

TEST_F(MDIFormTest, SkinnedFormWrapsItsClientOnceAndKnowsItsChildren) {
  manager_->SetActive(true);
  MakeMain();
  ASSERT_NE(provider_->MDIForm(), nullptr);
  TacAdaptedWindow* wnd = provider_->MDIForm()->Wnd();
  ASSERT_NE(wnd, nullptr);
  EXPECT_EQ(wnd->Window(), main_->ClientHandle());
  auto* adapter = dynamic_cast<TacMDIWnd*>(GetAdapter(main_->ClientHandle()));
  ASSERT_NE(adapter, nullptr);
  EXPECT_EQ(adapter->MDIForm, main_.get());
  provider_->MDIForm()->ConnectToClient();  // connected already: nothing
  EXPECT_EQ(provider_->MDIForm()->Wnd(), wnd);

  TForm* first = AddChild(L"Karta 1", 10);
  TForm* second = AddChild(L"Karta 2", 60);
  EXPECT_EQ(GetParent(first->Handle()), main_->ClientHandle());
  EXPECT_EQ(main_->MDIChildCount(), 2);
  EXPECT_EQ(main_->ActiveMDIChild(), second);
  RedrawWindow(main_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  if (const char* dir = std::getenv("TESSARILO_PICTURES_DIR")) {
    RECT area;
    GetWindowRect(main_->Handle(), &area);
    Shoot(area, std::wstring(dir, dir + std::strlen(dir)) + L"\\mdi-form-two-children.png");
  }
  // Skin removal gives the client back.
  manager_->SetActive(false);
  Pump();
  EXPECT_EQ(provider_->MDIForm()->Wnd(), nullptr);
  EXPECT_EQ(GetAdapter(main_->ClientHandle()), nullptr);
}

}  // namespace skin_test
