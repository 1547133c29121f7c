#include "pfc/item_collection.h"

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
