#pragma once
// The skinned panel: its background, bevel area and caption come from its
// skin section (PANEL, PANEL_LOW for a lowered bevel, CHECKBOX for none),
// painted into the cache; its children paint over that image and ask it for
// the background behind them.
#include <functional>

#include "classlib/controls/Panel.h"
#include "classlib/graphics/Canvas.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/core/ControlClassCodes.h"

namespace skin {

using TPaintEvent = std::function<void(classlib::TObject* sender, classlib::TCanvas* canvas)>;

class TsPanel : public TsSkinnedControl<classlib::TPanel, COC_TsPanel> {
 public:
  explicit TsPanel(classlib::TComponent* owner);

  // Runs after the panel is painted: on the cache's canvas while skinned,
  // on the panel's own canvas otherwise.
  TPaintEvent OnPaint;

  // The client rectangle inside the border and the bevels.
  classlib::TRect InnerRect() const;
  // Background, caption and OnPaint into the skin cache.
  void PrepareCache();

 protected:
  void WndProc(classlib::TMessage& message) override;
  void Paint() override;
  void PaintWindow(HDC dc) override;
  virtual void PaintWindowSkinned(HDC dc, bool sendUpdated);
  virtual void WriteText(classlib::TRect& rect, classlib::TCanvas* canvas);

 private:
  bool SkinnedAndReady() const;
  bool CacheStale() const;
  void SendEndUpdateToChildren();
  void FollowBevel();
  bool AnswerBGInfo(classlib::TMessage& message);

  classlib::TBevelCut lastBevel_;
};

}  // namespace skin
