#pragma once
// The measures of the extended-border window: where a point over it sizes,
// drags or passes through, which cursor it shows and which part of it stays
// in its window region. Pure: the caller reads the window and the skin.
namespace skin {

struct TBorderMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TBorderBox {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool Empty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
};

// What the hit test needs of the border window and its owner. Coordinates
// are relative to the border window.
struct TBorderHitInput {
  TBorderMargins M;      // the extended-border margins
  int AlignOffset = 0;   // the skin's ALIGNOFFSET: how far the sizing bands reach out
  int FrameWidth = 0;    // the owner window's frame width
  int Width = 0, Height = 0;
  int CaptionHeight = 0;   // the owner's skinned caption height
  int MenuLineHeight = 0;  // 0 without a menu line
  bool Maximized = false;
  bool Sizable = false;  // WS_THICKFRAME
  // Found by the caller: the caption button under the point (its hit code,
  // 0 none) and whether the point lies on the owner's icon.
  int ButtonCode = 0;
  bool OnIcon = false;
  // The size grip's square at the bottom-right inner corner (0: none).
  int GripSize = 0;
};

// The hit code of a point: the sizing, caption, system-menu, menu and grip
// codes; 0 inside the window part with nothing to answer; -1 over the
// shadow, where the click goes through to the window below.
int BorderHitTest(const TBorderHitInput& in, int x, int y);

enum class TBorderCursor { Default, Arrow, SizeWE, SizeNS, SizeNWSE, SizeNESW };
// The cursor over a hit code (Default: the window's own).
TBorderCursor BorderCursorOf(int hitCode);

// The part of a maximized owner's border image inside its frame (the
// region of the border window then); S is the skin's border width less the
// frame width.
TBorderBox MaximizedBorderBox(const TBorderMargins& m, int frameWidth, int sideOffset, int width, int height);

}  // namespace skin
