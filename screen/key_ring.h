#pragma once
// The emulated keyboard ring: 16 two-byte entries, so at most 15 keys wait.
// One producer (the window's key callbacks) and one consumer (the program thread).
//
// Invariants:
// - head_ is the oldest waiting entry, tail_ the next free one; head_ == tail_ means empty.
// - Only push() writes tail_; only take() writes head_.
// - A push into a full ring drops the key and changes nothing.
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

namespace screen {

struct KeyEntry {
  std::uint8_t character = 0;
  std::uint8_t scan_code = 0;
};

class KeyRing {
 public:
  static constexpr std::uint32_t kEntries = 16;

  bool push(KeyEntry key) {
    const std::uint32_t tail = tail_.load(std::memory_order_relaxed);
    const std::uint32_t next = (tail + 1) % kEntries;
    if (next == head_.load(std::memory_order_acquire)) return false;
    entries_[tail] = key;
    tail_.store(next, std::memory_order_release);
    return true;
  }

  std::optional<KeyEntry> take() {
    const std::uint32_t head = head_.load(std::memory_order_relaxed);
    if (head == tail_.load(std::memory_order_acquire)) return std::nullopt;
    const KeyEntry key = entries_[head];
    head_.store((head + 1) % kEntries, std::memory_order_release);
    return key;
  }

  bool empty() const {
    return head_.load(std::memory_order_acquire) == tail_.load(std::memory_order_acquire);
  }

  std::uint32_t waiting() const {
    return (tail_.load(std::memory_order_acquire) + kEntries - head_.load(std::memory_order_acquire)) % kEntries;
  }

 private:
  std::array<KeyEntry, kEntries> entries_{};
  std::atomic<std::uint32_t> head_{0};
  std::atomic<std::uint32_t> tail_{0};
};

}  // namespace screen
