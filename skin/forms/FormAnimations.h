#pragma once
// The layered-window helpers of a skinned form's animations and its taskbar
// previews. Every picture goes through the one layered push of
// skin/paint/LayeredPush_Gdi.h, so tests see each frame.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "skin/common/LayeredImages.h"

namespace skin {

class TsSkinProvider;
class TsSkinnedForm;

// Pushes Bmp into the window with the constant Alpha at NewPos (null: where
// the window stands). Without a picture a transparent one of the window's
// size is pushed. The window becomes layered when it is not.
void BlitToLayeredWindow(HWND wnd, classlib::TBitmap* bmp, std::uint8_t alpha, const POINT* newPos);

// A borderless layered tool window that never activates, laid topmost
// over Wnd with Wnd's current picture (opaque). Null without a window.
std::unique_ptr<TacLayeredWindow> MakeSnapshotForm(HWND wnd);

// Hide: makes the window layered and almost invisible (alpha 1) and says
// true; a window that is layered already is left alone (false). Not hide,
// or no layered windows: WS_VISIBLE and WS_EX_LAYERED are taken off (false).
bool SetAlphaHidden(HWND wnd, bool hide);

// Whether the form wants its extended border window: the manager's
// ExtendedBorders and the provider's AllowExtBorders, and, while the
// no-extended-borders-when-maximized switch is on, not maximized.
bool ExtBordersWanted(const TsSkinnedForm& provider);
bool NoExtBordersWhenMaximized();
void SetNoExtBordersWhenMaximized(bool value);

// The library's thumbnail switch: forms answer the taskbar's requests for
// their pictures only while it is on (off in this program).
bool ThumbnailsEnabled();
void SetThumbnailsEnabled(bool value);

// The taskbar calls, replaceable by tests (a 0 offset: the thumbnail).
using TacIconicSender = std::function<HRESULT(HWND wnd, HBITMAP bitmap, const POINT* offset)>;
TacIconicSender SetIconicSender(TacIconicSender sender);

bool acDwmSendIconicThumbnail(HWND wnd, TsSkinProvider& provider, int maxWidth, int maxHeight);
bool acDwmSendLivePreview(HWND wnd, TsSkinProvider& provider);

}  // namespace skin
