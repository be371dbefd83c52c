#pragma once
// The about window, read from its form description "TFORM2"; created hidden
// at start and shown modally from the main window.
#include "classlib/controls/Forms.h"

namespace app {

class TForm2 : public classlib::TForm {
 public:
  explicit TForm2(classlib::TComponent* owner) : TForm(owner) {}
};

extern TForm2* Form2;

}  // namespace app
