#include "component/owned_string.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_heap.h"

namespace {

std::string text_of(const owned_string& s) { return s.text() != nullptr ? s.text() : "<unset>"; }

TEST(OwnedString, KeepsACopyOfTheWholeText) {
    std::string source = "foo_tallymere.so";
    owned_string s;
    s.assign(source.c_str());
    source[0] = 'X';
    EXPECT_EQ(text_of(s), "foo_tallymere.so");
    s.assign("second");
    EXPECT_EQ(text_of(s), "second") << "a later assignment replaces the first";
}

TEST(OwnedString, EmptyOrMissingTextLeavesItUnset) {
    const int64_t live = test_heap::live_blocks();
    owned_string s;
    s.assign("something");
    s.assign("");
    EXPECT_EQ(s.text(), nullptr);
    EXPECT_EQ(test_heap::live_blocks(), live) << "no block is kept for an empty text";
    s.assign("again");
    s.assign(nullptr);
    EXPECT_EQ(s.text(), nullptr);
}

TEST(OwnedString, AssignsFromInsideItsOwnBlock) {
    struct row {
        size_t offset;
        const char* expected;
    };
    const row rows[] = {{0, "/music/player"}, {7, "player"}, {12, "r"}, {13, "<unset>"}};
    for (const row& r : rows) {
        owned_string s;
        s.assign("/music/player");
        s.assign(s.text() + r.offset);
        EXPECT_EQ(text_of(s), r.expected) << "offset " << r.offset;
    }
}

TEST(OwnedString, AllocationFailureKeepsThePreviousText) {
    struct row {
        const char* name;
        size_t offset;  // where the assigned text starts in the string's own block, or npos
        const char* other;
    };
    const row rows[] = {
        {"from outside", std::string::npos, "a much longer text than before"},
        {"own tail", 3, nullptr},
    };
    for (const row& r : rows) {
        owned_string s;
        const int64_t live = test_heap::live_blocks();
        const uint64_t points = test_heap::fail_each(
            [&] { s.assign("old text"); }, [&] { s.assign(r.other != nullptr ? r.other : s.text() + r.offset); },
            [&](uint64_t nth, bool failed) {
                EXPECT_TRUE(failed) << r.name << ", failure " << nth;
                EXPECT_EQ(text_of(s), "old text") << r.name << ", failure " << nth;
                EXPECT_EQ(test_heap::live_blocks(), live + 1) << r.name << ": the temporary copy is released";
            });
        EXPECT_GE(points, 1u) << r.name;
    }
}

}  // namespace
