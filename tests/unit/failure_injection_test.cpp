// Every allocation reached by every host call fails once in turn, on the in-process
// component: the failure reaches the host as "bad allocation", nothing leaks, every
// reference the host handed out comes back, every lock is matched, and no playlist is
// left half renamed.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "component/module.h"
#include "config/settings.h"
#include "host/component_client.h"
#include "host/initquit.h"
#include "host/mainmenu.h"
#include "host/playlist_callback.h"
#include "standin/arguments.h"
#include "standin/host.h"
#include "standin/published.h"
#include "standin/streams.h"
#include "tests/support/test_heap.h"

extern "C" component_client* foobar2000_get_interface(host_api* host, void* module_instance);

namespace {

const char* const original_names[] = {"Rock", "Jazz [1 / 0:01]", "Empty", "Live [2005]"};
using names = std::vector<std::string>;
const names updated_names = {"Rock [3 / 6:00]", "Jazz [40 / 40:00]", "Empty", "Live [2 / 10:01]"};
const names without_count = {"Rock [6:00]", "Jazz [40:00]", "Empty", "Live [10:01]"};
const names stripped = {"Rock", "Jazz", "Empty", "Live"};

// The in-process component connected to a fresh stand-in host with four playlists.
struct world {
    world() {
        client.set_services_state(true);
        const std::vector<std::vector<double>> lengths = {{120, 120, 120}, std::vector<double>(40, 60.0), {}, {600, 1}};
        for (size_t p = 0; p < lengths.size(); ++p) {
            const uint32_t index = host.playlists().add_playlist(original_names[p]);
            for (double length : lengths[p]) host.playlists().add_item(index, host.handles().make(length));
        }
    }
    ~world() { foobar2000_get_interface(nullptr, nullptr); }

    template <class Interface>
    service_ptr_t<Interface> published(const GUID& class_guid) {
        return standin::published<Interface>(client, class_guid);
    }

    void set_switch(bool on) {
        if (cfg_show_total_items.get() != on) cfg_show_total_items.toggle();
    }

    // Every playlist carries either its old name or its new one, and the new ones come
    // first: an update either renamed its playlist or left it alone, and a pass stopped
    // where it failed.
    std::string half_renamed(const names& updated) const {
        bool old_seen = false;
        for (uint32_t i = 0; i < 4; ++i) {
            const std::string& name = host.playlists().playlists()[i].name;
            if (updated[i] == original_names[i]) continue;  // renaming it changes nothing
            const bool is_new = name == updated[i];
            if (!is_new && name != original_names[i]) return "playlist " + std::to_string(i) + " is \"" + name + "\"";
            if (is_new && old_seen) return "playlist " + std::to_string(i) + " renamed after an untouched one";
            if (!is_new) old_seen = true;
        }
        return "";
    }

