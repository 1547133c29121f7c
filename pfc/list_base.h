#pragma once

#include <cstdint>

#include "host/selection_mask.h"

namespace pfc {

// A read-only list. The host hands such lists to the component's notifications; the
// component hands none to the host.
template <class T>
class list_base_const_t {
public:
    // Slot 1: the number of items.
    virtual uint32_t count() const = 0;
    // Slot 2: assigns item index to out; index must be below the count.
    virtual void copy_item(T& out, uint32_t index) const = 0;

protected:
    ~list_base_const_t() = default;
};

// Orders two items for sort_items: negative, zero or positive.
template <class T>
class list_sort_callback {
public:
    virtual int32_t compare(const T& a, const T& b) = 0;

protected:
    ~list_sort_callback() = default;
};

// A modifiable list: the read-only table, then eight operations. Index arguments must
// be below the count.
template <class T>
class list_base_t : public list_base_const_t<T> {
public:
    // Slot 3: keeps the items the mask marks, in their order; drops the others.
    virtual void keep_marked(const selection_mask& mask) = 0;
    // Slot 4: inserts copies of the source's items before position (clamped to the
    // count); answers the position used.
    virtual uint32_t insert_list(const list_base_const_t<T>& source, uint32_t position) = 0;
    // Slot 5: item base + i becomes the item that stood at base + order[i].
    virtual void reorder_range(uint32_t base, const uint32_t* order, uint32_t count) = 0;
    // Slot 6: sorts the items by the callback.
    virtual void sort_items(list_sort_callback<T>& callback) = 0;
    // Slot 7: sorts the items by the callback, keeping equal items in their order.
    virtual void sort_items_stable(list_sort_callback<T>& callback) = 0;
    // Slot 8: assigns item to slot index.
    virtual void replace_at(uint32_t index, const T& item) = 0;
    // Slot 9: exchanges slot index with the caller's item.
    virtual void exchange_with(uint32_t index, T& item) = 0;
    // Slot 10: exchanges two slots.
    virtual void swap_at(uint32_t first, uint32_t second) = 0;

protected:
    ~list_base_t() = default;
};

}  // namespace pfc
