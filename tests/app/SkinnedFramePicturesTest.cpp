#ifdef _WIN32
// Pictures of the program's two windows as their skin providers compose
// them (active and inactive main window, the about window), written only
// when TESSARILO_PICTURES_DIR names a folder, to be looked at.
#include <cstdlib>
#include <cstring>

#include "AppTestFolder.h"
#include "app/Unit2.h"
#include "classlib/graphics/Bitmap.h"

namespace app_test {

using namespace classlib;

using SkinnedFramePicturesTest = AppTestFolder;

TEST_F(SkinnedFramePicturesTest, MainAndAboutWindowsCarryTheSkinnedFrame) {
  const char* folder = std::getenv("TESSARILO_PICTURES_DIR");
  if (!folder) GTEST_SKIP() << "TESSARILO_PICTURES_DIR not set";
  const std::wstring dir(folder, folder + std::strlen(folder));
  app::TForm1& form = Form();
  app::Form1 = &form;
  form.Show();
  auto save = [&](TForm* window, skin::TsSkinProvider* provider, const std::wstring& name, bool active) {
    SendMessageW(window->Handle(), WM_NCACTIVATE, active, 0);
    SendMessageW(window->Handle(), WM_NCPAINT, 1, 0);
    ASSERT_FALSE(provider->SkinData()->CacheBmp()->Empty());
    provider->SkinData()->CacheBmp()->SaveToFile(dir + L"\\" + name + L".bmp");
  };
  save(&form, form.sSkinProvider1, L"main-active", true);
  save(&form, form.sSkinProvider1, L"main-inactive", false);
  std::unique_ptr<app::TForm2> about(New<app::TForm2>(nullptr));
  app::Form2 = about.get();
  about->Show();
  save(about.get(), about->sSkinProvider1, L"about", true);
  Sleep(1500);  // time for a screenshot
  about->Hide();
  app::Form2 = nullptr;
  app::Form1 = nullptr;
}

}  // namespace app_test
#endif
