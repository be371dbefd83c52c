#pragma once
// Asking a parent for the background behind a child: the skin command
// code 34 first; a parent that stays silent paints itself into the asker's
// DC when the record asked for that beforehand, or else is taken as a
// plain colour. Windows of another thread are never asked: the record is
// the asker's and the answer would race with it (they count as silent).
#include <windows.h>

#include "classlib/controls/Control.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/core/CacheInfo.h"

namespace skin {

// True when Wnd answered code 34. Silent: with BG.PleaseDraw set on entry
// Wnd paints itself (WM_ERASEBKGND, WM_PAINT) into BG.DC, moved so that its
// BG.Offset lands on BG.R (which keeps the shift); otherwise Kind becomes
// colour with the default manager's global colour (the button face without
// one).
bool QueryParentBackground(TacBGInfo& bg, HWND wnd, bool pleaseDraw);
// The same for a control (its window, or Perform for a control without
// one). Silent, not painting itself: its answer to code 21, else its own
// colour; with PleaseDraw and a Bmp in the record, BG.R of BG.DC is
// filled with it.
bool QueryControlBackground(TacBGInfo& bg, classlib::TControl* ctrl, bool pleaseDraw);

// The painting form of an answer: an image answer with a bitmap gives that
// bitmap at the answer's offset; anything else a fill colour, not ready.
void BgInfoToCacheInfo(const TacBGInfo& bg, TacCacheInfo& ci);

}  // namespace skin
