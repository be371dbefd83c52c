#pragma once
// The combo box of a foreign class or a system dialog under an adapter: its
// field and frame from the skin, the drop-down button from "COMBOBTN", the
// selected text of a drop-down list drawn by the adapter, and an adapter
// for its own list window once the combo asks for the list's colours.
// TacWWComboBoxWnd serves a data-aware combo edit whose button may be
// missing.
#include <memory>

#include "skin/adapters/EditWnd.h"

namespace skin::adapters {

class TacComboBoxWnd : public TacEditWnd {
 public:
  ~TacComboBoxWnd() override;
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;
  // The drop-down button in window coordinates; empty for a simple combo.
  virtual void GetButtonRect(RECT& r);

  HWND ListWnd = nullptr;
  std::unique_ptr<TsCommonData> ButtonData;
  TacComboListWnd* ListAdapter = nullptr;
  bool InCtlColor = false;

  // The text a drop-down list shows: the selected item, read whole, or the
  // window text without a selection.
  std::wstring SelectedText() const;
  // The brush the list is painted with while the skin has its section; one
  // per adapter, made again when the colour changes. Null before the first
  // list-colour message.
  HBRUSH ListBrush() const { return listBrush_; }

  void PaintButton(HDC dc);
  void RepaintButton();

 private:
  void CtlColorListBox(classlib::TMessage& message);
  void FreeListAdapter(bool restoreFrame);
  void PaintListText();
  void PrepareSimpleCache();
  void PrintFace(HDC dc);
  HBRUSH BrushOf(TColor colour);

  HBRUSH listBrush_ = nullptr;
  TColor listBrushColour_ = 0;
};

class TacWWComboBoxWnd : public TacComboBoxWnd {
 public:
  ~TacWWComboBoxWnd() override;
  void Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
              TsCommonData* skinData) override;
  void AdapterWndProc(classlib::TMessage& message) override;
  void GetButtonRect(RECT& r) override;

  HWND EditWnd = nullptr;
  TacEditWnd* EditAdapter = nullptr;
  std::unique_ptr<TsCommonData> EditData;
  bool HasButton = true;
};

// True while some combo box's list is dropped down.
bool& ComboDroppedDown();

}  // namespace skin::adapters
