#pragma once
// The skin manager component: owns the loaded skin. Setting SkinName loads a
// skin from the first source that has it: a packed file "<name>.asz" in the
// skin directory, a folder "<name>" there holding "Options.dat", or the
// stored skin of that name in InternalSkins. The first manager created is the
// default one that every skinned object uses when it names none.
//
// A load builds a complete new skin and only then replaces the old one, so a
// skin that fails to load leaves the previous one whole; the error is shown
// in one box and never reaches the caller of SetSkinName.
#include <array>
#include <memory>
#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/Strings.h"
#include "skin/core/ExtBorderValues.h"
#include "skin/core/SkinData.h"
#include "skin/manager/PushedSkin.h"
#include "skin/manager/SkinableMenusLink.h"
#include "skin/manager/SkinManagerPlatform.h"
#include "skin/manager/sSkinManagerOptions.h"
#include "skin/manager/sStoredSkins.h"

namespace skin {

class TsSkinOptions;
class TsSkinFiles;

class TsSkinManager : public classlib::TComponent {
 public:
  explicit TsSkinManager(classlib::TComponent* owner);
  ~TsSkinManager() override;
  void AfterConstruction() override;
  void Loaded() override;

  // The default manager, null when there is none.
  static TsSkinManager* DefaultManager();

  // --- Published options
  TacSkinEffects* Effects() const { return effects_.get(); }
  bool ExtendedBorders() const { return extendedBorders_; }
  void SetExtendedBorders(bool value);
  // How far the extended borders reach beyond a form, and their pictures
  // (the active or inactive one); zero and null unless the manager is
  // active with ExtendedBorders and the skin has them.
  TsExtBorderMargins ExtBorderMargins() const;
  const bmp32::TCustomBitmap32* ExtBorderImage(bool active) const;
  bool SkinnedPopups() const { return skinnedPopups_; }
  // Changing it hooks or unhooks the application's menus (skinned menus).
  void SetSkinnedPopups(bool value);
  TacAnimEffects* AnimEffects() const { return animEffects_.get(); }
  bool IsDefault() const { return DefaultManager() == this; }
  void SetIsDefault(bool value);
  bool Active() const { return active_; }
  void SetActive(bool value);
  // Sections, masks and patterns (the description's syntax) added to every
  // skin loaded afterwards, behind the skin's own.
  classlib::TStringList* CommonSections() const { return commonSections_.get(); }
  void SetCommonSections(classlib::TStrings* value);
  // Percent and degrees applied to the whole skin at load; a change reloads.
  int Saturation() const { return saturation_; }
  void SetSaturation(int value);
  int HueOffset() const { return hueOffset_; }
  void SetHueOffset(int value);
  TsStoredSkins* InternalSkins() const { return internalSkins_.get(); }
  void SetInternalSkins(TsStoredSkins* value) { internalSkins_->Assign(value); }
  const std::wstring& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const std::wstring& value);
  const std::wstring& SkinName() const { return skinName_; }
  void SetSkinName(const std::wstring& value);
  // The loaded skin's version ("." as decimal separator), "N/A" without one.
  std::wstring SkinInfo() const;
  TacSkinningRules SkinningRules() const { return skinningRules_; }
  void SetSkinningRules(TacSkinningRules value) { skinningRules_ = value; }
  ThirdPartyList* ThirdParty() const { return thirdParty_.get(); }
  std::wstring Version() const { return L"8.00"; }

  classlib::TNotifyEvent OnActivate, OnAfterChange, OnBeforeChange, OnDeactivate, OnSkinListChanged;

  // --- Loading
  // SkinDirectory resolved against the program's folder, ending with "\".
  std::wstring GetSkinDirectory() const;
  // The version notices: an old skin only under the "/actest" switch (or
  // while designing), a newer one always.
  void CheckSkinVersion(double version);
  // While locked a load broadcasts nothing; EndUpdate broadcasts the skin.
  void BeginUpdate() { updateLock_ = true; }
  void EndUpdate(bool repaint, bool allowAnimation);
  bool UpdateLocked() const { return updateLock_; }
  // Takes a skin another process pushed: its folder and name, loaded from
  // the pushed options text in place of the folder's "Options.dat", and
  // broadcast once without the change animation.
  void ApplyPushedSkin(const TsPushedSkin& pushed);

  // --- Foreign controls
  // Each kind's list from ThirdParty (a kind left empty, or every kind with
  // `useDefaults`, gets the built-in default first).
  void UpdateThirdPartyLists(bool useDefaults);
  void StoreThirdPartyLists();
  const classlib::TStringList& ThirdLists(int kind) const { return *thirdLists_.at(static_cast<std::size_t>(kind)); }

  // --- The loaded skin
  // Null when no skin is loaded. Painting reads sections, masks and the
  // master bitmap through it.
  const TsSkinModel* Skin() const { return skin_.get(); }
  TsSkinModel* Skin() { return skin_.get(); }
  // Counts the skins this manager has held: indexes resolved under another
  // number point into a skin that is gone.
  std::uint64_t SkinGeneration() const { return skinGeneration_; }
  // The skin-wide values (an inactive record when no skin is loaded).
  const TsSkinData& SkinData() const;
  const TsConstData& ConstData() const;

