#include "classlib/core/ResourceStream.h"

namespace classlib {

namespace {
TResourceOpener& Opener() {
  static TResourceOpener opener;
  return opener;
}
}  // namespace

void SetResourceOpener(TResourceOpener opener) { Opener() = std::move(opener); }

std::unique_ptr<TStream> OpenResourceStream(const std::wstring& name) {
  std::unique_ptr<TStream> stream;
  if (Opener()) stream = Opener()(name);
  if (!stream) throw EResNotFound(L"Resource " + name + L" not found");
  return stream;
}

}  // namespace classlib
