#include "skin/forms/BorderGeometry.h"

namespace skin {
namespace {

// System hit codes, restated so that this file stays free of the platform.
constexpr int kHtCaption = 2, kHtSysMenu = 3, kHtMenu = 5, kHtLeft = 10, kHtRight = 11, kHtTop = 12,
              kHtTopLeft = 13, kHtTopRight = 14, kHtBottom = 15, kHtBottomLeft = 16, kHtBottomRight = 17;

bool Between(int v, int lo, int hi) { return v >= lo && v <= hi; }

}  // namespace

int BorderHitTest(const TBorderHitInput& in, int x, int y) {
  const TBorderMargins& m = in.M;
  const int a = in.AlignOffset, fw = in.FrameWidth, w = in.Width, h = in.Height;
  if (in.ButtonCode != 0) return in.ButtonCode;
  // The frame reaches out by the align offset; beyond it lies the shadow.
  const bool inFrame = Between(x, m.Left - a, w - m.Right + a) && Between(y, m.Top - a, h - m.Bottom + a);
  if (!in.Maximized && in.Sizable && inFrame) {
    int code = 0;
    if (Between(y, m.Top - a, m.Top + 4 - a)) code = kHtTop;
    else if (Between(y, h - fw - m.Bottom + a, h - m.Bottom + a)) code = kHtBottom;
    if (Between(x, m.Left - a, m.Left + fw - a)) code = code == kHtTop ? kHtTopLeft : code == kHtBottom ? kHtBottomLeft : kHtLeft;
    else if (Between(x, w - fw - m.Right + a, w - m.Right + a))
      code = code == kHtTop ? kHtTopRight : code == kHtBottom ? kHtBottomRight : kHtRight;
    if (code) return code;
  }
  // The caption band takes the top shadow too (the skin's title may reach
  // into it), but not the side shadows.
  const bool inColumns = Between(x, m.Left - a, w - m.Right + a);
  if (inColumns && Between(y, 0, m.Top + in.CaptionHeight)) return in.OnIcon ? kHtSysMenu : kHtCaption;
  const TBorderBox window{m.Left, m.Top, w - m.Right, h - m.Bottom};
  if (y > in.CaptionHeight + in.MenuLineHeight + m.Top) {
    if (!window.Contains(x, y)) return -1;
    if (in.GripSize > 0 && x >= window.Right - in.GripSize && y >= window.Bottom - in.GripSize) return kHtBottomRight;
    return 0;
  }
  if (inColumns && in.MenuLineHeight > 0) return kHtMenu;
  return -1;
}

TBorderCursor BorderCursorOf(int hitCode) {
  switch (hitCode) {
    case kHtCaption:
    case kHtMenu: return TBorderCursor::Arrow;
    case kHtLeft:
    case kHtRight: return TBorderCursor::SizeWE;
    case kHtTop:
    case kHtBottom: return TBorderCursor::SizeNS;
    case kHtTopLeft:
    case kHtBottomRight: return TBorderCursor::SizeNWSE;
    case kHtTopRight:
    case kHtBottomLeft: return TBorderCursor::SizeNESW;
    default: return TBorderCursor::Default;
  }
}

TBorderBox MaximizedBorderBox(const TBorderMargins& m, int frameWidth, int sideOffset, int width, int height) {
  return TBorderBox{m.Left + frameWidth + sideOffset, m.Top + 4, width - frameWidth - sideOffset - m.Right,
                    height - frameWidth - sideOffset - m.Bottom};
}

}  // namespace skin
