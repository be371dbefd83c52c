#include "skin/controls/sGauge.h"

#include <climits>
#include <cmath>
#include <numbers>

#include "classlib/core/ResourceStream.h"
#include "classlib/graphics/GdiErrors.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/MaskSource.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/PngGraphic_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"
#include "skin/paint/Text32_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

constexpr UINT kTimerInterval = 22;
constexpr UINT kTextFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

// A new 32-bit bitmap of the size, owned by the caller.
std::unique_ptr<TBitmap> Owned32(int width, int height) {
  return std::unique_ptr<TBitmap>(paint::NewBitmap32(width, height));
}

void RaiseRange(long long low, long long high) {
  throw EInvalidOperation(L"Value must be between " + std::to_wstring(low) + L" and " + std::to_wstring(high));
}

void FillColour(TCanvas& canvas, const TRect& r, TColor colour) {
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(colour);
  canvas.FillRect(r);
}

bool IsBarKind(TsGaugeKind kind) { return kind == gkHorizontalBar || kind == gkVerticalBar; }

}  // namespace

TsGauge::TsGauge(TComponent* owner) : TsSkinnedControl(owner), timer_(std::make_unique<TTimer>(nullptr)) {
  ControlStyle().Include(csOpaque);
  SetBounds(Left(), Top(), 120, 30);
  timer_->SetEnabled(false);
  timer_->SetInterval(kTimerInterval);
  timer_->SetOnTimer([this](TObject*) { AnimationStep(); });
}

TsGauge::~TsGauge() { timer_->SetEnabled(false); }

bool TsGauge::Loading() const { return ComponentState().Contains(csLoading) || ComponentState().Contains(csReading); }
bool TsGauge::Designing() const { return ComponentState().Contains(csDesigning); }

void TsGauge::SetMinValue(int value) {
  if (minValue_ == value) return;
  if (value > maxValue_ && !Loading()) RaiseRange(-static_cast<long long>(INT_MAX), static_cast<long long>(maxValue_) - 1);
  minValue_ = value;
  if (progress_ < minValue_) progress_ = minValue_;
  Changed();
}

void TsGauge::SetMaxValue(int value) {
  if (maxValue_ == value) return;
  if (value < minValue_ && !Loading()) RaiseRange(static_cast<long long>(minValue_) + 1, INT_MAX);
  maxValue_ = value;
  if (progress_ > maxValue_) progress_ = maxValue_;
  Changed();
}

void TsGauge::SetProgress(int value) {
  const int limited = paint::ClampGaugeProgress(value, minValue_, maxValue_);
  if (limited == progress_) return;
  const int percentBefore = PercentDone();
  progress_ = limited;
  if (PercentDone() != percentBefore) Changed();
  if (OnChange) OnChange(this);
}

void TsGauge::Changed() {
  SkinData()->BGChanged = true;
  Refresh();
}

void TsGauge::SetKind(TsGaugeKind value) {
  if (kind_ == value) return;
  kind_ = value;
  DropBarImage();
  Changed();
}

void TsGauge::SetShowText(bool value) {
  if (showText_ == value) return;
  showText_ = value;
  Changed();
}

void TsGauge::SetSuffix(const std::wstring& value) {
  if (suffix_ == value) return;
  suffix_ = value;
  Changed();
}

void TsGauge::SetForeColor(TColor value) {
  if (foreColor_ == value) return;
  foreColor_ = value;
  Changed();
}

void TsGauge::SetBackColor(TColor value) {
  if (backColor_ == value) return;
  backColor_ = value;
  Changed();
}

void TsGauge::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  DropBarImage();
  Changed();
}

void TsGauge::SetProgressSkin(const std::wstring& value) {
  if (progressSkin_ == value) return;
  progressSkin_ = value;
  DropBarImage();
  Changed();
}

void TsGauge::SetCalcPercents(bool value) {
  if (calcPercents_ == value) return;
  calcPercents_ = value;
  Changed();
}

