// Measuring and painting of skinned pop-up items: each item is composed in
// a small 32-bit bitmap over the pop-up's background image and copied in
// one blit.
#include <algorithm>
#include <cmath>

#include "classlib/controls/Application.h"
#include "classlib/controls/Forms.h"
#include "classlib/menus/ImageList.h"
#include "classlib/menus/MenusFont.h"
#include "skin/common/MainWindowHook.h"
#include "skin/core/CacheInfo.h"
#include "skin/forms/SkinMenusLayout.h"
#include "skin/forms/sSkinMenus.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/Blends.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

// The frame the system draws around a pop-up's items: item coordinates
// start this far inside the window on every side.
constexpr int kSystemFrame = 3;

std::unique_ptr<TBitmap> Bitmap32(int width, int height) {
  auto bmp = std::make_unique<TBitmap>();
  bmp->SetPixelFormat(pf32bit);
  bmp->SetSize(std::max(width, 0), std::max(height, 0));
  return bmp;
}

std::wstring WithoutAmpersands(std::wstring text) {
  std::erase(text, L'&');
  return text;
}

// The charset of the form that owns the item's menu; -1 without one.
int FormCharset(const TMenuItem& item) {
  const TMenu* menu = item.GetParentMenu();
  const auto* form = menu ? dynamic_cast<const TCustomForm*>(menu->Owner()) : nullptr;
  return form ? static_cast<int>(const_cast<TCustomForm*>(form)->Font()->Charset()) : -1;
}

// The owning form's charset (menus owned by a form), else the font's own.
void TakeFormCharset(const TMenuItem& item, TFont& font) {
  if (const int charset = FormCharset(item); charset >= 0) font.SetCharset(static_cast<TFontCharset>(charset));
}

const TsMaskData* Mask(const TsSkinManager& manager, int index) {
  return manager.IsValidImgIndex(index) ? &manager.Skin()->Masks[static_cast<size_t>(index)] : nullptr;
}

// The caption-button glyphs come from "Webdings"; where that face lacks
// one (Wine's has only a few), "Marlett" has the same glyph at the same code.
std::wstring GlyphFace(TCanvas* canvas, wchar_t mark) {
  canvas->Font()->SetName(L"Webdings");
  WORD index = 0;
  if (GetGlyphIndicesW(canvas->Handle(), &mark, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) == 1 && index != 0xFFFF)
    return L"Webdings";
  return L"Marlett";
}

int TextHeightW(TCanvas* canvas) {
  // 1.25 times the height of "W", halves to the even neighbour.
  return static_cast<int>(std::nearbyint(canvas->TextHeight(L"W") * 1.25));
}

}  // namespace

bool TsSkinableMenus::AskExtraLine(TMenuItem* first) {
  if (!first || extraEventBusy_) return false;
  if (manager_ && manager_->ComponentState().Contains(csDesigning)) return false;
  if (first->Name() == L"SkinSelectItem") return false;
  extraSection_ = L"EXTRALINE";
  extraGlyph_.reset();
  extraCaption_ = L"Use OnGetExtraLineData event";
  bool visible = true;
  if (OnGetMenuExtraLineData) {
    extraEventBusy_ = true;
    struct Done {
      bool& busy;
      ~Done() { busy = false; }
    } done{extraEventBusy_};
    OnGetMenuExtraLineData(first, extraSection_, extraCaption_, extraGlyph_, visible);
  }
  extraCaption_ = WithoutAmpersands(extraCaption_);
  if (!visible) extraGlyph_.reset();
  return visible;
}

