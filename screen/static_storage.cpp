// Storage that lives until the process ends: carved from blocks that grow as they are needed.
#include <algorithm>
#include <cstddef>
#include <new>

#include "screen/runtime.h"

namespace screen {

void* ScreenRuntime::alloc_static(std::int32_t size) {
  if (size < 0) {
    raise_error(kIllegalFunctionCall);
    return nullptr;
  }
  constexpr std::size_t kAlign = alignof(std::max_align_t);
  const std::size_t request = (static_cast<std::size_t>(size) + kAlign - 1) / kAlign * kAlign;
  if (storage_blocks_.empty() || storage_used_ + request > storage_blocks_.back().size()) {
    const std::size_t previous = storage_blocks_.empty() ? 0 : storage_blocks_.back().size();
    const std::size_t block_size = std::max<std::size_t>(request + 2 * previous, kAlign);
    if (!platform_.storage_available(block_size)) critical_error(kCriticalOutOfMemory, "Out of memory");
    try {
      storage_blocks_.emplace_back(block_size);
    } catch (const std::bad_alloc&) {
      critical_error(kCriticalOutOfMemory, "Out of memory");
    }
    storage_used_ = 0;
  }
  void* block = storage_blocks_.back().data() + storage_used_;
  storage_used_ += request;
  return block;
}

}  // namespace screen
