#include "bench/support/CountingAllocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace bench_support {
namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

// Each block carries its size in front, kept at the alignment new promises.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (!block) return nullptr;
  *reinterpret_cast<std::size_t*>(block) = size;
  const std::size_t now = inUse += size;
  std::size_t seen = peak.load();
  while (now > seen && !peak.compare_exchange_weak(seen, now)) {
  }
  return block + kHeader;
}

void Release(void* p) {
  if (!p) return;
  auto* block = static_cast<unsigned char*>(p) - kHeader;
  inUse -= *reinterpret_cast<std::size_t*>(block);
  std::free(block);
}

}  // namespace

std::size_t HeapInUse() { return inUse; }
std::size_t HeapPeak() { return peak; }
void ResetHeapPeak() { peak = inUse.load(); }

}  // namespace bench_support

void* operator new(std::size_t size) {
  if (void* p = bench_support::Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return bench_support::Allocate(size); }
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return bench_support::Allocate(size); }
void operator delete(void* p) noexcept { bench_support::Release(p); }
void operator delete(void* p, std::size_t) noexcept { bench_support::Release(p); }
void operator delete[](void* p) noexcept { bench_support::Release(p); }
void operator delete[](void* p, std::size_t) noexcept { bench_support::Release(p); }
