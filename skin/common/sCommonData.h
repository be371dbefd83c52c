#pragma once
// The skin state every skinned control, window adapter and skinned form
// owns (published as SkinData): its manager and skin section, the resolved
// indexes of that section's border mask and textures, the cache bitmap it
// paints through, its hot and focus state, and the flags that tell when the
// cache is stale or painting must wait.
//
// Indexes are resolved against one skin of the manager; a skin load replaces
// the manager's sections before the new-skin broadcast reaches the control,
// so everything that reads a section or a mask goes through Section() and
// BorderMask(), which answer null for indexes of a skin that is gone.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "classlib/controls/Control.h"
#include "classlib/controls/Messages.h"
#include "classlib/core/Persistent.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/core/SkinData.h"

namespace skin {

class TsSkinManager;

class TsCommonData : public classlib::TPersistent {
 public:
  // The owner is a control, an adapter or a skin provider. Controls that
  // paint through a cache ask for the cache bitmap here.
  TsCommonData(classlib::TObject* owner, bool createCacheBmp);
  ~TsCommonData() override;

  // --- Published
  const std::wstring& SkinSection() const { return skinSection_; }
  // Stored upper-cased, "UNKNOWN" for an empty value; resolves the section
  // and tells a live owner (code 3 when the skin has it, else code 2).
  void SetSkinSection(const std::wstring& value);
  // The own manager, or the default one when none is set.
  TsSkinManager* SkinManager() const;
  void SetSkinManager(TsSkinManager* value);
  // Stored only when a manager other than the default is set.
  bool SkinManagerStored() const { return skinManager_ != nullptr; }
  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool value);
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool value);
  int HUEOffset() const { return hueOffset_; }
  void SetHUEOffset(int value);
  int Saturation() const { return saturation_; }
  void SetSaturation(int value);

  // Painting must wait: the own flag, or for a control over a complex
  // background also its parent's lock.
  bool Updating() const;
  void SetUpdating(bool value) { updating_ = value; }
  // The own flag alone.
  bool OwnUpdating() const { return updating_; }

  // --- State
  bool Skinned(bool checkActive = false) const;
  bool IsHot() const;
  bool ComplexState() const;
  bool ComplexBackground() const;
  bool NeedsParentBG() const;
  int GetMaxBorderWidth() const;

  // The section and border mask of the current skin; null when there is
  // none or the indexes were resolved under a skin that has been replaced.
  const TsGeneralData* Section() const;
  const TsMaskData* BorderMask() const;
  // The state record of the section: normal, or hot when it has one.
  const TsGenState* SectionState(int state) const;

  void UpdateSkinSection();
  void UpdateIndexes();
  void UpdateBGVariation();
  void UpdateStateFlags(bool allChildren);
  // Edit-like owners take the section's colour and font colour.
  void UpdateControlColors(bool repaint);
  void Loaded();
  void Invalidate(bool updateNow = false);
  void BeginUpdate();
  void EndUpdate(bool repaint);
  void InitCacheBmp();
  // Drops the cache image (width and height 0), keeping the bitmap.
  void EmptyCache();

  classlib::TControl* OwnerControl() const { return ownerControl_; }
  classlib::TObject* OwnerObject() const { return ownerObject_; }
  classlib::TBitmap* CacheBmp() const { return cacheBmp_.get(); }
  // The form of a skin-provider owner, null for other owners.
  classlib::TWinControl* ProviderForm() const;
  // The manager is being destroyed: forget it (code 2 from a dying manager).
  void ForgetManager() { skinManager_ = nullptr; }
  // Resolved indexes set to none.
  void ClearIndexes();

  // --- Fields the owners and the painting code read and write
  int UpdateCount = 0;
  int GlowID = -1;
  int BorderIndex = -1;
  int SkinIndex = -1;
  int Texture = -1;
  int HotTexture = -1;
  bool ForceParentBG = false;
  bool BGChanged = true;
  bool CachePartial = true;
  int COC = 0;
  bool FFocused = false;
  bool FMouseAbove = false;
  std::uint16_t CtrlSkinState = 0;
  std::uint16_t BGVariation = 0;
  HDC PrintDC = nullptr;

 private:
  bool OwnerDestroying() const;
  bool OwnerLoading() const;
  bool IsProviderOwner() const;
  bool ManagerHasSections(const TsSkinManager* manager) const;
  bool IndexesCurrent() const;
  // Code 3 when the section resolves, else code 2, to a live owner.
  void TellOwnerAboutSection(TsSkinManager* manager);

  std::wstring skinSection_;
  bool customFont_ = false;
  bool customColor_ = false;
  int hueOffset_ = 0;
  int saturation_ = 0;
  bool updating_ = false;
  TsSkinManager* skinManager_ = nullptr;
  classlib::TControl* ownerControl_ = nullptr;
  classlib::TObject* ownerObject_ = nullptr;
  std::unique_ptr<classlib::TBitmap> cacheBmp_;
  // The manager and skin generation the indexes were resolved under.
  const TsSkinManager* resolvedManager_ = nullptr;
  std::uint64_t resolvedGeneration_ = 0;
};

// The skin state the library's own controls publish, with the hue and
// saturation options.
class TsCtrlSkinData : public TsCommonData {
 public:
  using TsCommonData::TsCommonData;
};

// True when the parent of the owner answers that its background varies.
bool ParentBGVaries(const TsCommonData* skinData);
// Opens the glow of a hot control, or closes it when the control is not hot.
void UpdateGlow(TsCommonData* skinData, bool force, HWND wnd);
// The shared receiver of the skin command message: true for the codes it
// answers and consumes.
bool CommonMessage(classlib::TMessage& message, TsCommonData* skinData);
// Called by every skinned window procedure first: true when the message is
// consumed.
bool CommonWndProc(classlib::TMessage& message, TsCommonData* skinData);

// The section name code 13 repaints; nothing in this program sets it.
std::wstring& RepaintSectionName();


void RegisterCommonDataClasses();

}  // namespace skin
