#pragma once
// The skinned push button (the card editor's page tabs among others): an
// owner-drawn system button painted wholly from the skin, with an optional
// image per state from an image list, a command-link or split style and a
// Down state that keeps it pressed.
#include <array>
#include <memory>
#include <string>

#include "classlib/menus/ImageList.h"
#include "classlib/menus/Menus.h"
#include "skin/controls/sButtonBase.h"
#include "skin/controls/sButtonLayout.h"
#include "skin/core/ControlClassCodes.h"

namespace skin {

// The space kept around a button's image.
class TImageMargins : public classlib::TPersistent {
 public:
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Right() const { return right_; }
  int Bottom() const { return bottom_; }
  void SetLeft(int value) { Set(left_, value); }
  void SetTop(int value) { Set(top_, value); }
  void SetRight(int value) { Set(right_, value); }
  void SetBottom(int value) { Set(bottom_, value); }
  void Assign(const classlib::TPersistent* source) override;
  classlib::TNotifyEvent OnChange;

 protected:
  virtual void Changed();

 private:
  void Set(int& field, int value);
  int right_ = 0, bottom_ = 0, top_ = 0, left_ = 0;
};

class TsButton : public TsButtonBase<classlib::TButton, COC_TsButton> {
 public:
  explicit TsButton(classlib::TComponent* owner);
  ~TsButton() override;

  // Repaints in the pressed or the normal look when the value changes.
  void SetDown(bool value);
  TButtonStyle Style() const { return style_; }
  void SetStyle(TButtonStyle value);
  int ContentMargin() const { return contentMargin_; }
  void SetContentMargin(int value);
  const std::wstring& CommandLinkHint() const { return commandLinkHint_; }
  void SetCommandLinkHint(const std::wstring& value);
  classlib::TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
  void SetDropDownMenu(classlib::TPopupMenu* value);
  bool DroppedDown() const { return droppedDown_; }

  TImageAlignment ImageAlignment() const { return imageAlignment_; }
  void SetImageAlignment(TImageAlignment value);
  int ImageIndex() const { return indexes_[0]; }
  void SetImageIndex(int value) { SetIndex(0, value); }
  int HotImageIndex() const { return indexes_[1]; }
  void SetHotImageIndex(int value) { SetIndex(1, value); }
  int PressedImageIndex() const { return indexes_[2]; }
  void SetPressedImageIndex(int value) { SetIndex(2, value); }
  int SelectedImageIndex() const { return indexes_[3]; }
  void SetSelectedImageIndex(int value) { SetIndex(3, value); }
  int DisabledImageIndex() const { return indexes_[4]; }
  void SetDisabledImageIndex(int value) { SetIndex(4, value); }
  TImageMargins* ImageMargins() const { return imageMargins_.get(); }
  void SetImageMargins(const TImageMargins* value) { imageMargins_->Assign(value); }

  // Layout of the current state.
  TRect CaptionRect();
  TRect GlyphRect();
  // The image shown now, -1 without a glyph.
  int CurrentImageIndex() const;

 protected:
  void WndProc(classlib::TMessage& message) override;
  void Notification(classlib::TComponent* component, classlib::TOperation operation) override;
  void PrepareCache() override;
  bool HeldDown() const override { return down_ || droppedDown_; }
  void DrawUnskinned(const DRAWITEMSTRUCT& item) override;

 private:
  bool HasGlyph() const;
  TPushButtonLayout Layout();
  void SetIndex(int which, int value);
  void DrawCaption(classlib::TCanvas* canvas, int skinState);
  void DrawGlyph(int skinState);
  void DropDown();

  TButtonStyle style_ = bsPushButton;
  int contentMargin_ = 6;
  std::wstring commandLinkHint_;
  classlib::TPopupMenu* dropDownMenu_ = nullptr;
  bool droppedDown_ = false;
  TImageAlignment imageAlignment_ = iaLeft;
  std::array<int, 5> indexes_{-1, -1, -1, -1, -1};
  std::unique_ptr<TImageMargins> imageMargins_;
  std::unique_ptr<classlib::TCanvas> drawCanvas_;
};

}  // namespace skin
