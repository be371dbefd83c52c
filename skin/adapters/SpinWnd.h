#pragma once
// The up-down control under an adapter: two skinned buttons (upper and
// lower, or left and right) with the scroll buttons' arrows, hot under the
// mouse and pressed while the left button is down. The control keeps its
// own behaviour; only its look is replaced.
#include "skin/adapters/MainWnd.h"

namespace skin::adapters {

class TacSpinWnd : public TacMainWnd {
 public:
  ~TacSpinWnd() override;
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;
  // Buttons stacked (no UDS_HORZ).
  virtual bool IsVertical() const;

  std::int32_t ButtonsLeft = 0;  // x where the buttons begin; a caller docking them may move it
  std::uint8_t Pressed = 0;
  std::int32_t State1 = 0;  // upper or left button: 0 normal, 1 hot, 2 pressed
  std::int32_t State2 = 0;  // lower or right button

  // The states from the cursor (screen coordinates) as the paint takes them.
  void StatesFromCursor(POINT cursor);
  // The cache: both buttons over the parent's background.
  void PrepareCache();

 private:
  void EnsureSection();
  void Paint(HDC given);
  void Redraw();
  void TrackHot();
};

}  // namespace skin::adapters