void TsSkinableMenus::PaintExtraLine(TacMenuInfo& info, int border) {
  TBitmap* bmp = info.Bmp.get();
  const int section = manager_->GetSkinIndex(extraSection_);
  const int width = ExtraLineWidth(info), height = bmp->Height() - 2 * border;
  if (manager_->IsValidSkinIndex(section) && width > 0 && height > 0) {
    auto strip = Bitmap32(width, height);
    paint::PaintSectionItemByIndex(section, extraSection_, MakeCacheInfo(bmp, border, border), true, 0,
                                   TRect{0, 0, width, height}, TPoint{0, 0}, strip.get(), manager_,
                                   paint::TStateTextures{});
    int bottom = height - 12;
    if (extraGlyph_ && !extraGlyph_->Empty()) {
      strip->Canvas()->Draw((width - extraGlyph_->Width()) / 2, bottom - extraGlyph_->Height(), extraGlyph_.get());
      bottom -= extraGlyph_->Height() + 8;
    }
    if (!extraCaption_.empty()) {
      const TFont* font = menuSupport_.ExtraLineFont();
      LOGFONTW lf{};
      lf.lfHeight = const_cast<TFont*>(font)->Size();
      lf.lfWeight = FW_NORMAL;
      lf.lfItalic = font->Style().Contains(fsItalic);
      lf.lfUnderline = font->Style().Contains(fsUnderline);
      lf.lfStrikeOut = font->Style().Contains(fsStrikeOut);
      lf.lfCharSet = static_cast<BYTE>(font->Charset());
      lf.lfEscapement = lf.lfOrientation = -2700;
      lstrcpynW(lf.lfFaceName, font->Name().c_str(), LF_FACESIZE);
      HFONT rotated = CreateFontIndirectW(&lf);
      const HDC dc = strip->Canvas()->Handle();
      const HGDIOBJ old = SelectObject(dc, rotated);
      TEXTMETRICW tm{};
      GetTextMetricsW(dc, &tm);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, manager_->Skin()->Sections[static_cast<size_t>(section)].Props[0].FontColor);
      TextOutW(dc, (width - tm.tmHeight) / 2, bottom, extraCaption_.c_str(), static_cast<int>(extraCaption_.size()));
      SelectObject(dc, old);
      DeleteObject(rotated);
    }
    BitBlt(bmp->Canvas()->Handle(), border, border, width, height, strip->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  extraGlyph_.reset();
}

int TsSkinableMenus::ItemHeight(TCanvas* canvas, TMenuItem* item) {
  SelectMenuFont(*canvas, false);
  switch (PopupItemKind(item->Caption())) {
    case smDivider: return 2;
    case smCaption: return TextHeightW(canvas) + 2 * Margin;
    default: return std::max(TextHeightW(canvas), static_cast<int>(ItemGlyphSize(*item).cy)) + 2 * Margin;
  }
}

void TsSkinableMenus::MeasureItem(TObject* sender, TCanvas* canvas, int& width, int& height) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item || !canvas || item->ComponentState().Contains(csDestroying)) return;
  SetMenuItemsMeasured(true);
  TMenuItem* parent = item->Parent();
  const TacMenuInfo* info = GetMenuInfo(item, 0, 0);
  const TsMenuItemType kind = PopupItemKind(item->Caption());
  const bool extraLine =
      info ? info->HasExtraLine : (parent && parent->Count() > 0 ? AskExtraLine(parent->Items(0)) : false);
  SelectMenuFont(*canvas, item->Default());
  TakeFormCharset(*item, *canvas->Font());
  std::wstring text;
  if (kind == smCaption) text = L"-" + item->Caption() + L"-";
  else if (kind == smNormal) text = item->Caption() + ShortCutToText(item->ShortCut());
  RECT r{0, 0, 1, 0};
  if (!text.empty())
    DrawTextW(canvas->Handle(), text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
  else r.right = 0;
  width = PopupItemWidth(ItemGlyphSize(*item).cx, r.right - r.left, Margin, Spacing);
  if (extraLine && menuSupport_.UseExtraLine && InFirstColumn(*item)) width += menuSupport_.ExtraLineWidth;
  height = ItemHeight(canvas, item);
}

int TsSkinableMenus::PopupWidth(TCanvas* canvas, TMenuItem* item) {
  TMenuItem* parent = item->Parent();
  int total = 0, column = 0;
  for (int i = 0; parent && i < parent->Count(); ++i) {
    TMenuItem* sub = parent->Items(i);
    if (!sub->Visible()) continue;
    if (sub->Break() != mbNone) {
      total += column + 4;
      column = 0;
    }
    int w = 0, h = 0;
    MeasureItem(sub, canvas, w, h);
    column = std::max(column, w + 12);
  }
  return column + total;
}

int TsSkinableMenus::PopupHeight(TCanvas* canvas, TMenuItem* item) {
  TMenuItem* parent = item->Parent();
  int result = 0, column = 0;
  for (int i = 0; parent && i < parent->Count(); ++i) {
    TMenuItem* sub = parent->Items(i);
    if (!sub->Visible()) continue;
    if (sub->Break() != mbNone) {
      result = std::max(result, column);
      column = 0;
    }
    column += ItemHeight(canvas, sub);
  }
  return std::max(result, column);
}

