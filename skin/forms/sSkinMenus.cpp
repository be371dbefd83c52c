// The skinned menus object: construction, its registration with the manager
// layer, and the pop-up records (background image, region, frame).
#include "skin/forms/sSkinMenus.h"

#include <algorithm>

#include "classlib/controls/Application.h"
#include "skin/common/MainWindowHook.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/CacheInfo.h"
#include "skin/forms/SkinMenusLayout.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/MaskRegions.h"
#include "skin/paint/SectionBackground_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

std::unique_ptr<TBitmap> NewBitmap32(int width, int height) {
  auto bmp = std::make_unique<TBitmap>();
  bmp->SetPixelFormat(pf32bit);
  bmp->SetSize(std::max(width, 0), std::max(height, 0));
  return bmp;
}

const TsMaskData* MaskAt(const TsSkinManager& manager, int index) {
  return manager.IsValidImgIndex(index) ? &manager.Skin()->Masks[static_cast<size_t>(index)] : nullptr;
}

// The menu of a posted item, when the item is live and ours: its parent's
// menu handle.
bool MenuOfLiveItem(std::intptr_t value, HMENU& menu) {
  auto* item = reinterpret_cast<TMenuItem*>(value);
  if (!IsLiveMenuItem(item) || !TsSkinableMenus::HasOurHandlers(item) || !item->Parent()) return false;
  menu = item->Parent()->Handle();
  return menu != nullptr;
}

TsSkinableMenus* DefaultMenus() { return SkinableMenusOf(TsSkinManager::DefaultManager()); }

}  // namespace

TacMenuSupport::TacMenuSupport() : extraLineFont_(std::make_unique<TFont>()) {}

TsSkinableMenus::TsSkinableMenus(TsSkinManager* manager)
    : manager_(manager), captionFont_(std::make_unique<TFont>()) {}

TsSkinableMenus::~TsSkinableMenus() { manager_ = nullptr; }

void InstallSkinableMenus() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  SetMenusFactory([](TsSkinManager& manager) { return std::make_unique<TsSkinableMenus>(&manager); });
  TsMenuWindowServices& services = MenuWindowServices();
  services.MenuOfItem = MenuOfLiveItem;
  services.HasPreparedImage = [](HWND, std::intptr_t value) {
    HMENU menu = nullptr;
    if (!MenuOfLiveItem(value, menu)) return false;
    const TacMenuInfo* info = FindMenuInfo(reinterpret_cast<TMenuItem*>(value)->Parent()->Items(0));
    return info && info->Bmp && !info->Bmp->Empty();
  };
  services.PrepareMenuWindow = [](HWND wnd, std::intptr_t value) {
    HMENU menu = nullptr;
    TsSkinableMenus* menus = DefaultMenus();
    if (!menus || !MenuOfLiveItem(value, menu)) return;
    if (TacMenuInfo* info = FindMenuInfo(reinterpret_cast<TMenuItem*>(value)->Parent()->Items(0))) {
      if (!info->Wnd) info->Wnd = wnd;
      menus->PrepareMenuWindow(wnd, *info);
    }
  };
}

int TsSkinableMenus::SkinBorderWidth() {
  const std::uint64_t generation = manager_ ? manager_->SkinGeneration() : 0;
  if (skinBorderWidth_ >= 0 && generation == skinBorderGeneration_) return skinBorderWidth_;
  skinBorderGeneration_ = generation;
  skinBorderWidth_ = 0;
  if (!manager_) return 0;
  if (const TsMaskData* mask = MaskAt(*manager_, manager_->FindMaskIndex(L"MAINMENU", L"BORDERSMASK")))
    skinBorderWidth_ = mask->BorderWidth < 1 ? 3 : mask->BorderWidth;
  return skinBorderWidth_;
}

int TsSkinableMenus::ExtraLineWidth(const TacMenuInfo& info) const {
  return menuSupport_.UseExtraLine && info.HasExtraLine ? menuSupport_.ExtraLineWidth : 0;
}

TacMenuInfo* TsSkinableMenus::GetMenuInfo(HWND wnd) { return FindMenuInfo(wnd); }

TacMenuInfo* TsSkinableMenus::GetMenuInfo(TMenuItem* item, int width, int height, HWND wnd) {
  if (!item) return FindMenuInfo(wnd);
  TMenuItem* parent = item->Parent();
  if (!parent || parent->Count() == 0) return nullptr;
  TMenuItem* first = parent->Items(0);
  TacMenuInfo* info = FindMenuInfo(first);
  // A record from an earlier pop-up of another size (items rebuilt, a
  // different window) would paint the wrong frame: build it again.
  if (info && width != 0 && info->Bmp && (info->Bmp->Width() != width || info->Bmp->Height() != height)) {
    DropMenuInfo(info);
    info = nullptr;
  }
  if (info || width == 0) return info;
  return &CreateMenuInfo(first, width, height, wnd);
}

