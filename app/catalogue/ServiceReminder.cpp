#include "app/catalogue/ServiceReminder.h"

#include "classlib/core/ConvertNumbers.h"

namespace catalogue {

bool TrailingYear(std::wstring_view text, int& year) {
  if (text.size() <= 3) return false;
  return classlib::TryStrToInt(text.substr(text.size() - 4), year);
}

bool ServiceDue(std::wstring_view lastService, std::wstring_view purchaseDate, std::int64_t periodYears,
                int currentYear) {
  // A last-service text that is present decides alone, even when it holds
  // no year; the purchase date stands in only for an empty one.
  const std::wstring_view dated = lastService.empty() ? purchaseDate : lastService;
  int year = 0;
  if (!TrailingYear(dated, year)) return false;
  return std::int64_t{year} + periodYears < std::int64_t{currentYear};
}

}  // namespace catalogue
