#include "bitmap/Bmp32_Layers.h"

namespace bmp32 {

bool LayerInvalidated(const TCustomLayer& layer) {
  return (layer.LayerOptions() & LOB_INVALIDATED) != 0;
}

void SetLayerInvalidated(TCustomLayer& layer, bool value) {
  const std::uint32_t options = layer.LayerOptions();
  layer.SetLayerOptions(value ? options | LOB_INVALIDATED : options & ~LOB_INVALIDATED);
}

void TLayerCollection::Notify(TLayerListNotification action, TCustomLayer* layer, std::int32_t index) {
  DoNotify(action, layer, index);
  if (onListNotify_) onListNotify_(this, action, layer, index);
}

void TLayerCollection::LayerUpdated(TCustomLayer* layer) {
  if (onLayerUpdated_) onLayerUpdated_(this, layer);
}

void TLayerCollection::AreaUpdated(const TRect& area, std::uint32_t info) {
  if (onAreaUpdated_) onAreaUpdated_(this, area, info);
}

}  // namespace bmp32
