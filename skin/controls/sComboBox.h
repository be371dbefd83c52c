#pragma once
// The skinned combo box. The system window and its inner edit stay; the
// closed box is drawn from the skin: frame and background from its section
// (COMBOBOX unless another is set), the drop-down button from COMBOBTN with
// the skin's arrow, and the selected item owner-drawn, highlighted items on
// SELECTION. ReadOnly keeps the value shown and focusable but ignores
// typing, pasting and clicks that would open the list.
#include <cstdint>
#include <functional>
#include <memory>

#include "classlib/controls/ComboBox.h"
#include "classlib/controls/LayoutTypes.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/core/ControlClassCodes.h"

namespace skin {

class TsSkinManager;

// The adapter the window-adapter layer binds to a combo's dropped list
// (skinned list colours and scroll bars). The combo owns it and passes it
// the new-skin message; the layer that makes it says how it is made.
class TsComboListLink {
 public:
  virtual ~TsComboListLink() = default;
  virtual void SkinMessage(classlib::TMessage& message) = 0;
};
using TsComboListLinkMaker =
    std::function<std::unique_ptr<TsComboListLink>(HWND list, bool simple, TsSkinManager* manager)>;
// Installed by the layer that adapts windows; none leaves the list as it is.
void SetComboListLinkMaker(TsComboListLinkMaker maker);

class TsComboBox : public TsSkinnedControl<classlib::TComboBox, COC_TsComboBox> {
 public:
  explicit TsComboBox(classlib::TComponent* owner);
  ~TsComboBox() override;

  classlib::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(classlib::TAlignment value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  // dgBlended and dgGrayed bits of the painting layer.
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind value);
  TsBoundLabel* BoundLabel() const { return boundLabel_.get(); }
  // Also tells a themed list how many items to show at least.
  void SetDropDownCount(int value);

  // The list is shown (between the drop-down and close-up notices).
  bool DroppedFlag() const { return dropped_; }
  // The drop-down button's place; empty for csSimple or a hidden button.
  classlib::TRect ButtonRect() const;
  // The list window that got an adapter, and the adapter (null before the
  // list first asks for its colours).
  HWND AdaptedList() const { return adaptedList_; }
  TsComboListLink* ListLink() const { return listLink_.get(); }

  // The closed box painted afresh into the skin data's cache.
  void PrepareCache();

  void Loaded() override;

 protected:
  void WndProc(classlib::TMessage& message) override;
  void CreateParams(classlib::TCreateParams& params) override;
  void CreateWindowDone() override;
  void DrawItem(int index, const classlib::TRect& rect, classlib::TOwnerDrawState state) override;
  void EditWndProc(classlib::TMessage& message) override;

 private:
  bool Swallowed(const classlib::TMessage& message) const;
  bool HandleSkinCommand(classlib::TMessage& message);
  bool HandleSkinned(classlib::TMessage& message);
  void AfterMessage(const classlib::TMessage& message);
  void PaintClosedBox(HDC dc);
  void PaintButton(classlib::TBitmap* cache);
  void RepaintClosedBox();
  void ForgetList(bool restoreBorder);
  bool EditEditable() const;
  void KeepItemHeight();

  classlib::TAlignment alignment_ = classlib::taLeftJustify;
  bool readOnly_ = false;
  TsDisabledKind disabledKind_ = paint::dgBlended;
  bool showButton_ = true;
  bool dropped_ = false;
  HWND adaptedList_ = nullptr;
  std::unique_ptr<TsComboListLink> listLink_;
  std::unique_ptr<TsBoundLabel> boundLabel_;
};

}  // namespace skin