void TsGauge::SetAnimated(bool value) {
  if (animated_ == value) return;
  animated_ = value;
  if (Designing()) return;
  if (!animated_) {
    StartTimer(false);
    Changed();
  } else {
    DropBarImage();
    StartTimer(true);
  }
}

int TsGauge::PercentDone() const { return paint::GaugePercent(minValue_, maxValue_, progress_); }

std::wstring TsGauge::ShownText() const {
  return std::to_wstring(calcPercents_ ? PercentDone() : progress_) + suffix_;
}

TRect TsGauge::InnerRect() const {
  TRect r{0, 0, Width(), Height()};
  if (borderStyle_ == bsSingle) r = TRect{1, 1, Width() - 1, Height() - 1};
  return r;
}

void TsGauge::Loaded() {
  TsSkinnedControl::Loaded();
  if (!Designing() && animated_) StartTimer(true);
}

void TsGauge::StartTimer(bool on) { timer_->SetEnabled(on); }

void TsGauge::DropBarImage() { barImage_.reset(); }

void TsGauge::WndProc(TMessage& m) {
  if (m.Msg == SkinCommandMessage) {
    const bool own = m.LParam == reinterpret_cast<LPARAM>(SkinData()->SkinManager());
    switch (SkinCommandCode(m.WParam)) {
      case scResetCache:
        DropBarImage();
        return;
      case scRemoveSkin:
        if (!own) break;
        if (animated_) StartTimer(false);
        DropBarImage();
        CommonWndProc(m, SkinData());
        Repaint();
        return;
      case scRefresh:
        if (!own) break;
        DropBarImage();
        CommonWndProc(m, SkinData());
        Repaint();
        if (animated_ && !Designing()) StartTimer(true);
        return;
      case scEndUpdate:
        if (SkinData()->OwnUpdating()) {
          SkinData()->SetUpdating(false);
          Repaint();
        }
        return;
      default:
        break;
    }
  }
  TsSkinnedControl::WndProc(m);
}

// --- Painting

