#pragma once
// TScreen: the forms of the application, the active form and control, the
// screen cursor, fonts and the work area.
#include <memory>
#include <vector>

#include "classlib/core/Component.h"
#include "classlib/controls/ControlTypes.h"
#include "classlib/graphics/Font.h"

namespace classlib {

class TCustomForm;
class TWinControl;

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* owner);
  ~TScreen() override;

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
  int CustomFormCount() const { return FormCount(); }
  TCustomForm* CustomForms(int index) const { return Forms(index); }
  TCustomForm* ActiveForm() const { return activeForm_; }
  TCustomForm* ActiveCustomForm() const { return activeForm_; }
  TWinControl* ActiveControl() const { return activeControl_; }

  // crDefault lets every control show its own cursor.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);

  TFont* MenuFont();
  TFont* MessageFont();
  TRect WorkAreaRect() const;
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  int PixelsPerInch() const { return ScreenPixelsPerInch(); }

  // Kept up to date by the forms.
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void SetActiveForm(TCustomForm* form);
  void SetActiveControl(TWinControl* control) { activeControl_ = control; }

 private:
  std::vector<TCustomForm*> forms_;
  TCustomForm* activeForm_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  TCursor cursor_ = crDefault;
  std::unique_ptr<TFont> menuFont_, messageFont_;
};

// The process's screen object, made on first use: Screen->ActiveForm().
struct TScreenRef {
  TScreen* operator->() const { return Get(); }
  operator TScreen*() const { return Get(); }
  static TScreen* Get();
};
inline constexpr TScreenRef Screen{};

}  // namespace classlib
