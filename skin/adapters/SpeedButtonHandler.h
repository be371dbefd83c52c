#pragma once
// A windowless speed button of a foreign class skinned through its
// WindowProc: its face is painted from the skin section into the skin
// data's cache whenever the control paints. The control is known only by
// its published properties ("State", "Down", "Glyph", "NumGlyphs",
// "Layout", "Margin", "Spacing") besides what every control has.
#include <memory>
#include <string>

#include "classlib/controls/GraphicControl.h"
#include "classlib/controls/Messages.h"
#include "skin/common/sCommonData.h"

namespace skin {
class TsSkinManager;
}

namespace skin::adapters {

class TacSpeedButtonHandler : public classlib::TObject {
 public:
  TacSpeedButtonHandler() = default;
  ~TacSpeedButtonHandler() override;
  TacSpeedButtonHandler(const TacSpeedButtonHandler&) = delete;
  TacSpeedButtonHandler& operator=(const TacSpeedButtonHandler&) = delete;

  virtual void Create(classlib::TGraphicControl* control, bool repaint, const std::wstring& skinSection,
                      TsSkinManager* skinManager, TsCommonData* skinData);
  virtual void WndProc(classlib::TMessage& message);

  classlib::TGraphicControl* Control = nullptr;
  classlib::TWndMethod OldWindowProc;
  TsSkinManager* SkinManager = nullptr;
  TsCommonData* SkinData = nullptr;
  bool Detached = false;

  // 2 down or exclusive, 1 hot, else 0.
  int CtlState() const;
  void PrepareCache();
  // Where the caption goes in the face.
  classlib::TRect CaptionRect();
  SIZE TextSize();
  // The control's WindowProc is still the handler's.
  bool Installed() const;

 private:
  struct TControlMark;
  void CallOld(classlib::TMessage& message);
  void Paint(HDC dc);
  void Repaint();
  void GiveBackWindowProc();

  std::weak_ptr<TControlMark> mark_;
};

}  // namespace skin::adapters
