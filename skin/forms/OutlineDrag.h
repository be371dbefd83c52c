#pragma once
// The outline drag of ResizeMode rmBorder: an inverted frame drawn on the
// desktop while the caption or a border is dragged; the form moves or sizes
// once, at the end. One drag at a time in the process.
#include <windows.h>

namespace skin {

class TsSkinProvider;

// Where the outline is drawn: the desktop's window DC. Tests put their own.
class TsOutlineSurface {
 public:
  virtual ~TsOutlineSurface() = default;
  virtual HDC Acquire() = 0;
  virtual void Release(HDC dc) = 0;
};

// Null puts the desktop back.
void SetOutlineSurface(TsOutlineSurface* surface);

struct TsOutlineDragState {
  bool Dragging = false;
  bool Moving = false;      // true: the drag moves the form; false: it sizes it
  bool Cancelled = false;   // the sizing is abandoned: the end does not resize
  int HitCode = 0;          // the border dragged while sizing
  HDC DC = nullptr;
  int SavedDC = 0;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int GrabX = 0, GrabY = 0;  // the last mouse point while moving
  int StartX = 0, StartY = 0;  // the mouse point where the sizing began
  int MinWidth = 0, MinHeight = 0;
  TsSkinProvider* Owner = nullptr;
};

// The drag in progress (Dragging false when none).
TsOutlineDragState& OutlineDrag();

// The cursor moved to a screen point: the outline of the provider's drag follows.
void OutlineDragMove(TsSkinProvider& provider, POINT screenPoint);

}  // namespace skin
