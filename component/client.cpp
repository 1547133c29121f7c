#include "component/factories.h"
#include "component/module.h"
#include "config/cfg_store.h"
#include "host/component_client.h"

namespace {

// The interface revision of the host's component protocol this library speaks.
constexpr uint32_t client_version_number = 71;

// The object the host drives. It has no data of its own: everything it touches is
// module-wide.
class client final : public component_client {
public:
    uint32_t client_version() override { return client_version_number; }

    service_factory_base* first_factory() override { return factory_list_head; }

    void save_configuration(output_stream& stream, abort_token& abort) override { cfg_var_save_all(stream, abort); }

    void load_configuration(input_stream& stream, abort_token& abort) override { cfg_var_load_all(stream, abort); }

    void set_module_path(const char* full_path, const char* file_name) override {
        g_module.set_module_path(full_path, file_name);
    }

    void set_services_state(bool available) override { g_module.set_services_state(available); }

    bool is_debug_build() override { return false; }
};

client g_client;

}  // namespace

// The library's one export; the build exports it and nothing else (a version script on
// Linux, a definition file on Windows).
extern "C" component_client* foobar2000_get_interface(host_api* host, void* module_instance) {
    g_module.connect(host, module_instance);
    return &g_client;
}
