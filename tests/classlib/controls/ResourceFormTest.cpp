#ifdef _WIN32
#include <gtest/gtest.h>

#include "classlib/controls/Shape.h"
#include "ControlsTestSupport.h"

namespace classlib_test {

using namespace classlib;

// Its description is the RCDATA resource "TRESOURCEDFORM" of the test program.
class TResourcedForm : public TForm {
 public:
  explicit TResourcedForm(TComponent* owner) : TForm(owner) {
    RegisterField(L"Shape1", Shape1);
    RegisterMethod(L"FormCreate", &TResourcedForm::FormCreate);
  }
  void FormCreate(TObject*) { shapeAtCreate = Shape1; }
  TShape* Shape1 = nullptr;
  TShape* shapeAtCreate = nullptr;
};

TEST(ResourceForm, ReadsItsDescriptionBeforeOnCreate) {
  Application->Initialize();
  std::unique_ptr<TResourcedForm> form(New<TResourcedForm>(nullptr));
  EXPECT_EQ(form->Caption(), L"Z zasobu");
  ASSERT_NE(form->Shape1, nullptr);
  EXPECT_EQ(form->shapeAtCreate, form->Shape1);
  EXPECT_EQ(form->BorderStyle(), bsDialog);
  form->HandleNeeded();
  EXPECT_EQ(form->ClientWidth(), 240);
  EXPECT_EQ(form->ClientHeight(), 120);
}

}  // namespace classlib_test
#endif
