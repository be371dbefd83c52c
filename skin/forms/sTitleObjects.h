#pragma once
// What a skinned caption shows besides the form's icon, caption and system
// buttons: an own caption icon, user title buttons and an added title
// text. They hold data and ask the provider to repaint the frame when a
// visible property changes; painting and hit testing are the provider's.
#include <windows.h>

#include <memory>
#include <string>

#include "classlib/menus/HintWindow.h"

#include "classlib/controls/Control.h"
#include "classlib/core/Collection.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Font.h"

namespace skin {

class TsSkinProvider;
// The fade of one caption button between its states (made by the
// animations; the provider only holds and frees it).
class TacSBAnimation;

// One caption button as the provider paints and hit-tests it.
struct TsTitleButtonState {
  int State = 0;          // 0 normal, 1 hot, 2 pressed
  int ImageIndex = -1;    // the glyph mask; -1 none
  RECT Rect{0, 0, 0, 0};  // in the whole-window image (window coordinates)
  bool BigGlyph = false;
  int HitCode = 0;
  int GlowId = -1;  // the glow window of a hot button; -1 none
  // The running fade; while it exists the glyph is drawn by it.
  std::shared_ptr<TacSBAnimation> Animation;
};

// The text shown in the title after (or in place of) the form's caption.
class TacAddedTitle : public classlib::TPersistent {
 public:
  explicit TacAddedTitle(TsSkinProvider* provider);
  ~TacAddedTitle() override;

  const std::wstring& Text() const { return text_; }
  // Stores a changed text and repaints the title (not while loading).
  void SetText(const std::wstring& value);
  classlib::TFont* Font() const { return font_.get(); }
  void SetFont(const classlib::TFont* value);
  bool ShowMainCaption() const { return showMainCaption_; }
  void SetShowMainCaption(bool value);
  TsSkinProvider* Provider() const { return provider_; }

 private:
  void Repaint();
  TsSkinProvider* provider_;
  std::wstring text_;
  std::unique_ptr<classlib::TFont> font_;
  bool showMainCaption_ = true;
};

class TsTitleIcon : public classlib::TPersistent {
 public:
  explicit TsTitleIcon(TsSkinProvider* provider);
  ~TsTitleIcon() override;

  classlib::TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const classlib::TBitmap* value) { glyph_->Assign(value); }
  // Width and Height only store: the next repaint uses them.
  int Width() const { return width_; }
  void SetWidth(int value) { width_ = value; }
  int Height() const { return height_; }
  void SetHeight(int value) { height_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

 private:
  TsSkinProvider* provider_;
  std::unique_ptr<classlib::TBitmap> glyph_;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
};

class TsTitleButton : public classlib::TCollectionItem {
 public:
  explicit TsTitleButton(classlib::TCollection* collection);
  ~TsTitleButton() override;

  bool UseSkinData() const { return useSkinData_; }
  void SetUseSkinData(bool value) { useSkinData_ = value; }
  const std::wstring& Name() const { return name_; }
  // Stores a changed name; the caption does not show it.
  void SetName(const std::wstring& value);
  classlib::TBitmap* Glyph() const { return glyph_.get(); }
  // A new picture ends the button's running glow.
  void SetGlyph(const classlib::TBitmap* value) { glyph_->Assign(value); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& value) { hint_ = value; }
  bool Visible() const { return visible_; }
  // Stores a changed value and repaints the provider's frame.
  void SetVisible(bool value);
  classlib::TMouseEvent OnMouseDown, OnMouseUp;

  std::wstring GetDisplayName() const { return name_; }
  void MouseDown(classlib::TMouseButton button, classlib::TShiftState shift, int x, int y);
  void MouseUp(classlib::TMouseButton button, classlib::TShiftState shift, int x, int y);
  // Copies the published values and events of another title button.
  void Assign(const classlib::TPersistent* source) override;

  // Run-time state of the painter and the hit test (never copied).
  TsTitleButtonState BtnData;

  // Shows Hint near the cursor while the button is hot (nothing when empty);
  // HideHint frees the window.
  void ShowHint();
  void HideHint();
  classlib::THintWindow* HintWindow() const { return hintWindow_.get(); }

 private:
  TsSkinProvider* Provider() const;
  bool useSkinData_ = true;
  std::wstring name_;
  std::unique_ptr<classlib::TBitmap> glyph_;
  bool enabled_ = true;
  std::wstring hint_;
  bool visible_ = true;
  std::unique_ptr<classlib::THintWindow> hintWindow_;
};

class TsTitleButtons : public classlib::TCollection {
 public:
  explicit TsTitleButtons(TsSkinProvider* provider);
  ~TsTitleButtons() override;
  TsTitleButton* Items(int index) const { return static_cast<TsTitleButton*>(TCollection::Items(index)); }
  TsSkinProvider* Provider() const { return provider_; }

 private:
  TsSkinProvider* provider_;
};

}  // namespace skin
