#include "skin/forms/CtrlAdapter.h"

#include <algorithm>

#include "classlib/controls/Forms.h"
#include "classlib/controls/GraphicControl.h"
#include "classlib/controls/Label.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/controls/sLabels.h"
#include "skin/forms/DwmEntries.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

// The skin data class code of an adapter item.
constexpr int kSkinItemClassCode = 227;

TacWindowAdapterMaker& AdapterMaker() {
  static TacWindowAdapterMaker maker;
  return maker;
}

// Re-entrance guards: a message arriving while a walk creates windows and
// calls back is ignored, not queued.
bool adapting = false;
bool removingAll = false;

bool AnswersSkinned(TWinControl* ctrl) { return SendSkinCommandNoParam(ctrl, scIsSkinned) != 0; }

}  // namespace

void SetWindowAdapterMaker(TacWindowAdapterMaker maker) { AdapterMaker() = std::move(maker); }

int ThirdPartyKindOf(const TsSkinManager* manager, const std::wstring& className) {
  if (!manager) return -1;
  for (int kind = 0; kind < ControlKindCount; ++kind) {
    const TStringList& list = manager->ThirdLists(kind);
    for (int i = 0; i < list.Count(); ++i)
      if (list.Strings(i) == className) return kind;
  }
  return -1;
}

// --- TacAdapterItem

TacAdapterItem::TacAdapterItem(TacCtrlAdapter* adapter)
    : SkinData(std::make_unique<TsCommonData>(this, true)), Adapter(adapter) {
  SkinData->COC = kSkinItemClassCode;
}

TacAdapterItem::~TacAdapterItem() {
  Wnd.reset();
  SkinData.reset();
}

void TacAdapterItem::AttachAdapter(TWinControl* ctrl) {
  if (!ctrl || ctrl->Tag() == AuxiliaryWindowTag || !ctrl->HandleAllocated() || !ctrl->Parent() ||
      AnswersSkinned(ctrl))
    return;
  Ctrl = ctrl;
  TsSkinManager* manager = SkinData->SkinManager();
  if (!manager || !AdapterMaker()) return;
  const int kind = ThirdPartyKindOf(manager, ctrl->ClassName());
  if (kind < 0 || kind == ThirdKindSpeedButton) return;
  if (SkinData->SkinSection().empty()) {
    if (kind == ThirdKindScrollControl) SkinData->SetSkinSection(L"PANEL_LOW");
    else if (kind == ThirdKindScrollBar) SkinData->SetSkinSection(L"CHECKBOX");
  }
  Attaching = true;
  Wnd = AdapterMaker()(kind, ctrl->Handle(), SkinData->SkinSection(), manager, SkinData.get());
  Attaching = false;
}

// --- TacCtrlAdapter

TacCtrlAdapter::TacCtrlAdapter(TsSkinProvider* provider) : provider_(provider) {}

TacCtrlAdapter::~TacCtrlAdapter() {
  CleanItems();
  RemoveAllItems();
}

TsSkinManager* TacCtrlAdapter::Manager() const {
  return provider_ && provider_->SkinData() ? provider_->SkinData()->SkinManager() : nullptr;
}

void TacCtrlAdapter::CallSkinItem(TComponent* item, bool& canBeAdded, std::wstring& section) {
  if (provider_ && provider_->OnSkinItem) provider_->OnSkinItem(item, canBeAdded, section);
}

TacAdapterItem* TacCtrlAdapter::GetItem(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<std::size_t>(index)].get();
}

TacAdapterItem* TacCtrlAdapter::FindItem(const TWinControl* ctrl) const {
  for (const auto& item : items_)
    if (item->Ctrl == ctrl) return item.get();
  return nullptr;
}

void TacCtrlAdapter::AdaptChildControls(TWinControl* root) {
  TsSkinManager* manager = Manager();
  if (adapting || !manager || !manager->SkinningRules().Contains(srThirdParty)) return;
  adapting = true;
  if (!root && provider_) root = provider_->Form();
  if (!root) {
    adapting = false;
    return;
  }
  CleanItems();
  for (int i = 0; i < root->ComponentCount(); ++i) AdaptOne(root->Components(i), true);
  for (int i = 0; i < root->ControlCount(); ++i) AdaptOne(root->Controls(i), false);
  adapting = false;
}

void TacCtrlAdapter::AdaptOne(TComponent* c, bool componentPass) {
  if (!c) return;
  if (AcceptsControl(c)) {
    if (auto* win = dynamic_cast<TWinControl*>(c)) AddWinControlItem(win, L"");
    else RecolourLabel(c, componentPass);
  }
  auto* win = dynamic_cast<TWinControl*>(c);
  if (win && win->HandleAllocated() && win->Parent()) {
    adapting = false;
    AdaptChildControls(win);
    adapting = true;
  }
}

