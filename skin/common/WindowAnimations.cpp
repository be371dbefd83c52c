#include "skin/common/WindowAnimations.h"

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "skin/common/AnimationScopes.h"
#include "skin/common/Composition.h"
#include "skin/common/ControlImages.h"
#include "skin/common/LayeredImages.h"
#include "skin/common/SkinnedFormState.h"
#include "skin/common/sCommonData.h"
#include "skin/core/AnimFrames.h"
#include "skin/paint/LayeredWindows_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

using BitmapPtr = std::unique_ptr<TBitmap>;

BitmapPtr NewBitmap(int width, int height) { return BitmapPtr(paint::NewBitmap32(width, height)); }

void MakeOpaque(TBitmap& bmp) { paint::FillAlphaRect(&bmp, TRect{0, 0, bmp.Width(), bmp.Height()}, 255, false); }

// Frames 0..Steps of a show on a layered window: the alpha grows, and in
// mode atAero the picture grows from an eighth inside its edges.
void RunShowFrames(HWND layered, TBitmap& image, POINT position, int steps, std::uint8_t maxAlpha, TacAnimType mode,
                   bool dialog) {
  const int width = image.Width();
  const int height = image.Height();
  BitmapPtr frame;
  if (mode == atAero && steps > 0) frame = NewBitmap(width, height);
  for (int i = 0; i <= steps; ++i) {
    TBitmap& shown = frame ? DrawZoomFrame(*frame, image, ZoomInRect(i, steps, width, height)) : image;
    PushToLayeredWindow(layered, shown, ShowFrameAlpha(i, steps, maxAlpha, dialog), position);
    if (i < steps) Sleep(AnimFrameMs);
  }
}

// The window directly above Target in the z-order (the layered window goes
// there), or topmost for a topmost target.
HWND InsertAfterFor(HWND target) {
  if (GetWindowLongW(target, GWL_EXSTYLE) & WS_EX_TOPMOST) return HWND_TOPMOST;
  HWND above = GetWindow(target, GW_HWNDPREV);
  return above ? above : HWND_TOP;
}

void PlaceLayered(HWND layered, HWND target, POINT position, SIZE size) {
  ShowWindow(layered, SW_SHOWNOACTIVATE);
  SetWindowPos(layered, InsertAfterFor(target), position.x, position.y, size.cx, size.cy,
               SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
}

std::unique_ptr<TacLayeredWindow> NewAuxiliaryWindow(POINT position, SIZE size) {
  std::unique_ptr<TacLayeredWindow> aux(New<TacLayeredWindow>(nullptr));
  aux->SetBounds(position.x, position.y, size.cx, size.cy);
  aux->HandleNeeded();
  return aux;
}

// A window put directly behind another without moving it.
void PutBehind(HWND wnd, HWND front) {
  SetWindowPos(wnd, front, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW);
}

// The layered window a form's picture is shown in: its extended border's
// window, else a new auxiliary window over the form.
struct FormLayer {
  std::unique_ptr<TacLayeredWindow> aux;
  HWND wnd = nullptr;
  POINT position{};
  SIZE size{};
};

FormLayer LayerOver(HWND target, TsExtBorder* border, const TBitmap& image) {
  FormLayer layer;
  RECT wr{};
  GetWindowRect(target, &wr);
  layer.position = POINT{wr.left, wr.top};
  layer.size = SIZE{image.Width(), image.Height()};
  if (border && border->BorderWindow()) {
    layer.wnd = border->BorderWindow();
    layer.position.x -= border->Margins().left;
    layer.position.y -= border->TopOffset();
  } else {
    layer.aux = NewAuxiliaryWindow(layer.position, layer.size);
    layer.wnd = layer.aux->Handle();
  }
  PlaceLayered(layer.wnd, target, layer.position, layer.size);
  return layer;
}

// The form's picture as the animations show it: skinned frame, controls,
// opaque without extended borders.
BitmapPtr FormPicture(TCustomForm& form, TsSkinnedForm* provider, bool withBorder) {
  if (withBorder && provider) return provider->CreateFormImage(false);
  BitmapPtr image = NewBitmap(form.Width(), form.Height());
  if (provider && provider->DrawNonClientArea()) provider->PaintNonClientArea();
  CopyControlImage(*image, &form, 0, provider, 0);
  MakeOpaque(*image);
  return image;
}

// The one cover window of the change animation and its still picture.
class TOutputWindow : public TCustomControl {
 public:
  explicit TOutputWindow(TComponent* owner) : TCustomControl(owner) {
    SetText(L"acOutputWindow");
    SetVisible(false);
    SetColor(static_cast<TColor>(0xFF00FF));
    SetTag(AuxiliaryWindowTag);
  }
  HWND topmostOwner = nullptr;

 protected:
  void CreateParams(TCreateParams& params) override {
    TCustomControl::CreateParams(params);
    if (!Parent() && !ParentWindow()) {
      params.Style = WS_POPUP;
      if (topmostOwner && (GetWindowLongW(topmostOwner, GWL_EXSTYLE) & WS_EX_TOPMOST))
        params.ExStyle |= WS_EX_TOPMOST;
      params.WndParent = Application->Handle();
    }
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_ERASEBKGND) {
      message.Result = 1;
      return;
    }
    if (message.Msg == WM_NCPAINT) {
      message.Result = 0;
      return;
    }
    TCustomControl::WndProc(message);
  }
};

