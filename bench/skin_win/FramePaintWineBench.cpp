// Under Wine: what a skinned form's frame paint costs when the composed
// image is reused (only copied to the window) against when it is composed
// again. Prints the medians in milliseconds and their ratio; a reused paint
// is meant to cost at most a fifth of a rebuilt one.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "bench/skin_win/InternalSkinManager.h"
#include "bench/skin_win/WineBenchTiming.h"
#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "classlib/core/Object.h"
#include "skin/common/sCommonData.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

int wmain() {
  classlib::Application->Initialize();
  skin::RegisterSkinControlsClasses();
  skin::RegisterSkinFormsClasses();
  std::unique_ptr<skin::TsSkinManager> manager = wine_bench::InternalSkin();
  if (!manager->SkinActive()) {
    std::fprintf(stderr, "the internal skin did not load\n");
    return 1;
  }
  std::unique_ptr<classlib::TForm> form(classlib::New<classlib::TForm>(classlib::Application));
  form->SetCaption(L"Tessarilo zegarków");
  form->SetBounds(100, 100, 640, 480);
  auto* provider = classlib::New<skin::TsSkinProvider>(form.get());
  form->Show();
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);

  const HWND wnd = form->Handle();
  auto paint = [&](bool rebuild) {
    if (rebuild) provider->SkinData()->BGChanged = true;
    SendMessageW(wnd, WM_NCPAINT, 1, 0);
  };
  paint(false);
  const int buildsBefore = provider->ImageBuildCount();
  const double reusedMs = wine_bench::MedianMs(200, [&] { paint(false); });
  const int reusedBuilds = provider->ImageBuildCount() - buildsBefore;
  const double rebuiltMs = wine_bench::MedianMs(200, [&] { paint(true); });
  std::printf("frame paint reused %.4f ms (%d rebuilds), rebuilt %.4f ms, ratio %.2f\n", reusedMs, reusedBuilds,
              rebuiltMs, reusedMs > 0 ? rebuiltMs / reusedMs : 0.0);
  form.reset();
  return 0;
}
