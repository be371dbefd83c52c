#pragma once
// Whole files as bytes: read at once, written at once through a temporary
// file and a rename, so an interrupted write never leaves half a file.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "classlib/core/Exception.h"

namespace classlib {

// A file that cannot be opened, read or written.
CLASSLIB_EXCEPTION(EInOutError, Exception);

// False when the file cannot be opened (missing, a folder, no access).
bool TryReadFileBytes(const std::wstring& name, std::string& bytes);
// Raises EInOutError when the file cannot be read.
std::string ReadFileBytes(const std::wstring& name);

// Writes `bytes` to "<name>.~tmp" in the same folder, flushes it to the disk,
// then renames it over `name`. On any failure the temporary file is removed,
// an existing file keeps its old content and EInOutError is raised. The
// folder must exist.
void WriteFileAtomic(const std::wstring& name, std::string_view bytes);

// Writes `bytes` into a file that must not exist yet: the existence test and
// the creation are one step, so an existing file is never touched. False
// when the file exists or cannot be written (a partly written new file is
// removed again).
bool WriteNewFile(const std::wstring& name, std::string_view bytes);

// Test seam: called after each block written to the temporary file with the
// count of bytes written so far; throwing from it stands for a failure in
// the middle of the write. An empty function removes it.
using WriteProgressHook = std::function<void(std::size_t bytesWritten)>;
void SetWriteProgressHook(WriteProgressHook hook);

}  // namespace classlib
