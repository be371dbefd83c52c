#pragma once
// The skin provider of a form: draws the form's title with an added text
// (the text alone when the main caption is not repeated) and snaps the form
// to the edges of the work area while it is moved. It works through the
// form's replaceable window procedure, so the form itself knows nothing of it.
#include <memory>
#include <string>

#include "classlib/controls/Forms.h"
#include "classlib/controls/Messages.h"
#include "classlib/graphics/Font.h"

namespace skin {

class TsSkinProvider;

// The text shown in the form's title bar after (or instead of) its caption.
class TacAddedTitle : public classlib::TPersistent {
 public:
  explicit TacAddedTitle(TsSkinProvider& provider);
  ~TacAddedTitle() override;

  const std::wstring& Text() const { return text_; }
  // Stores a changed text and repaints the title bar.
  void SetText(const std::wstring& value);
  classlib::TFont* Font() const { return font_.get(); }
  bool ShowMainCaption() const { return showMainCaption_; }
  void SetShowMainCaption(bool value);

 private:
  TsSkinProvider& provider_;
  std::wstring text_;
  std::unique_ptr<classlib::TFont> font_;
  bool showMainCaption_ = true;
};

class TsSkinProvider : public classlib::TComponent {
 public:
  // The owner is the form it skins.
  explicit TsSkinProvider(classlib::TComponent* owner);
  ~TsSkinProvider() override;

  TacAddedTitle* AddedTitle() const { return addedTitle_.get(); }
  bool ScreenSnap() const { return screenSnap_; }
  void SetScreenSnap(bool value) { screenSnap_ = value; }
  // Distance in pixels within which a moved form jumps to a work-area edge.
  int SnapBuffer() const { return snapBuffer_; }
  void SetSnapBuffer(int value) { snapBuffer_ = value; }

  // What the title bar shows: the added text, after the caption when the
  // main caption is repeated.
  std::wstring TitleText() const;
  // Repaints the form's title bar now (nothing while it has no window).
  void RepaintTitle();

 private:
  void ProviderWndProc(classlib::TMessage& message);
  void PaintTitle(HWND window);
  void SnapToWorkArea(WINDOWPOS& position) const;

  classlib::TCustomForm* form_ = nullptr;
  classlib::TWndMethod formWndProc_;
  std::unique_ptr<TacAddedTitle> addedTitle_;
  bool screenSnap_ = false;
  int snapBuffer_ = 10;
};

// Makes the provider's class and properties known to form descriptions. Runs once.
void RegisterSkinFormsClasses();

}  // namespace skin
