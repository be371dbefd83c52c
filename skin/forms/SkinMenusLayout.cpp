#include "skin/forms/SkinMenusLayout.h"

#include "classlib/controls/Control.h"
#include "classlib/menus/ImageList.h"

namespace skin {

using namespace classlib;

TsMenuItemType PopupItemKind(const std::wstring& caption) {
  if (caption == L"-") return smDivider;
  if (caption.size() >= 2 && caption.front() == L'-' && caption.back() == L'-') return smCaption;
  return smNormal;
}

std::wstring CaptionItemText(const std::wstring& caption) {
  const size_t start = caption.find_first_not_of(L'-');
  if (start == std::wstring::npos) return {};
  const size_t end = caption.find(L'-', start);
  return caption.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
}

TSize ItemGlyphSize(const TMenuItem& item) {
  if (item.HasBitmap()) return {item.Bitmap()->Width(), item.Bitmap()->Height()};
  if (const TMenuItem* parent = item.Parent(); parent && parent->SubMenuImages())
    return {parent->SubMenuImages()->Width(), parent->SubMenuImages()->Height()};
  if (const TMenu* menu = item.GetParentMenu(); menu && menu->Images())
    return {menu->Images()->Width(), menu->Images()->Height()};
  return {16, 16};
}

int PopupItemWidth(int glyphWidth, int textWidth, int margin, int spacing) {
  return 2 * glyphWidth + textWidth + 3 * margin + spacing;
}

bool InFirstColumn(const TMenuItem& item) {
  const TMenuItem* parent = item.Parent();
  if (!parent) return item.Break() == mbNone;
  for (int i = 0; i < parent->Count(); ++i) {
    if (parent->Items(i)->Break() != mbNone) return false;
    if (parent->Items(i) == &item) return true;
  }
  return true;
}

bool IsFirstVisible(const TMenuItem& item) {
  const TMenuItem* parent = item.Parent();
  if (!parent) return true;
  for (int i = 0; i < parent->Count(); ++i)
    if (parent->Items(i)->Visible()) return parent->Items(i) == &item;
  return false;
}

bool IsLastVisible(const TMenuItem& item) {
  const TMenuItem* parent = item.Parent();
  if (!parent) return true;
  for (int i = parent->Count() - 1; i >= 0; --i)
    if (parent->Items(i)->Visible()) return parent->Items(i) == &item;
  return false;
}

TMenuItem* NextVisible(const TMenuItem& item) {
  const TMenuItem* parent = item.Parent();
  if (!parent) return nullptr;
  for (int i = parent->IndexOf(&item) + 1; i > 0 && i < parent->Count(); ++i)
    if (parent->Items(i)->Visible()) return parent->Items(i);
  return nullptr;
}

bool RightToLeft(const TMenuItem* item) {
  if (!item || !GetSystemMetrics(SM_MIDEASTENABLED)) return false;
  const TMenu* menu = item->GetParentMenu();
  const auto* control = menu ? dynamic_cast<const TControl*>(menu->Owner()) : nullptr;
  return control && control->BiDiMode() != bdLeftToRight;
}

POINT MenuClientOffset(HWND wnd) {
  POINT origin{0, 0};
  RECT window{};
  if (!wnd || !ClientToScreen(wnd, &origin) || !GetWindowRect(wnd, &window)) return POINT{0, 0};
  return POINT{origin.x - window.left, origin.y - window.top};
}

void CopyFrameStrips(HWND wnd, const TacMenuInfo& info) {
  if (!wnd || !info.Bmp || info.Bmp->Empty()) return;
  HDC dc = GetWindowDC(wnd);
  if (!dc) return;
  const HDC src = info.Bmp->Canvas()->Handle();
  const int w = info.Bmp->Width(), h = info.Bmp->Height(), b = info.BorderWidth;
  BitBlt(dc, 0, 0, w, b, src, 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - b, w, b, src, 0, h - b, SRCCOPY);
  BitBlt(dc, 0, 0, b, h, src, 0, 0, SRCCOPY);
  BitBlt(dc, w - b, 0, b, h, src, w - b, 0, SRCCOPY);
  ReleaseDC(wnd, dc);
}

}  // namespace skin
