#include "app/fillin/FillInRules.h"

#include "classlib/core/ConvertText.h"

namespace app {

std::wstring WithCurrency(std::wstring_view cost, std::wstring_view currency) {
  std::wstring amount = classlib::Trim(cost);
  while (!amount.empty() && !(amount.back() >= L'0' && amount.back() <= L'9')) amount.pop_back();
  return amount.empty() ? std::wstring(currency) : amount + L" " + std::wstring(currency);
}

std::wstring WithComplication(std::wstring_view field, std::wstring_view complication) {
  std::wstring list = classlib::Trim(field);
  while (!list.empty() && (list.back() == L' ' || list.back() == L',' || list.back() == L'.')) list.pop_back();
  return list.empty() ? std::wstring(complication) : list + L", " + std::wstring(complication);
}

std::wstring CardNameSuggestion(std::wstring_view maker, std::wstring_view model) {
  const std::wstring m = classlib::Trim(maker), n = classlib::Trim(model);
  if (m.empty() && n.empty()) return L"Nowy zegarek";
  if (!m.empty() && !n.empty()) return m + L" - " + n;
  return m.empty() ? n : m;
}

std::wstring InHouseMovementMaker(std::wstring_view watchMaker) {
  std::wstring maker = classlib::Trim(watchMaker);
  return maker.empty() ? std::wstring(L"In-House") : maker;
}

std::wstring FirstLineOf(std::wstring_view text) { return std::wstring(text.substr(0, text.find_first_of(L"\r\n"))); }

}  // namespace app