  // --- Lookups by name (-1 when absent or without a skin)
  int GetSkinIndex(std::wstring_view section) const;
  int GetMaskIndex(int sectionIndex, std::wstring_view section, std::wstring_view mask) const;
  int GetTextureIndex(int sectionIndex, std::wstring_view section, std::wstring_view texture) const;
  int GetPatternIndex(int sectionIndex, std::wstring_view section, std::wstring_view pattern) const;
  int FindMaskIndex(std::wstring_view section, std::wstring_view mask) const;
  bool IsValidImgIndex(int index) const;
  bool IsValidSkinIndex(int index) const;
  // Border widths of a mask for nine-piece painting; 0 for an invalid index.
  int MaskBorderLeft(int maskIndex);
  int MaskBorderTop(int maskIndex);
  int MaskBorderRight(int maskIndex);
  int MaskBorderBottom(int maskIndex);

  // --- Skin-wide colours (RGB values)
  TColor GetGlobalColor() const;
  TColor GetGlobalFontColor() const;
  TColor GetHotGlobalColor() const;
  TColor GetEditFontColor() const;
  TColor GetHighlightColor(bool hot) const;
  TColor GetHighlightFontColor(bool hot) const;
  // The names of the internal skins and of the skins in the skin directory,
  // sorted.
  void GetSkinNames(classlib::TStrings& list) const;

  // --- Spreading the skin (see SkinBroadcast.h)
  void SendNewSkin(bool repaint);
  void SendRemoveSkin();
  // Animate: the skinned forms frozen for the change are thawed with the
  // skin-change animation.
  void RepaintForms(bool animate = false);

  // What the main-window hook last saw of a system command (scs... values
  // of skin/common/SkinnedFormState.h); 0 from construction.
  std::uint8_t SysCommandState() const { return sysCommandState_; }
  void SetSysCommandState(std::uint8_t value) { sysCommandState_ = value; }

  // The skinned menus object, made on first use by the registered factory;
  // null while none is registered.
  TsMenusLink* Menus();
  // The object when it was made already (never makes one).
  TsMenusLink* MenusIfMade() const { return menus_.get(); }
  // Whether a skin is loaded and active (the menus are hooked only then).
  bool SkinActive() const { return skin_ && skin_->SkinData.Active; }

  // The application main window's messages (true: handled).
  virtual bool MainWindowHook(TsHookMessage& message);

 private:
  void LoadFromSources();
  void LoadSkin();
  void LoadPackedSkin();
  void BuildSkin(const TsSkinOptions& options, const TsSkinFiles& images, const std::wstring& skinPath);
  void ReloadSkin();
  TsMaskData* ValidMask(int index);
  // A side's width, else the border width, else the frame's size (a mask
  // without frames counts one).
  int MaskBorder(int maskIndex, std::int16_t TsMaskData::*width, bool horizontal);
  const TsGeneralData* Section(std::wstring_view name) const;

  std::unique_ptr<TacSkinEffects> effects_;
  std::unique_ptr<ThirdPartyList> thirdParty_;
  bool updateLock_ = false;
  bool loading_ = false;
  std::array<std::unique_ptr<classlib::TStringList>, ControlKindCount> thirdLists_;
  std::unique_ptr<TsStoredSkins> internalSkins_;
  std::unique_ptr<classlib::TStringList> commonSections_;
  bool skinnedPopups_ = true;
  bool extendedBorders_ = false;
  int hueOffset_ = 0;
  int saturation_ = 0;
  std::unique_ptr<TacAnimEffects> animEffects_;
  TacSkinningRules skinningRules_{srStdForms, srStdDialogs, srThirdParty};
  bool active_ = true;
  std::wstring skinName_;
  std::wstring skinDirectory_;
  std::unique_ptr<TsSkinModel> skin_;
  std::uint64_t skinGeneration_ = 0;
  int mainWindowHook_ = 0;  // the id of the hook this manager installed
  std::uint8_t sysCommandState_ = 0;
  std::uint64_t newSkinBroadcasts_ = 0;
  // The pushed options text while a pushed skin loads.
  const std::string* pushedOptions_ = nullptr;
  std::unique_ptr<TsMenusLink> menus_;
  // The extended-border pictures, made once per skin (the generation they
  // were made for).
  mutable std::array<std::shared_ptr<bmp32::TCustomBitmap32>, 2> extBorderImages_;
  mutable std::uint64_t extBorderGeneration_ = 0;
};

// True while a manager's SkinName setter or a load runs (painting skips work).
bool SkinChanging();
// True while a skin is being read.
bool SkinLoading();
// Set once another process pushed a skin (never cleared by the program):
// from then on a skin folder beats a packed file of the same name.
bool SkinPushed();
void SetSkinPushed(bool value);

// Shows the library's version ("DarudOdero v8.00") when the program was
// started with "/acver" (any case); registration asks once at start-up.
void AnnounceLibraryVersion();

// Makes the manager's class and properties known to form descriptions. Runs
// once, and announces the library's version when asked.
void RegisterSkinManagerClasses();

}  // namespace skin
