// The manager's life, its options and the loading of a skin from its sources.
#include "skin/manager/sSkinManager.h"

#include <cstdio>
#include <string>

#include "classlib/core/ConvertText.h"
#include "classlib/core/Exception.h"
#include "classlib/core/FileUtils.h"
#include "classlib/core/FileUtilsIO.h"
#include "classlib/core/FileUtilsPath.h"
#include "classlib/core/Utf8.h"
#include "skin/core/PackedSkin.h"
#include "skin/core/PathUtils.h"
#include "skin/core/SkinDataLoad.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinColorChange.h"
#include "skin/manager/SkinDirectory.h"

namespace skin {

using namespace classlib;

namespace {

CLASSLIB_EXCEPTION(ESkinLoadError, Exception);

TsSkinManager*& Default() {
  static TsSkinManager* manager = nullptr;
  return manager;
}

bool skinChanging = false;
bool skinLoading = false;
bool skinPushed = false;

// Sets a flag for a scope and puts its old value back however the scope ends.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = old_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

// Empties an unpacked container however the load ends; a borrowed source
// (a stored skin's bytes) is only forgotten.
struct ConvertorScope {
  std::unique_ptr<TacSkinConvertor>& convertor;
  ~ConvertorScope() {
    if (convertor) ClearPackedSkin(*convertor);
  }
};

bool EndsWithAsz(const std::wstring& name) {
  return name.size() > 4 && LowerCase(std::wstring_view(name).substr(name.size() - 4)) == L".asz";
}

std::string_view BytesOf(const TMemoryStream& stream) {
  const auto& bytes = stream.Bytes();
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

const TsSkinData& InactiveSkinData() {
  static const TsSkinData data;
  return data;
}

}  // namespace

bool SkinChanging() { return skinChanging; }

void AnnounceLibraryVersion() {
  for (const std::wstring& argument : SkinManagerPlatform().CommandLineArguments())
    if (LowerCase(argument) == L"/acver") {
      SkinManagerPlatform().ShowNotice(L"DarudOdero v8.00", TsNoticeKind::Information);
      return;
    }
}
bool SkinLoading() { return skinLoading; }
bool SkinPushed() { return skinPushed; }
void SetSkinPushed(bool value) { skinPushed = value; }

TsSkinManager::TsSkinManager(TComponent* owner)
    : TComponent(owner),
      effects_(std::make_unique<TacSkinEffects>(this)),
      thirdParty_(std::make_unique<ThirdPartyList>()),
      internalSkins_(std::make_unique<TsStoredSkins>(this)),
      commonSections_(std::make_unique<TStringList>()),
      animEffects_(std::make_unique<TacAnimEffects>(this)) {
  for (auto& list : thirdLists_) {
    list = std::make_unique<TStringList>();
    list->SetCaseSensitive(true);
  }
  commonSections_->SetCaseSensitive(true);
  internalSkins_->SetOnChange([this] {
    if (OnSkinListChanged) OnSkinListChanged(this);
  });
  if (!Default()) {
    Default() = this;
    if (!ComponentState().Contains(csDesigning))
      mainWindowHook_ = SkinManagerPlatform().HookMainWindow([this](TsHookMessage& m) { return MainWindowHook(m); });
  }
}

TsSkinManager::~TsSkinManager() {
  // Controls told that the skin goes drop their reference to a dying manager.
  Destroying();
  // The skin goes without the deactivation event: its handler's form may be
  // going too.
  if (active_) {
    active_ = false;
    SendRemoveSkin();
  }
  // The hook this manager installed goes with it, default or not, so no
  // hook is left calling a freed manager.
  if (mainWindowHook_) SkinManagerPlatform().UnhookMainWindow(mainWindowHook_);
  mainWindowHook_ = 0;
  if (Default() == this) Default() = nullptr;
  internalSkins_->SetOnChange(nullptr);
  menus_.reset();
}

void TsSkinManager::AfterConstruction() {
  TComponent::AfterConstruction();
  UpdateThirdPartyLists(false);
  if (skinDirectory_.empty()) skinDirectory_ = L"c:\\Skins";
}

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (skinDirectory_.empty()) skinDirectory_ = L"c:\\Skins";
  UpdateThirdPartyLists(false);
  if (active_ && !skinName_.empty()) SendNewSkin(false);
  if (active_ && OnActivate && !ComponentState().Contains(csDesigning)) OnActivate(this);
}

TsSkinManager* TsSkinManager::DefaultManager() { return Default(); }

void TsSkinManager::SetSkinnedPopups(bool value) {
  skinnedPopups_ = value;
  if (TsMenusLink* menus = Menus()) menus->UpdateActive();
}

TsMenusLink* TsSkinManager::Menus() {
  if (!menus_ && MenusFactory()) menus_ = MenusFactory()(*this);
  return menus_.get();
}

void TsSkinManager::SetIsDefault(bool value) {
  if (!value && Default()) return;
  Default() = this;
  if (ComponentState().Contains(csLoading)) return;
  if (active_ && skin_) SendNewSkin(true);
  else SendRemoveSkin();
}

void TsSkinManager::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (!value) {
    if (!loading_) SendRemoveSkin();
    if (OnDeactivate && !ComponentState().Contains(csDesigning)) OnDeactivate(this);
  } else {
    SetSkinName(skinName_);
  }
}