TacMenuInfo& TsSkinableMenus::CreateMenuInfo(TMenuItem* first, int width, int height, HWND wnd) {
  CountMenuInfoBuild();
  auto info = std::make_unique<TacMenuInfo>();
  info->FirstItem = first;
  info->Wnd = wnd;
  info->BorderWidth = BorderWidth;
  info->HasExtraLine = AskExtraLine(first);
  info->Bmp = NewBitmap32(width, height);
  TBitmap* bmp = info->Bmp.get();
  TCanvas* canvas = bmp->Canvas();
  canvas->Lock();
  info->TextIndent = Margin + ItemGlyphSize(*first).cx + Spacing;
  const int section = manager_ ? manager_->GetSkinIndex(L"MAINMENU") : -1;
  if (manager_ && manager_->IsValidSkinIndex(section)) {
    const int border = SkinBorderWidth();
    const int extra = ExtraLineWidth(*info);
    const TRect all{0, 0, width, height};
    paint::PaintSectionBackground(section, L"MAINMENU", TacCacheInfo{}, 0, all, TPoint{0, 0}, bmp, manager_,
                                  paint::TStateTextures{}, 0xFF00FF);
    const bool right = wnd && (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    const std::wstring icoLine = menuSupport_.IcoLineSkin.empty() ? std::wstring(L"ICOLINE") : menuSupport_.IcoLineSkin;
    const int icoSection = manager_->GetSkinIndex(icoLine);
    if (!right && manager_->IsValidSkinIndex(icoSection) && height > 2 * border) {
      auto column = NewBitmap32(info->TextIndent, height - 2 * border);
      paint::PaintSectionItemByIndex(icoSection, icoLine, MakeCacheInfo(bmp, extra + border, border), true, 0,
                                     TRect{0, 0, column->Width(), column->Height()}, TPoint{0, 0}, column.get(),
                                     manager_, paint::TStateTextures{});
      BitBlt(canvas->Handle(), extra + border, border, column->Width(), column->Height(), column->Canvas()->Handle(),
             0, 0, SRCCOPY);
    }
    const TsMaskData* mask = MaskAt(*manager_, manager_->FindMaskIndex(L"MAINMENU", L"BORDERSMASK"));
    if (mask) paint::PaintMaskRect(bmp, all, false, MakeCacheInfo(bmp, 0, 0), *mask, 0, false, manager_);
    if (extra > 0) PaintExtraLine(*info, border);
    if (RightToLeft(first))
      StretchBlt(canvas->Handle(), width - 1, 0, -width, height, canvas->Handle(), 0, 0, width, height, SRCCOPY);
    if (mask) {
      paint::CollectCornerRects(info->CornerCutOuts, width, *mask, false, 0);
      paint::CollectCornerRects(info->CornerCutOuts, width, *mask, true, height - mask->WB);
    }
  }
  canvas->Unlock();
  TacMenuInfo& added = AddMenuInfo(std::move(info));
  if (wnd && added.Bmp) PrepareMenuWindow(wnd, added);
  return added;
}

void TsSkinableMenus::PrepareMenuWindow(HWND wnd, TacMenuInfo& info) {
  if (inRegionUpdate_ || !wnd || !info.Bmp || info.Bmp->Empty()) return;
  if (info.PreparedWnd == wnd || SendSkinCommandToWnd(wnd, scSetUpdating, 0) != 0) return;
  struct Guard {
    bool& flag;
    ~Guard() { flag = false; }
  } guard{inRegionUpdate_};
  inRegionUpdate_ = true;
  SendSkinCommandToWnd(wnd, scMenuChanged, 0);
  const int width = info.Bmp->Width(), height = info.Bmp->Height();
  if (HRGN region = CreateRectRgn(0, 0, width, height)) {
    for (const TRect& r : info.CornerCutOuts) {
      HRGN cut = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
      CombineRgn(region, region, cut, RGN_DIFF);
      DeleteObject(cut);
    }
    if (info.CornerCutOuts.empty()) {
      HRGN corner = CreateRectRgn(0, 0, 1, 1);
      CombineRgn(region, region, corner, RGN_DIFF);
      DeleteObject(corner);
    }
    // The window owns the region from here on; delete it only when refused.
    if (!SetWindowRgn(wnd, region, TRUE)) DeleteObject(region);
  }
  CopyFrameStrips(wnd, info);
  info.PreparedWnd = wnd;
}

}  // namespace skin
