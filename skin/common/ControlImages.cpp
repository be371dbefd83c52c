#include "skin/common/ControlImages.h"

#include <algorithm>
#include <vector>

#include "classlib/controls/Forms.h"
#include "classlib/controls/GraphicControl.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/ParentBackground.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/SkinnedFormState.h"
#include "skin/paint/PixelFills_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

constexpr COLORREF KeyColour = 0xFF00FF;

// WM_PRINT into DC, the control told of the print DC around it.
void PrintSkinned(TControl* control, HDC dc) {
  const auto dcParam = reinterpret_cast<LPARAM>(dc);
  if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->HandleAllocated()) {
    SendSkinCommandToWnd(windowed->Handle(), scSetPrintDC, dcParam);
    SendMessageW(windowed->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc), 0);
    SendSkinCommandToWnd(windowed->Handle(), scSetPrintDC, 0);
  } else {
    PerformSkinCommand(control, scSetPrintDC, dcParam);
    control->Perform(WM_PRINT, reinterpret_cast<WPARAM>(dc), 0);
    PerformSkinCommand(control, scSetPrintDC, 0);
  }
}

void FillRectWithColour(HDC dc, const RECT& r, TColor colour) {
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colour) & 0xFFFFFF);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

// The background of the parent under a hidden control.
void CopyParentBackground(HDC dc, TControl* control, int x, int y) {
  TacBGInfo bg;
  QueryControlBackground(bg, control->Parent(), false);
  const RECT r{x, y, x + control->Width(), y + control->Height()};
  if (bg.Kind == bgImage && bg.Bmp)
    BitBlt(dc, x, y, control->Width(), control->Height(), bg.Bmp->Canvas()->Handle(), bg.Offset.X + control->Left(),
           bg.Offset.Y + control->Top(), SRCCOPY);
  else
    FillRectWithColour(dc, r, bg.Color);
}

void RenderInto(HDC dc, TControl* control, int x, int y, TsSkinnedForm* provider) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  TsExtBorder* border = provider ? provider->ExtBorder() : nullptr;
  const bool extBorders = border && border->BorderWindow();
  const int saved = SaveDC(dc);
  if (!extBorders) IntersectClipRect(dc, x, y, x + control->Width(), y + control->Height());
  if (!windowed) {
    OffsetViewportOrgEx(dc, x, y, nullptr);
    PrintSkinned(control, dc);
    RestoreDC(dc, saved);
    return;
  }
  // A form's client area lies inside its frame.
  POINT client{0, 0};
  if (dynamic_cast<TCustomForm*>(windowed) && windowed->HandleAllocated()) {
    if (provider) {
      client = POINT{provider->ClientOffsetX(), provider->ClientOffsetY()};
    } else {
      RECT wr{};
      GetWindowRect(windowed->Handle(), &wr);
      POINT topLeft{0, 0};
      ClientToScreen(windowed->Handle(), &topLeft);
      client = POINT{topLeft.x - wr.left, topLeft.y - wr.top};
    }
  }
  if (!windowed->HandleAllocated() || !SendBoolSkinCommand(windowed->Handle(), scIsSkinned)) {
    // Painted the class library's way, children included.
    windowed->PaintTo(dc, x + client.x, y + client.y);
    RestoreDC(dc, saved);
    return;
  }
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x + x, origin.y + y, nullptr);
  PrintSkinned(windowed, dc);
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
  for (int i = 0; i < windowed->ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(windowed->Controls(i));
    if (child && child->Visible() && !Destroying(child))
      RenderInto(dc, child, x + client.x + child->Left(), y + client.y + child->Top(), nullptr);
  }
  RestoreDC(dc, saved);
}

bool paintingGraphics = false;

bool TakesPart(TControl* child, HDC dc) {
  if (!dynamic_cast<TGraphicControl*>(child) || Destroying(child)) return false;
  if (!child->Visible() && !child->ComponentState().Contains(csDesigning)) return false;
  if (child->Width() < 1 || child->Height() < 1 || child->ControlStyle().Contains(csNoDesignVisible)) return false;
  const RECT r{child->Left(), child->Top(), child->Left() + child->Width(), child->Top() + child->Height()};
  return RectVisible(dc, &r) != FALSE;
}

}  // namespace

