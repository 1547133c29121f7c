#pragma once

#include <cstdint>

// A 16-byte identifier of a service class, a published object, a menu item or a
// configuration variable. The layout is part of the host boundary and of the stored
// configuration: 32-bit, 16-bit and 16-bit fields, then eight bytes, no padding.
struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};

static_assert(sizeof(GUID) == 16, "GUID must be 16 bytes without padding");

// Field by field, as the host compares them.
constexpr bool operator==(const GUID& a, const GUID& b) {
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
    for (int i = 0; i < 8; ++i) {
        if (a.Data4[i] != b.Data4[i]) return false;
    }
    return true;
}

constexpr bool operator!=(const GUID& a, const GUID& b) { return !(a == b); }

inline constexpr GUID null_guid = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
