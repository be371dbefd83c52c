#include "skin/controls/sLabels.h"

#include <algorithm>

#include "classlib/core/ConvertText.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"
#include "classlib/menus/Shell.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/ParentBackground.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/SectionItem_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

// One label paints at a time: a font colour set while painting must not
// start another round of sizing and painting.
bool labelPainting = false;

class TPaintingGuard {
 public:
  TPaintingGuard() { labelPainting = true; }
  ~TPaintingGuard() { labelPainting = false; }
};

TsSkinManager* ActiveManager() {
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  return manager && manager->Active() && manager->Skin() ? manager : nullptr;
}

const TsGeneralData* SectionAt(const TsSkinManager* manager, int index) {
  if (!manager || !manager->IsValidSkinIndex(index)) return nullptr;
  return &manager->Skin()->Sections[static_cast<std::size_t>(index)];
}

// The hot font colour of the skin's GLOBALINFO section; the key colour when
// there is none.
TColor GlobalHotFontColor(const TsSkinManager* manager) {
  const TsGeneralData* global = manager ? SectionAt(manager, manager->Skin()->ConstData.GlobalInfo) : nullptr;
  return global ? global->Props[1].FontColor : kSkinKeyColor;
}

void DrawLabelText(HDC dc, const std::wstring& text, TRect& r, UINT flags, TColor color, int dx = 0, int dy = 0) {
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(color)));
  TRect moved{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
  paint::acDrawText(dc, text, moved, flags);
  if (dx == 0 && dy == 0) r = moved;
}

}  // namespace

// --- TsCustomLabel

TsCustomLabel::TsCustomLabel(TComponent* owner) : TLabel(owner) { SetTransparent(true); }

void TsCustomLabel::SetSkinSection(const std::wstring& value) {
  if (skinSection_ == value) return;
  skinSection_ = classlib::UpperCase(value);
  Invalidate();
}

TColor TsCustomLabel::SkinFontColor() const {
  TsSkinManager* manager = ActiveManager();
  if (!manager) return kSkinKeyColor;
  const int index = GetFontIndex(const_cast<TsCustomLabel*>(this), -1, manager, 0);
  if (const TsGeneralData* section = SectionAt(manager, index)) return section->Props[0].FontColor;
  return manager->GetGlobalFontColor();
}

void TsCustomLabel::ApplyFontColor(TColor color) {
  if (color == kSkinKeyColor || color == Font()->Color()) return;
  Font()->SetColor(color);
}

TFont* TsCustomLabel::GetCurrentFont() {
  ApplyFontColor(SkinFontColor());
  return Font();
}

void TsCustomLabel::Paint() {
  if (skin::Destroying(this)) return;
  if (labelPainting) {
    TLabel::Paint();
    return;
  }
  TPaintingGuard guard;
  if (TFont* font = GetCurrentFont(); font != Font()) Font()->Assign(font);
  TsSkinManager* manager = ActiveManager();
  if (!skinSection_.empty() && manager) {
    skinIndex_ = manager->GetSkinIndex(skinSection_);
    if (const TsGeneralData* section = SectionAt(manager, skinIndex_)) ApplyFontColor(section->Props[0].FontColor);
  }
  // The first section of a skin lends its font colour only.
  if (skinIndex_ > 0 && Parent()) {
    TacBGInfo bg;
    QueryControlBackground(bg, Parent(), false);
    TacCacheInfo ci;
    BgInfoToCacheInfo(bg, ci);
    paint::PaintSectionItemToDC(skinIndex_, skinSection_, ci, true, 0, TRect{0, 0, Width(), Height()},
                                TPoint{Left(), Top()}, Canvas()->Handle(), manager);
  }
  TLabel::Paint();
  skinIndex_ = -1;
}

void TsCustomLabel::DoDrawText(TRect& rect, UINT flags) {
  if (Enabled() || !ActiveManager()) {
    TLabel::DoDrawText(rect, flags);
    return;
  }
  std::wstring text = LabelText();
  if ((flags & DT_CALCRECT) && (text.empty() || (ShowAccelChar() && text == L"&"))) text += L' ';
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  Canvas()->SetFont(Font());
  HDC dc = Canvas()->Handle();
  SetBkMode(dc, TRANSPARENT);
  // 40 % of the text colour over the parent's colour.
  const TColor parent = Parent() ? GetControlColor(Parent()) : ColorToRGB(clBtnFace);
  DrawLabelText(dc, text, rect, flags, paint::MixColors(ColorToRGB(Font()->Color()), parent, 0.4));
}

void TsCustomLabel::TakeWindowTextColor(const TMessage& m) {
  if (m.LParam != reinterpret_cast<LPARAM>(TsSkinManager::DefaultManager())) return;
  if (Font()->Color() != clWindowText) Font()->SetColor(clWindowText);
}

void TsCustomLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_FONTCHANGED:
      if (skin::Destroying(this) || labelPainting) return;
      break;
    case SkinCommandMessage:
      if (SkinCommandCode(m.WParam) == scRemoveSkin) TakeWindowTextColor(m);
      else if (SkinCommandCode(m.WParam) == scRefresh && ComponentState().Contains(csDesigning)) Invalidate();
      break;
    default:
      break;
  }
  TLabel::WndProc(m);
}

