#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "host/host_api.h"
#include "standin/handles.h"
#include "standin/playlists.h"
#include "standin/task_queue.h"

// The opaque class handle the host hands out is one entry of its registry.
struct service_class_ref_t {
    GUID class_guid;
    struct instance {
        service_base* object;
        // How creating the instance goes.
        enum class creation { succeeds, fails, fails_holding_object } outcome;
    };
    std::vector<instance> instances;
    // Creations that may still succeed; the ones after fail.
    uint32_t creations_left = UINT32_MAX;
};

namespace standin {

using creation = service_class_ref_t::instance::creation;

// The stand-in host: the host interface with a registry of service classes, a playlist
// manager, a main-thread queue and the item database, as a player provides them. By
// default the registry holds the playlist manager and the queue once each; a test
// may register more, fewer, or instances that cannot be created.
class host final : public host_api {
public:
    host();
    host(const host&) = delete;
    host& operator=(const host&) = delete;
    ~host() = default;

    service_class_ref find_class(const GUID& class_guid) override;
    bool create_service(service_ptr_t<service_base>& out, service_class_ref class_ref, uint32_t index) override;
    uint32_t service_count(service_class_ref class_ref) override;
    bool is_main_thread() override;
    bool is_initializing() override;

    // Registry of services the component may look up.
    void register_service(const GUID& class_guid, service_base& object, creation outcome = creation::succeeds);
    void clear_services(const GUID& class_guid);
    // Lets only the next count creations of the class succeed.
    void limit_creations(const GUID& class_guid, uint32_t count);

    void set_main_thread(bool value) noexcept { m_main_thread = value; }
    void set_initializing(bool value) noexcept { m_initializing = value; }
    uint64_t main_thread_queries() const noexcept { return m_main_thread_queries; }
    uint64_t initializing_queries() const noexcept { return m_initializing_queries; }

    playlist_manager& playlists() noexcept { return m_playlists; }
    const playlist_manager& playlists() const noexcept { return m_playlists; }
    task_queue& queue() noexcept { return m_queue; }
    handle_pool& handles() noexcept { return m_handles; }

    // Every reference the host handed out has come back and every database lock was
    // unlocked: one line per fault, empty when the host is balanced.
    std::string imbalances() const;

private:
    std::deque<service_class_ref_t> m_classes;
    // Before the playlists, which hold references to the handles until they go.
    handle_pool m_handles;
    playlist_manager m_playlists;
    task_queue m_queue;
    bool m_main_thread = true;
    bool m_initializing = false;
    uint64_t m_main_thread_queries = 0;
    uint64_t m_initializing_queries = 0;
};

}  // namespace standin
