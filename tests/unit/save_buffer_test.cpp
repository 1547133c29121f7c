#include "config/save_buffer.h"

#include <gtest/gtest.h>

#include <cstring>

#include "pfc/exceptions.h"
#include "tests/support/test_heap.h"

namespace {

TEST(SaveBufferCapacity, DoublesFromOneUntilTheNeedFits) {
    struct row {
        uint32_t capacity, need, expected;
    };
    const row rows[] = {
        {0, 0, 1}, {0, 1, 1}, {0, 5, 8}, {1, 2, 2}, {4, 3, 4}, {8, 9, 16}, {0x40000000, 0x80000000, 0x80000000},
    };
    for (const row& r : rows) {
        EXPECT_EQ(save_buffer_capacity(r.capacity, r.need), r.expected) << r.capacity << " for " << r.need;
    }
    EXPECT_THROW(save_buffer_capacity(0x80000000, 0x80000001), pfc::bad_alloc);
    EXPECT_THROW(save_buffer_capacity(0, 0xFFFFFFFF), pfc::bad_alloc);
}

TEST(SaveBuffer, GrowsOnlyWhenAWriteDoesNotFit) {
    save_buffer buffer;
    EXPECT_EQ(buffer.capacity(), 0u);
    buffer.clear();
    EXPECT_EQ(buffer.capacity(), 1u) << "an emptied buffer has a block of one byte";
    const uint32_t lengths[] = {1, 1, 3, 0, 4};
    const uint32_t capacities[] = {1, 2, 8, 8, 16};
    for (size_t i = 0; i < std::size(lengths); ++i) {
        buffer.append("abcd", lengths[i]);
        EXPECT_EQ(buffer.capacity(), capacities[i]) << "after write " << i;
    }
    EXPECT_EQ(buffer.size(), 9u);
    EXPECT_EQ(std::memcmp(buffer.data(), "aaabcabcd", 9), 0);
    buffer.clear();
    EXPECT_EQ(buffer.size(), 0u);
    EXPECT_EQ(buffer.capacity(), 16u) << "emptying keeps the capacity";
}

TEST(SaveBuffer, FailedGrowthLeavesTheBufferAsItWas) {
    save_buffer buffer;
    buffer.clear();
    buffer.append("xy", 2);
    const void* data = buffer.data();
    test_heap::fail_operation(1);
    EXPECT_THROW(buffer.append("0123456789", 10), pfc::bad_alloc);
    EXPECT_EQ(buffer.data(), data);
    EXPECT_EQ(buffer.size(), 2u);
    EXPECT_EQ(buffer.capacity(), 2u);
    EXPECT_EQ(std::memcmp(buffer.data(), "xy", 2), 0);
}

}  // namespace
