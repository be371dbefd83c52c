#pragma once
// Switching a bitmap to a backend with a capability for one operation, and
// back.
#include <initializer_list>
#include <memory>
#include <string_view>

#include "bitmap/Bmp32_Backend.h"

namespace bmp32 {

class TCustomBitmap32;

enum TCapabilityMode { cmAllRequired = 0, cmAnySuffices = 1 };

// The platform's backend (the GDI section on Windows); a memory backend
// where the platform installed none.
std::shared_ptr<TCustomBackend> PlatformBackendClass();

// When the bitmap's backend lacks the capabilities (all of them, or any one,
// by mode), the bitmap gets a platform backend and `releasedBackend` the old
// one; a destructive switch empties the bitmap first. Otherwise
// `releasedBackend` is null.
void RequireBackendCapability(TCustomBitmap32& target, std::initializer_list<std::wstring_view> iids,
                              TCapabilityMode mode, bool destructiveSwitch,
                              std::shared_ptr<TCustomBackend>& releasedBackend);
// Puts the released backend back; it takes the pixels present now.
void RestoreBackend(TCustomBitmap32& target, std::shared_ptr<TCustomBackend>& releasedBackend);

}  // namespace bmp32