void CopyControlImage(TBitmap& bmp, TControl* control, int x, TsSkinnedForm* provider, int y) {
  if (!control || bmp.Empty()) return;
  HDC dc = bmp.Canvas()->Handle();
  if (!control->Visible() && control->Parent() && !provider) {
    CopyParentBackground(dc, control, x, y);
    return;
  }
  RenderInto(dc, control, x, y, provider);
  TsExtBorder* border = provider ? provider->ExtBorder() : nullptr;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (border && border->BorderWindow() && windowed && windowed->HandleAllocated()) {
    RECT client{};
    GetClientRect(windowed->Handle(), &client);
    OffsetRect(&client, provider->ClientOffsetX(), provider->ClientOffsetY());
    client.bottom = std::min<LONG>(client.bottom, bmp.Height() - 1);
    paint::FillAlphaRect(&bmp, TRect{client.left, client.top, client.right, client.bottom}, 255, false);
  }
}

void PaintGraphicControls(HDC dc, TWinControl* parent, bool onlyVisible, POINT offset) {
  if (paintingGraphics || !parent) return;
  struct Clear {
    ~Clear() { paintingGraphics = false; }
  } clear;
  paintingGraphics = true;
  if (!(parent->Visible() || parent->ComponentState().Contains(csDesigning) || !onlyVisible)) return;
  if (parent->ControlCount() == 0) return;
  RECT clip{};
  if (GetClipBox(dc, &clip) == NULLREGION || clip.right <= clip.left || clip.bottom <= clip.top) {
    if (parent->HandleAllocated()) SendSkinCommandToWnd(parent->Handle(), scSetCachePartial, 0);
    return;
  }
  TacBGInfo bg;
  QueryControlBackground(bg, parent, false);
  const int width = parent->Width();
  const int height = parent->Height();
  auto* form = dynamic_cast<TCustomForm*>(parent);
  HDC memory = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  std::vector<TControl*> painted;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    if (!TakesPart(child, dc)) continue;
    if (form && form->FormStyle() == fsMDIForm && child->Align() != alNone)
      PerformSkinCommand(child, scLockRedraw, 0);
    if (!memory) {
      memory = CreateCompatibleDC(dc);
      bitmap = CreateCompatibleBitmap(dc, std::max(width, 1), std::max(height, 1));
      oldBitmap = SelectObject(memory, bitmap);
    }
    const RECT r{child->Left(), child->Top(), child->Left() + child->Width(), child->Top() + child->Height()};
    if (!child->ControlStyle().Contains(csOpaque)) {
      if (bg.Kind == bgImage && bg.Bmp)
        BitBlt(memory, r.left, r.top, child->Width(), child->Height(), bg.Bmp->Canvas()->Handle(),
               r.left + bg.Offset.X, r.top + bg.Offset.Y, SRCCOPY);
      else
        FillRectWithColour(memory, r, bg.Color);
    }
    const int saved = SaveDC(memory);
    SetViewportOrgEx(memory, r.left, r.top, nullptr);
    IntersectClipRect(memory, 0, 0, child->Width(), child->Height());
    const bool paintCopy = parent->ControlState().Contains(csPaintCopy);
    if (paintCopy) child->ControlState().Include(csPaintCopy);
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    if (paintCopy) child->ControlState().Exclude(csPaintCopy);
    RestoreDC(memory, saved);
    painted.push_back(child);
  }
  if (!memory) return;
  for (TControl* child : painted) {
    const int left = child->Left();
    const int top = child->Top();
    // The child's own top-left pixel in the memory picture tells whether it painted.
    const bool inside = left >= 0 && top >= 0 && left < width && top < height;
    if (inside && GetPixel(memory, left, top) == KeyColour) continue;
    BitBlt(dc, left + offset.x, top + offset.y, child->Width(), child->Height(), memory, left, top, SRCCOPY);
  }
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

}  // namespace skin
