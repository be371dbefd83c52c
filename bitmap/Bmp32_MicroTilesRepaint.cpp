#include "bitmap/Bmp32_MicroTilesRepaint.h"

#include <algorithm>

namespace bmp32 {

namespace {

constexpr std::int32_t kMinTimeDelta = 1000;
constexpr std::int32_t kMaxTimeDelta = 5000;
constexpr std::int32_t kTimeDeltaPenalty = 250;
constexpr std::int32_t kTimeDeltaRecovery = 1000;
constexpr std::int32_t kMaxPerformanceLevel = 2;
// Rectangles fewer than before by more than this let the level drop.
constexpr std::int32_t kInvalidRectsMargin = 10;

// Tick counts wrap: compare by their difference.
bool TickPast(std::uint32_t now, std::uint32_t mark) {
  return static_cast<std::int32_t>(now - mark) > 0;
}

void AddArea(TMicroTiles& grid, const TRect& area, std::uint32_t info) {
  if (info & AREA_LINE)
    MicroTilesAddLine(grid, area.Left, area.Top, area.Right, area.Bottom,
                      static_cast<std::int32_t>(info & AREA_LINE_WIDTH_MASK));
  else
    MicroTilesAddRect(grid, area);
}

}  // namespace

void* TMicroTilesMap::Delete(int bucketIndex, int itemIndex) {
  auto* grid = static_cast<TMicroTiles*>(TPointerMap::Delete(bucketIndex, itemIndex));
  delete grid;
  return nullptr;
}

TMicroTiles& TMicroTilesMap::GridOf(TCustomLayer* layer) {
  bool isNew = false;
  void** slot = Add(layer, isNew);
  if (isNew) *slot = new TMicroTiles();
  return *static_cast<TMicroTiles*>(*slot);
}

TMicroTiles* TMicroTilesMap::Find(TCustomLayer* layer) const {
  return Contains(layer) ? static_cast<TMicroTiles*>(Data(layer)) : nullptr;
}

std::uint32_t TRepaintClock::TickCount() { return GetTickCount(); }
void TRepaintClock::Start() { timer_.Start(); }
std::int64_t TRepaintClock::ElapsedMicroseconds() { return timer_.ElapsedMicroseconds(); }

TMicroTilesRepaintOptimizer::TMicroTilesRepaintOptimizer(TCustomBitmap32* buffer,
                                                         TRectangleList* invalidRects)
    : TCustomRepaintOptimizer(buffer, invalidRects) {
  MicroTilesCreate(tempTiles_);
  MicroTilesCreate(invalidTiles_);
  MicroTilesCreate(forcedInvalidTiles_);
  if (buffer) bufferRect_ = buffer->BoundsRect();
}

TMicroTilesRepaintOptimizer::~TMicroTilesRepaintOptimizer() {
  UnregisterAllLayerCollections();
}

void TMicroTilesRepaintOptimizer::HookCollection(TLayerCollection* collection) {
  collection->SetOnLayerUpdated(
      [this](classlib::TObject* sender, TCustomLayer* layer) { LayerUpdateHandler(sender, layer); });
  collection->SetOnAreaUpdated([this](classlib::TObject* sender, const TRect& area, std::uint32_t info) {
    AreaUpdateHandler(sender, area, info);
  });
}

void TMicroTilesRepaintOptimizer::UnhookCollection(TLayerCollection* collection) {
  collection->SetOnLayerUpdated(nullptr);
  collection->SetOnAreaUpdated(nullptr);
}

void TMicroTilesRepaintOptimizer::SetEnabled(bool value) {
  if (value == Enabled()) return;
  TCustomRepaintOptimizer::SetEnabled(value);
  for (TLayerCollection* collection : LayerCollections()) {
    if (value)
      HookCollection(collection);
    else
      UnhookCollection(collection);
  }
}

void TMicroTilesRepaintOptimizer::RegisterLayerCollection(TLayerCollection* collection) {
  if (!collection) return;
  TCustomRepaintOptimizer::RegisterLayerCollection(collection);
  if (Enabled()) HookCollection(collection);
  // Its layers have not been measured yet.
  layerPositionsValid_ = false;
}

void TMicroTilesRepaintOptimizer::UnregisterLayerCollection(TLayerCollection* collection) {
  const auto& collections = LayerCollections();
  if (std::find(collections.begin(), collections.end(), collection) == collections.end()) return;
  for (std::int32_t i = 0; i < collection->Count(); ++i)
    if (TCustomLayer* layer = collection->Items(i)) ForgetLayer(layer);
  UnhookCollection(collection);
  TCustomRepaintOptimizer::UnregisterLayerCollection(collection);
}

void TMicroTilesRepaintOptimizer::ValidateWorkingTiles() {
  if (workingTilesValid_) return;
  MicroTilesSetSize(tempTiles_, bufferRect_);
  MicroTilesSetSize(invalidTiles_, bufferRect_);
  MicroTilesSetSize(forcedInvalidTiles_, bufferRect_);
  workingTilesValid_ = true;
}

void TMicroTilesRepaintOptimizer::FlagChangedLayer(TCustomLayer* layer) {
  if (!layer || LayerInvalidated(*layer)) return;
  changedLayers_.push_back(layer);
  SetLayerInvalidated(*layer, true);
  updatesAvailable_ = true;
}

// Every layer is measured again at the next invalidation.
void TMicroTilesRepaintOptimizer::ValidateLayerPositions() {
  if (layerPositionsValid_) return;
  for (TLayerCollection* collection : LayerCollections())
    for (std::int32_t i = 0; i < collection->Count(); ++i) FlagChangedLayer(collection->Items(i));
  layerPositionsValid_ = true;
}

// A layer leaving: its last painted area needs repainting, and nothing may
// refer to it afterwards.
void TMicroTilesRepaintOptimizer::ForgetLayer(TCustomLayer* layer) {
  const auto it = std::find(changedLayers_.begin(), changedLayers_.end(), layer);
  if (it != changedLayers_.end()) {
    changedLayers_.erase(it);
    SetLayerInvalidated(*layer, false);
  }
  if (TMicroTiles* grid = layerTiles_.Find(layer)) {
    ValidateWorkingTiles();
    MicroTilesUnion(invalidTiles_, *grid);
    layerTiles_.Remove(layer);
    updatesAvailable_ = true;
  }
}

void TMicroTilesRepaintOptimizer::LayerCollectionNotifyHandler(TLayerCollection*, TLayerListNotification action,
                                                               TCustomLayer* layer, std::int32_t) {
  switch (action) {
    case lnLayerAdded:
    case lnLayerInserted:
      if (layerPositionsValid_) FlagChangedLayer(layer);
      break;
    case lnLayerDeleted:
      if (layer) ForgetLayer(layer);
      break;
    case lnCleared:
      // The layers may be gone already: drop every reference unread.
      changedLayers_.clear();
      layerTiles_.Clear();
      Reset();
      break;
  }
}

void TMicroTilesRepaintOptimizer::Reset() {
  workingTilesValid_ = false;
  layerPositionsValid_ = false;
  ValidateWorkingTiles();
  ValidateLayerPositions();
  MicroTilesClear(forcedInvalidTiles_, MICROTILE_FULL);
  MicroTilesUseAll(forcedInvalidTiles_);
  updatesAvailable_ = true;
}

bool TMicroTilesRepaintOptimizer::UpdatesAvailable() {
  ValidateLayerPositions();
  return updatesAvailable_;
}

void TMicroTilesRepaintOptimizer::AreaUpdateHandler(classlib::TObject*, const TRect& area, std::uint32_t info) {
  ValidateWorkingTiles();
  AddArea(forcedInvalidTiles_, area, info);
  updatesAvailable_ = true;
}

void TMicroTilesRepaintOptimizer::LayerUpdateHandler(classlib::TObject*, TCustomLayer* layer) {
  if (layerPositionsValid_) FlagChangedLayer(layer);
}

void TMicroTilesRepaintOptimizer::BufferResizedHandler(std::int32_t newWidth, std::int32_t newHeight) {
  bufferRect_ = {0, 0, newWidth, newHeight};
  Reset();
}

// Old and new area of every changed layer go into the invalid tiles.
void TMicroTilesRepaintOptimizer::MeasureChangedLayers(bool round) {
  TCustomBitmap32* buffer = Buffer();
  for (TCustomLayer* layer : changedLayers_) {
    MicroTilesClearUsed(tempTiles_);
    if (buffer) {
      buffer->BeginAreaMeasuring([this](classlib::TObject*, const TRect& area, std::uint32_t info) {
        AddArea(tempTiles_, area, info);
      });
      try {
        layer->PaintTo(*buffer);
      } catch (...) {
        buffer->EndAreaMeasuring();
        throw;
      }
      buffer->EndAreaMeasuring();
    }
    TMicroTiles& lastPainted = layerTiles_.GridOf(layer);
    MicroTilesUnion(invalidTiles_, tempTiles_, round);
    MicroTilesUnion(invalidTiles_, lastPainted, round);
    MicroTilesCopy(lastPainted, tempTiles_);
    SetLayerInvalidated(*layer, false);
  }
  changedLayers_.clear();
}

void TMicroTilesRepaintOptimizer::PerformInvalidation() {
  if (updatesAvailable_) {
    ValidateWorkingTiles();
    const bool round = performanceLevel_ > 0;
    MeasureChangedLayers(round);
    if (TRectangleList* rects = InvalidRects()) {
      MicroTilesCalcRects(invalidTiles_, *rects, false, round);
      MicroTilesCalcRects(forcedInvalidTiles_, *rects, false, round);
    }
  }
  AdaptiveCheck();
  MicroTilesClearUsed(invalidTiles_);
  MicroTilesClearUsed(forcedInvalidTiles_);
}

void TMicroTilesRepaintOptimizer::AdaptiveCheck() {
  if (!adaptiveMode_ || performanceLevel_ < 1) return;
  TRectangleList* rects = InvalidRects();
  const std::int32_t count = rects ? rects->Count() : 0;
  if (TickPast(clock_->TickCount(), nextCheck_)) {
    --performanceLevel_;
    timedOut_ = true;
  } else if (!timedCheck_ && count < oldInvalidRectsCount_ - kInvalidRectsMargin) {
    --performanceLevel_;
  } else if (performanceLevel_ == kMaxPerformanceLevel && rects) {
    // No rectangles: the whole buffer is repainted.
    rects->Clear();
  }
}

void TMicroTilesRepaintOptimizer::SetTimeDelta(std::int32_t value) {
  timeDelta_ = std::clamp(value, kMinTimeDelta, kMaxTimeDelta);
  nextCheck_ = clock_->TickCount() + static_cast<std::uint32_t>(timeDelta_);
}

void TMicroTilesRepaintOptimizer::BeginPaintBuffer() {
  if (adaptiveMode_) clock_->Start();
}

void TMicroTilesRepaintOptimizer::EndPaintBuffer() {
  updatesAvailable_ = false;
  if (!adaptiveMode_) return;
  const std::int64_t t = clock_->ElapsedMicroseconds();
  TRectangleList* rects = InvalidRects();
  const std::int32_t count = rects ? rects->Count() : 0;
  if (count == 0) {
    fullSceneTime_ = t;  // a full repaint
  } else if (t > fullSceneTime_) {
    const std::int32_t level = std::min(performanceLevel_ + 1, kMaxPerformanceLevel);
    if (level != performanceLevel_) {
      oldInvalidRectsCount_ = count;
      performanceLevel_ = level;
    }
    if (timedOut_) {
      SetTimeDelta(timeDelta_ + kTimeDeltaPenalty);
      lastPenaltyTime_ = t;
      timedOut_ = false;
    }
    timedCheck_ = true;
  } else if (t == fullSceneTime_) {
    if (t < lastPenaltyTime_ && timedOut_) {
      SetTimeDelta(timeDelta_ - kTimeDeltaPenalty);
      timedOut_ = false;
    }
  } else {
    if (timedOut_) {
      SetTimeDelta(kMinTimeDelta);
      timedOut_ = false;
    } else if (timeDelta_ > kMinTimeDelta) {
      SetTimeDelta(timeDelta_ - kTimeDeltaRecovery);
    }
    timedCheck_ = false;
  }
  lastTime_ = t;
}

}  // namespace bmp32
