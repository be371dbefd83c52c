#pragma once
// The frame and caption sizes every part of form skinning works with. A
// skinned form keeps the standard frame of its window style; the skin
// paints over it, so these come from the system unless an extended-border
// form carries the skin's own border and title.
#include <windows.h>

#include "classlib/controls/Forms.h"
#include "skin/common/SkinnedFormState.h"

namespace skin {

class TsSkinManager;

// The skin's BORDERWIDTH through an extended-border form when UseSkin and
// that is not 0; else by style: SM_CXFRAME (sizable), SM_CXFIXEDFRAME
// (bordered), 0.
int FrameWidthOf(HWND wnd, const TsExtBorder* borderForm, bool useSkin);
// 0 with an extended-border form (it draws the frame outside), else FrameWidthOf.
int InnerFrameWidth(HWND wnd, const TsExtBorder* borderForm, bool useSkin);
// SM_CYSMCAPTION for a tool-window form that is not minimized, else SM_CYCAPTION
// (both read once per process).
int SystemCaptionHeight(const classlib::TCustomForm* form);
// The skin's TITLEHEIGHT and BORDERWIDTH; 0 without an extended-border form
// or without a manager.
int SkinTitleHeight(const TsExtBorder* borderForm);
int SkinBorderWidth(const TsExtBorder* borderForm);
// The caption icon's side for a caption height: 1 up to 8, 8 up to 16, else 16.
int TitleIconSizeFor(int captionHeight);

int WndWidth(HWND wnd);
int WndHeight(HWND wnd);
int WndClientWidth(HWND wnd);
int WndClientHeight(HWND wnd);
bool IsSizableWnd(HWND wnd);
// A negative index, or a mask of one image.
bool IsSingleImageMask(int maskIndex, const TsSkinManager* manager);

// Pos jumps to Edge - Size when its far side lies closer than Buffer to Edge.
void SnapToEdge(int& pos, int edge, int buffer, int size);

}  // namespace skin
