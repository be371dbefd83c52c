// Measuring and painting of skinned pop-up items.
#include "skin/forms/SkinMenusLayout.h"
#include "skin/forms/sSkinMenus.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

bool TsSkinableMenus::AskExtraLine(TMenuItem*) { return false; }
void TsSkinableMenus::PaintExtraLine(TacMenuInfo&, int) {}
void TsSkinableMenus::MeasureItem(TObject*, TCanvas*, int&, int&) {}
void TsSkinableMenus::DrawItem(TObject*, TCanvas*, const TRect&, TOwnerDrawState) {}
void TsSkinableMenus::MeasureMainMenuItem(TObject*, TCanvas*, int&, int&) {}
void TsSkinableMenus::DrawMainMenuItem(TObject*, TCanvas*, const TRect&, TOwnerDrawState) {}

}  // namespace skin
