// The menu line of a skinned form, the area around an MDI frame's client
// and the small buttons of a maximized MDI child, all composed into the
// provider's whole-window image. The system's own menu bar lies under the
// image: its items are owner-drawn by the skinned menus, which draw them
// here into the image and, when the system repaints one, onto the window.
#include <algorithm>

#include "classlib/controls/Application.h"
#include "classlib/menus/Menus.h"
#include "skin/common/AppIcons.h"
#include "skin/common/ControlUtils.h"
#include "skin/forms/FormMetrics.h"
#include "skin/forms/ProviderDC.h"
#include "skin/forms/SkinMenusLink.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

int MaskFrameWidth(const TsMaskData& mask) {
  if (mask.Bmp) return static_cast<int>(mask.Bmp->Width()) / 3;
  return mask.R.Width() / std::max<int>(1, mask.ImageCount);
}

int MaskFrameHeight(const TsMaskData& mask) {
  if (mask.Bmp) return static_cast<int>(mask.Bmp->Height()) / 2;
  return mask.R.Height() / (mask.MaskType + 1);
}

// The small icon of a form's window, else the program's, else the system's.
HICON FormIcon(TCustomForm* form) {
  HICON icon = nullptr;
  if (form && form->HandleAllocated()) {
    icon = reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, ICON_BIG, 0));
  }
  if (!icon && AppSmallIcon() && !AppSmallIcon()->Empty()) icon = AppSmallIcon()->Handle();
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
  return icon;
}

}  // namespace

int TsSkinProvider::MenuLineSkinIndex() const {
  TsSkinManager* manager = Manager();
  if (!manager) return -1;
  if (!menuLineSkin_.empty()) {
    const int own = manager->GetSkinIndex(menuLineSkin_);
    if (SectionAt(manager, own)) return own;
  }
  return manager->GetSkinIndex(L"MENULINE");
}

int TsSkinProvider::MdiButtonWidth() const {
  const TsMaskData* mask = MaskAt(Manager(), buttons_[6].ImageIndex);
  return mask ? MaskFrameWidth(*mask) : 16;
}

int TsSkinProvider::MdiButtonHeight() const {
  const TsMaskData* mask = MaskAt(Manager(), buttons_[6].ImageIndex);
  return mask ? MaskFrameHeight(*mask) : 16;
}

TsSkinProvider* TsSkinProvider::ActiveChildProvider() const {
  TCustomForm* child = form_->FormStyle() == fsMDIForm ? form_->ActiveMDIChild() : nullptr;
  if (!child) return nullptr;
  for (int i = 0; i < child->ComponentCount(); ++i)
    if (auto* provider = dynamic_cast<TsSkinProvider*>(child->Components(i))) return provider;
  return nullptr;
}

void TsSkinProvider::PaintMenuLine(TBitmap* image, int captionBottom) {
  TsSkinManager* manager = Manager();
  HWND wnd = FormHandle();
  TMainMenu* menu = form_->Menu();
  const int rowHeight = MenuLineHeight();
  if (!manager || !wnd || !menu || rowHeight <= 0 || !drawNonClientArea_ || !manager->SkinnedPopups()) return;
  const int rows = std::max(1, MenuRows());
  const int lineHeight = rows * rowHeight + 1;
  const int width = image->Width();
  const int section = MenuLineSkinIndex();
  if (SectionAt(manager, section))
    paint::PaintSectionItemByIndex(section, manager->Skin()->Sections[static_cast<size_t>(section)].ClassName,
                                   MakeCacheInfo(image, 0, 0), true, CaptionSectionState(section),
                                   Rect(0, captionBottom, width, captionBottom + lineHeight), Point(0, 0), image,
                                   manager, {});
  // The clean line, kept for repainting one item (or an MDI button) over it.
  if (!menuLineBmp_) menuLineBmp_ = std::make_unique<TBitmap>();
  if (menuLineBmp_->PixelFormat() != pf32bit) menuLineBmp_->SetPixelFormat(pf32bit);
  menuLineBmp_->SetSize(width, lineHeight);
  menuLineOrigin_ = POINT{0, captionBottom};
  {
    ImageDC from(image), to(menuLineBmp_.get());
    BitBlt(to.Handle(), 0, 0, width, lineHeight, from.Handle(), 0, captionBottom, SRCCOPY);
  }
  const int f = FrameWidthOf(wnd, ExtBorder(), true);
  if (this == MainSkinProvider() && MdiButtonsVisible()) {
    if (HICON icon = FormIcon(form_->ActiveMDIChild())) {
      ImageDC dc(image);
      DrawIconEx(dc.Handle(), f + 1, captionBottom + 1, icon, rowHeight - 2, rowHeight - 2, 0, nullptr, DI_NORMAL);
    }
  }
  // The items where the system placed them on its bar; entries the system
  // added itself (a maximized child's icon and buttons) carry no item.
  HMENU bar = GetMenu(wnd);
  if (!bar) return;
  RECT window{};
  GetWindowRect(wnd, &window);
  const TOwnerDrawState state{odNoAccel, odNoFocusRect};
  const int count = GetMenuItemCount(bar);
  for (int pos = 0; pos < count; ++pos) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    if (!GetMenuItemInfoW(bar, static_cast<UINT>(pos), TRUE, &info)) continue;
    auto* item = reinterpret_cast<TMenuItem*>(info.dwItemData);
    if (!IsLiveMenuItem(item) || item->GetParentMenu() != menu || !item->Visible()) continue;
    if (!menu->OwnerDraw()) {
      // Not handed to the skinned menus yet: hand it over for the next paint.
      menuHooked_ = false;
      UpdateMenu();
      continue;
    }
    if (!item->OnAdvancedDrawItem()) continue;
    RECT r{};
    if (!GetMenuItemRect(wnd, bar, static_cast<UINT>(pos), &r)) continue;
    OffsetRect(&r, -window.left, -window.top);
    TCanvas* canvas = image->Canvas();
    canvas->Lock();
    item->OnAdvancedDrawItem()(item, canvas, TRect{r.left, r.top, r.right, r.bottom}, state);
    canvas->Unlock();
  }
}

