#pragma once
// Adapters of grids from other component libraries, known only by the
// names of their published properties: the grid keeps drawing its cells,
// in the skin's colours, with a skinned frame and scroll bars (as an edit).
// Every colour changed is saved first and given back when the skin goes;
// a property the grid lacks is left alone.
#include "skin/adapters/EditWnd.h"

namespace skin::adapters {

class TacGridWnd : public TacEditWnd {
 public:
  ~TacGridWnd() override;
  void SaveControlParams() override;
  void RestoreControlParams() override;
  void ApplySkinParams() override;
  void AdapterWndProc(classlib::TMessage& message) override;

  TColor OldFixedColor = 0;
  TColor OldFooterColor = 0;
  TColor OldFooterCellColor = 0;
  TColor OldTitleFontColor = 0;
  TColor OldTitleColor = 0;
  TColor OldIndicatorIconColor = 0;
  TColor OldSelectionColor = 0;
  TColor OldSelectionTextColor = 0;
  TColor OldLineColor = 0;
  TColor OldFixedLineColor = 0;
  TColor OldGradientFrom = 0;
  TColor OldGradientTo = 0;
  TColor OldMirrorFrom = 0;
  TColor OldMirrorTo = 0;

 protected:
  classlib::TObject* Grid() const;
};

class TacGridEhWnd : public TacGridWnd {
 public:
  void SaveControlParams() override;
  void RestoreControlParams() override;
  void ApplySkinParams() override;

  bool OldFixed3D = false;
};

// The switch behind which the grid with "OptionsEh" loses its 3-D fixed
// cells: systems before version 6 with themes on (a test may turn it on).
bool& GridEhFlatFixedCells();

}  // namespace skin::adapters
