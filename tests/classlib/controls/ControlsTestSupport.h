#pragma once
// Shared helpers of the controls tests: a shown run-time form that is freed
// after the test, and message pumping.
#ifdef _WIN32
#include <windows.h>

#include <memory>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"

namespace classlib_test {

inline void Pump() { classlib::Application->ProcessMessages(); }

struct FormDeleter {
  void operator()(classlib::TForm* form) const { delete form; }
};
using FormPtr = std::unique_ptr<classlib::TForm, FormDeleter>;

// A visible run-time form of the given client size at (left, top).
inline FormPtr MakeShownForm(int left = 50, int top = 50, int clientWidth = 300, int clientHeight = 200) {
  classlib::Application->Initialize();
  FormPtr form(classlib::New<classlib::TForm>(nullptr, true));
  form->SetBorderStyle(classlib::bsSingle);
  form->SetLeft(left);
  form->SetTop(top);
  form->SetClientWidth(clientWidth);
  form->SetClientHeight(clientHeight);
  form->Show();
  Pump();
  return form;
}

}  // namespace classlib_test
#endif
