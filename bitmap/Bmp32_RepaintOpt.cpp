#include "bitmap/Bmp32_RepaintOpt.h"

#include <algorithm>

namespace bmp32 {

TCustomRepaintOptimizer::TCustomRepaintOptimizer(TCustomBitmap32* buffer, TRectangleList* invalidRects)
    : buffer_(buffer), invalidRects_(invalidRects) {}

TCustomRepaintOptimizer::~TCustomRepaintOptimizer() {
  for (TLayerCollection* collection : layerCollections_) collection->SetOnListNotify(nullptr);
}

void TCustomRepaintOptimizer::RegisterLayerCollection(TLayerCollection* collection) {
  if (!collection) return;
  if (std::find(layerCollections_.begin(), layerCollections_.end(), collection) != layerCollections_.end())
    return;
  layerCollections_.push_back(collection);
  collection->SetOnListNotify([this](TLayerCollection* sender, TLayerListNotification action,
                                     TCustomLayer* layer, std::int32_t index) {
    LayerCollectionNotifyHandler(sender, action, layer, index);
  });
}

void TCustomRepaintOptimizer::UnregisterLayerCollection(TLayerCollection* collection) {
  const auto it = std::find(layerCollections_.begin(), layerCollections_.end(), collection);
  if (it == layerCollections_.end()) return;
  collection->SetOnListNotify(nullptr);
  layerCollections_.erase(it);
}

void TCustomRepaintOptimizer::UnregisterAllLayerCollections() {
  while (!layerCollections_.empty()) UnregisterLayerCollection(layerCollections_.back());
}

}  // namespace bmp32
