#include "pfc/string8.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "pfc/empty_text.h"
#include "pfc/exceptions.h"
#include "tests/support/test_heap.h"

namespace {

using pfc::string8_t;

std::string text(const string_base& s) { return std::string(s.text_ptr(), s.text_length()); }

TEST(String8, FreshBufferHasNoBlock) {
    string8_t s;
    EXPECT_EQ(s.text_ptr(), pfc::empty_text);
    EXPECT_EQ(s.text_length(), 0u);
    EXPECT_EQ(s.block(), nullptr);
    EXPECT_EQ(s.capacity(), 0u);
}

TEST(String8, CapacityFollowsTheRuleThroughAssignments) {
    struct row {
        uint32_t length;
        uint32_t capacity;
    };
    // 10 bytes grow a fresh block to 27; 20 fit; 30 grow to 47; 1 shrinks to 2.
    const row rows[] = {{10, 27}, {20, 27}, {30, 47}, {1, 2}, {0, 2}, {17, 34}};
    string8_t s;
    string_base& host_view = s;
    for (const row& r : rows) {
        const std::string assigned(r.length, 'a');
        host_view.assign_text(assigned.c_str(), whole_text);
        EXPECT_EQ(s.capacity(), r.capacity) << "after assigning " << r.length << " bytes";
        EXPECT_EQ(text(s), assigned);
        EXPECT_EQ(s.block()[r.length], 0);
    }
}

TEST(String8, CapacityRuleHasItsBoundaries) {
    struct row {
        uint32_t capacity;
        uint64_t need;
        uint32_t result;
    };
    const row rows[] = {{0, 1, 17},   {10, 11, 27}, {11, 11, 11},
                        {43, 11, 43}, {44, 11, 11}, {0, 0xFFFFFFEF, 0xFFFFFFFF}};
    for (const row& r : rows)
        EXPECT_EQ(pfc::string_capacity(r.capacity, r.need), r.result) << r.capacity << "/" << r.need;
    EXPECT_THROW(pfc::string_capacity(0, 0xFFFFFFF0), pfc::bad_alloc);
    EXPECT_THROW(pfc::string_capacity(0, uint64_t{0xFFFFFFFF} + 1), pfc::bad_alloc);
}

TEST(String8, EmptyTextsAndMaximums) {
    string8_t s;
    s.assign_text("", whole_text);
    EXPECT_EQ(s.capacity(), 17u);
    EXPECT_EQ(s.block()[0], 0);
    EXPECT_EQ(s.text_ptr(), pfc::empty_text) << "an empty buffer hands out the shared empty text, not its block";

    const char unterminated[1] = {'x'};
    s.assign_text("abc", whole_text);
    s.append_text(unterminated, 0);
    EXPECT_EQ(text(s), "abc") << "appending with maximum 0 reads nothing";
    s.assign_text(unterminated, 0);
    EXPECT_EQ(text(s), "") << "assigning with maximum 0 empties without reading";
    s.assign_text(nullptr, whole_text);
    EXPECT_EQ(s.text_length(), 0u);
    s.append_text(nullptr, 5);
    EXPECT_EQ(s.text_length(), 0u);

    s.assign_text("abc\0efg", 7);
    EXPECT_EQ(s.text_length(), 3u) << "a maximum past the text stops at its zero byte";
    s.assign_text("abcdefg", 4);
    EXPECT_EQ(text(s), "abcd");
    s.append_text("xyz", 2);
    EXPECT_EQ(text(s), "abcdxy");
}

TEST(String8, AppendsAndAssignsFromItsOwnBlock) {
    string8_t s("abcdefghij", whole_text);
    s.append_text(s.text_ptr(), whole_text);
    EXPECT_EQ(text(s), "abcdefghijabcdefghij");
    s.append_text(s.text_ptr() + 18, 1);
    EXPECT_EQ(text(s), "abcdefghijabcdefghiji");
    s.assign_text(s.text_ptr() + 15, whole_text);
    EXPECT_EQ(text(s), "fghiji");
    s.assign_text(s.text_ptr() + 1, 3);
    EXPECT_EQ(text(s), "ghi");
}

TEST(String8, TruncateChangesOnlyALongerText) {
    string8_t s(std::string(40, 'n').c_str(), whole_text);
    s.fit_capacity(57);
    ASSERT_EQ(s.capacity(), 57u);
    s.truncate_to(40);
    s.truncate_to(1000);
    EXPECT_EQ(s.capacity(), 57u) << "nothing at all happens, the capacity rule included";
    EXPECT_EQ(s.text_length(), 40u);
    s.truncate_to(0);
    EXPECT_EQ(s.capacity(), 1u);
    EXPECT_EQ(s.text_ptr(), pfc::empty_text);
}

TEST(String8, OpenAndCloseBuffer) {
    string8_t s(std::string(33, 'q').c_str(), whole_text);
    ASSERT_EQ(s.capacity(), 50u);
    string_base& host_view = s;
    char* area = host_view.open_buffer(30);
    EXPECT_EQ(area, s.block());
    EXPECT_EQ(s.capacity(), 50u);
    for (uint32_t i = 0; i < 50; ++i) ASSERT_EQ(area[i], 0) << "every byte of the block is zeroed, byte " << i;
    std::memcpy(area, "hello", 5);
    host_view.close_buffer();
    EXPECT_EQ(text(s), "hello");
    EXPECT_EQ(s.capacity(), 6u);
}

TEST(String8, CloseBufferNeverReadsPastTheBlock) {
    string8_t s;
    char* area = s.open_buffer(3);
    ASSERT_EQ(s.capacity(), 20u);
    std::memset(area, 'z', s.capacity());  // a writer that ignored the promise of a zero byte
    s.close_buffer();
    EXPECT_EQ(text(s), std::string(19, 'z')) << "the block's last byte becomes the terminator";

    string8_t never_opened;
    never_opened.close_buffer();
    EXPECT_EQ(never_opened.text_length(), 0u);
}

TEST(String8, SizeComputationsPastThirtyTwoBitsFail) {
    string8_t s("kept", whole_text);
    EXPECT_THROW(s.open_buffer(0xFFFFFFFF), pfc::bad_alloc);
    EXPECT_THROW(s.open_buffer(0xFFFFFFF0), pfc::bad_alloc);
    EXPECT_EQ(text(s), "kept");
    EXPECT_EQ(s.capacity(), 21u);
}

// Each operation, with each of its allocations failing in turn, leaves the buffer's
// block, capacity and text as they were (truncate_to keeps its shorter text).
TEST(String8, AllocationFailureLeavesTheBufferAsItWas) {
    struct row {
        const char* name;
        void (*op)(string8_t&);
        bool keeps_text;
    };
    const row rows[] = {
        {"append", [](string8_t& s) { s.append_text(" and a longer tail", whole_text); }, true},
        {"append own text", [](string8_t& s) { s.append_text(s.text_ptr(), whole_text); }, true},
        {"assign", [](string8_t& s) { s.assign_text("short", whole_text); }, true},
        {"assign own tail", [](string8_t& s) { s.assign_text(s.text_ptr() + 30, whole_text); }, true},
        {"open buffer", [](string8_t& s) { s.open_buffer(200); }, true},
        {"truncate", [](string8_t& s) { s.truncate_to(2); }, false},
        {"close buffer",
         [](string8_t& s) {
             const_cast<char*>(s.block())[3] = 0;
             s.close_buffer();
         },
         false},
    };
    const std::string start(40, 's');
    for (const row& r : rows) {
        std::optional<string8_t> s;
        const char* block = nullptr;
        const int64_t live = test_heap::live_blocks();
        const uint64_t points = test_heap::fail_each(
            [&] {
                s.reset();
                s.emplace(start.c_str(), whole_text);
                block = s->block();
            },
            [&] { r.op(*s); },
            [&](uint64_t nth, bool failed) {
                EXPECT_TRUE(failed) << r.name << " " << nth;
                EXPECT_EQ(s->block(), block) << r.name << " " << nth;
                EXPECT_EQ(s->capacity(), 57u) << r.name << " " << nth;
                if (r.keeps_text) {
                    EXPECT_EQ(text(*s), start) << r.name << " " << nth;
                }
                EXPECT_EQ(test_heap::live_blocks(), live + 1) << r.name << ": copies are released";
            });
        EXPECT_GE(points, 1u) << r.name;
    }
}

}  // namespace
