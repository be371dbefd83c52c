#include "skin/forms/MenuInfo.h"

#include <algorithm>

namespace skin {

using namespace classlib;

namespace {

// Holds the records and hears when a record's first item is freed.
class TMenuInfoStore : public TComponent {
 public:
  TMenuInfoStore() : TComponent(nullptr) {}
  ~TMenuInfoStore() override { Clear(); }

  void Clear() {
    for (const auto& info : records)
      if (info->FirstItem) info->FirstItem->RemoveFreeNotification(this);
    records.clear();
  }

  void Drop(const TacMenuInfo* info) {
    const auto it = std::find_if(records.begin(), records.end(), [info](const auto& r) { return r.get() == info; });
    if (it == records.end()) return;
    TMenuItem* item = (*it)->FirstItem;
    records.erase(it);
    // Another record may still be keyed by the same item.
    if (item && !FindMenuInfo(item)) item->RemoveFreeNotification(this);
  }

  std::vector<std::unique_ptr<TacMenuInfo>> records;
  int builds = 0;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    std::erase_if(records, [component](const auto& r) { return r->FirstItem == component; });
  }
};

TMenuInfoStore& Store() {
  static TMenuInfoStore store;
  return store;
}

}  // namespace

const std::vector<std::unique_ptr<TacMenuInfo>>& MenuInfos() { return Store().records; }

TacMenuInfo* FindMenuInfo(const TMenuItem* firstItem) {
  if (!firstItem) return nullptr;
  for (const auto& info : Store().records)
    if (info->FirstItem == firstItem) return info.get();
  return nullptr;
}

TacMenuInfo* FindMenuInfo(HWND wnd) {
  if (!wnd) return nullptr;
  for (const auto& info : Store().records)
    if (info->Wnd == wnd) return info.get();
  return nullptr;
}

TacMenuInfo& AddMenuInfo(std::unique_ptr<TacMenuInfo> info) {
  TMenuInfoStore& store = Store();
  if (info->FirstItem) info->FirstItem->FreeNotification(&store);
  store.records.push_back(std::move(info));
  return *store.records.back();
}

void DropMenuInfo(const TacMenuInfo* info) { Store().Drop(info); }

void ClearMenuCache() { Store().Clear(); }

int MenuInfoBuilds() { return Store().builds; }

void CountMenuInfoBuild() { ++Store().builds; }

}  // namespace skin