void TsSkinManager::SetCommonSections(TStrings* value) {
  commonSections_->Clear();
  if (value)
    for (int i = 0; i < value->Count(); ++i) {
      std::wstring line = value->Strings(i);
      if (!line.empty() && line.front() != L';') std::erase(line, L' ');
      commonSections_->Add(line);
    }
  // Read from a description before SkinName, the lines only wait for the load.
  if (skin_) SetSkinName(skinName_);
}

void TsSkinManager::SetSaturation(int value) {
  if (value == saturation_) return;
  saturation_ = value;
  ReloadSkin();
}

void TsSkinManager::SetHueOffset(int value) {
  if (value == hueOffset_) return;
  hueOffset_ = value;
  ReloadSkin();
}

void TsSkinManager::SetExtendedBorders(bool value) {
  if (value == extendedBorders_) return;
  extendedBorders_ = value;
  ReloadSkin();
}

void TsSkinManager::SetSkinDirectory(const std::wstring& value) {
  if (value == skinDirectory_) return;
  skinDirectory_ = value;
  if (skin_) skin_->SkinData.SkinPath = GetSkinDirectory();
  if (OnSkinListChanged) OnSkinListChanged(this);
}

std::wstring TsSkinManager::SkinInfo() const {
  if (!skin_ || !skin_->SkinData.Active) return L"N/A";
  wchar_t text[32];
  std::swprintf(text, 32, L"%.15g", skin_->SkinData.Version);
  return text;
}

std::wstring TsSkinManager::GetSkinDirectory() const { return ResolveSkinDirectory(skinDirectory_, ProgramFolder()); }

const TsSkinData& TsSkinManager::SkinData() const { return skin_ ? skin_->SkinData : InactiveSkinData(); }

const TsConstData& TsSkinManager::ConstData() const {
  static const TsConstData none;
  return skin_ ? skin_->ConstData : none;
}

