#pragma once
// The option objects a skin manager publishes: effects, animations and the
// class names of foreign controls it takes over.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "classlib/core/Persistent.h"
#include "classlib/core/Set.h"
#include "skin/core/SkinConst.h"

namespace skin {

class TsSkinManager;

enum TacSkinningRule { srStdForms, srStdDialogs, srThirdParty };
using TacSkinningRules = classlib::TSet<TacSkinningRule>;
enum TacAnimType { atFading, atAero };
enum TacBtnEvent { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };
using TacBtnEvents = classlib::TSet<TacBtnEvent>;

class TacSkinEffects : public classlib::TPersistent {
 public:
  explicit TacSkinEffects(TsSkinManager* manager) : manager_(manager) {}
  // The stored flag; glowing also needs layered windows (asked by painting).
  bool AllowGlowing() const { return allowGlowing_; }
  void SetAllowGlowing(bool value) { allowGlowing_ = value; }
  bool AllowAeroBluring() const { return allowAeroBluring_; }
  void SetAllowAeroBluring(bool value) { allowAeroBluring_ = value; }
  TsSkinManager* Manager() const { return manager_; }

 private:
  TsSkinManager* manager_;
  bool allowGlowing_ = true;
  bool allowAeroBluring_ = true;
};

class TacBtnEffects : public classlib::TPersistent {
 public:
  explicit TacBtnEffects(TsSkinManager* manager) : manager_(manager) {}
  TacBtnEvents Events() const { return events_; }
  void SetEvents(TacBtnEvents value) { events_ = value; }
  TsSkinManager* Manager() const { return manager_; }

 private:
  TsSkinManager* manager_;
  TacBtnEvents events_{beMouseEnter, beMouseLeave, beMouseDown, beMouseUp};
};

// One form animation; the kinds differ only in their defaults.
class TacFormAnimation : public classlib::TPersistent {
 public:
  TacFormAnimation(bool active, std::uint16_t time, TacAnimType mode) : active_(active), time_(time), mode_(mode) {}
  bool Active() const { return active_; }
  void SetActive(bool value) { active_ = value; }
  std::uint16_t Time() const { return time_; }
  void SetTime(std::uint16_t value) { time_ = value; }
  TacAnimType Mode() const { return mode_; }
  void SetMode(TacAnimType value) { mode_ = value; }

 private:
  bool active_;
  std::uint16_t time_;
  TacAnimType mode_;
};

class TacBlendOnMoving : public TacFormAnimation {
 public:
  TacBlendOnMoving() : TacFormAnimation(false, 1000, atAero) {}
  std::uint8_t BlendValue() const { return blendValue_; }
  void SetBlendValue(std::uint8_t value) { blendValue_ = value; }

 private:
  std::uint8_t blendValue_ = 170;
};
struct TacMinimizing : TacFormAnimation {
  TacMinimizing() : TacFormAnimation(true, 200, atAero) {}
};
struct TacFormShow : TacFormAnimation {
  TacFormShow() : TacFormAnimation(true, 0, atAero) {}
};
struct TacFormHide : TacFormAnimation {
  TacFormHide() : TacFormAnimation(true, 0, atAero) {}
};
struct TacPageChange : TacFormAnimation {
  TacPageChange() : TacFormAnimation(true, 0, atAero) {}
};
struct TacDialogShow : TacFormAnimation {
  TacDialogShow() : TacFormAnimation(true, 0, atAero) {}
};
struct TacSkinChanging : TacFormAnimation {
  TacSkinChanging() : TacFormAnimation(true, 100, atFading) {}
};

class TacAnimEffects : public classlib::TPersistent {
 public:
  explicit TacAnimEffects(TsSkinManager* manager) : manager_(manager), buttons_(manager) {}
  TacBlendOnMoving* BlendOnMoving() const { return &blendOnMoving_; }
  TacBtnEffects* Buttons() const { return &buttons_; }
  TacDialogShow* DialogShow() const { return &dialogShow_; }
  TacFormShow* FormShow() const { return &formShow_; }
  TacFormHide* FormHide() const { return &formHide_; }
  TacFormHide* DialogHide() const { return &dialogHide_; }
  TacMinimizing* Minimizing() const { return &minimizing_; }
  TacPageChange* PageChange() const { return &pageChange_; }
  TacSkinChanging* SkinChanging() const { return &skinChanging_; }
  TsSkinManager* Manager() const { return manager_; }

 private:
  TsSkinManager* manager_;
  mutable TacBlendOnMoving blendOnMoving_;
  mutable TacBtnEffects buttons_;
  mutable TacDialogShow dialogShow_;
  mutable TacFormShow formShow_;
  mutable TacFormHide formHide_;
  mutable TacFormHide dialogHide_;
  mutable TacMinimizing minimizing_;
  mutable TacPageChange pageChange_;
  mutable TacSkinChanging skinChanging_;
};

// The class names of foreign controls, one text per kind of window adapter
// (the index of ControlKindNames), one class name a line.
class ThirdPartyList : public classlib::TPersistent {
 public:
  const std::wstring& Text(int kind) const { return texts_.at(static_cast<std::size_t>(kind)); }
  void SetText(int kind, const std::wstring& value) { texts_.at(static_cast<std::size_t>(kind)) = value; }

 private:
  std::array<std::wstring, ControlKindCount> texts_;
};

// Makes the option classes known to form descriptions. Runs once.
void RegisterSkinManagerOptionClasses();

}  // namespace skin
