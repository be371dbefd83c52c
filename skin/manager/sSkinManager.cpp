#include "skin/manager/sSkinManager.h"

#include "classlib/core/PropertyRegistry.h"

namespace skin {

using namespace classlib;

namespace {

TsSkinManager*& Default() {
  static TsSkinManager* manager = nullptr;
  return manager;
}

}  // namespace

TsSkinManager::TsSkinManager(TComponent* owner)
    : TComponent(owner), internalSkins_(std::make_unique<TsStoredSkins>(this)) {
  if (!Default()) Default() = this;
}

TsSkinManager::~TsSkinManager() {
  if (Default() == this) Default() = nullptr;
}

TsSkinManager* TsSkinManager::DefaultManager() { return Default(); }

void RegisterSkinManagerClasses() {
  static const bool done = [] {
    RegisterStoredSkinClasses();
    Properties<TsSkinManager, TComponent>()
        .String(L"SkinName", &TsSkinManager::SkinName, &TsSkinManager::SetSkinName)
        .String(L"SkinDirectory", &TsSkinManager::SkinDirectory, &TsSkinManager::SetSkinDirectory)
        .Object(L"InternalSkins", &TsSkinManager::InternalSkins, &TsSkinManager::SetInternalSkins);
    RegisterComponentClass<TsSkinManager, TComponent>();
    return true;
  }();
  (void)done;
}

}  // namespace skin
