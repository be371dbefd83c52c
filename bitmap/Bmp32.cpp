#include "bitmap/Bmp32.h"

#include <cstring>

#include "bitmap/Bmp32_Backends_Generic.h"
#include "bitmap/Bmp32_Platform.h"

namespace bmp32 {

TCustomBitmap32::TCustomBitmap32(std::shared_ptr<TCustomBackend> backend)
    : blendOperation_(BlendOperationsFor(cmBlend)) {
  wrapX_ = WrapProcFor(wmClamp);
  wrapY_ = WrapProcFor(wmClamp);
  SetBackend(backend ? std::move(backend) : std::make_shared<TMemoryBackend>());
  if (const TResamplerClass* nearest = ResamplerList().Find(L"TNearestResampler"))
    resampler_.reset(nearest->Create(this));
}

TCustomBitmap32::~TCustomBitmap32() {
  BeginUpdate();
  Lock();
  try {
    SetSize(0, 0);
  } catch (...) {
    // Releasing a surface does not fail; nothing may leave a destructor.
  }
  resampler_.reset();
  FinalizeBackend();
  Unlock();
}

// --- Backend

void TCustomBitmap32::SetBackend(std::shared_ptr<TCustomBackend> backend) {
  if (!backend || backend == backend_) return;
  BeginUpdate();
  const std::int32_t width = width_, height = height_;
  try {
    backend->SetOwner(this);
    if (backend_) backend->Assign(backend_.get());
  } catch (...) {
    // The new store could not take the pixels: keep the old one as it was.
    backend->SetOwner(nullptr);
    width_ = width;
    height_ = height;
    EndUpdate();
    throw;
  }
  FinalizeBackend();
  backend_ = std::move(backend);
  WireBackend();
  EndUpdate();
  backend_->Changed();
  Changed();
}

void TCustomBitmap32::WireBackend() {
  backend_->SetOnChange([this](classlib::TObject*) { BackendChanged(); });
  backend_->SetOnChanging([this](classlib::TObject*) { BackendChanging(); });
}

void TCustomBitmap32::FinalizeBackend() {
  if (!backend_) return;
  backend_->SetOwner(nullptr);
  backend_->SetOnChange(nullptr);
  backend_->SetOnChanging(nullptr);
  backend_.reset();
}

void TCustomBitmap32::BackendChanged() {
  bits_ = backend_ ? backend_->Bits() : nullptr;
  ResetClipRect();
}

// --- Size

bool TCustomBitmap32::SetSize(std::int32_t newWidth, std::int32_t newHeight) {
  return TCustomMap::SetSize(newWidth, newHeight);
}

void TCustomBitmap32::ChangeSize(std::int32_t& width, std::int32_t& height, std::int32_t newWidth,
                                 std::int32_t newHeight) {
  backend_->ChangeSize(width, height, newWidth, newHeight, true);
}

// --- Notification

void TCustomBitmap32::Changed() { Changed(BoundsRect(), AREA_PLAIN_RECT); }

void TCustomBitmap32::Changed(const TRect& area, std::uint32_t info) {
  if ((UpdateCount() == 0 || measuring_) && onAreaChanged_) onAreaChanged_(this, area, info);
  if (!measuring_) TCustomMap::Changed();
}

void TCustomBitmap32::BeginAreaMeasuring(TAreaChangedEvent callback) {
  measuring_ = true;
  savedOnAreaChanged_ = std::move(onAreaChanged_);
  onAreaChanged_ = std::move(callback);
}

void TCustomBitmap32::EndAreaMeasuring() {
  measuring_ = false;
  onAreaChanged_ = std::move(savedOnAreaChanged_);
  savedOnAreaChanged_ = nullptr;
}

// --- Clip rectangle

void TCustomBitmap32::SetClipRect(const TRect& value) {
  IntersectRect(clipRect_, value, BoundsRect());
  clipRectFixed_ = MakeFixedRect(clipRect_);
  // Edges beyond 24.8 range wrap, as shifts do; the safe reads do not use them.
  auto to256 = [](std::int32_t v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v) << 8); };
  clipRect256_ = {to256(clipRect_.Left), to256(clipRect_.Top), to256(clipRect_.Right), to256(clipRect_.Bottom)};
  clipping_ = !(clipRect_ == BoundsRect());
  wrapX_ = WrapProcFor(wrapMode_, clipRect_.Left, clipRect_.Right - 1);
  wrapY_ = WrapProcFor(wrapMode_, clipRect_.Top, clipRect_.Bottom - 1);
}

// --- Drawing properties

void TCustomBitmap32::SetDrawMode(TDrawMode value) {
  if (value == drawMode_) return;
  drawMode_ = value;
  Changed();
}

void TCustomBitmap32::SetCombineMode(TCombineMode value) {
  if (value == combineMode_) return;
  combineMode_ = value;
  blendOperation_ = BlendOperationsFor(value);
  Changed();
}

void TCustomBitmap32::SetWrapMode(TWrapMode value) {
  if (value == wrapMode_) return;
  wrapMode_ = value;
  wrapX_ = WrapProcFor(value, clipRect_.Left, clipRect_.Right - 1);
  wrapY_ = WrapProcFor(value, clipRect_.Top, clipRect_.Bottom - 1);
  Changed();
}

void TCustomBitmap32::SetMasterAlpha(std::uint32_t value) {
  if (value == masterAlpha_) return;
  masterAlpha_ = value;
  Changed();
}

void TCustomBitmap32::SetResampler(TCustomResampler* resampler) {
  if (!resampler || resampler == resampler_.get()) return;
  resampler_.reset(resampler);
  Changed();
}

std::wstring TCustomBitmap32::ResamplerClassName() const {
  return resampler_ ? resampler_->ClassName() : std::wstring();
}

void TCustomBitmap32::SetResamplerClassName(const std::wstring& name) {
  if (name.empty() || name == ResamplerClassName()) return;
  if (const TResamplerClass* cls = ResamplerList().Find(name)) SetResampler(cls->Create(this));
}

// --- Copying

void TCustomBitmap32::Assign(const classlib::TPersistent* source) {
  BeginUpdate();
  try {
    if (!source) {
      SetSize(0, 0);
    } else if (const auto* bitmap = dynamic_cast<const TCustomBitmap32*>(source)) {
      bitmap->CopyMapTo(*this);
      bitmap->CopyPropertiesTo(*this);
    } else if (!(PlatformServices().AssignFrom && PlatformServices().AssignFrom(*this, *source))) {
      TCustomMap::Assign(source);
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  Changed();
}

void TCustomBitmap32::AssignTo(classlib::TPersistent* dest) const {
  if (dest && PlatformServices().AssignTo && PlatformServices().AssignTo(*this, *dest)) return;
  TCustomMap::AssignTo(dest);
}

void TCustomBitmap32::CopyMapTo(TCustomBitmap32& dst) const {
  if (&dst == this) return;
  dst.SetSize(Width(), Height());
  if (!Empty() && bits_ && dst.bits_)
    std::memcpy(dst.bits_, bits_, static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height()) * 4);
}

void TCustomBitmap32::CopyPropertiesTo(TCustomBitmap32& dst) const {
  if (&dst == this) return;
  dst.SetDrawMode(drawMode_);
  dst.SetCombineMode(combineMode_);
  dst.SetWrapMode(wrapMode_);
  dst.SetMasterAlpha(masterAlpha_);
  dst.outerColor_ = outerColor_;
  dst.SetResamplerClassName(ResamplerClassName());
  if (dst.resampler_ && resampler_) dst.resampler_->Assign(resampler_.get());
}

}  // namespace bmp32