void TacCtrlAdapter::RecolourLabel(TComponent* c, bool componentPass) {
  auto* label = componentPass ? dynamic_cast<TCustomLabel*>(c) : dynamic_cast<TLabel*>(c);
  if (!label) return;
  if (componentPass && (dynamic_cast<TsCustomLabel*>(c) || label->Tag() == KeepLabelTag)) return;
  label->SetTransparent(true);
  TsSkinManager* manager = Manager();
  if (!manager) return;
  // A skin without a font colour answers the key colour: the label keeps its own.
  const TColor colour = manager->GetGlobalFontColor();
  if (colour != SkinKeyColor) label->Font()->SetColor(colour);
}

bool TacCtrlAdapter::AcceptsControl(TComponent* ctrl) {
  if (!ctrl || ctrl->Tag() == AuxiliaryWindowTag) return false;
  if (auto* win = dynamic_cast<TWinControl*>(ctrl)) {
    if (!win->HandleAllocated() || AnswersSkinned(win)) return false;
  }
  if (dynamic_cast<TGraphicControl*>(ctrl)) {
    if (!dynamic_cast<TCustomLabel*>(ctrl)) return false;
    bool canBeAdded = true;
    std::wstring section;
    CallSkinItem(ctrl, canBeAdded, section);
    return canBeAdded;
  }
  if (dynamic_cast<TForm*>(ctrl)) {
    bool canBeAdded = true;
    std::wstring section = L"FORM";
    CallSkinItem(ctrl, canBeAdded, section);
    return canBeAdded;
  }
  if (!dynamic_cast<TWinControl*>(ctrl)) return false;
  return ThirdPartyKindOf(Manager(), ctrl->ClassName()) >= 0;
}

void TacCtrlAdapter::AdaptChildForm(TWinControl* form, const std::wstring& section) {
  auto* provider = new TsSkinProvider(form);  // owned by the form
  provider->SkinData()->SetSkinSection(section.empty() ? std::wstring(L"FORM") : section);
  provider->InitFormSkinning();
  if (form->HandleAllocated()) acDwmSetTransitions(form->Handle(), true);
}

void TacCtrlAdapter::AddWinControlItem(TWinControl* ctrl, const std::wstring& skinSection) {
  if (!ctrl || ctrl->Tag() == AuxiliaryWindowTag || !ctrl->Parent() || AnswersSkinned(ctrl)) return;
  bool canBeAdded = true;
  std::wstring section = skinSection;
  CallSkinItem(ctrl, canBeAdded, section);
  if (!canBeAdded) return;
  if (dynamic_cast<TForm*>(ctrl)) {
    AdaptChildForm(ctrl, section);
    return;
  }
  TacAdapterItem* item = FindItem(ctrl);
  const bool found = item != nullptr;
  if (!found) {
    items_.push_back(std::make_unique<TacAdapterItem>(this));
    item = items_.back().get();
    item->Ctrl = ctrl;
  }
  // An empty section stays empty: the window adapter then picks its default.
  if (!section.empty()) item->SkinData->SetSkinSection(section);
  if (found) {
    if (item->Wnd && item->Wnd->Destroyed()) {
      item->Wnd.reset();
      if (ctrl->Parent()) item->AttachAdapter(ctrl);
    }
    return;
  }
  if (ctrl->Parent()) item->AttachAdapter(ctrl);
  // Making the adapter sends messages that may have re-entered this list:
  // the new item is removed by identity, never as "the last one".
  if (!item->Wnd) RemoveByIdentity(item);
}

void TacCtrlAdapter::RemoveByIdentity(TacAdapterItem* item) {
  auto it = std::find_if(items_.begin(), items_.end(), [item](const auto& p) { return p.get() == item; });
  if (it != items_.end()) RemoveItem(static_cast<int>(it - items_.begin()));
}

void TacCtrlAdapter::RemoveItem(int index) {
  if (index < 0 || index >= Count()) return;
  std::unique_ptr<TacAdapterItem> gone = std::move(items_[static_cast<std::size_t>(index)]);
  items_[static_cast<std::size_t>(index)] = std::move(items_.back());
  items_.pop_back();
  gone.reset();
}

void TacCtrlAdapter::BroadcastMessage(TMessage& message) {
  // Sending may free items (a restored control's window goes): index each time.
  for (int i = 0; i < Count(); ++i) {
    TacAdapterItem* item = items_[static_cast<std::size_t>(i)].get();
    if (!item->Wnd || item->Wnd->Destroyed() || !item->Ctrl || !item->Ctrl->Parent()) continue;
    message.Result = SendSkinMessage(item->Wnd->Window(), message);
  }
}

void TacCtrlAdapter::CleanItems() {
  std::vector<std::unique_ptr<TacAdapterItem>> gone;
  auto keep = std::stable_partition(items_.begin(), items_.end(), [](const auto& item) {
    return item->Attaching || (item->Wnd && !item->Wnd->Destroyed());
  });
  std::move(keep, items_.end(), std::back_inserter(gone));
  items_.erase(keep, items_.end());
  gone.clear();
}

void TacCtrlAdapter::RemoveAllItems() {
  if (removingAll) return;
  removingAll = true;
  while (!items_.empty()) {
    std::unique_ptr<TacAdapterItem> last = std::move(items_.back());
    items_.pop_back();
    last.reset();
  }
  removingAll = false;
}

}  // namespace skin
