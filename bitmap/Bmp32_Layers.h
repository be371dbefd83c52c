#pragma once
// What the repaint optimiser needs of layer collections: their layers, the
// events they fire and the flag bit that marks a layer as changed.
#include <cstdint>
#include <functional>

#include "bitmap/Bmp32.h"
#include "classlib/core/Object.h"

namespace bmp32 {

// Bit 26 of a layer's option word: its area changed since the last repaint.
inline constexpr std::uint32_t LOB_INVALIDATED = 0x4000000;

enum TLayerListNotification { lnLayerAdded, lnLayerInserted, lnLayerDeleted, lnCleared };

class TCustomLayer : public classlib::TObject {
 public:
  std::uint32_t LayerOptions() const { return layerOptions_; }
  void SetLayerOptions(std::uint32_t value) { layerOptions_ = value; }
  // Draws the layer onto the buffer; while the buffer measures, its drawing
  // only reports the areas it would touch.
  virtual void PaintTo(TCustomBitmap32& buffer) = 0;

 private:
  std::uint32_t layerOptions_ = 0;
};

bool LayerInvalidated(const TCustomLayer& layer);
void SetLayerInvalidated(TCustomLayer& layer, bool value);

class TLayerCollection;

using TLayerListNotifyEvent = std::function<void(TLayerCollection* sender, TLayerListNotification action,
                                                 TCustomLayer* layer, std::int32_t index)>;
using TLayerUpdateEvent = std::function<void(classlib::TObject* sender, TCustomLayer* layer)>;

class TLayerCollection : public classlib::TObject {
 public:
  virtual std::int32_t Count() const = 0;
  // nullptr outside 0..Count-1.
  virtual TCustomLayer* Items(std::int32_t index) const = 0;

  // The collection's own handler first, then the assigned event.
  void Notify(TLayerListNotification action, TCustomLayer* layer, std::int32_t index);
  // Fire the update events when assigned.
  void LayerUpdated(TCustomLayer* layer);
  void AreaUpdated(const TRect& area, std::uint32_t info = AREA_PLAIN_RECT);

  const TLayerListNotifyEvent& OnListNotify() const { return onListNotify_; }
  void SetOnListNotify(TLayerListNotifyEvent handler) { onListNotify_ = std::move(handler); }
  const TLayerUpdateEvent& OnLayerUpdated() const { return onLayerUpdated_; }
  void SetOnLayerUpdated(TLayerUpdateEvent handler) { onLayerUpdated_ = std::move(handler); }
  const TAreaChangedEvent& OnAreaUpdated() const { return onAreaUpdated_; }
  void SetOnAreaUpdated(TAreaChangedEvent handler) { onAreaUpdated_ = std::move(handler); }

 protected:
  virtual void DoNotify(TLayerListNotification, TCustomLayer*, std::int32_t) {}

 private:
  TLayerListNotifyEvent onListNotify_;
  TLayerUpdateEvent onLayerUpdated_;
  TAreaChangedEvent onAreaUpdated_;
};

}  // namespace bmp32
