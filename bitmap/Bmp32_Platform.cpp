#include "bitmap/Bmp32_Platform.h"

namespace bmp32 {

namespace {
TPlatformServices& Services() {
  static TPlatformServices services;
  return services;
}
}  // namespace

const TPlatformServices& PlatformServices() { return Services(); }
void SetPlatformServices(const TPlatformServices& services) { Services() = services; }

}  // namespace bmp32
