#pragma once
// Adapters of bar controls that paint the whole control themselves: the
// common-control track bar (TacTrackWnd: background, channel, ticks and
// thumb from the skin, the thumb turned to face ticks on the top or left)
// and the stand-alone scroll-bar control (TacSBWnd: the window scroll
// bars' sections, with the control's own drawing held off by WM_SETREDRAW
// while it handles the mouse).
#include "skin/adapters/MainWnd.h"

namespace skin::adapters {

class TacTrackWnd : public TacMainWnd {
 public:
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;
  virtual bool IsVertical() const;

  std::uint8_t Pressed = 0;  // the state everything is drawn in
  std::int32_t TrackIndex = -1;
  std::int32_t TickLength = 4;
  double TickStep = 0;

  // The control's image into the skin data's cache.
  void PrepareCache();

 private:
  void Paint(HDC given);
  void PaintChannel(TRect& channel);
  void PaintTicks(const TRect& channel, const TRect& thumb);
  void PaintThumb(const TRect& thumb);
};

class TacSBWnd : public TacMainWnd {
 public:
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;

  // WM_SETREDRAW 0 requests not yet paired with a 1; never below 0.
  std::int32_t RedrawLocks = 0;
  bool StopCounting = false;
  TRect FirstButton{}, SecondButton{}, TrackBefore{}, TrackAfter{}, Thumb{};
  std::int32_t BarState = 0, FirstState = 0, SecondState = 0, ThumbState = 0;

 private:
  void Paint(HDC given);
  void MeasureParts();
  void ReleaseLocks();
  void RedrawNow();
};

}  // namespace skin::adapters
