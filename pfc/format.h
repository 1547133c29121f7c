#pragma once

#include <cstdint>

// Rendering of counts and durations, and the backward search that finds a summary in
// a name. Free functions over caller-owned areas: no state, no allocation.
namespace pfc {

// Longest output of format_uint, terminator included.
inline constexpr uint32_t format_uint_size = 64;
// Longest output of format_duration, terminator included.
inline constexpr uint32_t format_duration_size = 25;

// "Not found" from find_last.
inline constexpr uint32_t not_found = 0xFFFFFFFF;

// value in base (2 to 36; digits 0-9 then A-Z), left-padded with 0 to at least
// min_digits digits (0 counts as 1, more than 63 as 63). At most 63 digits are
// written: in base 2 a value with its top bit set loses that bit. Answers out.
char* format_uint(char* out, uint64_t value, uint32_t min_digits, uint32_t base);

// seconds as [Wwk ][Dd ]H:MM:SS, or M:SS below an hour. The day field appears
// whenever there are weeks and the hour field whenever there are days; the week count
// wraps at 2^32; a negative value renders as 0:00. Answers out.
char* format_duration(char* out, int64_t seconds);

// 0 when text (at most text_max bytes) begins with pattern (at most pattern_max
// bytes); otherwise -1 or 1 by the first differing byte, compared as signed 8-bit
// values, a text that ends early reading as zero bytes. None is the empty text.
int32_t prefix_compare(const char* text, uint32_t text_max, const char* pattern, uint32_t pattern_max) noexcept;

// Where the last occurrence of pattern begins that begins at or before start, or
// not_found. An empty pattern is found at the smaller of the text's length and start.
uint32_t find_last(const char* text, const char* pattern, uint32_t start) noexcept;

}  // namespace pfc
