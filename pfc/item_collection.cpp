#include "pfc/item_collection.h"

#include "pfc/masks.h"

bool item_collector::receive_item(uint32_t, const service_ptr_t<metadb_handle>& handle, bool) {
    m_list.insert_list(single_item_view<service_ptr_t<metadb_handle>>(handle, 1), m_list.count());
    return true;
}

void collect_playlist_items(playlist_service& playlists, uint32_t playlist, handle_list_base& list) {
    list.keep_marked(pfc::mask_none());
    item_collector collector(list);
    playlists.enumerate_items(playlist, collector, pfc::mask_all());
}

namespace {

// Holds the host's database lock for one item while its info is read.
class database_lock {
public:
    explicit database_lock(metadb_handle& handle) : m_handle(handle) { m_handle.database_lock(); }
    database_lock(const database_lock&) = delete;
    database_lock& operator=(const database_lock&) = delete;
    ~database_lock() { m_handle.database_unlock(); }

private:
    metadb_handle& m_handle;
};

}  // namespace

double item_length(metadb_handle& handle) {
    const service_ptr_t<metadb_handle> reference(&handle);
    const database_lock lock(handle);
    const item_info* info = nullptr;
    return handle.get_info_if_available(info) && info != nullptr ? info->get_length() : 0.0;
}

double total_length(const handle_list_const& list) {
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