void TsSkinableMenus::DrawItem(TObject* sender, TCanvas* canvas, const TRect& rect, TOwnerDrawState state) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item || !canvas || !manager_ || !manager_->Active() || !manager_->Skin()) return;
  canvas->Lock();
  struct Finish {
    TMenuItem* item;
    TCanvas* canvas;
    const TRect& rect;
    TOwnerDrawState state;
    ~Finish() {
      if (item->OnDrawItem()) item->OnDrawItem()(item, canvas, rect, state.Contains(odSelected));
      canvas->Unlock();
    }
  } finish{item, canvas, rect, state};

  const HWND wnd = WindowFromDC(canvas->Handle());
  int width = 0, height = 0;
  if (wnd) {
    RECT wr{};
    GetWindowRect(wnd, &wr);
    width = wr.right - wr.left;
    height = wr.bottom - wr.top;
  } else {
    TBitmap measuring;
    measuring.SetSize(1, 1);
    width = PopupWidth(measuring.Canvas(), item) + 2 * BorderWidth;
    height = PopupHeight(measuring.Canvas(), item) + 2 * BorderWidth;
  }
  TacMenuInfo* info = GetMenuInfo(item, width, height, wnd);
  if (!info) return;
  const int extra = InFirstColumn(*item) ? ExtraLineWidth(*info) : 0;
  const POINT offset = wnd ? MenuClientOffset(wnd) : POINT{kSystemFrame, kSystemFrame};
  TBitmap* bmp = info->Bmp.get();

  if (wnd && bmp && !bmp->Empty()) {
    if (HDC dc = GetWindowDC(wnd)) {
      const HDC src = bmp->Canvas()->Handle();
      const int b = BorderWidth;
      if (IsFirstVisible(*item)) {
        BitBlt(dc, 0, 0, bmp->Width(), b, src, 0, 0, SRCCOPY);
        BitBlt(dc, 0, 0, extra + std::max(SkinBorderWidth(), b), bmp->Height(), src, 0, 0, SRCCOPY);
      }
      if (IsLastVisible(*item)) BitBlt(dc, 0, bmp->Height() - b, bmp->Width(), b, src, 0, bmp->Height() - b, SRCCOPY);
      BitBlt(dc, bmp->Width() - b, offset.y + rect.Top, b, rect.Height(), src, bmp->Width() - b, offset.y + rect.Top,
             SRCCOPY);
      ReleaseDC(wnd, dc);
    }
  } else if (!wnd && Application->HandleAllocated()) {
    MSG queued;
    if (!PeekMessageW(&queued, Application->Handle(), WM_PREPAREMENUWINDOW, WM_PREPAREMENUWINDOW + 1, PM_NOREMOVE))
      PostMessageW(Application->Handle(), WM_PREPAREMENUWINDOW, 0, reinterpret_cast<LPARAM>(item));
  }

  switch (PopupItemKind(item->Caption())) {
    case smDivider: DrawDivider(item, canvas, rect, info, offset.y); return;
    case smCaption: DrawCaption(item, canvas, rect, info, offset.y); return;
    default: break;
  }
  if (!bmp || bmp->Empty()) return;
  DrawNormal(item, canvas, rect, state, *info, extra, offset.y);
}