void TsGauge::Paint() {
  TCanvas& canvas = *Canvas();
  if (Width() < 1 || Height() < 1) return;
  if (!SkinData()->Skinned()) {
    PaintPlain();
    return;
  }
  if (SkinData()->Updating()) {
    SetPixel(canvas.Handle(), 0, 0, 0xFF00FF);
    return;
  }
  PrepareCache();
  BitBlt(canvas.Handle(), 0, 0, Width(), Height(), SkinData()->CacheBmp()->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TsGauge::PaintKindShape(TCanvas& c, const TRect& inner, bool skinned) {
  const int percent = PercentDone();
  const int w = inner.Width(), h = inner.Height();
  if (w < 1 || h < 1) return;
  switch (kind_) {
    case gkText:
      if (!skinned) FillColour(c, inner, backColor_);
      break;
    case gkHorizontalBar:
    case gkVerticalBar: {
      FillColour(c, inner, backColor_);
      if (kind_ == gkHorizontalBar) {
        const int filled = paint::GaugeFilledLength(percent, w);
        if (filled > 0) FillColour(c, TRect{inner.Left, inner.Top, inner.Left + filled, inner.Bottom}, foreColor_);
      } else {
        const int filled = paint::GaugeFilledLength(percent, h);
        // A full bar keeps its top row in the back colour.
        const int top = std::max(inner.Bottom - filled, inner.Top + 1);
        if (filled > 0 && top < inner.Bottom)
          FillColour(c, TRect{inner.Left, top, inner.Right, inner.Bottom}, foreColor_);
      }
      break;
    }
    case gkPie: {
      FillColour(c, inner, ColorToRGB(Color()));
      c.Pen()->SetColor(foreColor_);
      c.Brush()->SetColor(backColor_);
      c.Ellipse(inner);
      if (percent >= 1) {
        const double angle = percent / 50.0 * std::numbers::pi;
        const int cx = inner.Left + w / 2, cy = inner.Top + h / 2;
        c.Brush()->SetColor(foreColor_);
        // Clockwise from the top: GDI sweeps counter-clockwise from the start.
        c.Pie(inner.Left, inner.Top, inner.Right, inner.Bottom, cx + static_cast<int>(std::lround(w * std::sin(angle))),
              cy - static_cast<int>(std::lround(h * std::cos(angle))), cx, inner.Top);
      }
      break;
    }
    case gkNeedle: {
      FillColour(c, inner, ColorToRGB(Color()));
      c.Pen()->SetColor(foreColor_);
      c.Brush()->SetColor(backColor_);
      const int base = inner.Bottom - 1;
      c.Pie(inner.Left, inner.Top, inner.Right, inner.Top + 2 * (base - inner.Top), inner.Right, base, inner.Left,
            base);
      c.MoveTo(inner.Left, base);
      c.LineTo(inner.Right, base);
      if (percent >= 1) {
        const double angle = percent / 100.0 * std::numbers::pi;
        const int cx = inner.Left + w / 2;
        const double rx = w / 2.0, ry = base - inner.Top;
        c.MoveTo(cx, base);
        c.LineTo(cx - static_cast<int>(std::lround(rx * std::cos(angle))),
                 base - static_cast<int>(std::lround(ry * std::sin(angle))));
      }
      break;
    }
  }
}

void TsGauge::PaintPlain() {
  const int w = Width(), h = Height();
  const TRect all{0, 0, w, h};
  auto face = Owned32(w, h);
  FillColour(*face->Canvas(), all, clBlack);
  auto gauge = Owned32(w, h);
  FillColour(*gauge->Canvas(), all, clBlack);
  PaintKindShape(*gauge->Canvas(), InnerRect(), false);
  BitBlt(face->Canvas()->Handle(), 0, 0, w, h, gauge->Canvas()->Handle(), 0, 0, SRCINVERT);
  if (showText_) {
    // White text on black, combined the same way: it inverts what lies under it.
    FillColour(*gauge->Canvas(), all, clBlack);
    TCanvas& tc = *gauge->Canvas();
    tc.SetFont(Font());
    tc.Font()->SetColor(clWhite);
    tc.Brush()->SetStyle(bsClear);
    RECT r = ToRECT(all);
    const std::wstring text = ShownText();
    DrawTextW(tc.Handle(), text.c_str(), static_cast<int>(text.size()), &r, kTextFlags);
    BitBlt(face->Canvas()->Handle(), 0, 0, w, h, tc.Handle(), 0, 0, SRCINVERT);
  }
  BitBlt(Canvas()->Handle(), 0, 0, w, h, face->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TsGauge::PaintText(TBitmap* bmp, const TRect& r, int dx, int dy) {
  bmp->Canvas()->SetFont(Font());
  paint::TText32Params p;
  p.Text = ShownText();
  p.R = TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
  p.Flags = kTextFlags;
  p.SkinIndex = SkinData()->SkinIndex;
  p.SkinManager = SkinData()->SkinManager();
  paint::PaintText32(bmp, p);
}

void TsGauge::PrepareCache() {
  TsCommonData& data = *SkinData();
  data.InitCacheBmp();
  TBitmap* cache = data.CacheBmp();
  const TRect all{0, 0, Width(), Height()};
  TacCacheInfo ci;
  GetParentCache(&data, ci);
  const TsGeneralData* section = data.Section();
  const bool frameOnTop = section && section->ReservedBoolean && IsBarKind(kind_);
  if (frameOnTop) PaintSkinDataBackground(data, ci, 0, all, TPoint{0, 0}, cache);
  else PaintSectionItem(data, ci, true, 0, all, TPoint{0, 0}, cache, false);
  if (showText_) PaintText(cache, all, 0, 0);
  if (kind_ == gkPie || kind_ == gkNeedle) PaintKindShape(*cache->Canvas(), InnerRect(), true);
  else if (IsBarKind(kind_)) PaintBar(cache, InnerRect());
  if (frameOnTop) {
    if (const TsMaskData* border = data.BorderMask()) {
      TacCacheInfo shifted = ci;
      paint::PaintMaskRect(cache, all, true, shifted, *border, 0, false, nullptr);
    }
  }
  data.BGChanged = false;
}

std::wstring TsGauge::BarSection() const {
  if (!progressSkin_.empty()) return progressSkin_;
  return kind_ == gkVerticalBar && !animated_ ? L"PROGRESSV" : L"PROGRESSH";
}

paint::TPixelView TsGauge::ShapingMask(const std::wstring& barSection) const {
  const TsSkinManager* manager = SkinData()->SkinManager();
  if (!manager) return {};
  const int index = manager->GetMaskIndex(manager->GetSkinIndex(barSection), barSection, L"LRGN");
  if (!manager->IsValidImgIndex(index)) return {};
  const TsMaskData& mask = manager->Skin()->Masks[static_cast<std::size_t>(index)];
  const paint::TPixelView image = paint::MaskImageView(mask);
  // The first frame of the mask's rectangle.
  const int width = mask.R.Width() / std::max<int>(1, mask.ImageCount);
  const int height = mask.R.Height() / (std::max<int>(0, mask.MaskType) + 1);
  if (!image.Is32() || width < 1 || height < 1 || mask.R.Left < 0 || mask.R.Top < 0 ||
      mask.R.Left + width > image.Width || mask.R.Top + height > image.Height)
    return {};
  return paint::MakeView(image.Row(mask.R.Top) + static_cast<std::ptrdiff_t>(mask.R.Left) * 4, width, height,
                         image.Stride);
}

bool TsGauge::HasHighlightPicture() {
  if (!highlightPictureAsked_) {
    highlightPictureAsked_ = true;
    // Looked for once: a program without the picture sweeps nothing.
    try {
      std::unique_ptr<TStream> stream = OpenResourceStream(L"ACGL");
      auto picture = std::make_unique<TPNGGraphic>();
      picture->LoadFromStream(*stream);
      if (picture->PixelFormat() == pf32bit && picture->Width() > 0 && picture->Height() > 0)
        highlightPicture_ = std::move(picture);
    } catch (const Exception&) {
      highlightPicture_.reset();
    }
  }
  return highlightPicture_ != nullptr;
}

void TsGauge::PaintBar(TBitmap* cache, const TRect& inner) {
  TsCommonData& data = *SkinData();
  const bool vertical = kind_ == gkVerticalBar;
  const int length = vertical ? inner.Height() : inner.Width();
  const int thickness = vertical ? inner.Width() : inner.Height();
  const int filled = paint::GaugeFilledLength(PercentDone(), length);
  if (filled < 1 || thickness < 1) return;
  TsSkinManager* manager = data.SkinManager();
  const std::wstring name = BarSection();
  const HDC cacheDC = cache->Canvas()->Handle();
  if (vertical && !animated_) {
    // A still vertical bar is painted upright from its own section.
    auto item = Owned32(thickness, filled);
    const TPoint at{inner.Left, inner.Bottom - filled};
    paint::PaintSectionItemByName(item.get(), name, L"PROGRESSH", 0, manager, at, 0xFF00FF, cacheDC);
    BitBlt(cacheDC, at.X, at.Y, thickness, filled, item->Canvas()->Handle(), 0, 0, SRCCOPY);
    if (showText_) PaintText(cache, TRect{0, 0, Width(), Height()}, 0, 0);
    return;
  }
  const TsGeneralData* section = data.Section();
  // A turned bar has no background of its own to paint over: like a bar
  // under the frame it is painted on the key colour and copied without it.
  const bool keyed = (section && section->ReservedBoolean) || vertical;
  if (!barImage_ || barImage_->Width() != filled || barImage_->Height() != thickness) {
    barImage_ = Owned32(filled, thickness);
    if (keyed) {
      FillColour(*barImage_->Canvas(), TRect{0, 0, filled, thickness}, 0xFF00FF);
      paint::PaintSectionItemByName(barImage_.get(), name, L"PROGRESSH", 0, manager, TPoint{0, 0}, 0xFF00FF,
                                    barImage_->Canvas()->Handle());
    } else {
      paint::PaintSectionItemByName(barImage_.get(), name, L"PROGRESSH", 0, manager, TPoint{inner.Left, inner.Top},
                                    0xFF00FF, cacheDC);
    }
  }
  auto work = Owned32(filled, thickness);
  BitBlt(work->Canvas()->Handle(), 0, 0, filled, thickness, barImage_->Canvas()->Handle(), 0, 0, SRCCOPY);
  if (animated_ && progress_ >= 1 && sweep_.Within(filled) && HasHighlightPicture()) {
    if (!highlight_ || highlight_->Width() != paint::kHighlightLength || highlight_->Height() != thickness) {
      highlight_ = Owned32(paint::kHighlightLength, thickness);
      paint::BuildHighlight(paint::ViewOf(highlightPicture_.get()), paint::ViewOf(highlight_.get()));
    }
    GdiFlush();
    const paint::TPixelView shape = keyed ? paint::TPixelView{} : ShapingMask(name);
    if (shape.Is32())
      paint::BlendHighlightThroughMask(paint::ViewOf(work.get()), paint::ViewOf(highlight_.get()), sweep_.Position,
                                       shape);
    else
      paint::BlendHighlight(paint::ViewOf(work.get()), paint::ViewOf(highlight_.get()), sweep_.Position);
  }
  if (showText_ && !vertical) PaintText(work.get(), TRect{0, 0, Width(), Height()}, -inner.Left, -inner.Top);
  TBitmap* placed = work.get();
  std::unique_ptr<TBitmap> turned;
  TPoint at{inner.Left, inner.Top};
  if (vertical) {
    TBitmap* source = work.get();
    turned.reset(paint::RotateBitmap90(source, false, false));
    if (!turned) return;
    placed = turned.get();
    at = TPoint{inner.Left, inner.Bottom - filled};
  }
  GdiFlush();
  if (keyed)
    paint::CopyKeyedRect(cache, placed, at.X, at.Y, TRect{0, 0, placed->Width(), placed->Height()}, 0xFF00FF,
                         EmptyCacheInfo);
  else
    BitBlt(cacheDC, at.X, at.Y, placed->Width(), placed->Height(), placed->Canvas()->Handle(), 0, 0, SRCCOPY);
  if (showText_ && vertical) PaintText(cache, TRect{0, 0, Width(), Height()}, 0, 0);  // upright, over the turned bar
}

// --- The sweeping highlight

void TsGauge::BlitCache() {
  TWinControl* parent = Parent();
  if (!parent || !parent->HandleAllocated() || !SkinData()->CacheBmp()) return;
  const HDC dc = GetDC(parent->Handle());
  BitBlt(dc, Left(), Top(), Width(), Height(), SkinData()->CacheBmp()->Canvas()->Handle(), 0, 0, SRCCOPY);
  ReleaseDC(parent->Handle(), dc);
}

void TsGauge::AnimationStep() {
  if (!SkinData()->Skinned()) {
    StartTimer(false);
    return;
  }
  const int length = kind_ == gkVerticalBar ? Height() : Width();
  if (!sweep_.Tick(length)) return;
  TWinControl* parent = Parent();
  if (Visible() && progress_ >= 1 && parent && parent->HandleAllocated() && IsWindowVisible(parent->Handle())) {
    PrepareCache();
    BlitCache();
  }
  sweep_.Advance(length);
}

}  // namespace skin
