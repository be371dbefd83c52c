#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "skin/forms/sSkinProvider.h"

namespace skin_test {

using namespace classlib;
using skin::TsSkinProvider;

class SkinProviderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application->Initialize();
    form_.reset(New<TForm>(nullptr));
    form_->SetCaption(L"Okno");
    form_->SetBounds(200, 200, 400, 300);
    provider_ = New<TsSkinProvider>(form_.get());
    form_->HandleNeeded();
  }
  std::unique_ptr<TForm> form_;
  TsSkinProvider* provider_ = nullptr;
};

TEST_F(SkinProviderTest, TitleShowsTheAddedTextWithOrWithoutTheCaption) {
  provider_->AddedTitle()->SetText(L"- Ilość kart: 3");
  EXPECT_EQ(provider_->TitleText(), L"Okno - Ilość kart: 3");
  provider_->AddedTitle()->SetShowMainCaption(false);
  EXPECT_EQ(provider_->TitleText(), L"- Ilość kart: 3");
  // The form's own caption is left alone.
  EXPECT_EQ(form_->Caption(), L"Okno");
}

TEST_F(SkinProviderTest, TitleTextIsPaintedIntoTheTitleBar) {
  form_->Show();
  provider_->AddedTitle()->SetShowMainCaption(false);
  provider_->AddedTitle()->Font()->SetColor(clWhite);
  RECT bounds;
  GetWindowRect(form_->Handle(), &bounds);
  POINT client{0, 0};
  ClientToScreen(form_->Handle(), &client);
  const int captionY = (client.y - bounds.top) - GetSystemMetrics(SM_CYCAPTION) / 2;
  auto textPixels = [&] {
    HDC dc = GetWindowDC(form_->Handle());
    const COLORREF text = GetSysColor(GetActiveWindow() == form_->Handle() ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
    int count = 0;
    for (int x = 0; x < bounds.right - bounds.left; ++x)
      if (GetPixel(dc, x, captionY) == text) ++count;
    ReleaseDC(form_->Handle(), dc);
    return count;
  };
  provider_->AddedTitle()->SetText(L"");
  const int empty = textPixels();
  provider_->AddedTitle()->SetText(L"MMMMMMMMMMMM");
  EXPECT_GT(textPixels(), empty);
  form_->Hide();
}

TEST_F(SkinProviderTest, MovedFormSnapsToTheWorkAreaWithinTheBuffer) {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  provider_->SetScreenSnap(true);
  provider_->SetSnapBuffer(20);
  form_->SetBounds(work.left + 15, work.top + 100, 400, 300);
  EXPECT_EQ(form_->Left(), work.left);
  EXPECT_EQ(form_->Top(), work.top + 100);
  form_->SetBounds(work.left + 25, work.bottom - 300 - 12, 400, 300);
  EXPECT_EQ(form_->Left(), work.left + 25);
  EXPECT_EQ(form_->Top(), work.bottom - 300);
  provider_->SetScreenSnap(false);
  form_->SetBounds(work.left + 15, work.top + 100, 400, 300);
  EXPECT_EQ(form_->Left(), work.left + 15);
}

TEST_F(SkinProviderTest, FormOutlivesItsProvider) {
  delete provider_;
  // The form's own window procedure is back: messages still work.
  form_->SetCaption(L"Dalej");
  EXPECT_EQ(form_->Caption(), L"Dalej");
  form_->SetBounds(10, 10, 300, 200);
  EXPECT_EQ(form_->Width(), 300);
}

}  // namespace skin_test
#endif
