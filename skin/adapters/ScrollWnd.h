#pragma once
// Skinned non-client scroll bars for any window. The window keeps its own
// scrolling: the adapter takes the bars out of the standard non-client
// layout, reserves their strips itself, paints them from the skin, and turns
// clicks and drags into the ordinary WM_HSCROLL / WM_VSCROLL messages.
//
// One press or drag is tracked at a time in the whole program; the state
// belongs to the window it started on and ends with that window's capture.
#include <windows.h>

#include <functional>
#include <memory>

#include "skin/adapters/MainWnd.h"
#include "skin/adapters/ScrollGeometry.h"
#include "skin/core/CacheInfo.h"
#include "skin/core/SkinData.h"

namespace skin::adapters {

class TacScrollWnd;

class TacScrollBar : public classlib::TObject {
 public:
  TacScrollBar(TacScrollWnd* owner, int barType);

  std::uint16_t ScrollFlags = 0;  // 8 when the window's style has this bar
  bool ScrollVisible = false;
  SCROLLINFO ScrollInfo{};
  std::int32_t ArrowLength = -1;  // >= 0 pixels, -k: k times the standard size
  std::int32_t BarWidth = -1;
  std::uint16_t BarType = SB_HORZ;
  std::int32_t MinThumbSize = 10;
  TacScrollWnd* Owner = nullptr;

  void ReadInfo(HWND wnd);
  TScrollRange Range() const;
};

class TacScrollWnd : public TacMainWnd {
 public:
  ~TacScrollWnd() override;
  void AdapterWndProc(classlib::TMessage& message) override;

  std::unique_ptr<TacScrollBar> HorzBar, VertBar;
  bool Tracking = false;
  bool LeftScrollBar = false;
  std::int32_t MarginLeft = 0, MarginRight = 0, MarginTop = 0, MarginBottom = 0;
  bool IgnoreStyleChange = false;

  // A drop-down list keeps the mouse captured after a scroll-bar click.
  virtual bool KeepsCapture() const { return false; }

  // The mouse handling of the bars; true when the message was consumed.
  bool HandleScrollMouse(classlib::TMessage& message);
  void NcCalcSize(classlib::TMessage& message);
  void NcHitTest(classlib::TMessage& message);
  // Parts of the bars' WM_LBUTTONUP shared with the list adapter.
  void ScrollButtonUp(classlib::TMessage& message);
  bool ScrollButtonDown(classlib::TMessage& message, int hitCode);

 protected:
  void AttachToWindow(HWND handle, bool repaint) override;
  void UnbindOnDestroy() override;
  // What TacScrollWnd adds after the previous procedure.
  void PostProcess(const classlib::TMessage& message);
};

void AttachScrollBars(TacScrollWnd* adapter, HWND handle, bool repaint);
void DetachScrollBars(HWND handle, bool freeAdapter, bool repaint, TacScrollWnd*& adapter);
void RefreshScrollBars(TacScrollWnd* adapter, bool repaint);
int GetScrollBarSize(const TacScrollBar* bar, bool thickness, bool useSkin);
void HorzScrollBarRect(const TacScrollWnd* adapter, HWND wnd, RECT& r);
void VertScrollBarRect(const TacScrollWnd* adapter, HWND wnd, RECT& r);
void PaintScrollBars(TacScrollWnd* adapter, HWND wnd, HDC dc);
void SendScrollCode(HWND wnd, UINT msg, int code, int pos);
// One part of a bar (a section, with its glyph centred when Glyph) into
// Bmp at R; the stand-alone scroll-bar adapter paints with it too.
void PaintScrollPart(TsSkinManager* manager, const TsSectionConst& part, const std::wstring& name,
                     const TacCacheInfo& ci, int state, const TRect& r, const TPoint& offset, classlib::TBitmap* bmp,
                     bool glyph);
// The bar's scroll information lets the user act on it.
bool ScrollBarActive(const TacScrollBar* bar, HWND wnd);

// Timers and the cursor of the bars' tracking (a test replaces them).
struct TScrollPlatform {
  std::function<UINT_PTR(HWND wnd, UINT_PTR id, UINT ms)> SetTimer;
  std::function<void(HWND wnd, UINT_PTR id)> KillTimer;
  std::function<POINT()> CursorPos;  // screen coordinates
};
TScrollPlatform& ScrollPlatform();

// Timer ids of the bars.
inline constexpr UINT_PTR kRepeatDelayTimer = 65533;
inline constexpr UINT_PTR kRepeatTimer = 65534;
inline constexpr UINT_PTR kHoverTimer = 65522;

// The program's one press or drag (for tests: which window holds it).
struct TScrollTracking {
  std::int32_t ClickedPart = -1;
  std::int32_t PressedPart = -1;
  std::int32_t TrackKind = -1;
  UINT ScrollMsg = 0;
  HWND TrackWnd = nullptr;
  UINT_PTR RepeatTimer = 0;
  std::int32_t SavedPos = -1;
  std::int32_t HoverKind = -1;
  std::int32_t HoverPart = -1;
  std::int32_t PrevHoverPart = -1;
  UINT_PTR HoverTimer = 0;
  RECT HoverBarRect{};
  std::int32_t ThumbSize = 0;
  std::int32_t ThumbPos = 0;
  RECT DragBarRect{};
  std::int32_t DragOffset = 0;
  std::int32_t LastThumbPos = 0;
};
const TScrollTracking& ScrollTracking();

}  // namespace skin::adapters
