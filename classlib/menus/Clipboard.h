#pragma once
// The system clipboard as text. Each operation opens the clipboard, retrying
// briefly while another program holds it, and always closes it again.
#include <string>

#include "classlib/core/Exception.h"

namespace classlib {

// Raised when the clipboard stays locked by another program.
CLASSLIB_EXCEPTION(EClipboardException, Exception);

class TClipboard {
 public:
  // True when the clipboard holds text (in any text format).
  bool HasText() const;
  // The clipboard's text (CF_UNICODETEXT); empty when it holds none.
  std::wstring AsText() const;
  // Replaces the clipboard's content by the text.
  void SetAsText(const std::wstring& text);
  // Empties the clipboard.
  void Clear();
};

// The program's clipboard.
TClipboard& Clipboard();

}  // namespace classlib
