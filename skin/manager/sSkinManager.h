#pragma once
// The skin manager component: names the skin a program is drawn in and where
// it is looked for. The first manager created is the default one that every
// skinned object uses when it names none.
#include <memory>
#include <string>

#include "classlib/core/Component.h"
#include "skin/manager/sStoredSkins.h"

namespace skin {

class TsSkinManager : public classlib::TComponent {
 public:
  explicit TsSkinManager(classlib::TComponent* owner);
  ~TsSkinManager() override;

  // The first manager alive, null when there is none.
  static TsSkinManager* DefaultManager();

  const std::wstring& SkinName() const { return skinName_; }
  void SetSkinName(const std::wstring& value) { skinName_ = value; }
  // Where skins are looked for.
  const std::wstring& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const std::wstring& value) { skinDirectory_ = value; }
  // Skins kept in the form description, used when no skin file or folder of
  // the skin's name exists.
  TsStoredSkins* InternalSkins() const { return internalSkins_.get(); }
  void SetInternalSkins(TsStoredSkins* value) { internalSkins_->Assign(value); }

 private:
  std::wstring skinName_;
  std::wstring skinDirectory_;
  std::unique_ptr<TsStoredSkins> internalSkins_;
};

// Makes the manager's class and properties known to form descriptions. Runs once.
void RegisterSkinManagerClasses();

}  // namespace skin
