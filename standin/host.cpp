#include "standin/host.h"

#include <sstream>

namespace standin {

host::host() {
    register_service(playlist_service::class_guid, m_playlists);
    register_service(main_thread_queue::class_guid, m_queue);
}

service_class_ref host::find_class(const GUID& class_guid) {
    for (auto& entry : m_classes) {
        if (entry.class_guid == class_guid) return &entry;
    }
    return &m_classes.emplace_back(service_class_ref_t{class_guid, {}});
}

bool host::create_service(service_ptr_t<service_base>& out, service_class_ref class_ref, uint32_t index) {
    if (class_ref == nullptr || index >= class_ref->instances.size()) return false;
    const auto& instance = class_ref->instances[index];
    if (class_ref->creations_left == 0) return false;
    --class_ref->creations_left;
    switch (instance.outcome) {
        case creation::succeeds:
            out.reset(instance.object);
            return true;
        case creation::fails_holding_object:
            out.reset(instance.object);
            return false;
        case creation::fails:
            break;
    }
    return false;
}

uint32_t host::service_count(service_class_ref class_ref) {
    return class_ref != nullptr ? static_cast<uint32_t>(class_ref->instances.size()) : 0;
}

bool host::is_main_thread() {
    ++m_main_thread_queries;
    return m_main_thread;
}

bool host::is_initializing() {
    ++m_initializing_queries;
    return m_initializing;
}

void host::register_service(const GUID& class_guid, service_base& object, creation outcome) {
    find_class(class_guid)->instances.push_back({&object, outcome});
}

void host::clear_services(const GUID& class_guid) { find_class(class_guid)->instances.clear(); }

void host::limit_creations(const GUID& class_guid, uint32_t count) { find_class(class_guid)->creations_left = count; }

std::string host::imbalances() const {
    std::ostringstream faults;
    if (m_playlists.references() != 0)
        faults << "playlist manager holds " << m_playlists.references() << " references\n";
    if (m_queue.references() != 0) faults << "task queue holds " << m_queue.references() << " references\n";
    if (m_queue.survivors() != 0) faults << m_queue.survivors() << " tasks outlived the host's reference\n";
    size_t index = 0;
    for (const auto& handle : m_handles.all()) {
        const int32_t expected = m_playlists.held_references(handle);
        if (handle.references() != expected) {
            faults << "handle " << index << " holds " << handle.references() << " references, expected " << expected
                   << "\n";
        }
        if (handle.lock_depth() != 0) faults << "handle " << index << " lock depth " << handle.lock_depth() << "\n";
        if (handle.unlocked_reads() != 0) faults << "handle " << index << " read outside a lock\n";
        ++index;
    }
    return faults.str();
}

}  // namespace standin