void TsSkinManager::SetSkinName(const std::wstring& value) {
  const std::wstring oldName = skinName_;
  skinName_ = value;
  if (!active_) return;
  if (OnBeforeChange) OnBeforeChange(this);
  const bool snapshot =
      extendedBorders_ && !updateLock_ && animEffects_->SkinChanging()->Active() && SkinChangeHandler();
  const std::uint64_t broadcasts = newSkinBroadcasts_;
  if (snapshot) SkinChangeHandler()(*this, TsSkinChange::BeforeLoad, false);
  {
    FlagScope changing(skinChanging);
    if (EndsWithAsz(skinName_)) skinName_.resize(skinName_.size() - 4);
    try {
      LoadFromSources();
    } catch (const Exception& e) {
      skinName_ = oldName;
      SkinManagerPlatform().ShowError(e.Message());
    } catch (const std::exception& e) {
      skinName_ = oldName;
      SkinManagerPlatform().ShowError(Utf8ToWide(e.what()));
    }
    if (active_ && skin_) {
      if (!updateLock_) SendNewSkin(true);
      if (OnActivate && !ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
        OnActivate(this);
    } else if (!active_) {
      SendRemoveSkin();
    }
  }
  // No new skin went out to thaw the forms: they drop their pictures.
  if (snapshot && broadcasts == newSkinBroadcasts_ && SkinChangeHandler())
    SkinChangeHandler()(*this, TsSkinChange::SnapshotDropped, false);
  if (OnAfterChange) OnAfterChange(this);
}

void TsSkinManager::ReloadSkin() {
  if (!active_ || !skin_ || loading_ || ComponentState().Contains(csLoading)) return;
  {
    FlagScope changing(skinChanging);
    try {
      LoadFromSources();
    } catch (const Exception& e) {
      SkinManagerPlatform().ShowError(e.Message());
    } catch (const std::exception& e) {
      SkinManagerPlatform().ShowError(Utf8ToWide(e.what()));
    }
  }
  if (!updateLock_) RepaintForms();
}

void TsSkinManager::LoadFromSources() {
  const std::wstring rawDirectory = NormalDir(skinDirectory_);
  const bool packed = !(skinPushed && DirectoryExists(SkinFileName(rawDirectory + skinName_))) &&
                      FileExists(SkinFileName(rawDirectory + skinName_ + L".asz"));
  if (packed) LoadPackedSkin();
  else LoadSkin();
}

void TsSkinManager::LoadSkin() {
  if (!active_) return;
  FlagScope loading(loading_);
  FlagScope globalLoading(skinLoading);
  const std::wstring skinPath = GetSkinDirectory() + skinName_ + L"\\";
  const std::wstring optionsFile = skinPath + L"Options.dat";
  if (pushedOptions_) {
    BuildSkin(TsSkinOptions::FromBytes(optionsFile, *pushedOptions_), TsSkinFolderFiles(SkinFileName(skinPath)),
              skinPath);
    return;
  }
  std::string bytes;
  if (FileExists(SkinFileName(optionsFile)) && TryReadFileBytes(SkinFileName(optionsFile), bytes)) {
    BuildSkin(TsSkinOptions::FromBytes(optionsFile, bytes), TsSkinFolderFiles(SkinFileName(skinPath)), skinPath);
    return;
  }
  int index = internalSkins_->IndexOf(skinName_);
  if (index < 0) {
    if (internalSkins_->Count() == 0) {
      SetActive(false);
      return;
    }
    index = 0;
    skinName_ = internalSkins_->Items(0)->Name();
  }
  TsStoredSkin& stored = *internalSkins_->Items(index);
  if (stored.Data().Size() == 0) throw ESkinLoadError(L"The internal skin \"" + skinName_ + L"\" holds no data");
  // The stored bytes are read in place, never copied.
  auto convertor = std::make_unique<TacSkinConvertor>();
  ConvertorScope clear{convertor};
  convertor->BorrowSource(&stored.Data());
  ReadPackedSkin(convertor);
  if (!convertor->Options) throw ESkinLoadError(L"The internal skin \"" + skinName_ + L"\" has no Options.dat");
  BuildSkin(TsSkinOptions::FromBytes(L"Options.dat", BytesOf(*convertor->Options)), TsSkinPackedFiles(*convertor),
            std::wstring());
}

void TsSkinManager::LoadPackedSkin() {
  if (!active_) return;
  FlagScope loading(loading_);
  FlagScope globalLoading(skinLoading);
  std::unique_ptr<TacSkinConvertor> convertor;
  ConvertorScope clear{convertor};
  LoadPackedSkinFile(SkinFileName(NormalDir(skinDirectory_) + skinName_ + L".asz"), convertor, true);
  if (!convertor || !convertor->Options) throw ESkinLoadError(L"The skin \"" + skinName_ + L"\" has no Options.dat");
  BuildSkin(TsSkinOptions::FromBytes(L"Options.dat", BytesOf(*convertor->Options)), TsSkinPackedFiles(*convertor),
            GetSkinDirectory());
}

void TsSkinManager::BuildSkin(const TsSkinOptions& options, const TsSkinFiles& images, const std::wstring& skinPath) {
  const TsSkinManagerPlatform& platform = SkinManagerPlatform();
  TsSkinLoadSettings settings;
  settings.Manager = this;
  settings.SkinPath = skinPath;
  settings.CommonSections = commonSections_.get();
  const TsSkinFolderFiles commonFiles(SkinFileName(skinPath));
  if (!skinPath.empty()) settings.CommonFiles = &commonFiles;
  settings.ColorToRgb = platform.ColorToRgb;
  settings.SizingFrameWidth = platform.SizingFrameWidth();
  settings.CheckVersion = [this](const TsSkinData& data) { CheckSkinVersion(data.Version); };
  std::unique_ptr<TsSkinModel> skin = LoadSkinModel(options, images, settings);
  ChangeSkinHue(*skin, hueOffset_);
  ChangeSkinSaturation(*skin, saturation_);
  skin_ = std::move(skin);
  ++skinGeneration_;
}

void TsSkinManager::CheckSkinVersion(double version) {
  if (version < 7.0) {
    bool testing = ComponentState().Contains(csDesigning);
    for (const std::wstring& argument : SkinManagerPlatform().CommandLineArguments())
      testing = testing || LowerCase(argument) == L"/actest";
    if (testing)
      SkinManagerPlatform().ShowNotice(
          L"You are using an old version of the \"" + skinName_ +
              L"\" skin. Please, update a skins to latest or link with the DarudOdero support for upgrading of "
              L"existing skin.\r\n\r\nThis notification occurs in design-time only for your information and will not "
              L"occur in real-time.",
          TsNoticeKind::Information);
  } else if (version > 8.99) {
    // The warning itself is not skinned as a dialog.
    const bool dialogs = skinningRules_.Contains(srStdDialogs);
    skinningRules_.Exclude(srStdDialogs);
    SkinManagerPlatform().ShowNotice(
        L"This version of the skin have not complete support by used DarudOdero package release.\r\n"
        L"Components must be updated up to latest version for using this skin.",
        TsNoticeKind::Warning);
    if (dialogs) skinningRules_.Include(srStdDialogs);
  }
}

void TsSkinManager::EndUpdate(bool repaint, bool allowAnimation) {
  updateLock_ = false;
  if (!active_ || !skin_) return;
  TacSkinChanging& changing = *animEffects_->SkinChanging();
  const bool animated = changing.Active();
  if (!allowAnimation) changing.SetActive(false);
  SendNewSkin(repaint);
  changing.SetActive(animated);
}

void TsSkinManager::ApplyPushedSkin(const TsPushedSkin& pushed) {
  skinPushed = true;
  struct Forget {
    TsSkinManager& manager;
    ~Forget() {
      manager.pushedOptions_ = nullptr;
      manager.updateLock_ = false;
    }
  } forget{*this};
  BeginUpdate();
  pushedOptions_ = &pushed.Options;
  SetSkinDirectory(pushed.Directory);
  SetSkinName(pushed.Name);
  pushedOptions_ = nullptr;
  EndUpdate(true, false);
}

void TsSkinManager::UpdateThirdPartyLists(bool useDefaults) {
  for (int kind = 0; kind < ControlKindCount; ++kind) {
    if (useDefaults || thirdParty_->Text(kind).empty())
      thirdParty_->SetText(kind, DefaultControlClasses[static_cast<std::size_t>(kind)]);
    thirdLists_[static_cast<std::size_t>(kind)]->SetText(thirdParty_->Text(kind));
  }
}

void TsSkinManager::StoreThirdPartyLists() {
  for (int kind = 0; kind < ControlKindCount; ++kind)
    thirdParty_->SetText(kind, thirdLists_[static_cast<std::size_t>(kind)]->Text());
}

void TsSkinManager::SendNewSkin(bool repaint) {
  if (loading_ || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading) || !skin_) return;
  {
    // Inactive while the windows take the skin in, active again however that ends.
    struct Reactivate {
      TsSkinData& data;
      ~Reactivate() { data.Active = true; }
    } reactivate{skin_->SkinData};
    skin_->SkinData.Active = false;
    ++newSkinBroadcasts_;
    if (SkinChangeHandler()) SkinChangeHandler()(*this, TsSkinChange::NewSkin, repaint);
  }
  // The forms frozen for the change thaw here.
  if (repaint) RepaintForms(true);
}

void TsSkinManager::SendRemoveSkin() {
  if (skin_) skin_->SkinData.Active = false;
  if (SkinChangeHandler()) SkinChangeHandler()(*this, TsSkinChange::RemoveSkin, false);
  skin_.reset();
  ++skinGeneration_;
}

void TsSkinManager::RepaintForms(bool animate) {
  if (SkinChangeHandler()) SkinChangeHandler()(*this, TsSkinChange::Repaint, animate);
}

bool TsSkinManager::MainWindowHook(TsHookMessage& message) {
  constexpr unsigned WM_THEMECHANGED_ = 0x031A;
  if (message.Msg == WM_THEMECHANGED_) return true;
  return MainWindowHookHandler() && MainWindowHookHandler()(*this, message);
}

}  // namespace skin
