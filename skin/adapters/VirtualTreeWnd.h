#pragma once
// The adapter of tree controls from an outside virtual-tree library, known
// only by their published properties and events: the tree keeps drawing
// its nodes in the skin's colours, and its column header is drawn from the
// skin by handlers the adapter puts on the header-drawing events the
// application left empty.
#include <functional>

#include "skin/adapters/EditWnd.h"

namespace skin::adapters {

// What the tree hands a header-drawing handler.
struct TVTHeaderPaintInfo {
  classlib::TCanvas* TargetCanvas = nullptr;
  classlib::TObject* Column = nullptr;  // read by its "Text", "Options" and "Index"
  TRect PaintRectangle{};
  bool IsHoverIndex = false;
  bool IsDownIndex = false;
};
// The events' types, as the adapter installs them.
using TVTAdvancedHeaderPaintEvent =
    std::function<void(classlib::TObject* header, TVTHeaderPaintInfo& info, std::uint32_t elements)>;
using TVTHeaderPaintQueryElementsEvent =
    std::function<void(classlib::TObject* header, TVTHeaderPaintInfo& info, std::uint32_t& elements)>;

// The elements the adapter draws: background, borders, text and sort glyph.
inline constexpr std::uint32_t kHeaderElements = 27;

class TacVirtualTreeViewWnd : public TacEditWnd {
 public:
  ~TacVirtualTreeViewWnd() override;
  void SaveControlParams() override;
  void RestoreControlParams() override;
  void ApplySkinParams() override;
  void AdapterWndProc(classlib::TMessage& message) override;

  TColor OldCompressedColor = 0;
  TColor OldFileColor = 0;
  TColor OldFolderColor = 0;
  bool OldOwnerDraw = false;

  // The header painter the adapter installs.
  void PaintHeaderItem(classlib::TObject* header, TVTHeaderPaintInfo& info, std::uint32_t elements);

 private:
  classlib::TObject* Tree() const;
  bool installedDraw_ = false;   // the events the adapter set itself, and
  bool installedQuery_ = false;  // so the only ones it clears again
};

}  // namespace skin::adapters
