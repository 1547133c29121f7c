#include "component/module.h"

#include "pfc/empty_text.h"

module_state g_module;

bool module_state::is_main_thread() const { return host_reachable() ? m_host->is_main_thread() : true; }

bool module_state::is_initializing() const { return host_reachable() ? m_host->is_initializing() : !m_initialised; }

const char* module_state::file_name() const noexcept {
    const char* name = m_file_name.text();
    return name != nullptr ? name : pfc::empty_text;
}

service_class_ref host_find_class(const GUID& class_guid) { return g_module.host()->find_class(class_guid); }

bool host_create_service(service_ptr_t<service_base>& out, service_class_ref class_ref, uint32_t index) {
    return g_module.host()->create_service(out, class_ref, index);
}

uint32_t host_service_count(service_class_ref class_ref) { return g_module.host()->service_count(class_ref); }
