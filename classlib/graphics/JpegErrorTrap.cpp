#include "classlib/graphics/JpegErrorTrap.h"

#include <jerror.h>

#include <string>

#include "classlib/graphics/GraphicsErrors.h"

namespace classlib::jpeg_detail {

namespace {

JpegErrorTrap& TrapOf(j_common_ptr info) {
  return *reinterpret_cast<JpegErrorTrap*>(info->err);
}

void JumpOut(j_common_ptr info) {
  JpegErrorTrap& trap = TrapOf(info);
  (*info->err->format_message)(info, trap.message);
  std::longjmp(trap.jump, 1);
}

// Level -1 is a warning; libjpeg then patches the data up (a truncated file
// gets grey rows, a damaged scan a resync) and carries on. A file it has to
// patch is a corrupt file, so warnings fail too, except the harmless note of
// an unknown JFIF version.
void EmitMessage(j_common_ptr info, int level) {
  if (level >= 0) return;  // trace output
  if (info->err->msg_code == JWRN_JFIF_MAJOR) {
    ++info->err->num_warnings;
    return;
  }
  JumpOut(info);
}

// The default prints to stderr, which a GUI program does not have.
void OutputNothing(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* InstallErrorTrap(JpegErrorTrap& trap) {
  jpeg_error_mgr* manager = jpeg_std_error(&trap.manager);
  manager->error_exit = JumpOut;
  manager->emit_message = EmitMessage;
  manager->output_message = OutputNothing;
  trap.message[0] = '\0';
  return manager;
}

void ThrowTrappedError(const JpegErrorTrap& trap, const wchar_t* context) {
  std::wstring message = context;
  message += L": ";
  // libjpeg's messages are ASCII.
  for (const char* c = trap.message; *c != '\0'; ++c) {
    message += static_cast<wchar_t>(static_cast<unsigned char>(*c));
  }
  throw EInvalidGraphic(message);
}

}  // namespace classlib::jpeg_detail
