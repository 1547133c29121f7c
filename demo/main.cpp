// Loads the component as a player would and shows what it publishes: the client
// version, the five published services and the stored configuration.
#include <cstdio>
#include <cstring>
#include <exception>

#include "host/componentversion.h"
#include "host/initquit.h"
#include "host/mainmenu.h"
#include "host/playlist_callback.h"
#include "standin/host.h"
#include "standin/library.h"
#include "standin/streams.h"
#include "standin/text_buffer.h"

namespace {

struct class_name {
    GUID guid;
    const char* name;
};

const class_name published_classes[] = {
    {componentversion::class_guid, "component version"},
    {mainmenu_commands::class_guid, "menu commands"},
    {mainmenu_group::class_guid, "menu group"},
    {playlist_callback_static::class_guid, "playlist notifications"},
    {initquit::class_guid, "start-up and shut-down hook"},
};

const char* name_of(const GUID& guid) {
    for (const auto& entry : published_classes) {
        if (entry.guid == guid) return entry.name;
    }
    return "unknown class";
}

void print_guid(const GUID& g) {
    std::printf("{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
}

int run(const char* path) {
    standin::component_library library(path);
    standin::host host;
    component_client& client = library.connect(host);
    const char* file_name = std::strrchr(path, '/') != nullptr ? std::strrchr(path, '/') + 1 : path;
    client.set_module_path(path, file_name);
    client.set_services_state(true);

    std::printf("client version: %u\n", client.client_version());
    std::printf("published services:\n");
    for (service_factory_base* f = client.first_factory(); f != nullptr; f = f->next) {
        std::printf("  ");
        print_guid(f->class_guid);
        std::printf("  %s\n", name_of(f->class_guid));
        if (f->class_guid == componentversion::class_guid) {
            service_ptr_t<service_base> created;
            f->instance_create(created);
            auto* version = static_cast<componentversion*>(created.get());
            standin::text_buffer name, number, file;
            version->get_component_name(name);
            version->get_component_version(number);
            version->get_file_name(file);
            std::printf("      %s %s (%s)\n", name.str().c_str(), number.str().c_str(), file.str().c_str());
        }
    }

    standin::memory_output_stream out;
    standin::never_abort abort;
    client.save_configuration(out, abort);
    std::printf("stored configuration (%zu bytes):", out.bytes().size());
    for (uint8_t byte : out.bytes()) std::printf(" %02X", byte);
    std::printf("\n");
    client.set_services_state(false);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : TALLYMERE_LIBRARY;
    try {
        return run(path);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tallymere-demo: %s\n", e.what());
        return 1;
    }
}
