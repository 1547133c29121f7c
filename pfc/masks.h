#pragma once

#include <cstdint>

#include "host/selection_mask.h"

namespace pfc {

// Marks every index.
class mask_all final : public selection_mask {
public:
    bool is_set(uint32_t) const override { return true; }
    uint32_t search(bool value, uint32_t start, uint32_t count) const override { return value ? start : start + count; }
};

// Marks no index.
class mask_none final : public selection_mask {
public:
    bool is_set(uint32_t) const override { return false; }
    uint32_t search(bool value, uint32_t start, uint32_t count) const override { return value ? start + count : start; }
};

}  // namespace pfc
