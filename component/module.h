#pragma once

#include <cstdint>

#include "component/owned_string.h"
#include "host/host_api.h"

// What the host hands over at load time, kept for the module's life. Plain values:
// only the entry function and the client's operations write them, on the host's
// thread.
class module_state {
public:
    // The entry function's arguments; a later call replaces them.
    void connect(host_api* host, void* instance) noexcept {
        m_host = host;
        m_instance = instance;
    }

    // Whether host services may be used; the first true also marks the host as having
    // been initialised, for good.
    void set_services_state(bool available) noexcept {
        m_services_available = available;
        if (available) m_initialised = true;
    }

    void set_module_path(const char* full_path, const char* file_name) {
        m_full_path.assign(full_path);
        m_file_name.assign(file_name);
    }

    host_api* host() const noexcept { return m_host; }

    // The host's answer while its services are available; true otherwise.
    bool is_main_thread() const;

    // The host's answer while its services are available; otherwise whether they have
    // never been available yet.
    bool is_initializing() const;

    // The module's file name, or the empty text while the host has not set it.
    const char* file_name() const noexcept;

private:
    bool host_reachable() const noexcept { return m_services_available && m_host != nullptr; }

    host_api* m_host = nullptr;
    // Accepted and kept; nothing in the component reads it.
    void* m_instance = nullptr;
    bool m_services_available = false;
    bool m_initialised = false;
    // Accepted and kept; nothing in the component reads it.
    owned_string m_full_path;
    owned_string m_file_name;
};

// The module's one state, zeroed at load.
extern module_state g_module;

// Host access for the rest of the component, through g_module. None of these throws on
// its own; the first three rely on the host having called the entry function.
service_class_ref host_find_class(const GUID& class_guid);
bool host_create_service(service_ptr_t<service_base>& out, service_class_ref class_ref, uint32_t index);
uint32_t host_service_count(service_class_ref class_ref);
inline bool host_is_main_thread() { return g_module.is_main_thread(); }
inline bool host_is_initializing() { return g_module.is_initializing(); }
inline const char* module_file_name() { return g_module.file_name(); }
