// The manager's published properties, in the order descriptions store them:
// InternalSkins (and the colour options) before SkinName, so the load that
// SkinName starts finds the stored skins.
#include "classlib/core/PropertyRegistry.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

void RegisterSkinManagerClasses() {
  static const bool done = [] {
    RegisterStoredSkinClasses();
    RegisterSkinManagerOptionClasses();
    using M = TsSkinManager;
    const auto event = [](TNotifyEvent M::*field) {
      return std::pair([field](const M& m) { return m.*field; },
                       [field](M& m, const TNotifyEvent& handler) { m.*field = handler; });
    };
    auto builder = Properties<M, TComponent>();
    builder.Object(L"Effects", &M::Effects)
        .Boolean(L"ExtendedBorders", &M::ExtendedBorders, &M::SetExtendedBorders, false)
        .Boolean(L"SkinnedPopups", &M::SkinnedPopups, &M::SetSkinnedPopups, true)
        .Object(L"AnimEffects", &M::AnimEffects)
        .Boolean(L"IsDefault", &M::IsDefault, &M::SetIsDefault, true)
        .Boolean(L"Active", &M::Active, &M::SetActive, true)
        .Object(L"CommonSections", &M::CommonSections, &M::SetCommonSections)
        .Integer(L"Saturation", &M::Saturation, &M::SetSaturation, 0)
        .Integer(L"HueOffset", &M::HueOffset, &M::SetHueOffset, 0)
        .Object(L"InternalSkins", &M::InternalSkins, &M::SetInternalSkins)
        .String(L"SkinDirectory", &M::SkinDirectory, &M::SetSkinDirectory)
        .String(L"SkinName", &M::SkinName, &M::SetSkinName)
        .String(L"SkinInfo", &M::SkinInfo, [](M&, const std::wstring&) {})
        .Stored([](const M&) { return false; })
        .Set(L"SkinningRules", &M::SkinningRules, &M::SetSkinningRules,
             TacSkinningRules{srStdForms, srStdDialogs, srThirdParty})
        .Object(L"ThirdParty", &M::ThirdParty)
        .String(L"Version", &M::Version, [](M&, const std::wstring&) {})
        .Stored([](const M&) { return false; });
    for (const auto& [name, field] : {std::pair{L"OnActivate", &M::OnActivate}, std::pair{L"OnAfterChange", &M::OnAfterChange},
                                      std::pair{L"OnBeforeChange", &M::OnBeforeChange},
                                      std::pair{L"OnDeactivate", &M::OnDeactivate},
                                      std::pair{L"OnSkinListChanged", &M::OnSkinListChanged}}) {
      const auto [get, set] = event(field);
      builder.Event(name, get, set);
    }
    RegisterComponentClass<M, TComponent>();
    AnnounceLibraryVersion();
    return true;
  }();
  (void)done;
}

}  // namespace skin
