#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Layers.h"
#include "bitmap/Bmp32_MicroTilesRepaint.h"

namespace bmp32 {

void PrintTo(const TRect& r, std::ostream* os);

namespace {

class FakeLayer : public TCustomLayer {
 public:
  explicit FakeLayer(TRect area) : area(area) {}
  void PaintTo(TCustomBitmap32& buffer) override {
    ++paints;
    buffer.FillRect(area.Left, area.Top, area.Right, area.Bottom, 0xFF112233);
  }
  TRect area;
  int paints = 0;
};

class FakeLayerCollection : public TLayerCollection {
 public:
  std::int32_t Count() const override { return static_cast<std::int32_t>(layers.size()); }
  TCustomLayer* Items(std::int32_t index) const override {
    return index >= 0 && index < Count() ? layers[static_cast<std::size_t>(index)].get() : nullptr;
  }
  FakeLayer* Add(TRect area) {
    layers.push_back(std::make_unique<FakeLayer>(area));
    Notify(lnLayerAdded, layers.back().get(), Count() - 1);
    return layers.back().get();
  }
  void Delete(std::int32_t index) {
    Notify(lnLayerDeleted, layers[static_cast<std::size_t>(index)].get(), index);
    layers.erase(layers.begin() + index);
  }
  void Move(FakeLayer* layer, TRect area) {
    layer->area = area;
    LayerUpdated(layer);
  }

  std::vector<std::unique_ptr<FakeLayer>> layers;
  std::vector<std::string> log;

 protected:
  void DoNotify(TLayerListNotification action, TCustomLayer*, std::int32_t index) override {
    log.push_back("own " + std::to_string(action) + " " + std::to_string(index));
  }
};

class FakeClock : public TRepaintClock {
 public:
  std::uint32_t TickCount() override { return tick; }
  void Start() override { ++starts; }
  std::int64_t ElapsedMicroseconds() override { return elapsed; }
  std::uint32_t tick = 0;
  std::int64_t elapsed = 0;
  int starts = 0;
};

std::vector<TRect> Take(TRectangleList& list) {
  std::vector<TRect> result;
  for (std::int32_t i = 0; i < list.Count(); ++i) result.push_back(*list.Items(i));
  list.Clear();
  return result;
}

TEST(Layers, NotificationRunsTheOwnHandlerFirstAndFlagBitIsBit26) {
  FakeLayerCollection collection;
  collection.SetOnListNotify([&](TLayerCollection* sender, TLayerListNotification action, TCustomLayer* layer,
                                 std::int32_t index) {
    EXPECT_EQ(sender, &collection);
    EXPECT_EQ(layer, collection.Items(index));
    collection.log.push_back("event " + std::to_string(action) + " " + std::to_string(index));
  });
  FakeLayer* layer = collection.Add({0, 0, 5, 5});
  EXPECT_EQ(collection.log, (std::vector<std::string>{"own 0 0", "event 0 0"}));
  EXPECT_EQ(collection.Count(), 1);
  EXPECT_EQ(collection.Items(1), nullptr);

  layer->SetLayerOptions(0x11);
  SetLayerInvalidated(*layer, true);
  EXPECT_EQ(layer->LayerOptions(), 0x11u | 0x4000000u);
  EXPECT_TRUE(LayerInvalidated(*layer));
  SetLayerInvalidated(*layer, false);
  EXPECT_EQ(layer->LayerOptions(), 0x11u);
}

class RepaintOptimizer : public ::testing::Test {
 protected:
  RepaintOptimizer() {
    buffer.SetSize(100, 70);
    optimizer.SetClock(&clock);
  }
  // A frame as a display control paints one.
  std::vector<TRect> Frame(std::int64_t paintMicroseconds) {
    optimizer.PerformInvalidation();
    std::vector<TRect> rects;
    for (std::int32_t i = 0; i < rects_.Count(); ++i) rects.push_back(*rects_.Items(i));
    optimizer.BeginPaintBuffer();
    clock.elapsed = paintMicroseconds;
    optimizer.EndPaintBuffer();
    rects_.Clear();
    return rects;
  }

  // A frame that repaints everything: no rectangles while painting.
  void FullFrame(std::int64_t paintMicroseconds) {
    optimizer.PerformInvalidation();
    rects_.Clear();
    optimizer.BeginPaintBuffer();
    clock.elapsed = paintMicroseconds;
    optimizer.EndPaintBuffer();
  }

