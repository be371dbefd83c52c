#pragma once
// Skins the foreign windowed controls of a form: the skin manager lists
// class names by kind, and a control whose class name is listed gets the
// window adapter of that kind. One TacCtrlAdapter per skinned form keeps
// one item per adapted control. Labels of the class library are not wrapped,
// only made transparent in the skin's font colour; a child form gets a
// provider of its own.
//
// The adapters live in a layer above this one: the adapter factory is
// reached through SetWindowAdapterMaker, filled at start-up.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/controls/WinControl.h"
#include "classlib/core/Component.h"
#include "skin/common/LayeredImages.h"
#include "skin/common/sCommonData.h"

namespace skin {

class TsSkinProvider;
class TsSkinManager;

// A window adapter as the forms layer holds it.
class TacAdaptedWindow {
 public:
  virtual ~TacAdaptedWindow() = default;
  // The adapted window has been destroyed (the control's window recreated).
  virtual bool Destroyed() const = 0;
  virtual HWND Window() const = 0;
};

// Makes the adapter of a kind (index of the manager's class lists) for a
// window; null when the kind has none.
using TacWindowAdapterMaker = std::function<std::unique_ptr<TacAdaptedWindow>(
    int kind, HWND window, const std::wstring& section, TsSkinManager* manager, TsCommonData* skinData)>;
void SetWindowAdapterMaker(TacWindowAdapterMaker maker);

// The first kind whose list holds the class name exactly (case-sensitive);
// -1 for none or no manager.
int ThirdPartyKindOf(const TsSkinManager* manager, const std::wstring& className);

// Kinds whose adapter takes a preset section when the item has none.
inline constexpr int ThirdKindSpeedButton = 17;
inline constexpr int ThirdKindScrollControl = 18;
inline constexpr int ThirdKindScrollBar = 20;

// The application's say on each component met: veto it or give it a section.
using TAddItemEvent = std::function<void(classlib::TComponent* item, bool& canBeAdded, std::wstring& skinSection)>;

// A label with this Tag keeps its own look in the component pass.
inline constexpr intptr_t KeepLabelTag = 98;

class TacCtrlAdapter;

class TacAdapterItem : public classlib::TPersistent {
 public:
  explicit TacAdapterItem(TacCtrlAdapter* adapter);
  ~TacAdapterItem() override;
  // Picks and makes the window adapter of the control.
  virtual void AttachAdapter(classlib::TWinControl* ctrl);

  classlib::TWinControl* Ctrl = nullptr;
  std::unique_ptr<TsCommonData> SkinData;
  TacCtrlAdapter* Adapter = nullptr;
  std::unique_ptr<TacAdaptedWindow> Wnd;
  // Set while AttachAdapter runs: a re-entrant clean-up must not free it.
  bool Attaching = false;
};

class TacCtrlAdapter : public classlib::TPersistent {
 public:
  explicit TacCtrlAdapter(TsSkinProvider* provider);
  ~TacCtrlAdapter() override;

  // Adapts every supported control below Root (null: the provider's form).
  void AdaptChildControls(classlib::TWinControl* root);
  virtual bool AcceptsControl(classlib::TComponent* ctrl);
  virtual TacAdapterItem* GetItem(int index) const;
  virtual void AddNewItem(classlib::TWinControl* ctrl) { AddWinControlItem(ctrl, L""); }
  virtual void AddWinControlItem(classlib::TWinControl* ctrl, const std::wstring& skinSection);
  // Frees an item, the last one taking its place; an index out of range is ignored.
  virtual void RemoveItem(int index);
  // Sends to every living adapted window that has a parent, in index order.
  virtual void BroadcastMessage(classlib::TMessage& message);
  // Frees the items without a living adapter, keeping the others' order.
  void CleanItems();
  void RemoveAllItems();

  int Count() const { return static_cast<int>(items_.size()); }
  TsSkinProvider* Provider() const { return provider_; }

 private:
  TsSkinManager* Manager() const;
  void CallSkinItem(classlib::TComponent* item, bool& canBeAdded, std::wstring& section);
  // Walk step shared by the component and control passes.
  void AdaptOne(classlib::TComponent* c, bool labelOfComponentPass);
  void RecolourLabel(classlib::TComponent* c, bool componentPass);
  void AdaptChildForm(classlib::TWinControl* form, const std::wstring& section);
  TacAdapterItem* FindItem(const classlib::TWinControl* ctrl) const;
  void RemoveByIdentity(TacAdapterItem* item);

  TsSkinProvider* provider_;
  std::vector<std::unique_ptr<TacAdapterItem>> items_;
};

}  // namespace skin
