#pragma once
// Counts the calling thread's allocations through operator new, so that a test can show that a
// path allocates nothing. The test binary replaces the global operator new to count them.
#include <cstdint>

namespace test_support {

std::uint64_t allocations_on_this_thread();

}  // namespace test_support