TOutputWindow* outputWindow = nullptr;
BitmapPtr stillImage;

}  // namespace

void AnimShowForm(TsSkinnedForm& provider, std::uint16_t time, std::uint8_t maxAlpha, TacAnimType mode) {
  TsCommonData* data = provider.SkinData();
  TCustomForm* form = provider.Form();
  if (!data || !data->CacheBmp() || data->CacheBmp()->Empty() || !form || !form->HandleAllocated()) return;
  AnimationFlagScope flag;
  const HWND target = form->Handle();
  RedrawOnExit redraw(target);
  TsExtBorder* border = provider.ExtBorder();
  const bool withBorder = border && border->BorderWindow();
  BitmapPtr image = FormPicture(*form, &provider, withBorder);
  if (!image || image->Empty()) return;
  FormLayer layer = LayerOver(target, border, *image);
  const HWND layered = layer.wnd;
  RunShowFrames(layered, *image, layer.position, AnimSteps(time), maxAlpha, mode, false);
  if (form->AlphaBlend()) form->SetAlphaBlendValue(maxAlpha);
  PutBehind(target, layered);
  redraw.Release();
  SetAnimationRunning(false);
  RedrawWindow(target, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME);
  if (acDwmCompositionEnabled()) Sleep(AnimFrameMs);
  PutBehind(layered, target);
  if (layer.aux) layer.aux.reset();
  else border->UpdateExBorders(false, 255);
  provider.AfterAnimation();
}

