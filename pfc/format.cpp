#include "pfc/format.h"

#include <cstring>

#include "pfc/string8.h"

namespace pfc {

namespace {

// "00" to "99": two decimal digits per division halves the divisions, the usual
// trick of fast integer formatting.
constexpr char digit_pairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

constexpr uint32_t max_digits = 63;

// Writes the decimal digits of value so that they end just before end; answers where
// they begin.
char* decimal_backwards(char* end, uint64_t value) {
    while (value >= 100) {
        const auto pair = static_cast<uint32_t>(value % 100) * 2;
        value /= 100;
        *--end = digit_pairs[pair + 1];
        *--end = digit_pairs[pair];
    }
    if (value >= 10) {
        const auto pair = static_cast<uint32_t>(value) * 2;
        *--end = digit_pairs[pair + 1];
        *--end = digit_pairs[pair];
    } else {
        *--end = static_cast<char>('0' + value);
    }
    return end;
}

// Writes value in decimal at out; answers the end.
char* put_decimal(char* out, uint32_t value) {
    char scratch[10];
    char* const end = scratch + sizeof scratch;
    const char* begin = decimal_backwards(end, value);
    const auto length = static_cast<size_t>(end - begin);
    std::memcpy(out, begin, length);
    return out + length;
}

// Writes value (below 100) as two digits at out; answers the end.
char* put_two_digits(char* out, uint32_t value) {
    out[0] = digit_pairs[value * 2];
    out[1] = digit_pairs[value * 2 + 1];
    return out + 2;
}

}  // namespace

char* format_uint(char* out, uint64_t value, uint32_t min_digits, uint32_t base) {
    if (min_digits > max_digits) min_digits = max_digits;
    if (min_digits == 0) min_digits = 1;

    // The digits fill a scratch of max_digits from its end; everything before the
    // first digit written reads as '0', so only the digits themselves are produced.
    char scratch[max_digits];
    char* const end = scratch + max_digits;
    char* first;
    if (base == 10) {
        first = decimal_backwards(end, value);  // 20 digits at most: never cut
    } else {
        first = end;
        do {
            const auto digit = static_cast<uint32_t>(value % base);
            value /= base;
            *--first = static_cast<char>(digit < 10 ? '0' + digit : 'A' + (digit - 10));
        } while (value != 0 && first != scratch);
        // A value cut to its low 63 digits may now lead with zeros.
        while (first != end - 1 && *first == '0') ++first;
    }
    char* const padded = end - min_digits;
    while (first > padded) *--first = '0';
    const auto length = static_cast<size_t>(end - first);
    std::memcpy(out, first, length);
    out[length] = 0;
    return out;
}

char* format_duration(char* out, int64_t seconds) {
    const uint64_t total = seconds > 0 ? static_cast<uint64_t>(seconds) : 0;
    const auto weeks = static_cast<uint32_t>(total / 604800);
    const auto days = static_cast<uint32_t>(total / 86400 % 7);
    const auto hours = static_cast<uint32_t>(total / 3600 % 24);
    const auto minutes = static_cast<uint32_t>(total / 60 % 60);
    const auto secs = static_cast<uint32_t>(total % 60);

    char* p = out;
    if (weeks != 0) {
        p = put_decimal(p, weeks);
        std::memcpy(p, "wk ", 3);
        p += 3;
    }
    if (days != 0 || weeks != 0) {
        p = put_decimal(p, days);
        std::memcpy(p, "d ", 2);
        p += 2;
    }
    if (hours != 0 || days != 0 || weeks != 0) {
        p = put_decimal(p, hours);
        *p++ = ':';
        p = put_two_digits(p, minutes);
    } else {
        p = put_decimal(p, minutes);
    }
    *p++ = ':';
    p = put_two_digits(p, secs);
    *p = 0;
    return out;
}

int32_t prefix_compare(const char* text, uint32_t text_max, const char* pattern, uint32_t pattern_max) noexcept {
    const uint32_t b = bounded_length(pattern, pattern_max);
    // Only the first b bytes of the text are compared, so its length is sought no
    // further: a backward search then costs the pattern's length per position.
    const uint32_t a = bounded_length(text, text_max < b ? text_max : b);
    for (uint32_t i = 0; i < b; ++i) {
        const auto t = static_cast<signed char>(i < a ? text[i] : 0);
        const auto p = static_cast<signed char>(pattern[i]);
        if (t != p) return t < p ? -1 : 1;
    }
    return 0;
}

uint32_t find_last(const char* text, const char* pattern, uint32_t start) noexcept {
    const uint32_t tl = bounded_length(text, UINT32_MAX);
    const uint32_t pl = bounded_length(pattern, UINT32_MAX);
    if (tl < pl) return not_found;
    uint32_t pos = tl - pl < start ? tl - pl : start;
    for (;;) {
        if (prefix_compare(text + pos, tl - pos, pattern, pl) == 0) return pos;
        if (pos == 0) return not_found;
        --pos;
    }
}

}  // namespace pfc
