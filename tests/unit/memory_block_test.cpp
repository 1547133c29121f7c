#include "pfc/memory_block.h"

#include <gtest/gtest.h>

#include <cstring>

#include "pfc/exceptions.h"
#include "tests/support/test_heap.h"

namespace {

TEST(ResizeBlock, FollowsTheTableOfCases) {
    const uint64_t ops = test_heap::operations();
    EXPECT_EQ(pfc::resize_block(nullptr, 0, 0), nullptr);
    EXPECT_EQ(test_heap::operations(), ops) << "nothing to do asks nothing of the heap";

    void* block = pfc::resize_block(nullptr, 0, 8);
    ASSERT_NE(block, nullptr);
    std::memcpy(block, "abcdefg", 8);
    EXPECT_EQ(pfc::resize_block(block, 8, 8), block) << "the same size keeps the block untouched";

    block = pfc::resize_block(block, 8, 4096);
    EXPECT_STREQ(static_cast<char*>(block), "abcdefg") << "contents survive a move";

    const int64_t live = test_heap::live_blocks();
    EXPECT_EQ(pfc::resize_block(block, 4096, 0), nullptr);
    EXPECT_EQ(test_heap::live_blocks(), live - 1) << "a resize to 0 releases the block";
}

TEST(ResizeBlock, FailureRaisesBadAllocationAndKeepsTheOldBlock) {
    void* block = pfc::allocate_block(4);
    std::memcpy(block, "xyz", 4);
    test_heap::fail_operation(1);
    try {
        pfc::resize_block(block, 4, 64);
        FAIL() << "the refused resize must raise";
    } catch (const std::bad_alloc& e) {
        EXPECT_STREQ(e.what(), "bad allocation");
    }
    EXPECT_STREQ(static_cast<char*>(block), "xyz");
    pfc::release_block(block);
}

TEST(AllocateBlock, FailureRaisesBadAllocation) {
    test_heap::fail_operation(1);
    EXPECT_THROW(pfc::allocate_block(16), pfc::bad_alloc);
}

TEST(PointsInto, CoversTheBlockAndNothingElse) {
    char block[8] = {};
    EXPECT_TRUE(pfc::points_into(block, block, 8));
    EXPECT_TRUE(pfc::points_into(block + 7, block, 8));
    EXPECT_FALSE(pfc::points_into(block + 8, block, 8));
    EXPECT_FALSE(pfc::points_into(nullptr, block, 8));
    EXPECT_FALSE(pfc::points_into(block, nullptr, 0));
    const char elsewhere = 0;
    EXPECT_FALSE(pfc::points_into(&elsewhere, block, 8));
}

}  // namespace
