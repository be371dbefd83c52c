#pragma once
// The persistent bases of bitmaps and backends: change notification with
// update brackets, a per-object lock, and a sized map.
#include <atomic>
#include <cstdint>
#include <mutex>

#include "classlib/core/Persistent.h"

namespace bmp32 {

class TCustomBackend;

class TNotifiablePersistent : public classlib::TPersistent {
 public:
  // Fires OnChange only outside update brackets.
  virtual void Changed();
  virtual void BeginUpdate() { ++updateCount_; }
  // Raises EBmp32Error "Unpaired TThreadPersistent.EndUpdate" without a
  // matching BeginUpdate; does not call Changed.
  virtual void EndUpdate();
  std::int32_t UpdateCount() const { return updateCount_; }

  const classlib::TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(classlib::TNotifyEvent handler) { onChange_ = std::move(handler); }

 private:
  std::int32_t updateCount_ = 0;
  classlib::TNotifyEvent onChange_;
};

// For callers that share an object between threads; recursive, so a thread
// may lock what it already holds.
class TThreadPersistent : public TNotifiablePersistent {
 public:
  void Lock() {
    ++lockCount_;
    mutex_.lock();
  }
  void Unlock() {
    mutex_.unlock();
    --lockCount_;
  }
  std::int32_t LockCount() const { return lockCount_; }

 private:
  std::atomic<std::int32_t> lockCount_{0};
  std::recursive_mutex mutex_;
};

class TCustomMap : public TThreadPersistent {
 public:
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  virtual void SetWidth(std::int32_t newWidth) { SetSize(newWidth, height_); }
  virtual void SetHeight(std::int32_t newHeight) { SetSize(width_, newHeight); }
  // Negative sizes count as 0. False when the size stays as it was.
  virtual bool SetSize(std::int32_t newWidth, std::int32_t newHeight);
  virtual void Delete() { SetSize(0, 0); }
  virtual bool Empty() const { return width_ == 0 || height_ == 0; }

  const classlib::TNotifyEvent& OnResize() const { return onResize_; }
  void SetOnResize(classlib::TNotifyEvent handler) { onResize_ = std::move(handler); }

 protected:
  virtual void ChangeSize(std::int32_t& width, std::int32_t& height, std::int32_t newWidth,
                          std::int32_t newHeight);
  virtual void Resized();

  // Backends resize their owner's fields in place.
  friend class TCustomBackend;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;

 private:
  classlib::TNotifyEvent onResize_;
};

}  // namespace bmp32