    standin::host host;
    component_client& client = *foobar2000_get_interface(&host, nullptr);
};

struct scenario {
    const char* name;
    std::function<void(world&)> op;
    const names& renamed_to;
    // What must hold after a failed run, besides the checks every scenario gets.
    std::function<void(world&, const std::string& where)> after_failure = nullptr;
};

void notify_added(world& w, uint32_t playlist) {
    auto receiver = w.published<playlist_callback_static>(playlist_callback_static::class_guid);
    static_cast<playlist_callback&>(*receiver).on_items_added(playlist, 0, standin::no_items(), standin::no_marks());
}

void menu(world& w, uint32_t command) {
    w.published<mainmenu_commands>(mainmenu_commands::class_guid)->execute(command, service_ptr_t<service_base>());
}

void nothing_queued(world& w, const std::string& where) { EXPECT_EQ(w.host.queue().pending(), 0u) << where; }

const scenario scenarios[] = {
    {"set module path",
     [](world& w) { w.client.set_module_path("/opt/player/components/foo_tallymere.so", "foo_tallymere.so"); },
     updated_names, [](world&, const std::string& where) { EXPECT_STREQ(module_file_name(), "") << where; }},
    {"save configuration",
     [](world& w) {
         standin::memory_output_stream out;
         standin::never_abort abort;
         try {
             w.client.save_configuration(out, abort);
         } catch (...) {
             EXPECT_TRUE(out.bytes().empty()) << "nothing is written before the payload is complete";
             throw;
         }
     },
     updated_names},
    {"start-up", [](world& w) { w.published<initquit>(initquit::class_guid)->on_init(); }, updated_names},
    {"items added", [](world& w) { notify_added(w, 1); }, updated_names, nothing_queued},
    {"items removed",
     [](world& w) {
         auto receiver = w.published<playlist_callback_static>(playlist_callback_static::class_guid);
         static_cast<playlist_callback&>(*receiver).on_items_removed(0, standin::no_marks(), 3, 3);
     },
     updated_names, nothing_queued},
    {"items modified",
     [](world& w) {
         auto receiver = w.published<playlist_callback_static>(playlist_callback_static::class_guid);
         static_cast<playlist_callback&>(*receiver).on_items_modified(0, standin::no_marks());
     },
     updated_names, nothing_queued},
    {"items replaced",
     [](world& w) {
         struct none final : pfc::list_base_const_t<item_replacement> {
             uint32_t count() const override { return 0; }
             void copy_item(item_replacement&, uint32_t) const override {}
         };
         auto receiver = w.published<playlist_callback_static>(playlist_callback_static::class_guid);
         static_cast<playlist_callback&>(*receiver).on_items_replaced(0, standin::no_marks(), none());
     },
     updated_names, nothing_queued},
    {"playlist created",
     [](world& w) {
         auto receiver = w.published<playlist_callback_static>(playlist_callback_static::class_guid);
         static_cast<playlist_callback&>(*receiver).on_playlist_created(2, "Empty", whole_text);
     },
     updated_names, nothing_queued},
    {"a task's run",
     [](world& w) {
         test_heap::fail_operation(0);  // queueing is another host call's business
         notify_added(w, 1);
     },
     updated_names},
    {"Show total items", [](world& w) { menu(w, 0); }, without_count,
     [](world&, const std::string& where) {
         EXPECT_FALSE(cfg_show_total_items.get()) << where << ": the switch is inverted before the loop";
     }},
    {"Restore names", [](world& w) { menu(w, 1); }, stripped},
    {"refresh (another command index)", [](world& w) { menu(w, 7); }, updated_names},
};

TEST(FailureInjection, EveryAllocationOfEveryHostCallFailsCleanly) {
    uint64_t total_points = 0;
    for (const scenario& s : scenarios) {
        std::optional<world> w;
        int64_t live = 0;
        const bool is_task = std::string(s.name) == "a task's run";
        auto setup = [&] {
            w.reset();
            w.emplace();
            w->set_switch(true);
            g_module.set_module_path("", "");
            if (is_task) {
                s.op(*w);  // queue the task outside the counted run
            }
            live = test_heap::live_blocks();
        };
        auto op = [&] {
            if (is_task) {
                w->host.queue().run_all();
            } else {
                s.op(*w);
            }
        };
        const uint64_t points = test_heap::fail_each(setup, op, [&](uint64_t nth, bool failed) {
            const std::string where = std::string(s.name) + ", allocation " + std::to_string(nth);
            EXPECT_TRUE(failed) << where;
            w->host.queue().discard();
            EXPECT_EQ(w->host.imbalances(), "") << where;
            EXPECT_EQ(w->half_renamed(s.renamed_to), "") << where;
            if (s.after_failure) s.after_failure(*w, where);
            g_module.set_module_path("", "");  // a kept path is owned, not leaked
            EXPECT_LE(test_heap::live_blocks(), live) << where << ": a block leaked";
        });
        EXPECT_GE(points, 1u) << s.name;
        total_points += points;
        std::cout << "  " << s.name << ": " << points << " allocation points\n";
        w.reset();
    }
    std::cout << "failure points exercised: " << total_points << "\n";
    foobar2000_get_interface(nullptr, nullptr);
    g_module.set_module_path("", "");
}

TEST(FailureInjection, LoadingTheConfigurationTakesNoHeapMemory) {
    world w;
    const std::vector<uint8_t> stored = {0xF9, 0xE1, 0xFF, 0xB8, 0xD3, 0x07, 0x43, 0x46, 0x84, 0x07, 0x06,
                                         0x74, 0x6D, 0x5E, 0xA5, 0xB5, 0x02, 0x00, 0x00, 0x00, 0x01, 0xFF};
    standin::memory_input_stream in(stored);
    standin::never_abort abort;
    const uint64_t before = test_heap::operations();
    w.client.load_configuration(in, abort);
    EXPECT_EQ(test_heap::operations(), before);
}

}  // namespace
