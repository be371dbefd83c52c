#pragma once
// Web addresses in the card's notes, and the form in which one may be handed
// to the browser.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

// Every run that starts with "http://", "https://" or "www." and ends before
// the next line feed, carriage return or blank (or at the end), in text
// order, each address once. Scanning resumes after an address, so one that
// holds "www." further on is found once.
std::vector<std::wstring> FindWebAddresses(std::wstring_view text);

// The trimmed selection is one address: it starts as an address does and
// holds no blank, carriage return or line feed.
bool IsSingleWebAddress(std::wstring_view selection);

// What may reach the browser's command line: only http and https addresses
// ("www." gets "http://"), without control characters; a '"' is
// percent-encoded so it cannot end a quoted argument. Empty when refused.
std::optional<std::wstring> BrowserTarget(std::wstring_view address);

}  // namespace catalogue
