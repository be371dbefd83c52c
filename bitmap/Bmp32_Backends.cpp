#include "bitmap/Bmp32_Backends.h"

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Backends_Generic.h"
#include "bitmap/Bmp32_Platform.h"

namespace bmp32 {

std::shared_ptr<TCustomBackend> PlatformBackendClass() {
  if (auto create = PlatformServices().CreateBackend) return create();
  return std::make_shared<TMemoryBackend>();
}

void RequireBackendCapability(TCustomBitmap32& target, std::initializer_list<std::wstring_view> iids,
                              TCapabilityMode mode, bool destructiveSwitch,
                              std::shared_ptr<TCustomBackend>& releasedBackend) {
  releasedBackend.reset();
  const TCustomBackend* backend = target.Backend().get();
  bool satisfied = mode == cmAllRequired;
  for (std::wstring_view iid : iids) {
    const bool present = backend && backend->Supports(iid);
    if (mode == cmAllRequired && !present) {
      satisfied = false;
      break;
    }
    if (mode == cmAnySuffices && present) {
      satisfied = true;
      break;
    }
  }
  if (satisfied) return;
  if (destructiveSwitch) target.SetSize(0, 0);
  releasedBackend = target.DetachBackend();
  target.SetBackend(PlatformBackendClass());
}

void RestoreBackend(TCustomBitmap32& target, std::shared_ptr<TCustomBackend>& releasedBackend) {
  if (!releasedBackend) return;
  target.SetBackend(std::move(releasedBackend));
  releasedBackend.reset();
}

}  // namespace bmp32
