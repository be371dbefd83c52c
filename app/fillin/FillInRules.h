#pragma once
// What the fill-in menus put into a field. No window code.
#include <string>
#include <string_view>

namespace app {

// The purchase cost with another currency: the trimmed text loses everything
// after its last digit, then gets " " + currency ("1200 zł" + "EUR" ->
// "1200 EUR"); without a digit the currency alone.
std::wstring WithCurrency(std::wstring_view cost, std::wstring_view currency);

// The complications field with one more entry: trimmed, its trailing blanks,
// commas and full stops removed, then ", " + entry ("Data, " + "GMT" ->
// "Data, GMT"); the entry alone when nothing is left.
std::wstring WithComplication(std::wstring_view field, std::wstring_view complication);

// The suggested card name: maker + " - " + model, the one that is set, or
// "Nowy zegarek" when neither is (both trimmed).
std::wstring CardNameSuggestion(std::wstring_view maker, std::wstring_view model);

// The movement maker of an in-house movement: the trimmed watch maker, or
// "In-House" when there is none.
std::wstring InHouseMovementMaker(std::wstring_view watchMaker);

// Pasted text as a single-line field takes it: up to the first line break.
std::wstring FirstLineOf(std::wstring_view text);

}  // namespace app
