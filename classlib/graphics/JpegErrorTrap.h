#pragma once
// libjpeg reports failures through its error manager, whose default handler
// ends the process. The trap replaces it: a failure (and any warning about
// damaged data) jumps back to the setjmp of the guarded call that is running,
// which returns false; its C++ caller then raises EInvalidGraphic with the
// kept message. C++ exceptions must never unwind through libjpeg's C frames,
// and a guarded call keeps no object with a destructor alive across setjmp.
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#ifndef JCS_EXTENSIONS
#error "libjpeg-turbo is needed: its BGR/BGRA colour spaces carry the pixels"
#endif

namespace classlib::jpeg_detail {

struct JpegErrorTrap {
  jpeg_error_mgr manager;  // first: libjpeg hands back a pointer to it
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

// Fills in the trap's handlers and returns the manager to put in `err` before
// jpeg_create_compress/jpeg_create_decompress.
jpeg_error_mgr* InstallErrorTrap(JpegErrorTrap& trap);

// Raises EInvalidGraphic: `context`, then the library's message.
[[noreturn]] void ThrowTrappedError(const JpegErrorTrap& trap, const wchar_t* context);

}  // namespace classlib::jpeg_detail
