#include "skin/adapters/VirtualTreeWnd.h"

#include <memory>

#include "classlib/core/PublishedProps.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/HeaderPaint.h"
#include "skin/common/ControlUtils.h"
#include "skin/core/PropertyUtils.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PixelCopies_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

const wchar_t* const kVetColors[] = {L"VETColors.CompressedTextColor", L"VETColors.FileTextColor",
                                     L"VETColors.FolderTextColor"};

bool EventAssigned(const TObject* tree, std::wstring_view name) {
  const std::optional<std::any> method = GetMethodProp(tree, name);
  if (!method || !method->has_value()) return false;
  if (const auto* draw = std::any_cast<TVTAdvancedHeaderPaintEvent>(&*method)) return static_cast<bool>(*draw);
  if (const auto* query = std::any_cast<TVTHeaderPaintQueryElementsEvent>(&*method)) return static_cast<bool>(*query);
  return true;  // an event of a type we do not know holds something
}

}  // namespace

TacVirtualTreeViewWnd::~TacVirtualTreeViewWnd() { UndoBinding(); }

TObject* TacVirtualTreeViewWnd::Tree() const { return SkinData ? SkinData->OwnerControl() : nullptr; }

void TacVirtualTreeViewWnd::SaveControlParams() {
  TacEditWnd::SaveControlParams();
  TObject* tree = Tree();
  if (!tree) return;
  if (skin::HasProperty(tree, L"VETColors")) {
    OldCompressedColor = static_cast<TColor>(GetIntProperty(tree, kVetColors[0]));
    OldFileColor = static_cast<TColor>(GetIntProperty(tree, kVetColors[1]));
    OldFolderColor = static_cast<TColor>(GetIntProperty(tree, kVetColors[2]));
  }
  if (skin::HasProperty(tree, L"Header")) OldOwnerDraw = SetPropHasElement(tree, L"Header.Options", L"hoOwnerDraw");
}

void TacVirtualTreeViewWnd::ApplySkinParams() {
  TacEditWnd::ApplySkinParams();
  TObject* tree = Tree();
  const TsGeneralData* section = SkinData ? SkinData->Section() : nullptr;
  if (!tree || !section || !SkinManager) return;
  for (const wchar_t* path : kVetColors) SetOrdPropByName(tree, path, static_cast<int>(section->Props[0].FontColor));
  if (skin::HasProperty(tree, L"OnAdvancedHeaderDraw") && !EventAssigned(tree, L"OnAdvancedHeaderDraw")) {
    const TVTAdvancedHeaderPaintEvent draw = [this](TObject* header, TVTHeaderPaintInfo& info, std::uint32_t e) {
      PaintHeaderItem(header, info, e);
    };
    installedDraw_ = SetMethodProp(tree, L"OnAdvancedHeaderDraw", std::any(draw));
    if (skin::HasProperty(tree, L"OnHeaderDrawQueryElements") && !EventAssigned(tree, L"OnHeaderDrawQueryElements")) {
      const TVTHeaderPaintQueryElementsEvent query = [](TObject*, TVTHeaderPaintInfo&, std::uint32_t& elements) {
        elements = kHeaderElements;
      };
      installedQuery_ = SetMethodProp(tree, L"OnHeaderDrawQueryElements", std::any(query));
    }
    if (skin::HasProperty(tree, L"OnHeaderDrawQueryElements") && skin::HasProperty(tree, L"Header.Options"))
      ChangeSetProperty(tree, L"Header.Options", L"hoOwnerDraw", true);
  }
  if (skin::HasProperty(tree, L"PaintInfoColumn")) {
    SetOrdPropByName(tree, L"PaintInfoColumn.Color", static_cast<int>(SkinManager->GetGlobalColor()));
    SetOrdPropByName(tree, L"PaintInfoColumn.Style", 1);
    SetOrdPropByName(tree, L"Header.Color", static_cast<int>(SkinManager->GetHotGlobalColor()));
    SetOrdPropByName(tree, L"Header.Font.Color", static_cast<int>(SkinManager->GetGlobalFontColor()));
    if (CtrlHandle) RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    SetOrdPropByName(tree, L"Themed", 0);
  }
}

