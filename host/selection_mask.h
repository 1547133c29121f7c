#pragma once

#include <cstdint>

// Which indexes of a list are marked. Used in both directions: the host passes masks
// with its notifications, and the component passes its own to the host's enumeration.
class selection_mask {
public:
    // Slot 1: whether index is marked.
    virtual bool is_set(uint32_t index) const = 0;
    // Slot 2: the first index from start, within the next count indexes, whose mark
    // equals value; start + count when there is none.
    virtual uint32_t search(bool value, uint32_t start, uint32_t count) const = 0;

protected:
    ~selection_mask() = default;
};
