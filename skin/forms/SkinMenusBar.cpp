// The items of a form's menu bar, painted over the skinned menu line that
// the form's provider keeps in its image.
#include <algorithm>

#include "classlib/controls/Forms.h"
#include "classlib/menus/ImageList.h"
#include "classlib/menus/MenusFont.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/CacheInfo.h"
#include "skin/forms/SkinMenusLayout.h"
#include "skin/forms/sSkinMenus.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/Blends.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

// The provider of the form behind a menu-bar window. The answer to the
// provider query is an address: it is taken only when it is a provider
// this thread's form really owns.
TsSkinProvider* ProviderOfMenuWindow(HWND wnd) {
  if (!wnd || GetWindowThreadProcessId(wnd, nullptr) != GetCurrentThreadId()) return nullptr;
  TWinControl* control = FindControl(wnd);
  if (!control) return nullptr;
  const LRESULT answer = SendSkinCommandToWnd(wnd, scGetProvider, 0);
  if (!answer) return nullptr;
  for (int i = 0; i < control->ComponentCount(); ++i)
    if (auto* provider = dynamic_cast<TsSkinProvider*>(control->Components(i)))
      if (static_cast<TsSkinnedForm*>(provider) == reinterpret_cast<TsSkinnedForm*>(answer)) return provider;
  return nullptr;
}

}  // namespace

void TsSkinableMenus::MeasureMainMenuItem(TObject* sender, TCanvas* canvas, int& width, int& height) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item || !canvas) return;
  height = GetSystemMetrics(SM_CYMENU) - 1;
  SelectMenuFont(*canvas, false);
  std::wstring caption = item->Caption();
  std::erase(caption, L'&');
  width = canvas->TextWidth(caption);
  const TCustomImageList* images = item->GetParentMenu() ? item->GetParentMenu()->Images() : nullptr;
  if (!images || item->ImageIndex() < 0) {
    if (item->HasBitmap()) width += item->Bitmap()->Width() + 6;
  } else {
    width += images->Width() + 6;
  }
}

void TsSkinableMenus::DrawMainMenuItem(TObject* sender, TCanvas* canvas, const TRect& rect, TOwnerDrawState state) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  const TMenu* menu = item ? item->GetParentMenu() : nullptr;
  if (!menu || !canvas || !manager_ || !manager_->Skin()) return;
  TsSkinProvider* provider = ProviderOfMenuWindow(menu->WindowHandle());
  TBitmap* cache = provider && provider->SkinData() ? provider->SkinData()->CacheBmp() : nullptr;
  if (!cache || cache->Empty() || rect.Width() <= 0 || rect.Height() <= 0) return;
  // The item's place in the clean menu line the provider keeps (window and
  // image coordinates are the same); the image itself before the first line.
  TBitmap* line = provider->MenuLineImage();
  POINT origin = provider->MenuLineOrigin();
  if (!line || line->Empty()) {
    line = cache;
    origin = POINT{0, 0};
  }
  const int x = rect.Left - origin.x;
  const int y = rect.Top - origin.y;
  auto bmp = std::make_unique<TBitmap>();
  bmp->SetPixelFormat(pf32bit);
  bmp->SetSize(rect.Width(), rect.Height());
  const bool hot = item->Enabled() && (state.Contains(odSelected) || state.Contains(odHotLight));
  const int section = manager_->GetSkinIndex(L"MENUITEM");
  if (manager_->IsValidSkinIndex(section))
    paint::PaintSectionItemByIndex(section, L"MENUITEM", MakeCacheInfo(line, x, y), true, hot ? 1 : 0,
                                   TRect{0, 0, rect.Width(), rect.Height()}, TPoint{0, 0}, bmp.get(), manager_,
                                   paint::TStateTextures{});
  TCanvas* c = bmp->Canvas();
  int glyphArea = 0;
  if (item->HasBitmap()) {
    TBitmap* glyph = item->Bitmap();
    c->Draw(3, item->Enabled() ? (rect.Height() - glyph->Height()) / 2 : 1, glyph);
    glyphArea = glyph->Width() + 3;
  } else if (TCustomImageList* images = menu->Images(); images && item->ImageIndex() >= 0) {
    images->Draw(*c, 3, (rect.Height() - images->Height()) / 2, item->ImageIndex(), true);
    glyphArea = images->Width() + 3;
  }
  SelectMenuFont(*c, state.Contains(odDefault));
  paint::TSkinTextParams p;
  p.Text = item->Caption();
  p.R = TRect{Margin + glyphArea, 0, rect.Width() - Margin, rect.Height()};
  p.Flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP |
            (state.Contains(odNoAccel) ? DT_HIDEPREFIX : 0u);
  p.Enabled = true;
  p.State = hot ? 1 : 0;
  p.SkinIndex = manager_->GetSkinIndex(L"MENULINE");
  p.SkinManager = manager_;
  paint::PaintSkinText(c, p);
  if (OnDrawItem) OnDrawItem(item, c, TRect{0, 0, rect.Width(), rect.Height()}, state, smTopLine);
  if (!item->Enabled()) {
    GdiFlush();
    // 102 of 256 kept for the item, the rest from the menu line.
    paint::BlendRect256(paint::ViewOf(bmp.get()), paint::ViewOf(line), 102, TPoint{0, 0},
                        TRect{x, y, x + rect.Width(), y + rect.Height()});
  }
  BitBlt(canvas->Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), c->Handle(), 0, 0, SRCCOPY);
}

}  // namespace skin
