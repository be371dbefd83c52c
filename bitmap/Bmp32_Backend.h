#pragma once
// The replaceable pixel store of a 32-bit bitmap. A backend is shared: the
// bitmap holds it, and code that switches backends for a while keeps the old
// one alive through its own reference.
#include <cstdint>
#include <string_view>

#include "bitmap/Bmp32_Persistent.h"
#include "bitmap/Bmp32_Types.h"

namespace bmp32 {

class TCustomBitmap32;

// Identities of the optional capabilities a backend may offer; the platform
// backend's header declares the interfaces themselves.
inline constexpr std::wstring_view IID_ICanvasCapability = L"{5ACFEEC7-0123-4AD8-8AE6-145718438E01}";
inline constexpr std::wstring_view IID_IFontCapability = L"{67C73044-1EFF-4FDE-AEA2-56BFADA50A48}";
inline constexpr std::wstring_view IID_ITextCapability = L"{225997CC-958A-423E-8B60-9EDE0D3B53B5}";
inline constexpr std::wstring_view IID_IDeviceContextCapability = L"{DD1109DA-4019-4A5C-A450-3631A73CF288}";
inline constexpr std::wstring_view IID_IBitmapContextCapability = L"{DF0F9475-BA13-4C6B-81C3-D138624C4D08}";
inline constexpr std::wstring_view IID_IPaintCapability = L"{CE64DBEE-C4A9-4E8E-ABCA-1B1FD6F45924}";

class TCustomBackend : public TThreadPersistent {
 public:
  TCustomBackend() = default;
  // Derived backends release their own surface: a base destructor cannot
  // reach the derived ReleaseSurface.
  ~TCustomBackend() override = default;

  TColor32* Bits() const { return bits_; }
  TCustomBitmap32* Owner() const { return owner_; }
  void SetOwner(TCustomBitmap32* owner) { owner_ = owner; }

  const classlib::TNotifyEvent& OnChanging() const { return onChanging_; }
  void SetOnChanging(classlib::TNotifyEvent handler) { onChanging_ = std::move(handler); }

  // Resizes to 0 x 0 without clearing (the owner's size fields when owned).
  virtual void Clear();
  virtual bool Empty() const { return false; }
  // Changing; the old surface released; a new one allocated when both sides
  // are at least 1; the new size stored; Changed. When allocation fails the
  // backend is left with no surface, Changed still runs (so the owner drops
  // its pixel pointer) and the error goes on to the caller.
  virtual void ChangeSize(std::int32_t& width, std::int32_t& height, std::int32_t newWidth,
                          std::int32_t newHeight, bool clearBuffer);
  // From another backend: this backend's owner takes the source owner's size
  // and pixels.
  void Assign(const classlib::TPersistent* source) override;

  // True when the backend implements the capability of that identity.
  virtual bool Supports(std::wstring_view iid) const;

 protected:
  virtual void Changing();
  virtual void AllocateSurface(std::int32_t newWidth, std::int32_t newHeight, bool clearBuffer);
  virtual void ReleaseSurface() {}

  TColor32* bits_ = nullptr;

 private:
  TCustomBitmap32* owner_ = nullptr;
  classlib::TNotifyEvent onChanging_;
};

}  // namespace bmp32
