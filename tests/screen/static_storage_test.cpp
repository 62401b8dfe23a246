// Static storage: aligned pieces carved from blocks that grow by the request plus twice the
// previous block, never freed; a failed allocation is a critical error.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace {

constexpr std::size_t kAlign = alignof(std::max_align_t);

class StaticStorageTest : public testing::Test {
 protected:
  StaticStorageTest() {
    platform.refuse_storage = [this](std::size_t bytes) {
      block_sizes.push_back(bytes);
      return refuse;
    };
  }

  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt{platform};
  std::vector<std::size_t> block_sizes;
  bool refuse = false;
};

TEST_F(StaticStorageTest, PiecesAreAlignedAndDoNotOverlap) {
  const std::vector<std::int32_t> sizes = {1, 3, 17, 100, 0, 5, 64, 1000, 33};
  std::vector<std::uint8_t*> pieces;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    auto* piece = static_cast<std::uint8_t*>(rt.alloc_static(sizes[i]));
    ASSERT_NE(piece, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(piece) % kAlign, 0U) << sizes[i];
    std::memset(piece, static_cast<int>(i + 1), static_cast<std::size_t>(sizes[i]));
    pieces.push_back(piece);
  }
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    for (std::int32_t b = 0; b < sizes[i]; ++b) {
      ASSERT_EQ(pieces[i][b], i + 1) << "piece " << i << " byte " << b;
    }
  }
  EXPECT_EQ(rt.words.pending_error.load(), 0);
}

// 64 opens a block of 64; 16 does not fit and opens 16 + 2 x 64 = 144; 112 fits beside it;
// 32 does not (16 + 112 + 32 > 144) and opens 32 + 2 x 144 = 320.
TEST_F(StaticStorageTest, NewBlocksHoldTheRequestPlusTwiceThePreviousBlock) {
  for (const std::int32_t size : {64, 16, 112, 32}) ASSERT_NE(rt.alloc_static(size), nullptr);
  EXPECT_EQ(block_sizes, (std::vector<std::size_t>{64, 144, 320}));
}

TEST_F(StaticStorageTest, PiecesOfOneBlockFollowEachOther) {
  auto* first = static_cast<std::uint8_t*>(rt.alloc_static(48));
  rt.alloc_static(192);  // a new block of 192 + 2 x 48
  auto* third = static_cast<std::uint8_t*>(rt.alloc_static(32));
  auto* fourth = static_cast<std::uint8_t*>(rt.alloc_static(16));
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(block_sizes, (std::vector<std::size_t>{48, 288}));
  EXPECT_EQ(fourth - third, 32);
}

TEST_F(StaticStorageTest, ZeroSizeGivesUsableAlignedStorage) {
  void* piece = rt.alloc_static(0);
  ASSERT_NE(piece, nullptr);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(piece) % kAlign, 0U);
  EXPECT_NE(rt.alloc_static(16), nullptr);
  EXPECT_EQ(rt.words.pending_error.load(), 0);
}

TEST_F(StaticStorageTest, NegativeSizeRaisesError5) {
  EXPECT_EQ(rt.alloc_static(-1), nullptr);
  EXPECT_EQ(rt.words.pending_error.load(), screen::kIllegalFunctionCall);
  EXPECT_TRUE(block_sizes.empty());
}

TEST_F(StaticStorageTest, FailedAllocationIsCriticalErrorFourAndEndsWithExitCodeZero) {
  ASSERT_NE(rt.alloc_static(64), nullptr);
  refuse = true;
  int exit_code = -1;
  try {
    rt.alloc_static(128);
  } catch (const screen::ProcessExit& exit) {
    exit_code = exit.exit_code;
  }
  EXPECT_EQ(exit_code, 0);
  ASSERT_EQ(platform.boxes.size(), 1U);
  EXPECT_EQ(platform.boxes[0].kind, "critical");
  EXPECT_EQ(platform.boxes[0].caption, "Critical Error #4");
  EXPECT_EQ(platform.boxes[0].text, "Out of memory");
}

// A request that fits the current block takes nothing from the allocator, so a refusal does
// not reach it.
TEST_F(StaticStorageTest, RequestThatFitsNeedsNoNewBlock) {
  ASSERT_NE(rt.alloc_static(64), nullptr);
  ASSERT_NE(rt.alloc_static(16), nullptr);  // block of 144
  refuse = true;
  EXPECT_NE(rt.alloc_static(128), nullptr);
  EXPECT_TRUE(platform.boxes.empty());
}

}  // namespace
