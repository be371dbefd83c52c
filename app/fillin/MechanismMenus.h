#pragma once
// The two menus fed by "Mechanizmy.txt": the movement makers and the
// calibres. A line starting with "#" names a maker, "-" is a separator (maker
// menu only), any other line is a calibre of the maker above it; a leading
// "/" (after "#" for a maker) starts a new column of the calibre menu. No
// window code: the form turns these entries into menu items.
#include <string>
#include <vector>

namespace app {

// Shown for a maker or calibre whose name is empty.
inline constexpr wchar_t kUnnamedEntry[] = L"(Brak nazwy)";

struct TMechanismMenuEntry {
  enum TKind { Heading, Separator, Item };
  TKind Kind = Item;
  std::wstring Caption;    // the entry as the user wrote it, never with "&" doubled
  bool Enabled = true;     // calibre headings are shown disabled
  bool NewColumn = false;  // starts a column (without a bar)
};

// The maker menu's list part: one enabled item a maker, a separator a "-"
// line; calibres are left out. `lines` are trimmed and not empty.
std::vector<TMechanismMenuEntry> MakerMenuEntries(const std::vector<std::wstring>& lines);

// The calibre menu's list part: each maker as a disabled heading followed by
// a separator, each calibre as an item; "-" lines are left out.
std::vector<TMechanismMenuEntry> CalibreMenuEntries(const std::vector<std::wstring>& lines);

// The columns the calibre menu is placed for: 1, plus 1 for every line after
// the first whose first or second character is "/".
int CalibreMenuColumns(const std::vector<std::wstring>& lines);

// How far left of the field the calibre menu opens so that a wide menu stays
// on the window: 135 pixels a column beyond the third.
int CalibreMenuShift(int columns);

}  // namespace app