void TsSkinProvider::PaintMdiArea(TBitmap* image, int captionBottom) {
  TsSkinManager* manager = Manager();
  if (!manager || form_->FormStyle() != fsMDIForm || !mdiForm_) return;
  const int section = manager->GetSkinIndex(L"MDIAREA");
  if (!SectionAt(manager, section)) return;
  const int frame = FrameWithBorderWidth(true);
  const int rowHeight = MenuLineHeight();
  RECT r{};
  r.left = frame + SumAlignedChildren(form_, alLeft, false);
  r.top = captionBottom + SumAlignedChildren(form_, alTop, false) + form_->BorderWidth();
  if (MenuLineVisible()) r.top += std::max(1, MenuRows()) * rowHeight;
  if (rowHeight != 0) r.top += 1;
  r.right = image->Width() - frame - SumAlignedChildren(form_, alRight, false);
  r.bottom = image->Height() - frame - SumAlignedChildren(form_, alBottom, false);
  if (r.right <= r.left || r.bottom <= r.top) return;
  ImageDC dc(image);
  paint::PaintSectionItemToDC(section, L"MDIAREA", MakeCacheInfo(image, 0, 0), true, CaptionSectionState(section),
                              TRect{r.left, r.top, r.right, r.bottom}, Point(r.left, r.top), dc.Handle(), manager);
}

void TsSkinProvider::PlaceMdiButtons(int captionBottom) {
  TsTitleButtonState& minimize = SystemButton(htMdiMinimize);
  TsTitleButtonState& restore = SystemButton(htMdiRestore);
  TsTitleButtonState& close = SystemButton(htMdiClose);
  if (!MdiButtonsVisible() || MenuLineHeight() <= 0) {
    for (TsTitleButtonState* button : {&minimize, &restore, &close}) button->Rect = RECT{0, 0, 0, 0};
    return;
  }
  const int w = MdiButtonWidth(), h = MdiButtonHeight();
  const int right = FormWidth() - FrameWidthOf(FormHandle(), ExtBorder(), true);
  const int top = captionBottom + std::max(0, (MenuLineHeight() - h) / 2);
  auto place = [&](TsTitleButtonState& button, int fromRight) {
    button.Rect.left = right - fromRight * (w + 1);
    button.Rect.top = top;
    button.Rect.right = button.Rect.left + w;
    button.Rect.bottom = top + h;
  };
  place(minimize, 3);
  place(restore, 2);
  place(close, 1);
}

bool TsSkinProvider::MdiButtonPressable(int code) const {
  TsSkinProvider* child = ActiveChildProvider();
  TsSystemMenu* menu = child ? child->SystemMenu() : nullptr;
  if (!menu) return true;
  if (code == htMdiMinimize) return menu->EnabledMin();
  if (code == htMdiRestore) return menu->EnabledRestore();
  return true;
}

void TsSkinProvider::PaintMdiButtons(TBitmap* image) {
  TsSkinManager* manager = Manager();
  if (!manager || !MdiButtonsVisible()) return;
  TsTitleButtonState& restore = SystemButton(htMdiRestore);
  // The child is maximized: its middle button restores it.
  const int global = manager->ConstData().GlobalInfo;
  int norm = manager->GetMaskIndex(global, L"GLOBALINFO", L"SICONNORM");
  if (norm < 0) norm = manager->GetMaskIndex(global, L"GLOBALINFO", L"BICONNORM");
  if (norm >= 0) restore.ImageIndex = norm;
  for (int code : {htMdiMinimize, htMdiRestore, htMdiClose}) {
    const TsTitleButtonState& button = SystemButton(code);
    PaintButton(image, button, MdiButtonPressable(code));
  }
}

void TsSkinProvider::ReleaseMdiButton(int code) {
  SetButtonState(code, 0, true);
  currentButton_ = 0;
  TCustomForm* child = form_->ActiveMDIChild();
  if (!child || !child->HandleAllocated()) return;
  const WPARAM command = code == htMdiClose ? SC_CLOSE : code == htMdiRestore ? SC_RESTORE : SC_MINIMIZE;
  SendMessageW(child->Handle(), WM_SYSCOMMAND, command, 0);
}

}  // namespace skin
