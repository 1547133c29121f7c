#pragma once

#include <cstdint>

#include "host/playlist_service.h"
#include "pfc/handle_list.h"

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

// Appends every item the host reports to a list it does not own.
class item_collector final : public item_receiver {
public:
    explicit item_collector(handle_list_base& list) noexcept : m_list(list) {}

    bool receive_item(uint32_t index, const service_ptr_t<metadb_handle>& handle, bool selected) override;

private:
    handle_list_base& m_list;
};

// Empties list, then appends every item of the playlist in the host's order.
void collect_playlist_items(playlist_service& playlists, uint32_t playlist, handle_list_base& list);

// The item's length in seconds, read inside the host's database lock; 0 when the host
// has no info for it.
double item_length(metadb_handle& handle);

// The sum of the items' lengths that are greater than 0 (0, negative and not-a-number
// lengths add nothing), in list order.
double total_length(const handle_list_const& list);
