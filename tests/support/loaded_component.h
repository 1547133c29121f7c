#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/component_client.h"
#include "standin/host.h"
#include "standin/library.h"
#include "standin/published.h"
#include "standin/streams.h"
#include "standin/text_buffer.h"

// A fresh load of the built library, connected to a fresh stand-in host. Each test
// gets its own load, so module-wide state starts zeroed as in a new process. After
// each test the host must be balanced: every reference back, every lock unlocked.
class loaded_component : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(host.imbalances(), ""); }

    // The factory record publishing under class_guid, or none.
    service_factory_base* factory_for(const GUID& class_guid) {
        for (service_factory_base* f = client.first_factory(); f != nullptr; f = f->next) {
            if (f->class_guid == class_guid) return f;
        }
        return nullptr;
    }

    // The service the record for class_guid publishes, as Interface.
    template <class Interface>
    service_ptr_t<Interface> service(const GUID& class_guid) {
        return standin::published<Interface>(client, class_guid);
    }

    // The stored configuration as the component writes it.
    std::vector<uint8_t> saved() {
        standin::memory_output_stream out;
        client.save_configuration(out, abort);
        return out.bytes();
    }

    void load(std::vector<uint8_t> bytes) {
        standin::memory_input_stream in(std::move(bytes));
        client.load_configuration(in, abort);
    }

    // Declared first, so it is unloaded last: the host releases what it holds first.
    standin::component_library library{TALLYMERE_LIBRARY};
    standin::host host;
    standin::never_abort abort;
    component_client& client = library.connect(host);
};

#include "host/initquit.h"
#include "host/mainmenu.h"
#include "host/playlist_callback.h"
#include "standin/arguments.h"

// The message of what op raised, as a host reads it; empty when it raised nothing.
template <class Op>
std::string failure_of(Op op) {
    try {
        op();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

using standin::no_items;
using standin::no_marks;

// The library loaded and told that host services are available, as after a player's
// start, with its published services at hand.
class running_component : public loaded_component {
protected:
    running_component() { client.set_services_state(true); }

    // A playlist of count items whose lengths add up to total: the first carries it
    // all, the others are 0 seconds long.
    uint32_t add_playlist(const std::string& name, uint32_t count, double total) {
        const uint32_t index = host.playlists().add_playlist(name);
        for (uint32_t i = 0; i < count; ++i) host.playlists().add_item(index, host.handles().make(i == 0 ? total : 0));
        return index;
    }

    const std::string& name(uint32_t index) { return host.playlists().name(index); }

    // Sets the count switch through the stored configuration, as a player's restart does.
    void set_switch(bool show_count) {
        standin::memory_input_stream in({0xF9, 0xE1, 0xFF, 0xB8, 0xD3, 0x07, 0x43,
                                         0x46, 0x84, 0x07, 0x06, 0x74, 0x6D, 0x5E,
                                         0xA5, 0xB5, 1,    0,    0,    0,    static_cast<uint8_t>(show_count ? 1 : 0)});
        client.load_configuration(in, abort);
    }

    void run_command(uint32_t index) { commands->execute(index, service_ptr_t<service_base>()); }

    service_ptr_t<initquit> start_up = service<initquit>(initquit::class_guid);
    service_ptr_t<playlist_callback_static> receiver =
        service<playlist_callback_static>(playlist_callback_static::class_guid);
    playlist_callback& notifications = *receiver;
    service_ptr_t<mainmenu_commands> commands = service<mainmenu_commands>(mainmenu_commands::class_guid);
};
