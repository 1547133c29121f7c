// The main job: loads the component as a player would, shows what it publishes, then
// puts it to work on a few playlists in the stand-in host: start-up, items added and
// removed, and the two Edit-menu commands, printing every name after each step.
#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>

#include "host/componentversion.h"
#include "host/initquit.h"
#include "host/mainmenu.h"
#include "host/playlist_callback.h"
#include "standin/empty_arguments.h"
#include "standin/host.h"
#include "standin/library.h"
#include "standin/streams.h"
#include "standin/text_buffer.h"

namespace {

const struct {
    GUID guid;
    const char* name;
} published_classes[] = {
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

template <class Interface>
service_ptr_t<Interface> published(component_client& client, const GUID& class_guid) {
    for (service_factory_base* f = client.first_factory(); f != nullptr; f = f->next) {
        if (f->class_guid != class_guid) continue;
        service_ptr_t<service_base> created;
        f->instance_create(created);
        service_ptr_t<Interface> result;
        result.adopt(static_cast<Interface*>(created.detach()));
        return result;
    }
    throw std::runtime_error("the component publishes no such service");
}

void print_stored(component_client& client) {
    standin::memory_output_stream out;
    standin::never_abort abort;
    client.save_configuration(out, abort);
    std::printf("stored configuration (%zu bytes):", out.bytes().size());
    for (uint8_t byte : out.bytes()) std::printf(" %02X", byte);
    std::printf("\n");
}

void print_names(standin::host& host, const char* step) {
    std::printf("\n%s\n", step);
    for (const auto& playlist : host.playlists().playlists()) std::printf("  %s\n", playlist.name.c_str());
}

int run(const char* path) {
    standin::component_library library(path);
    standin::host host;
    component_client& client = library.connect(host);
    const char* slash = std::strrchr(path, '/');
    client.set_module_path(path, slash != nullptr ? slash + 1 : path);

    std::printf("client version: %u\npublished services:\n", client.client_version());
    for (service_factory_base* f = client.first_factory(); f != nullptr; f = f->next) {
        std::printf("  ");
        print_guid(f->class_guid);
        std::printf("  %s\n", name_of(f->class_guid));
    }
    auto version = published<componentversion>(client, componentversion::class_guid);
    standin::text_buffer name, number, file;
    version->get_component_name(name);
    version->get_component_version(number);
    version->get_file_name(file);
    std::printf("component: %s %s (%s)\n", name.str().c_str(), number.str().c_str(), file.str().c_str());
    print_stored(client);

    auto& playlists = host.playlists();
    const uint32_t rock = playlists.add_playlist("Rock");
    const double rock_lengths[] = {241.5, 318.25, 187, 402.75, 276};
    for (double length : rock_lengths) playlists.add_item(rock, host.handles().make(length));
    const uint32_t live = playlists.add_playlist("Live [2005]");
    for (int i = 0; i < 12; ++i) playlists.add_item(live, host.handles().make(300 + 7 * i));
    const uint32_t marathon = playlists.add_playlist("Marathon");
    for (int i = 0; i < 200; ++i) playlists.add_item(marathon, host.handles().make(3600));
    playlists.add_item(marathon, host.handles().make_without_info());
    playlists.add_playlist("Empty");

    client.set_services_state(true);
    auto start_up = published<initquit>(client, initquit::class_guid);
    auto receiver = published<playlist_callback_static>(client, playlist_callback_static::class_guid);
    playlist_callback& notifications = *receiver;
    auto commands = published<mainmenu_commands>(client, mainmenu_commands::class_guid);
    const service_ptr_t<service_base> no_callback;

    start_up->on_init();
    print_names(host, "after start-up:");

    playlists.add_item(rock, host.handles().make(1205));
    notifications.on_items_added(rock, 5, standin::no_items(), standin::no_marks());
    host.queue().run_all();
    print_names(host, "after adding a 20:05 track to Rock:");

    playlists.remove_items(live, 0, 4);
    notifications.on_items_removed(live, standin::no_marks(), 12, 8);
    host.queue().run_all();
    print_names(host, "after removing four tracks from Live:");

    commands->execute(0, no_callback);
    print_names(host, "after Edit > Tallymere > Show total items (now off):");
    print_stored(client);

    commands->execute(1, no_callback);
    print_names(host, "after Edit > Tallymere > Restore names:");

    commands->execute(0, no_callback);
    print_names(host, "after Edit > Tallymere > Show total items (on again):");

    start_up->on_quit();
    client.set_services_state(false);
    const std::string faults = host.imbalances();
    if (!faults.empty()) {
        std::fprintf(stderr, "the host is out of balance:\n%s", faults.c_str());
        return 1;
    }
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
