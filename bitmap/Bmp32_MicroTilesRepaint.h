#pragma once
// The repaint optimiser over micro-tiles: changed areas of the buffer and of
// layers are marked in tile grids and come out as few invalid rectangles.
// In adaptive mode it watches how long painting takes and rounds to whole
// tiles (level 1) or repaints everything (level 2) while partial repaints
// are slower than a full one.
#include <cstdint>
#include <memory>
#include <vector>

#include "bitmap/Bmp32_MicroTiles.h"
#include "bitmap/Bmp32_RepaintOpt.h"
#include "bitmap/Bmp32_System.h"

namespace bmp32 {

// Each layer's grid of the area it painted last; removing an entry frees
// the grid.
class TMicroTilesMap : public TPointerMap {
 public:
  ~TMicroTilesMap() override { Clear(); }
  void* Delete(int bucketIndex, int itemIndex) override;
  // The layer's grid, made empty when the layer is new.
  TMicroTiles& GridOf(TCustomLayer* layer);
  TMicroTiles* Find(TCustomLayer* layer) const;
};

// The times the adaptive mode reads; tests put a clock of their own in.
class TRepaintClock {
 public:
  virtual ~TRepaintClock() = default;
  virtual std::uint32_t TickCount();  // milliseconds
  virtual void Start();
  virtual std::int64_t ElapsedMicroseconds();  // since Start

 private:
  TPerfTimer timer_;
};

class TMicroTilesRepaintOptimizer : public TCustomRepaintOptimizer {
 public:
  TMicroTilesRepaintOptimizer(TCustomBitmap32* buffer, TRectangleList* invalidRects);
  ~TMicroTilesRepaintOptimizer() override;

  void SetEnabled(bool value) override;
  void RegisterLayerCollection(TLayerCollection* collection) override;
  void UnregisterLayerCollection(TLayerCollection* collection) override;

  void BeginPaintBuffer() override;
  void EndPaintBuffer() override;

  void Reset() override;
  bool UpdatesAvailable() override;
  void PerformInvalidation() override;
  void AreaUpdateHandler(classlib::TObject* sender, const TRect& area, std::uint32_t info) override;
  void LayerUpdateHandler(classlib::TObject* sender, TCustomLayer* layer) override;
  void BufferResizedHandler(std::int32_t newWidth, std::int32_t newHeight) override;

  bool AdaptiveMode() const { return adaptiveMode_; }
  void SetAdaptiveMode(bool value) { adaptiveMode_ = value; }
  std::int32_t PerformanceLevel() const { return performanceLevel_; }
  std::int32_t TimeDelta() const { return timeDelta_; }
  std::uint32_t NextCheck() const { return nextCheck_; }
  std::int32_t OldInvalidRectsCount() const { return oldInvalidRectsCount_; }
  std::int64_t FullSceneTime() const { return fullSceneTime_; }
  std::int64_t LastPenaltyTime() const { return lastPenaltyTime_; }
  std::int64_t LastTime() const { return lastTime_; }
  // Not owned; nullptr brings the system clock back.
  void SetClock(TRepaintClock* clock) { clock_ = clock ? clock : &systemClock_; }

  const TMicroTiles& InvalidTiles() const { return invalidTiles_; }
  const TMicroTiles& ForcedInvalidTiles() const { return forcedInvalidTiles_; }
  const TMicroTilesMap& LayerTiles() const { return layerTiles_; }
  const std::vector<TCustomLayer*>& ChangedLayers() const { return changedLayers_; }

 protected:
  void LayerCollectionNotifyHandler(TLayerCollection* sender, TLayerListNotification action,
                                    TCustomLayer* layer, std::int32_t index) override;

 private:
  void HookCollection(TLayerCollection* collection);
  static void UnhookCollection(TLayerCollection* collection);
  void ValidateWorkingTiles();
  void ValidateLayerPositions();
  void FlagChangedLayer(TCustomLayer* layer);
  void MeasureChangedLayers(bool round);
  void ForgetLayer(TCustomLayer* layer);
  void AdaptiveCheck();
  void SetTimeDelta(std::int32_t value);

  TMicroTiles tempTiles_;
  TMicroTiles invalidTiles_;
  TMicroTiles forcedInvalidTiles_;
  TMicroTilesMap layerTiles_;
  std::vector<TCustomLayer*> changedLayers_;
  TRepaintClock systemClock_;
  TRepaintClock* clock_ = &systemClock_;
  TRect bufferRect_;

  bool workingTilesValid_ = false;
  bool layerPositionsValid_ = false;
  bool updatesAvailable_ = false;
  bool adaptiveMode_ = true;
  bool timedOut_ = false;
  bool timedCheck_ = false;

  std::int32_t performanceLevel_ = 0;
  std::int32_t timeDelta_ = 1000;
  std::uint32_t nextCheck_ = 0;
  std::int32_t oldInvalidRectsCount_ = 0;
  std::int64_t fullSceneTime_ = 0;
  std::int64_t lastPenaltyTime_ = 0;
  std::int64_t lastTime_ = 0;
};

}  // namespace bmp32
