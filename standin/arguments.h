#pragma once

#include <cstdint>
#include <vector>

#include "host/metadb_handle.h"
#include "host/selection_mask.h"

namespace standin {

// An empty list of handles and an empty mask, for the arguments of notifications that
// a host must pass but that the component does not read.
struct no_items final : handle_list_const {
    uint32_t count() const override { return 0; }
    void copy_item(service_ptr_t<metadb_handle>&, uint32_t) const override {}
};

struct no_marks final : selection_mask {
    bool is_set(uint32_t) const override { return false; }
    uint32_t search(bool value, uint32_t start, uint32_t count) const override { return value ? start + count : start; }
};

// A mask over an explicit set of marks, as a host passes with its notifications.
class marks final : public selection_mask {
public:
    explicit marks(std::vector<bool> set) : m_set(std::move(set)) {}
    bool is_set(uint32_t index) const override { return index < m_set.size() && m_set[index]; }
    uint32_t search(bool value, uint32_t start, uint32_t count) const override {
        for (uint32_t i = start; i < start + count; ++i) {
            if (is_set(i) == value) return i;
        }
        return start + count;
    }

private:
    std::vector<bool> m_set;
};

}  // namespace standin
