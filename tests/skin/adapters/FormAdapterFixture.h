#pragma once
// Class-library forms under a provider over the program's skin (it has the
// form sections), with the adapters behind the forms layer's seams.
#include "skin/adapters/AdapterServices.h"
#include "skin/forms/sSkinProvider.h"
#include "tests/skin/adapters/ControlAdapterFixture.h"

namespace skin_test {

class FormAdapterFixture : public ControlAdapterFixture {
 protected:
  const char* SkinFile() const override { return TESSARILO_INTERNAL_SKIN_FILE; }
  void SetUp() override {
    ControlAdapterFixture::SetUp();
    skin::RegisterSkinFormsClasses();
    skin::adapters::InstallAdapterServices();
  }
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
};

}  // namespace skin_test
