#pragma once
// The repaint optimiser's base: it listens to layer collections and a
// buffer and turns their change notifications into invalid rectangles.
#include <cstdint>
#include <vector>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Containers.h"
#include "bitmap/Bmp32_Layers.h"
#include "classlib/core/Object.h"

namespace bmp32 {

// Info bit of an area notification: the area's corners are a line's ends,
// its width in the low 24 bits.
inline constexpr std::uint32_t AREA_LINE = 0x40000000u;
inline constexpr std::uint32_t AREA_LINE_WIDTH_MASK = 0x00FFFFFFu;

class TCustomRepaintOptimizer : public classlib::TObject {
 public:
  // Neither the buffer nor the list is owned.
  TCustomRepaintOptimizer(TCustomBitmap32* buffer, TRectangleList* invalidRects);
  ~TCustomRepaintOptimizer() override;

  bool Enabled() const { return GetEnabled(); }
  virtual bool GetEnabled() const { return enabled_; }
  virtual void SetEnabled(bool value) { enabled_ = value; }

  // Adds the collection once and takes over its list notifications.
  virtual void RegisterLayerCollection(TLayerCollection* collection);
  virtual void UnregisterLayerCollection(TLayerCollection* collection);

  virtual void BeginPaint() {}
  virtual void EndPaint() {}
  virtual void BeginPaintBuffer() {}
  virtual void EndPaintBuffer() {}

  virtual void Reset() = 0;
  virtual bool UpdatesAvailable() = 0;
  virtual void PerformInvalidation() = 0;
  virtual void AreaUpdateHandler(classlib::TObject* sender, const TRect& area, std::uint32_t info) = 0;
  virtual void LayerUpdateHandler(classlib::TObject* sender, TCustomLayer* layer) = 0;
  virtual void BufferResizedHandler(std::int32_t newWidth, std::int32_t newHeight) = 0;

  const std::vector<TLayerCollection*>& LayerCollections() const { return layerCollections_; }
  TCustomBitmap32* Buffer() const { return buffer_; }
  void SetBuffer(TCustomBitmap32* buffer) { buffer_ = buffer; }
  TRectangleList* InvalidRects() const { return invalidRects_; }
  void SetInvalidRects(TRectangleList* rects) { invalidRects_ = rects; }

 protected:
  virtual void LayerCollectionNotifyHandler(TLayerCollection* sender, TLayerListNotification action,
                                            TCustomLayer* layer, std::int32_t index) = 0;
  // For derived destructors: every collection unregistered through the
  // most derived override, which a base destructor can no longer reach.
  void UnregisterAllLayerCollections();

 private:
  bool enabled_ = false;
  std::vector<TLayerCollection*> layerCollections_;
  TCustomBitmap32* buffer_;
  TRectangleList* invalidRects_;
};

}  // namespace bmp32
