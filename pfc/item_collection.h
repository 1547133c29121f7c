#pragma once

#include <cstdint>

#include "host/playlist_service.h"
#include "pfc/handle_list.h"
#include "pfc/masks.h"

// A read-only list of count items, each the same counted pointer, which stays its
// owner's: viewing it takes no reference.
template <class T>
class single_item_view final : public pfc::list_base_const_t<T> {
public:
    single_item_view(const T& item, uint32_t count) noexcept : m_item(item), m_count(count) {}

    uint32_t count() const override { return m_count; }
    void copy_item(T& out, uint32_t) const override { out = m_item; }

private:
    const T& m_item;
    uint32_t m_count;
};

// Appends every item the host reports to a list it does not own: one counted copy
// per item. List is any modifiable list of handles; with the list's own type the
// append is reached without going through the tables.
template <class List = handle_list_base>
class item_collector_t final : public item_receiver {
public:
    explicit item_collector_t(List& list) noexcept : m_list(list) {}

    bool receive_item(uint32_t, const service_ptr_t<metadb_handle>& handle, bool) override {
        const single_item_view<service_ptr_t<metadb_handle>> one(handle, 1);
        if constexpr (requires { m_list.insert_items(one, 0u); }) {
            m_list.insert_items(one, m_list.count());
        } else {
            m_list.insert_list(one, m_list.count());
        }
        return true;
    }

private:
    List& m_list;
};

using item_collector = item_collector_t<>;

// Empties list, then appends every item of the playlist in the host's order.
template <class List>
void collect_playlist_items(playlist_service& playlists, uint32_t playlist, List& list) {
    list.keep_marked(pfc::mask_none());
    item_collector_t<List> collector(list);
    playlists.enumerate_items(playlist, collector, pfc::mask_all());
}

// The item's length in seconds, read inside the host's database lock; 0 when the host
// has no info for it.
double item_length(metadb_handle& handle);

// The sum of the items' lengths that are greater than 0 (0, negative and not-a-number
// lengths add nothing), in list order. It reads the list only through count and
// copy_item, so any read-only list of handles will do.
template <class List>
double total_length(const List& list) {
    double total = 0.0;
    const uint32_t count = list.count();
    for (uint32_t i = 0; i < count; ++i) {
        service_ptr_t<metadb_handle> item;
        list.copy_item(item, i);
        if (!item) continue;
        const double length = item_length(*item);
        if (length > 0) total = length + total;
    }
    return total;
}
