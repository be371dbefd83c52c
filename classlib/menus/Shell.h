#pragma once
// Handing a file, folder or web address to the desktop's default program.
// The whole program opens things through ShellOpen, so a test can redirect
// it and see exactly what would have been opened.
#include <functional>
#include <string>

namespace classlib {

// Opens the target with the shell verb "open" (shown normally). A web
// address without a scheme ("www.example.pl") gets "http://" first. True
// when the shell (or the redirect) accepted it.
bool ShellOpen(const std::wstring& target);

// The target as ShellOpen hands it over (with "http://" added when needed).
std::wstring ShellOpenTarget(const std::wstring& target);

// Replaces the shell for ShellOpen (empty: the shell again); returns the old
// handler.
using TShellOpenHandler = std::function<bool(const std::wstring& target)>;
TShellOpenHandler SetShellOpenHandler(TShellOpenHandler handler);

// Redirects ShellOpen to a log file: each target is appended as one UTF-8
// line (CR LF) instead of being opened.
void RedirectShellOpenToLog(const std::wstring& logFile);

}  // namespace classlib
