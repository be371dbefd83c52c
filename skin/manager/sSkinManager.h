#pragma once
// The skin manager component: names the skin a program is drawn in and where
// it is looked for. The first manager created is the default one that every
// skinned object uses when it names none.
#include <string>

#include "classlib/core/Component.h"

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

 private:
  std::wstring skinName_;
  std::wstring skinDirectory_;
};

// Makes the manager's class and properties known to form descriptions. Runs once.
void RegisterSkinManagerClasses();

}  // namespace skin