// --- TsLabel

void TsLabel::SetUseSkinColor(bool value) {
  if (useSkinColor_ == value) return;
  useSkinColor_ = value;
  Invalidate();
}

TFont* TsLabel::GetCurrentFont() {
  if (useSkinColor_ && !skin::Destroying(this)) return TsCustomLabel::GetCurrentFont();
  return Font();
}

void TsLabel::WndProc(TMessage& m) {
  if (m.Msg == SkinCommandMessage && SkinCommandCode(m.WParam) == scRemoveSkin) {
    if (useSkinColor_) TakeWindowTextColor(m);
    TLabel::WndProc(m);
    return;
  }
  TsCustomLabel::WndProc(m);
}

// --- TsWebLabel

TsWebLabel::TsWebLabel(TComponent* owner) : TsLabel(owner), hoverFont_(std::make_unique<TFont>()) {
  SetCursor(crHandPoint);
}

TsWebLabel::~TsWebLabel() = default;

TFont* TsWebLabel::GetCurrentFont() {
  TsSkinManager* manager = UseSkinColor() ? ActiveManager() : nullptr;
  if (hovered_ && !ComponentState().Contains(csDesigning)) {
    if (manager) {
      const TColor hot = GlobalHotFontColor(manager);
      ApplyFontColor(hot == -1 ? 255 : hot);
    }
    return Font();
  }
  if (manager) {
    const TsGeneralData* found = SectionAt(manager, GetFontIndex(this, -1, manager, 0));
    ApplyFontColor(found ? found->Props[0].FontColor : GlobalHotFontColor(manager));
  }
  return Font();
}

void TsWebLabel::SetHovered(bool value) {
  if (hovered_ == value) return;
  hovered_ = value;
  if (value) {
    normalFont_ = std::make_unique<TFont>();
    normalFont_->Assign(Font());
    Font()->Assign(hoverFont_.get());
  } else if (normalFont_) {
    Font()->Assign(normalFont_.get());
    normalFont_.reset();
  }
  if (AutoSize()) AdjustSize();
  if (TWinControl* parent = Parent(); parent && parent->HandleAllocated()) {
    const RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    InvalidateRect(parent->Handle(), &r, TRUE);
  }
}

void TsWebLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TsLabel::WndProc(m);
      if (Enabled()) SetHovered(m.Msg == CM_MOUSEENTER);
      return;
    case WM_ERASEBKGND:
      return;
    case WM_LBUTTONDOWN:
      TsLabel::WndProc(m);
      if (!url_.empty()) ShellOpen(url_);
      return;
    default:
      TsLabel::WndProc(m);
      return;
  }
}

// --- TsShadow and TsKind

void TsShadow::Changed() {
  if (owner_) owner_->Invalidate();
}

void TsShadow::SetBlurCount(int value) {
  if (blurCount_ == value) return;
  blurCount_ = value;
  Changed();
}

void TsShadow::SetDistance(int value) {
  if (distance_ == value) return;
  distance_ = value;
  Changed();
}

void TsShadow::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  Changed();
}

void TsShadow::SetMode(TsShadowMode value) {
  if (mode_ == value) return;
  mode_ = value;
  Changed();
}

void TsKind::SetKindType(TsKindType value) {
  if (kindType_ == value) return;
  kindType_ = value;
  if (owner_) owner_->Invalidate();
}

void TsKind::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  if (owner_) owner_->Invalidate();
}

// --- TsLabelFX

int ClampShadowBlur(int blur) { return std::clamp(blur, 0, kMaxShadowBlur); }

