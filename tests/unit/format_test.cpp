#include "pfc/format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

TEST(FormatDuration, RendersEveryRowOfTheTable) {
    struct row {
        int64_t seconds;
        const char* text;
    };
    const row rows[] = {
        {INT64_MIN, "0:00"},
        {-1, "0:00"},
        {0, "0:00"},
        {59, "0:59"},
        {60, "1:00"},
        {599, "9:59"},
        {3599, "59:59"},
        {3600, "1:00:00"},
        {13267, "3:41:07"},
        {86399, "23:59:59"},
        {86400, "1d 0:00:00"},
        {90061, "1d 1:01:01"},
        {604799, "6d 23:59:59"},
        {604800, "1wk 0d 0:00:00"},
        {694861, "1wk 1d 1:01:01"},
        {31536000, "52wk 1d 0:00:00"},
        {INT64_MAX, "3150551671wk 3d 15:30:07"},
    };
    for (const row& r : rows) {
        char out[pfc::format_duration_size + 8];
        std::memset(out, 'X', sizeof out);
        EXPECT_EQ(pfc::format_duration(out, r.seconds), out);
        EXPECT_STREQ(out, r.text) << r.seconds;
        EXPECT_LT(std::strlen(out), pfc::format_duration_size);
    }
}

TEST(FormatUint, RendersEveryRowOfTheTable) {
    struct row {
        uint64_t value;
        uint32_t min_digits;
        uint32_t base;
        std::string text;
    };
    const row rows[] = {
        {0, 0, 10, "0"},
        {57, 0, 10, "57"},
        {57, 5, 10, "00057"},
        {0, 3, 10, "000"},
        {255, 0, 16, "FF"},
        {35, 0, 36, "Z"},
        {UINT64_MAX, 0, 10, "18446744073709551615"},
        {5, 100, 10, std::string(62, '0') + "5"},
        {0, 64, 10, std::string(63, '0')},
        {1234567890, 0, 10, "1234567890"},
        {10, 0, 2, "1010"},
        {UINT64_MAX, 0, 2, std::string(63, '1')},
        {uint64_t{1} << 63, 0, 2, "0"},
        {(uint64_t{1} << 63) | 4, 0, 2, "100"},
        {UINT64_MAX, 0, 36, "3W5E11264SGSF"},
    };
    for (const row& r : rows) {
        char out[pfc::format_uint_size];
        EXPECT_EQ(pfc::format_uint(out, r.value, r.min_digits, r.base), out);
        EXPECT_EQ(out, r.text) << r.value << " base " << r.base << " min " << r.min_digits;
    }
}

TEST(PrefixCompare, ComparesSignedBytesUpToThePattern) {
    struct row {
        const char* text;
        uint32_t text_max;
        const char* pattern;
        uint32_t pattern_max;
        int32_t result;
    };
    const row rows[] = {
        {"Rock [57]", 0xFFFFFFFF, "Rock", 0xFFFFFFFF, 0},
        {"Rock", 0xFFFFFFFF, "Rock [", 0xFFFFFFFF, -1},
        {"abc", 0xFFFFFFFF, "", 0xFFFFFFFF, 0},
        {nullptr, 0xFFFFFFFF, nullptr, 0xFFFFFFFF, 0},
        {nullptr, 0xFFFFFFFF, "a", 0xFFFFFFFF, -1},
        {"b", 0xFFFFFFFF, "a", 0xFFFFFFFF, 1},
        {"abc", 2, "abc", 0xFFFFFFFF, -1},
        {"abX", 0xFFFFFFFF, "abc", 2, 0},
        {"\xC3", 0xFFFFFFFF, "a", 0xFFFFFFFF, -1},  // bytes above 127 are negative
    };
    for (const row& r : rows) {
        EXPECT_EQ(pfc::prefix_compare(r.text, r.text_max, r.pattern, r.pattern_max), r.result)
            << (r.text ? r.text : "<none>") << " / " << (r.pattern ? r.pattern : "<none>");
    }
}

TEST(FindLast, FindsTheLastOccurrenceStartingAtOrBeforeStart) {
    struct row {
        const char* text;
        const char* pattern;
        uint32_t start;
        uint32_t result;
    };
    const row rows[] = {
        {"Rock [57 / 3:41:07]", " [", 0xFFFFFFFF, 4},
        {"Rock [57 / 3:41:07]", "]", 0xFFFFFFFF, 18},
        {"Rock", " [", 0xFFFFFFFF, pfc::not_found},
        {"x [1] [2]", " [", 0xFFFFFFFF, 5},
        {"x [1] [2]", " [", 3, 1},
        {"aaaa", "aa", 0xFFFFFFFF, 2},
        {"", "]", 0xFFFFFFFF, pfc::not_found},
        {nullptr, "]", 0xFFFFFFFF, pfc::not_found},
        {"abc", "", 0xFFFFFFFF, 3},
        {"abc", "", 1, 1},
        {"abc", nullptr, 0xFFFFFFFF, 3},
        {nullptr, nullptr, 0xFFFFFFFF, 0},
        {"ab", "abc", 0xFFFFFFFF, pfc::not_found},
        {"abab", "ab", 1, 0},
        {"abab", "ab", 2, 2},
    };
    for (const row& r : rows) {
        EXPECT_EQ(pfc::find_last(r.text, r.pattern, r.start), r.result)
            << (r.text ? r.text : "<none>") << " / " << (r.pattern ? r.pattern : "<none>") << " from " << r.start;
    }
}

}  // namespace