void TsSkinableMenus::DrawNormal(TMenuItem* item, TCanvas* canvas, const TRect& rect, TOwnerDrawState state,
                                 TacMenuInfo& info, int extra, int offset) {
  TBitmap* bmp = info.Bmp.get();
  const HDC dst = canvas->Handle();
  const HDC src = bmp->Canvas()->Handle();
  const bool rtl = RightToLeft(item);
  // Column gaps: the space under a column's last item and left of a break.
  const int innerBottom = bmp->Height() - kSystemFrame - offset;
  const TMenuItem* next = NextVisible(*item);
  if ((next && next->Break() != mbNone) || (!next && innerBottom > rect.Bottom))
    BitBlt(dst, rect.Left, rect.Bottom, rect.Width(), innerBottom - rect.Bottom, src, rect.Left + offset,
           rect.Bottom + offset, SRCCOPY);
  if (item->Break() != mbNone)
    BitBlt(dst, rect.Left - 4, rect.Top, 4, innerBottom - rect.Top, src, rect.Left - 4 + offset, rect.Top + offset,
           SRCCOPY);

  const bool enabled = item->Enabled();
  const bool selected = state.Contains(odSelected);
  const bool hot = enabled && (selected || state.Contains(odHotLight));
  // One bitmap for every item repaint (made again only for another size).
  std::unique_ptr<TBitmap> own;
  TBitmap* itemBmp = itemBmp_.get();
  if (!itemBmp || itemBmpBusy_) {
    own = Bitmap32(0, 0);
    itemBmp = own.get();
    if (!itemBmpBusy_) itemBmp_ = std::move(own), itemBmp = itemBmp_.get();
  }
  itemBmp->SetSize(std::max(rect.Width() - extra, 0), rect.Height());
  if (itemBmp->Empty()) return;
  const bool wasBusy = itemBmpBusy_;
  itemBmpBusy_ = true;
  struct Release {
    bool& busy;
    bool was;
    ~Release() { busy = was; }
  } release{itemBmpBusy_, wasBusy};
  TCanvas* ic = itemBmp->Canvas();
  const int itemSection = manager_->GetSkinIndex(L"MENUITEM");
  if (manager_->IsValidSkinIndex(itemSection))
    paint::PaintSectionItemByIndex(itemSection, L"MENUITEM", MakeCacheInfo(bmp, offset, offset), true,
                                   enabled && selected ? 1 : 0, TRect{0, 0, itemBmp->Width(), itemBmp->Height()},
                                   TPoint{rect.Left + extra, rect.Top}, itemBmp, manager_,
                                   paint::TStateTextures{});
  else
    BitBlt(ic->Handle(), 0, 0, itemBmp->Width(), itemBmp->Height(), src, rect.Left + extra + offset, rect.Top + offset,
           SRCCOPY);

  const TSize glyph = ItemGlyphSize(*item);
  TCustomImageList* images = item->GetImageList();
  const bool listImage = images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count();
  const bool checked = state.Contains(odChecked);
  const int smallSection = manager_->GetSkinIndex(L"SPEEDBUTTON_SMALL");
  auto checkedFrame = [&](int x, int y, int w, int h) {
    if (checked && manager_->IsValidSkinIndex(smallSection))
      paint::PaintSectionItemByIndex(smallSection, L"SPEEDBUTTON_SMALL", MakeCacheInfo(itemBmp, 0, 0), true, 2,
                                     TRect{x - 1, y - 1, x + w + 1, y + h + 1}, TPoint{x - 1, y - 1}, itemBmp,
                                     manager_, paint::TStateTextures{});
  };
  if (checked && !item->HasBitmap() && !listImage) {
    int mask = manager_->FindMaskIndex(L"GLOBALINFO", item->RadioItem() ? L"RADIOCHECKED" : L"CHECK");
    if (!manager_->IsValidImgIndex(mask)) mask = manager_->FindMaskIndex(L"GLOBALINFO", L"BOXCHECKED");
    if (const TsMaskData* m = Mask(*manager_, mask)) {
      const int fw = m->R.Width() / std::max<int>(1, m->ImageCount);
      const int fh = m->R.Height() / (m->MaskType + 1);
      const int x = rtl ? itemBmp->Width() - 2 - fw + Margin : Margin;
      GdiFlush();
      paint::PaintMaskGlyph(itemBmp, TPoint{x, (rect.Height() - fh) / 2}, hot ? 1 : 0, 1, *m,
                            MakeCacheInfo(itemBmp, 0, 0));
    }
  } else if (item->HasBitmap()) {
    TBitmap* picture = item->Bitmap();
    const int y = (itemBmp->Height() - glyph.cy) / 2;
    const int x = rtl ? rect.Right - y - glyph.cx - extra : y;
    checkedFrame(x, y, glyph.cx, glyph.cy);
    if (picture->PixelFormat() == pf32bit) {
      GdiFlush();
      ic->Draw(x, y, picture);
    } else {
      ic->Draw(x, y, picture);
    }
  } else if (listImage) {
    const int y = (itemBmp->Height() - images->Height()) / 2;
    const int x = rtl ? itemBmp->Width() - y - images->Width() : y;
    checkedFrame(x, y, images->Width(), images->Height());
    images->Draw(*ic, x, y, item->ImageIndex(), true);
  } else if (const TMenu* menu = item->GetParentMenu(); menu && menu->Name().rfind(L"acSysMenu", 0) == 0) {
    const wchar_t* mark = nullptr;
    switch (item->Tag()) {
      case SC_MINIMIZE: mark = L"0"; break;
      case SC_MAXIMIZE: mark = L"1"; break;
      case SC_RESTORE: mark = L"2"; break;
      case SC_CLOSE: mark = L"r"; break;
      default: break;
    }
    if (mark) {
      itemFontKey_ = -1;  // the glyph font replaces the menu font
      ic->Font()->SetStyle(TFontStyles{});
      ic->Font()->SetName(GlyphFace(ic, mark[0]));
      ic->Font()->SetSize(10);
      const int h = ic->TextHeight(mark);
      paint::TSkinTextParams p;
      p.Text = mark;
      p.R = rtl ? TRect{rect.Right - 4 - h, (rect.Height() - h) / 2, rect.Right - 4, (rect.Height() + h) / 2}
                : TRect{4, (rect.Height() - h) / 2, 14 + h, (rect.Height() + h) / 2};
      p.Flags = rtl ? DT_RIGHT : DT_LEFT;
      p.Enabled = enabled;
      p.State = hot ? 1 : 0;
      p.SkinIndex = itemSection;
      p.SkinManager = manager_;
      paint::PaintSkinText(ic, p);
    }
  }

  // Text: the menu font in the form's charset, bold for the default item.
  // Making a font is the dearest step of a repaint: the reused bitmap keeps
  // the menu font while bold and charset stay the same.
  const int fontKey = (state.Contains(odDefault) ? 0x100 : 0) | FormCharset(*item);
  if (own || fontKey != itemFontKey_) {
    SelectMenuFont(*ic, state.Contains(odDefault));
    TakeFormCharset(*item, *ic->Font());
    itemFontKey_ = own ? -1 : fontKey;
  }
  const TColor fontColor = ic->Font()->Color();
  bool ownColor = false;
  if (OnGetPopupItemData) {
    itemFontKey_ = -1;  // the handler may change the font
    TacMenuItemData data{ic->Font()};
    OnGetPopupItemData(item, state, data);
    ownColor = ic->Font()->Color() != fontColor;
  }
  const int indent = glyph.cx + 2 * Margin + Spacing;
  TRect textRect{0, 0, itemBmp->Width(), itemBmp->Height()};
  if (rtl) textRect.Right -= indent;
  else textRect.Left += indent;
  std::wstring caption = item->Caption(), afterTab;
  UINT align = Alignment == taRightJustify ? DT_RIGHT : Alignment == taCenter ? DT_CENTER : DT_LEFT;
  if (const size_t tab = caption.find(L'\t'); tab != std::wstring::npos) {
    afterTab = caption.substr(tab + 1);
    caption.resize(tab);
    align = DT_LEFT;
  } else if (!caption.empty() && caption.front() == L'\b') {
    caption = caption.substr(1) + L"      ";
    align = DT_RIGHT;
  }
  UINT flags = align | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP;
  if (rtl) {
    flags |= DT_RIGHT | DT_RTLREADING;
    textRect.Right -= ExtraLineWidth(info);
  }
  if (state.Contains(odNoAccel)) flags |= DT_HIDEPREFIX;
  auto paintText = [&](const std::wstring& text, const TRect& r, UINT f) {
    paint::TSkinTextParams p;
    p.Text = text;
    p.R = r;
    p.Flags = f;
    p.Enabled = enabled;
    p.State = hot ? 1 : 0;
    p.SkinIndex = ownColor ? -1 : itemSection;
    p.SkinManager = manager_;
    paint::PaintSkinText(ic, p);
  };
  paintText(caption, textRect, flags);
  TRect lastRect = textRect;
  if (const std::wstring shortCut = ShortCutToText(item->ShortCut()); !shortCut.empty()) {
    const int w = ic->TextWidth(shortCut);
    lastRect = rtl ? TRect{6, 0, 6 + w, itemBmp->Height()}
                   : TRect{itemBmp->Width() - 8 - w, 0, itemBmp->Width() - 8, itemBmp->Height()};
    paintText(shortCut, lastRect, DT_SINGLELINE | DT_VCENTER);
  }
  if (!afterTab.empty()) {
    TRect r = lastRect;
    r.Right -= 8;
    paintText(afterTab, r, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
  }
  if (OnDrawItem) OnDrawItem(item, ic, TRect{0, 0, itemBmp->Width(), itemBmp->Height()}, state, smNormal);
  if (!enabled) {
    GdiFlush();
    const int x = rect.Left + offset + extra, y = rect.Top + offset;
    paint::BlendTransRect(paint::ViewOf(itemBmp), 0, 0, 0xFF00FF, 0.4,
                          TRect{x, y, x + itemBmp->Width() - 1, y + itemBmp->Height() - 1}, paint::ViewOf(bmp));
  }
  BitBlt(dst, rect.Left + extra, rect.Top, itemBmp->Width(), itemBmp->Height(), ic->Handle(), 0, 0, SRCCOPY);
  if (extra > 0 && item->Parent() && item->Parent()->Items(0) == item)
    BitBlt(dst, 0, 0, extra, bmp->Height(), src, offset, offset, SRCCOPY);
}

void TsSkinableMenus::DrawDivider(TMenuItem* item, TCanvas* canvas, const TRect& rect, TacMenuInfo* info,
                                  int offset) {
  (void)item;
  if (!info || !info->Bmp || info->Bmp->Empty()) return;
  const int extra = ExtraLineWidth(*info);
  const HDC src = info->Bmp->Canvas()->Handle();
  TRect line{extra + Margin + Spacing, 0, rect.Width() - Margin, rect.Height()};
  if (extra + info->TextIndent > line.Left) line.Left = extra + info->TextIndent + 2;
  const int section = manager_->GetSkinIndex(L"DIVIDERV");
  const TsMaskData* mask =
      manager_->IsValidSkinIndex(section) ? Mask(*manager_, manager_->GetMaskIndex(section, L"DIVIDERV", L"BORDERSMASK"))
                                          : nullptr;
  if (!mask) {
    BitBlt(canvas->Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), src, rect.Left + offset,
           rect.Top + offset, SRCCOPY);
    TColor color = manager_->SkinData().BorderColor;
    if (color == 0xFF00FF) color = static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW));
    HPEN pen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(color));
    const HGDIOBJ old = SelectObject(canvas->Handle(), pen);
    MoveToEx(canvas->Handle(), rect.Left + line.Left, rect.Top, nullptr);
    LineTo(canvas->Handle(), rect.Left + line.Right, rect.Top);
    SelectObject(canvas->Handle(), old);
    DeleteObject(pen);
    return;
  }
  auto bmp = Bitmap32(rect.Width(), rect.Height());
  if (bmp->Empty()) return;
  BitBlt(bmp->Canvas()->Handle(), 0, 0, rect.Width(), rect.Height(), src, rect.Left + offset, rect.Top + offset,
         SRCCOPY);
  if (line.Right > line.Left)
    paint::PaintMaskRect(bmp.get(), line, false, MakeCacheInfo(bmp.get(), 0, 0), *mask, 1, false, manager_);
  BitBlt(canvas->Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TsSkinableMenus::DrawCaption(TMenuItem* item, TCanvas* canvas, const TRect& rect, TacMenuInfo* info,
                                  int offset) {
  if (!info || !info->Bmp || info->Bmp->Empty()) return;
  auto bmp = Bitmap32(rect.Width(), rect.Height());
  if (bmp->Empty()) return;
  const int extra = ExtraLineWidth(*info);
  const HDC src = info->Bmp->Canvas()->Handle();
  const HDC dc = bmp->Canvas()->Handle();
  // The whole item from the background first: the extra line's columns and
  // the 1-pixel frame stay as the background shows them.
  BitBlt(dc, 0, 0, rect.Width(), rect.Height(), src, rect.Left + offset, rect.Top + offset, SRCCOPY);
  std::wstring name = L"MENUCAPTION";
  int section = manager_->GetSkinIndex(name);
  if (!manager_->IsValidSkinIndex(section)) section = manager_->GetSkinIndex(name = L"TOOLBAR");
  if (manager_->IsValidSkinIndex(section) && rect.Width() - 1 > extra + 1 && rect.Height() > 2)
    paint::PaintSectionItemByIndex(section, name, MakeCacheInfo(info->Bmp.get(), offset + 1, offset + 1), true, 0,
                                   TRect{extra + 1, 1, rect.Width() - 1, rect.Height() - 1},
                                   TPoint{extra + rect.Left, rect.Top}, bmp.get(), manager_, paint::TStateTextures{});
  TCanvas* c = bmp->Canvas();
  c->SetFont(CaptionFont());
  paint::TSkinTextParams p;
  p.Text = CaptionItemText(item->Caption());
  p.R = TRect{extra, 0, rect.Width(), rect.Height()};
  p.Flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_HIDEPREFIX;
  p.SkinIndex = section;
  p.SkinManager = manager_;
  paint::PaintSkinText(c, p);
  BitBlt(canvas->Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), dc, 0, 0, SRCCOPY);
}

}  // namespace skin
