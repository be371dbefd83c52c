#include "classlib/menus/Dialogs.h"

#include <commdlg.h>

#include <vector>

namespace classlib {
namespace {

TOpenDialogHandler& Handler() {
  static TOpenDialogHandler handler;
  return handler;
}

// Room for long paths ("\\?\" names up to 32767 characters).
constexpr size_t kFileBufferChars = 32768;

DWORD OptionFlags(TOpenOptions options) {
  static constexpr std::pair<TOpenOption, DWORD> kFlags[] = {
      {ofReadOnly, OFN_READONLY},
      {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
      {ofHideReadOnly, OFN_HIDEREADONLY},
      {ofShowHelp, OFN_SHOWHELP},
      {ofNoValidate, OFN_NOVALIDATE},
      {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
      {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT},
      {ofPathMustExist, OFN_PATHMUSTEXIST},
      {ofFileMustExist, OFN_FILEMUSTEXIST},
      {ofCreatePrompt, OFN_CREATEPROMPT},
      {ofShareAware, OFN_SHAREAWARE},
      {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
      {ofNoTestFileCreate, OFN_NOTESTFILECREATE},
      {ofNoNetworkButton, OFN_NONETWORKBUTTON},
      {ofNoLongNames, OFN_NOLONGNAMES},
      {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS},
      {ofEnableIncludeNotify, OFN_ENABLEINCLUDENOTIFY},
      {ofEnableSizing, OFN_ENABLESIZING},
      {ofDontAddToRecent, OFN_DONTADDTORECENT},
      {ofForceShowHidden, OFN_FORCESHOWHIDDEN},
  };
  // The dialog never moves the current directory: relative paths of the
  // program must keep meaning what they meant.
  DWORD flags = OFN_NOCHANGEDIR;
  if (!options.Contains(ofOldStyleDialog)) flags |= OFN_EXPLORER;
  for (const auto& [option, flag] : kFlags)
    if (options.Contains(option)) flags |= flag;
  return flags;
}

}  // namespace

const TOpenOptions TOpenDialog::kDefaultOptions = {ofHideReadOnly, ofEnableSizing};

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner), options_(kDefaultOptions) {}

std::wstring OpenDialogFilter(const std::wstring& filter) {
  if (filter.empty()) return {};
  std::wstring result = filter;
  for (wchar_t& c : result)
    if (c == L'|') c = L'\0';
  result.push_back(L'\0');
  result.push_back(L'\0');
  return result;
}

bool TOpenDialog::Execute() {
  std::vector<wchar_t> file(kFileBufferChars, L'\0');
  fileName_.copy(file.data(), std::min(fileName_.size(), file.size() - 1));
  const std::wstring filter = OpenDialogFilter(filter_);
  OPENFILENAMEW request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = GetActiveWindow();
  request.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  request.nFilterIndex = static_cast<DWORD>(filterIndex_ > 0 ? filterIndex_ : 1);
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir_.c_str();
  request.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
  request.lpstrDefExt = defaultExt_.empty() ? nullptr : defaultExt_.c_str();
  request.Flags = OptionFlags(options_);
  const bool chosen = Handler() ? Handler()(request) : GetOpenFileNameW(&request) != FALSE;
  if (!chosen) return false;
  file.back() = L'\0';
  fileName_ = file.data();
  filterIndex_ = static_cast<int>(request.nFilterIndex);
  return true;
}

TOpenDialogHandler SetOpenDialogHandler(TOpenDialogHandler handler) {
  TOpenDialogHandler old = std::move(Handler());
  Handler() = std::move(handler);
  return old;
}

}  // namespace classlib
