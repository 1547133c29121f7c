#pragma once

#include <algorithm>
#include <cstdint>

#include "pfc/array.h"
#include "pfc/list_base.h"

namespace pfc {

// A list over a storage array. Items move inside it only by exchanging slots, so a
// move never copies an item; an item is copied only when it enters the list.
template <class T, class Storage>
class list_impl_t : public list_base_t<T> {
public:
    list_impl_t() noexcept = default;
    list_impl_t(const list_impl_t&) = delete;
    list_impl_t& operator=(const list_impl_t&) = delete;
    ~list_impl_t() = default;

    // The operations are final, so that callers that know the list's type reach them
    // without the table.
    uint32_t count() const final { return m_storage.size(); }

    void copy_item(T& out, uint32_t index) const final { out = m_storage[index]; }

    // Gathers the kept items at the front in their order, found through the mask's
    // search alone, then cuts the rest off in one resize. Nothing to drop: no resize.
    void keep_marked(const selection_mask& mask) final {
        const uint32_t k = count();
        uint32_t d = mask.search(false, 0, k);
        if (d >= k) return;
        uint32_t j = mask.search(true, d + 1, k - d - 1);
        while (j < k) {
            swap_at(d, j);
            ++d;
            j = mask.search(true, j + 1, k - j - 1);
        }
        m_storage.resize(d);
    }

    uint32_t insert_list(const list_base_const_t<T>& source, uint32_t position) final {
        return insert_items(source, position);
    }

    // insert_list for a source whose type the caller knows, so that its count and
    // copy_item are reached directly.
    template <class Source>
    uint32_t insert_items(const Source& source, uint32_t position) {
        const uint32_t k = count();
        if (position > k) position = k;
        const uint32_t q = source.count();
        if (q > UINT32_MAX - k) throw bad_alloc();
        m_storage.resize(k + q);
        // The tail moves up by q; the new empty slots move down into the gap.
        for (uint32_t i = k; i > position; --i) swap_at(i - 1, i - 1 + q);
        for (uint32_t j = 0; j < q; ++j) source.copy_item(m_storage[position + j], j);
        return position;
    }

    // order must be a permutation of 0 to count - 1. Applied in place by exchanges:
    // the item for place i is followed through the places already filled.
    void reorder_range(uint32_t base, const uint32_t* order, uint32_t count) final {
        for (uint32_t i = 0; i < count; ++i) {
            uint32_t from = order[i];
            while (from < i) from = order[from];
            if (from != i) swap_at(base + i, base + from);
        }
    }

    void sort_items(list_sort_callback<T>& callback) final {
        std::sort(begin(), end(), [&](const T& a, const T& b) { return callback.compare(a, b) < 0; });
    }

    void sort_items_stable(list_sort_callback<T>& callback) final {
        std::stable_sort(begin(), end(), [&](const T& a, const T& b) { return callback.compare(a, b) < 0; });
    }

    void replace_at(uint32_t index, const T& item) final { m_storage[index] = item; }

    void exchange_with(uint32_t index, T& item) final { swap(m_storage[index], item); }

    void swap_at(uint32_t first, uint32_t second) final { swap(m_storage[first], m_storage[second]); }

    uint32_t capacity() const noexcept { return m_storage.capacity(); }

private:
    T* begin() noexcept { return count() != 0 ? &m_storage[0] : nullptr; }
    T* end() noexcept { return count() != 0 ? &m_storage[0] + count() : nullptr; }

    static void swap(T& a, T& b) noexcept { a.swap(b); }

    Storage m_storage;
};

template <class T, class Alloc>
class list_t : public list_impl_t<T, array_t<T, Alloc>> {};

}  // namespace pfc
