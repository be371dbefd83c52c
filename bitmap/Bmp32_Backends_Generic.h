#pragma once
// The portable pixel store: a heap block.
#include <memory>

#include "bitmap/Bmp32_Backend.h"

namespace bmp32 {

class TMemoryBackend : public TCustomBackend {
 public:
  ~TMemoryBackend() override { ReleaseSurface(); }
  bool Empty() const override { return bits_ == nullptr; }

 protected:
  // Fills every pixel with opaque black when clearBuffer is set; raises
  // EBmp32Error when the heap cannot give the block.
  void AllocateSurface(std::int32_t newWidth, std::int32_t newHeight, bool clearBuffer) override;
  void ReleaseSurface() override;

 private:
  std::unique_ptr<TColor32[]> store_;
};

}  // namespace bmp32