void BlurShadowMask(std::vector<std::uint8_t>& mask, int width, int height, int passes) {
  if (width < 3 || height < 3 || mask.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    return;
  for (int pass = 0; pass < passes; ++pass)
    for (int y = 1; y < height - 1; ++y)
      for (int x = 1; x < width - 1; ++x) {
        const std::size_t i = static_cast<std::size_t>(y) * width + x;
        mask[i] = static_cast<std::uint8_t>((mask[i - width] + mask[i + width] + mask[i - 1] + mask[i + 1]) >> 2);
      }
}

TsLabelFX::TsLabelFX(TComponent* owner)
    : TsCustomLabel(owner), shadow_(std::make_unique<TsShadow>(this)), kind_(std::make_unique<TsKind>(this)) {}

TsLabelFX::~TsLabelFX() = default;

void TsLabelFX::SetShadow(const TsShadow* value) {
  if (!value) return;
  shadow_->SetBlurCount(value->BlurCount());
  shadow_->SetDistance(value->Distance());
  shadow_->SetColor(value->Color());
  shadow_->SetMode(value->Mode());
}

void TsLabelFX::SetKind(const TsKind* value) {
  if (!value) return;
  kind_->SetKindType(value->KindType());
  kind_->SetColor(value->Color());
}

TsLabelFX::TShadowParams TsLabelFX::ShadowParams() const {
  TShadowParams p{shadow_->Color(), shadow_->BlurCount(), shadow_->Distance()};
  if (shadow_->Mode() == smNone) p.Blur = 0;
  if (shadow_->Mode() == smSkin1)
    if (const TsSkinManager* manager = ActiveManager(); manager && manager->Skin()->SkinData.Shadow1Blur != -1) {
      const TsSkinData& skin = manager->Skin()->SkinData;
      p = TShadowParams{skin.Shadow1Color, skin.Shadow1Blur, skin.Shadow1Offset};
    }
  p.Blur = ClampShadowBlur(p.Blur);
  return p;
}

TColor TsLabelFX::TextColor() const {
  switch (kind_->KindType()) {
    case ktStandard:
      // The label's own text colour (its Color is the background).
      return Font()->Color();
    case ktCustom:
      return kind_->Color();
    case ktSkin:
      break;
  }
  TsSkinManager* manager = ActiveManager();
  const TsGeneralData* own = manager && !SkinSection().empty() ? SectionAt(manager, manager->GetSkinIndex(SkinSection()))
                                                               : nullptr;
  const TColor color = own ? own->Props[0].FontColor : SkinFontColor();
  return color == kSkinKeyColor ? Font()->Color() : color;
}

void TsLabelFX::DrawShadow(const TRect& rect, UINT flags, const TShadowParams& shadow) {
  const int b = shadow.Blur;
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  const int ww = w + 2 * b, wh = h + 2 * b;
  TBitmap work;
  work.SetPixelFormat(pf32bit);
  work.SetSize(ww, wh);
  HDC workDC = work.Canvas()->Handle();
  const RECT all{0, 0, ww, wh};
  FillRect(workDC, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  work.Canvas()->SetFont(Font());
  workDC = work.Canvas()->Handle();
  SetBkMode(workDC, TRANSPARENT);
  TRect placed = rect;
  DrawLabelText(workDC, LabelText(), placed, flags, clWhite, b + shadow.Distance, b + shadow.Distance);
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(ww) * wh);
  for (int y = 0; y < wh; ++y) {
    const std::uint8_t* row = work.ScanLine(y);
    for (int x = 0; x < ww; ++x)
      if ((row[x * 4] | row[x * 4 + 1] | row[x * 4 + 2]) != 0) mask[static_cast<std::size_t>(y) * ww + x] = 255;
  }
  BlurShadowMask(mask, ww, wh, b);
  TBitmap image;
  image.SetPixelFormat(pf32bit);
  image.SetSize(w, h);
  HDC imageDC = image.Canvas()->Handle();
  if (Transparent()) {
    BitBlt(imageDC, 0, 0, w, h, Canvas()->Handle(), 0, 0, SRCCOPY);
  } else {
    const TColor back = ColorToRGB(Color());
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(back));
    const RECT r{0, 0, w, h};
    FillRect(imageDC, &r, brush);
    DeleteObject(brush);
  }
  GdiFlush();
  const TColor colour = ColorToRGB(shadow.Color);
  const int sr = colour & 0xFF, sg = (colour >> 8) & 0xFF, sb = (colour >> 16) & 0xFF;
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = image.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      const int m = mask[static_cast<std::size_t>(y + b) * ww + x + b];
      if (m == 0) continue;
      std::uint8_t* p = row + x * 4;
      p[0] = static_cast<std::uint8_t>((p[0] * (255 - m) + sb * m) >> 8);
      p[1] = static_cast<std::uint8_t>((p[1] * (255 - m) + sg * m) >> 8);
      p[2] = static_cast<std::uint8_t>((p[2] * (255 - m) + sr * m) >> 8);
    }
  }
  BitBlt(Canvas()->Handle(), 0, 0, w, h, image.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TsLabelFX::DoDrawText(TRect& rect, UINT flags) {
  if (IsLoading(this) || (shadow_->Mode() == smNone && skinIndex_ < 0)) {
    TsCustomLabel::DoDrawText(rect, flags);
    return;
  }
  const TShadowParams shadow = ShadowParams();
  const bool hasShadow = shadow.Color != clNone && shadow.Blur > 0;
  std::wstring text = LabelText();
  if ((flags & DT_CALCRECT) && text.empty()) text = L" ";
  Canvas()->SetFont(Font());
  HDC dc = Canvas()->Handle();
  SetBkMode(dc, TRANSPARENT);
  if (flags & DT_CALCRECT) {
    paint::acDrawText(dc, text, rect, flags);
    if (hasShadow) {
      rect.Right += std::abs(shadow.Distance);
      rect.Bottom += std::abs(shadow.Distance);
    }
    return;
  }
  if (hasShadow) {
    DrawShadow(rect, flags, shadow);
    Canvas()->SetFont(Font());
    dc = Canvas()->Handle();
    SetBkMode(dc, TRANSPARENT);
  }
  if (!Enabled()) {
    DrawLabelText(dc, text, rect, flags, clBtnHighlight, 1, 1);
    DrawLabelText(dc, text, rect, flags, clBtnShadow);
    return;
  }
  DrawLabelText(dc, text, rect, flags, TextColor());
}

}  // namespace skin