  TCustomBitmap32 buffer;
  TRectangleList rects_;
  FakeClock clock;
  FakeLayerCollection collection;  // outlives the optimizer, as a collection must
  TMicroTilesRepaintOptimizer optimizer{&buffer, &rects_};
};

TEST_F(RepaintOptimizer, ResizeInvalidatesTheWholeBuffer) {
  optimizer.BufferResizedHandler(100, 70);
  EXPECT_TRUE(optimizer.UpdatesAvailable());
  optimizer.PerformInvalidation();
  EXPECT_EQ(Take(rects_), (std::vector<TRect>{{0, 0, 100, 70}}));
  optimizer.PerformInvalidation();
  EXPECT_TRUE(Take(rects_).empty());
}

TEST_F(RepaintOptimizer, AreaUpdatesBecomeInvalidRectangles) {
  optimizer.BufferResizedHandler(100, 70);
  FullFrame(1000);
  EXPECT_FALSE(optimizer.UpdatesAvailable());

  optimizer.RegisterLayerCollection(&collection);
  EXPECT_FALSE(collection.OnAreaUpdated());  // hooked only while enabled
  optimizer.SetEnabled(true);
  collection.AreaUpdated({10, 5, 20, 15});
  collection.AreaUpdated({40, 10, 90, 10}, AREA_LINE | 1);  // a line, grown by 2 per side
  EXPECT_TRUE(optimizer.UpdatesAvailable());
  optimizer.PerformInvalidation();
  EXPECT_EQ(Take(rects_), (std::vector<TRect>{{10, 5, 20, 15}, {38, 8, 92, 12}}));

  optimizer.SetEnabled(false);
  EXPECT_FALSE(collection.OnAreaUpdated());
  EXPECT_FALSE(collection.OnLayerUpdated());
  EXPECT_TRUE(collection.OnListNotify());
  optimizer.UnregisterLayerCollection(&collection);
  EXPECT_FALSE(collection.OnListNotify());
  EXPECT_TRUE(optimizer.LayerCollections().empty());
}

TEST_F(RepaintOptimizer, MovedLayerInvalidatesItsOldAndNewArea) {
  FakeLayer* layer = collection.Add({10, 10, 30, 30});
  optimizer.SetEnabled(true);
  optimizer.RegisterLayerCollection(&collection);
  optimizer.RegisterLayerCollection(&collection);
  EXPECT_EQ(optimizer.LayerCollections().size(), 1u);
  optimizer.BufferResizedHandler(100, 70);
  const TColor32 before = buffer.Pixel(15, 15);
  FullFrame(1000);
  EXPECT_EQ(layer->paints, 1);  // measured, not drawn
  EXPECT_EQ(buffer.Pixel(15, 15), before);

  collection.Move(layer, {50, 40, 70, 60});
  collection.Move(layer, {50, 40, 70, 60});
  EXPECT_EQ(optimizer.ChangedLayers().size(), 1u);
  EXPECT_TRUE(LayerInvalidated(*layer));
  EXPECT_EQ(Frame(500), (std::vector<TRect>{{10, 10, 30, 30}, {50, 40, 70, 60}}));
  EXPECT_FALSE(LayerInvalidated(*layer));

  // A new layer is measured; a removed one leaves its last area behind and
  // nothing that refers to it.
  FakeLayer* second = collection.Add({0, 0, 8, 8});
  EXPECT_EQ(Frame(500), (std::vector<TRect>{{0, 0, 8, 8}}));
  collection.Move(second, {90, 0, 100, 8});
  collection.Delete(1);
  EXPECT_TRUE(optimizer.ChangedLayers().empty());
  EXPECT_EQ(optimizer.LayerTiles().Count(), 1);
  EXPECT_EQ(Frame(500), (std::vector<TRect>{{0, 0, 8, 8}}));
}

TEST_F(RepaintOptimizer, SlowPartialRepaintsRaiseTheLevelAndTimeOutLowersIt) {
  optimizer.BufferResizedHandler(100, 70);
  clock.tick = 100;
  FullFrame(1000);
  EXPECT_EQ(optimizer.FullSceneTime(), 1000);
  EXPECT_EQ(clock.starts, 1);

  // Level 0: exact rectangles; a partial repaint slower than the full one
  // raises the level.
  optimizer.AreaUpdateHandler(nullptr, {10, 5, 20, 15}, AREA_PLAIN_RECT);
  EXPECT_EQ(Frame(3000), (std::vector<TRect>{{10, 5, 20, 15}}));
  EXPECT_EQ(optimizer.PerformanceLevel(), 1);
  EXPECT_EQ(optimizer.OldInvalidRectsCount(), 1);

  // Level 1: whole tiles. NextCheck is still 0 and the tick past it: the
  // first check after rising times out.
  clock.tick = 0;
  optimizer.AreaUpdateHandler(nullptr, {10, 5, 20, 15}, AREA_PLAIN_RECT);
  EXPECT_EQ(Frame(3000), (std::vector<TRect>{{0, 0, 32, 32}}));
  EXPECT_EQ(optimizer.PerformanceLevel(), 2);

  // Level 2: no rectangles, so the whole buffer is repainted.
  optimizer.AreaUpdateHandler(nullptr, {10, 5, 20, 15}, AREA_PLAIN_RECT);
  optimizer.PerformInvalidation();
  EXPECT_EQ(rects_.Count(), 0);
  EXPECT_EQ(optimizer.PerformanceLevel(), 2);

  // Past NextCheck the level drops and the time-out is remembered; the next
  // slow frame pushes the check further away.
  clock.tick = 10;
  optimizer.AreaUpdateHandler(nullptr, {10, 5, 20, 15}, AREA_PLAIN_RECT);
  EXPECT_EQ(Frame(4000), (std::vector<TRect>{{0, 0, 32, 32}}));
  EXPECT_EQ(optimizer.PerformanceLevel(), 2);
  EXPECT_EQ(optimizer.TimeDelta(), 1250);
  EXPECT_EQ(optimizer.NextCheck(), 1260u);
  EXPECT_EQ(optimizer.LastPenaltyTime(), 4000);

  // Before NextCheck, level 2 turns every frame into a full one, whose time
  // becomes the full scene's.
  clock.tick = 20;
  optimizer.AreaUpdateHandler(nullptr, {10, 5, 20, 15}, AREA_PLAIN_RECT);
  EXPECT_TRUE(Frame(500).empty());
  EXPECT_EQ(optimizer.FullSceneTime(), 500);
  EXPECT_EQ(optimizer.PerformanceLevel(), 2);
  EXPECT_EQ(optimizer.LastTime(), 500);
}

TEST_F(RepaintOptimizer, FewerRectanglesThanAtTheRiseLowerTheLevel) {
  optimizer.BufferResizedHandler(320, 320);
  FullFrame(1000);
  for (int i = 0; i < 10; ++i)
    for (int j = 0; j < 2; ++j) optimizer.AreaUpdateHandler(nullptr, {i * 32 + 1, j * 64 + 1, i * 32 + 3, j * 64 + 3}, 0);
  EXPECT_EQ(Frame(2000).size(), 20u);
  EXPECT_EQ(optimizer.PerformanceLevel(), 1);
  EXPECT_EQ(optimizer.OldInvalidRectsCount(), 20);
  clock.tick = 0;  // not past NextCheck (0)
  optimizer.AreaUpdateHandler(nullptr, {1, 1, 3, 3}, 0);
  EXPECT_EQ(Frame(500).size(), 1u);  // fast: clears the timed check
  EXPECT_EQ(optimizer.PerformanceLevel(), 1);
  optimizer.AreaUpdateHandler(nullptr, {1, 1, 3, 3}, 0);
  optimizer.PerformInvalidation();
  EXPECT_EQ(optimizer.PerformanceLevel(), 0);
  EXPECT_EQ(rects_.Count(), 1);
}

TEST_F(RepaintOptimizer, WithoutAdaptiveModeTheLevelStays) {
  optimizer.SetAdaptiveMode(false);
  optimizer.BufferResizedHandler(100, 70);
  FullFrame(1000);
  optimizer.AreaUpdateHandler(nullptr, {10, 5, 20, 15}, 0);
  EXPECT_EQ(Frame(90000), (std::vector<TRect>{{10, 5, 20, 15}}));
  EXPECT_EQ(optimizer.PerformanceLevel(), 0);
  EXPECT_EQ(clock.starts, 0);
}

}  // namespace
}  // namespace bmp32
