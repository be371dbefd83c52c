#pragma once
// The skinned menus live in the form-skinning layer, above the manager that
// owns them. The manager holds them through this link and makes them with
// the factory that layer registers (until then it has none and menus stay
// plain).
#include <functional>
#include <memory>

namespace skin {

class TsSkinManager;

class TsMenusLink {
 public:
  virtual ~TsMenusLink() = default;
  // Hooks or unhooks every menu of the application by the manager's
  // SkinnedPopups and whether its skin is loaded and active.
  virtual void UpdateActive() = 0;
};

using TsMenusFactory = std::function<std::unique_ptr<TsMenusLink>(TsSkinManager& manager)>;
// Registered once by the form-skinning layer; managers made earlier make
// their menus object on first use.
void SetMenusFactory(TsMenusFactory factory);
const TsMenusFactory& MenusFactory();

}  // namespace skin
