// Feeds arbitrary bytes to the packed skin reader (signature, entry walk,
// inflating each body, the hand-back of the read-ahead at each stream end).
// The reader's own exceptions are expected; anything else is a finding.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "classlib/core/Exception.h"
#include "classlib/core/Stream.h"
#include "skin/core/PackedSkin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto source = std::make_unique<classlib::TMemoryStream>();
  source->WriteBuffer(data, static_cast<int64_t>(size));
  auto convertor = std::make_unique<skin::TacSkinConvertor>();
  convertor->SetSource(std::move(source));
  try {
    skin::ReadPackedSkin(convertor);
  } catch (const classlib::Exception&) {
  }
  return 0;
}