void TacVirtualTreeViewWnd::RestoreControlParams() {
  TacEditWnd::RestoreControlParams();
  TControl* tree = SkinData ? SkinData->OwnerControl() : nullptr;
  if (!tree || Destroying(tree)) return;
  if (skin::HasProperty(tree, L"VETColors")) {
    SetOrdPropByName(tree, kVetColors[0], static_cast<int>(OldCompressedColor));
    SetOrdPropByName(tree, kVetColors[1], static_cast<int>(OldFileColor));
    SetOrdPropByName(tree, kVetColors[2], static_cast<int>(OldFolderColor));
  }
  // Only the handlers the adapter put there go: the application's stay.
  if (installedDraw_) SetMethodProp(tree, L"OnAdvancedHeaderDraw", std::any());
  if (installedQuery_) SetMethodProp(tree, L"OnHeaderDrawQueryElements", std::any());
  installedDraw_ = installedQuery_ = false;
  if (skin::HasProperty(tree, L"Header.Options")) ChangeSetProperty(tree, L"Header.Options", L"hoOwnerDraw", OldOwnerDraw);
  if (skin::HasProperty(tree, L"PaintInfoColumn")) {
    SetOrdPropByName(tree, L"Themed", 1);
    SetOrdPropByName(tree, L"PaintInfoColumn.Color", static_cast<int>(clBtnFace));
    SetOrdPropByName(tree, L"Header.Color", static_cast<int>(clBtnFace));
    SetOrdPropByName(tree, L"Header.Font.Color", static_cast<int>(clBtnText));
  }
}

void TacVirtualTreeViewWnd::PaintHeaderItem(TObject* header, TVTHeaderPaintInfo& info, std::uint32_t /*elements*/) {
  if (ScrollSending || !SkinData || !SkinData->Skinned() || !info.TargetCanvas) return;
  const TRect& r = info.PaintRectangle;
  if (r.IsEmpty()) return;
  std::unique_ptr<TBitmap> bmp(paint::NewBitmap32(r.Width(), r.Height()));
  THeaderItemLook look;
  look.State = info.IsDownIndex ? 2 : info.IsHoverIndex ? 1 : 0;
  if (auto* font = dynamic_cast<TFont*>(GetObjProperty(header, L"Font"))) look.Font = font->Handle();
  look.Background = SkinManager ? SkinManager->GetGlobalColor() : ColorToRGB(clBtnFace);
  if (info.Column) {
    look.Text = GetStrProp(info.Column, L"Text").value_or(L"");
    if (SetPropHasElement(info.Column, L"Options", L"coWrapCaption"))
      look.TextFlags = DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS;
    const int sortColumn = GetIntProperty(header, L"SortColumn");
    if (sortColumn >= 0 && GetIntProperty(info.Column, L"Index") == sortColumn)
      look.Sort = GetIntProperty(header, L"SortDirection") == 0 ? hsUp : hsDown;
  }
  skin::adapters::PaintHeaderItem(bmp.get(), SkinManager, look);
  BitBlt(info.TargetCanvas->Handle(), r.Left, r.Top, r.Width(), r.Height(), bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TacVirtualTreeViewWnd::AdapterWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacEditWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (LOWORD(message.WParam) == SB_THUMBTRACK) {
        const int bar = message.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ;
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        GetScrollInfo(CtrlHandle, bar, &si);
        si.nPos = si.nTrackPos;
        si.fMask = SIF_POS;
        SetScrollInfo(CtrlHandle, bar, &si, FALSE);
      }
      break;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    default:
      break;
  }
  TacEditWnd::AdapterWndProc(message);
}

}  // namespace skin::adapters