void AnimShowDlg(TsAnimatedDialog& dialog, std::uint16_t time, std::uint8_t maxAlpha, TacAnimType mode) {
  AnimationFlagScope flag;
  TBitmap* cache = dialog.CacheBmp();
  const HWND target = dialog.Window();
  if (!cache || cache->Empty() || !target) return;
  RedrawOnExit redraw(target);
  TsExtBorder* border = dialog.ExtBorder();
  const bool withBorder = border && border->BorderWindow();
  RECT wr{};
  GetWindowRect(target, &wr);
  const POINT offset = withBorder ? dialog.ExtBorderOffset() : POINT{0, 0};
  const POINT position{wr.left - offset.x, wr.top - offset.y};
  const SIZE size{cache->Width(), cache->Height()};
  std::unique_ptr<TacLayeredWindow> aux;
  const HWND layered = withBorder ? border->BorderWindow() : (aux = NewAuxiliaryWindow(position, size))->Handle();
  dialog.PaintNonClientArea();
  BitmapPtr image = NewBitmap(size.cx, size.cy);
  HDC dc = image->Canvas()->Handle();
  BitBlt(dc, 0, 0, size.cx, size.cy, cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  RECT client{};
  GetClientRect(target, &client);
  const int saved = SaveDC(dc);
  SetViewportOrgEx(dc, dialog.ClientOffsetX(), dialog.ClientOffsetY(), nullptr);
  IntersectClipRect(dc, 0, 0, client.right, client.bottom);
  dialog.PaintClientArea(dc);
  RestoreDC(dc, saved);
  if (withBorder)
    paint::FillAlphaRect(image.get(),
                         TRect{dialog.ClientOffsetX(), dialog.ClientOffsetY(), dialog.ClientOffsetX() + client.right,
                               dialog.ClientOffsetY() + client.bottom},
                         255, false);
  else
    MakeOpaque(*image);
  PlaceLayered(layered, target, position, size);
  RunShowFrames(layered, *image, position, AnimSteps(time), maxAlpha, mode, true);
  SetWindowRgn(layered, nullptr, FALSE);
  redraw.Release();
  SetAnimationRunning(false);
  if (withBorder) {
    border->SetSuspended(true);
    RedrawWindow(target, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    dialog.ApplyWindowRegion(false);
    border->SetSuspended(false);
    border->UpdateExBorders(true, 255);
  } else {
    RedrawWindow(target, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  }
  PutBehind(layered, target);
}

void ShowOutputWindow(TWinControl* control) {
  if (!control || !control->HandleAllocated()) return;
  RECT wr{};
  GetWindowRect(control->Handle(), &wr);
  const int width = control->Width();
  const int height = control->Height();
  if (!stillImage || stillImage->Width() != width || stillImage->Height() != height)
    stillImage = NewBitmap(width, height);
  HDC screen = GetDC(nullptr);
  BitBlt(stillImage->Canvas()->Handle(), 0, 0, width, height, screen, wr.left, wr.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  if (!outputWindow) outputWindow = New<TOutputWindow>(Application);
  outputWindow->topmostOwner = control->Handle();
  if (TWinControl* parent = control->Parent()) {
    outputWindow->SetParent(parent);
    outputWindow->SetBounds(control->Left(), control->Top(), width, height);
    SetWindowPos(outputWindow->Handle(), control->Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(outputWindow->Handle(), SW_SHOWNA);
  } else {
    outputWindow->SetParent(nullptr);
    outputWindow->SetBounds(wr.left, wr.top, width, height);
    HWND above = GetWindow(control->Handle(), GW_HWNDPREV);
    SetWindowPos(outputWindow->Handle(), above ? above : HWND_TOP, wr.left, wr.top, width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  // The still picture shows at once, before the control changes.
  HDC dc = GetWindowDC(outputWindow->Handle());
  BitBlt(dc, 0, 0, width, height, stillImage->Canvas()->Handle(), 0, 0, SRCCOPY);
  ReleaseDC(outputWindow->Handle(), dc);
}

HWND AnimationCoverWindow() {
  return outputWindow && outputWindow->HandleAllocated() && IsWindowVisible(outputWindow->Handle())
             ? outputWindow->Handle()
             : nullptr;
}

void AnimChange(TWinControl* control, std::uint16_t time, std::uint8_t maxAlpha, TacAnimType mode) {
  if (!control || !control->HandleAllocated()) return;
  const HWND target = control->Handle();
  auto* form = dynamic_cast<TForm*>(control);
  if (form && paint::LayeredWindowsAvailable()) {
    AnimationFlagScope flag;
    RedrawOnExit redraw(target);
    TsSkinnedForm* provider = SkinnedFormOf(form);
    TsExtBorder* border = provider ? provider->ExtBorder() : nullptr;
    const bool withBorder = border && border->BorderWindow();
    BitmapPtr image = FormPicture(*form, provider, withBorder);
    if (!image || image->Empty()) return;
    FormLayer layer = LayerOver(target, border, *image);
    RunShowFrames(layer.wnd, *image, layer.position, AnimSteps(time), maxAlpha, mode, false);
    if (provider && provider->DrawNonClientArea()) {
      provider->InitRegionRects();
      provider->ApplyWindowRegion(true);
    }
    redraw.Release();
    RedrawWindow(target, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    return;
  }
  if (!AnimationCoverWindow()) ShowOutputWindow(control);
  if (!AnimationCoverWindow() || !stillImage) return;
  AnimationFlagScope flag;
  RedrawOnExit redraw(control->Visible() ? target : nullptr);
  const int width = control->Width();
  const int height = control->Height();
  BitmapPtr fresh = NewBitmap(width, height);
  CopyControlImage(*fresh, control, 0, nullptr, 0);
  const HWND cover = outputWindow->Handle();
  HDC dc = GetWindowDC(cover);
  struct ReleaseDc {
    HWND wnd;
    HDC dc;
    ~ReleaseDc() { ReleaseDC(wnd, dc); }
  } releaseDc{cover, dc};
  const int steps = AnimSteps(time);
  if (steps > 0 && stillImage->Width() == width && stillImage->Height() == height) {
    TBitmap* mix = nullptr;
    for (int frame = 0; frame <= steps; ++frame) {
      paint::BlendBitmaps(mix, stillImage.get(), fresh.get(), static_cast<std::uint16_t>(CrossFadeWeight(frame, steps)),
                          nullptr);
      if (mix) BitBlt(dc, 0, 0, width, height, mix->Canvas()->Handle(), 0, 0, SRCCOPY);
      if (frame < steps) Sleep(AnimFrameMs);
    }
    delete mix;
  }
  BitBlt(dc, 0, 0, width, height, fresh->Canvas()->Handle(), 0, 0, SRCCOPY);
  SetAnimationRunning(false);
  if (control->Visible()) {
    redraw.Release();
    RedrawWindow(target, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    if (!(form && (GetWindowLongW(target, GWL_EXSTYLE) & WS_EX_LAYERED)))
      SetWindowPos(cover, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  stillImage.reset();
}

}  // namespace skin
