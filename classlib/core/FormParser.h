#pragma once
// Reads the text of a form description into its tree:
//
//   object Form1: TForm1
//     Caption = 'Tessarilo zegark'#243'w'
//     Font.Height = -16
//     Anchors = [akLeft, akTop]
//     Items.Strings = ( 'a' 'b' )
//     Columns = < item Width = 10 end >
//     Picture.Data = { 0A1B }
//     object Button1: TButton
//     end
//   end
//
// Strings are '...' with '' for a quote and #NNN (or #$HHHH) character codes,
// joined by juxtaposition or '+'. Keywords and identifiers ignore case.
#include <string_view>

#include "classlib/core/FormValue.h"
#include "classlib/core/Stream.h"

namespace classlib {

// A malformed form description: the message names the line, "Line 3: ...".
CLASSLIB_EXCEPTION(EParserError, EReadError);

[[noreturn]] void ParserError(int line, const std::wstring& problem);

TFormObject ParseFormText(std::wstring_view text);
// The description as UTF-8 bytes (a byte order mark is skipped).
TFormObject ParseFormBytes(std::string_view bytes);

}  // namespace classlib
