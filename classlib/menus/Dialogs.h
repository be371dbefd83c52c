#pragma once
// The system's open-file dialog as a component.
#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/Set.h"

namespace classlib {

enum TOpenOption {
  ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
  ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
  ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
  ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent, ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* owner);

  // The chosen file (full path, any length); also the name the dialog
  // starts with.
  const std::wstring& FileName() const { return fileName_; }
  void SetFileName(const std::wstring& value) { fileName_ = value; }
  // "Text|patterns|Text|patterns...", e.g. "Dokumenty PDF (*.pdf)|*.pdf".
  const std::wstring& Filter() const { return filter_; }
  void SetFilter(const std::wstring& value) { filter_ = value; }
  // The filter chosen, from 1.
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int value) { filterIndex_ = value; }
  const std::wstring& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::wstring& value) { initialDir_ = value; }
  const std::wstring& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::wstring& value) { defaultExt_ = value; }
  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& value) { title_ = value; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions value) { options_ = value; }

  // Shows the dialog over the active window; true when the user chose a
  // file (FileName and FilterIndex then hold the choice).
  virtual bool Execute();

  static const TOpenOptions kDefaultOptions;

 private:
  std::wstring fileName_;
  std::wstring filter_;
  int filterIndex_ = 1;
  std::wstring initialDir_;
  std::wstring defaultExt_;
  std::wstring title_;
  TOpenOptions options_;
};

// The filter in the system's form: each part ends with a zero, the list
// with another one.
std::wstring OpenDialogFilter(const std::wstring& filter);

// Replaces GetOpenFileNameW for every open dialog (empty: the system's
// dialog again); returns the old handler. The handler fills the structure's
// file buffer and answers as the dialog would.
using TOpenDialogHandler = std::function<bool(OPENFILENAMEW& request)>;
TOpenDialogHandler SetOpenDialogHandler(TOpenDialogHandler handler);

}  // namespace classlib
