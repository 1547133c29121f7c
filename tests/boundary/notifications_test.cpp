#include <functional>

#include "tests/support/loaded_component.h"

namespace {

struct no_replacements final : pfc::list_base_const_t<item_replacement> {
    uint32_t count() const override { return 0; }
    void copy_item(item_replacement&, uint32_t) const override {}
};

struct notification {
    int number;
    std::function<void(playlist_callback&)> deliver;  // always about playlist 1
    bool queues;
};

const std::vector<notification>& every_notification() {
    static const no_items items;
    static const no_marks mask;
    static const no_replacements records;
    static const uint32_t order[] = {1, 0};
    static const std::vector<notification> all = {
        {1, [](playlist_callback& c) { c.on_items_added(1, 0, items, mask); }, true},
        {2, [](playlist_callback& c) { c.on_items_reordered(1, order, 2); }, false},
        {3, [](playlist_callback& c) { c.on_items_removing(1, mask, 2, 1); }, false},
        {4, [](playlist_callback& c) { c.on_items_removed(1, mask, 2, 1); }, true},
        {5, [](playlist_callback& c) { c.on_items_selection_change(1, mask, mask); }, false},
        {6, [](playlist_callback& c) { c.on_item_focus_change(1, 0, 1); }, false},
        {7, [](playlist_callback& c) { c.on_items_modified(1, mask); }, true},
        {8, [](playlist_callback& c) { c.on_items_modified_fromplayback(1, mask, 0); }, false},
        {9, [](playlist_callback& c) { c.on_items_replaced(1, mask, records); }, true},
        {10, [](playlist_callback& c) { c.on_item_ensure_visible(1, 0); }, false},
        {11, [](playlist_callback& c) { c.on_playlist_activate(0, 1); }, false},
        {12, [](playlist_callback& c) { c.on_playlist_created(1, "New", 3); }, true},
        {13, [](playlist_callback& c) { c.on_playlists_reorder(order, 2); }, false},
        {14, [](playlist_callback& c) { c.on_playlists_removing(mask, 2, 1); }, false},
        {15, [](playlist_callback& c) { c.on_playlists_removed(mask, 2, 1); }, false},
        {16, [](playlist_callback& c) { c.on_playlist_renamed(1, "Mine", 4); }, false},
        {17, [](playlist_callback& c) { c.on_default_format_changed(); }, false},
        {18, [](playlist_callback& c) { c.on_playback_order_changed(2); }, false},
        {19, [](playlist_callback& c) { c.on_playlist_locked(1, true); }, false},
    };
    return all;
}

using Notifications = running_component;

TEST_F(Notifications, FlagsAskForExactlyTheActingOnes) {
    uint32_t acting = 0;
    for (const notification& n : every_notification()) {
        if (n.queues) acting |= 1u << (n.number - 1);
    }
    EXPECT_EQ(acting, 0x949u);
    EXPECT_EQ(receiver->get_flags(), acting);
}

TEST_F(Notifications, ContentChangesQueueOneUpdateOfThatPlaylist) {
    add_playlist("Other", 1, 5);
    const uint32_t index = add_playlist("Target", 2, 30);
    for (const notification& n : every_notification()) {
        n.deliver(notifications);
        EXPECT_EQ(host.queue().pending(), n.queues ? 1u : 0u) << "notification " << n.number;
        host.queue().run_all();
        EXPECT_EQ(name(index), n.queues ? "Target [2 / 0:30]" : "Target") << "notification " << n.number;
        EXPECT_EQ(name(0), "Other") << "only the notified playlist is updated";
        host.playlists().rename(index, "Target", whole_text);
    }
}

TEST_F(Notifications, EachNotificationQueuesItsOwnTask) {
    add_playlist("A", 1, 1);
    const uint32_t index = add_playlist("B", 1, 1);
    for (int i = 0; i < 3; ++i) notifications.on_items_modified(index, no_marks());
    EXPECT_EQ(host.queue().pending(), 3u);
    EXPECT_EQ(host.queue().run_all(), 3u);
    EXPECT_EQ(name(index), "B [1 / 0:01]");
}

TEST_F(Notifications, NothingIsQueuedWhileTheHostStartsUp) {
    add_playlist("A", 1, 1);
    add_playlist("B", 1, 1);
    host.set_initializing(true);
    for (const notification& n : every_notification()) n.deliver(notifications);
    EXPECT_EQ(host.queue().pending(), 0u);
    EXPECT_EQ(host.playlists().rename_calls(), 0u);
}

TEST_F(Notifications, CreatedPlaylistKeepsItsNameWithoutItems) {
    add_playlist("A", 0, 0);
    const uint32_t index = add_playlist("New playlist", 0, 0);
    notifications.on_playlist_created(index, "New playlist", whole_text);
    host.queue().run_all();
    EXPECT_EQ(name(index), "New playlist");
    EXPECT_EQ(host.playlists().rename_calls(), 1u);
}

TEST_F(Notifications, StaleIndexIsPassedOnUnchecked) {
    const uint32_t index = add_playlist("Gone", 1, 1);
    notifications.on_items_added(index, 0, no_items(), no_marks());
    host.playlists().remove_playlist(index);
    host.queue().run_all();
    EXPECT_EQ(host.playlists().rename_calls(), 1u) << "the task still asks the host to rename index " << index;
}

TEST_F(Notifications, FailedLookupInATaskReachesTheHostAndTheTaskIsReleased) {
    const uint32_t index = add_playlist("A", 1, 1);
    notifications.on_items_added(index, 0, no_items(), no_marks());
    host.register_service(playlist_service::class_guid, host.playlists());  // now there are two
    EXPECT_EQ(failure_of([&] { host.queue().run_all(); }), "Service duplicated");
    EXPECT_EQ(name(index), "A");
    EXPECT_EQ(host.queue().survivors(), 0u);
}

TEST_F(Notifications, FailedQueueLookupReachesTheHost) {
    add_playlist("A", 1, 1);
    host.clear_services(main_thread_queue::class_guid);
    EXPECT_EQ(failure_of([&] { notifications.on_items_added(0, 0, no_items(), no_marks()); }), "Service not found");
}

// Before services were ever available, and after they were withdrawn, the component
// answers the initialising question itself without asking the host.
TEST(NotificationsWithoutServices, DependOnWhetherServicesWereEverAvailable) {
    struct row {
        const char* name;
        std::vector<bool> states;
        size_t queued;
    };
    const row rows[] = {
        {"never available", {}, 0},
        {"never available, withdrawn", {false}, 0},
        {"withdrawn after available", {true, false}, 1},
    };
    for (const row& r : rows) {
        standin::component_library library(TALLYMERE_LIBRARY);
        standin::host host;
        component_client& client = library.connect(host);
        host.set_initializing(true);  // a host that would say so if asked
        for (bool state : r.states) client.set_services_state(state);
        host.playlists().add_playlist("A");
        service_ptr_t<service_base> created;
        for (service_factory_base* f = client.first_factory(); f != nullptr; f = f->next) {
            if (f->class_guid == playlist_callback_static::class_guid) f->instance_create(created);
        }
        auto* receiver = static_cast<playlist_callback_static*>(created.get());
        static_cast<playlist_callback*>(receiver)->on_items_added(0, 0, no_items(), no_marks());
        EXPECT_EQ(host.queue().pending(), r.queued) << r.name;
        EXPECT_EQ(host.initializing_queries(), 0u) << r.name;
        host.queue().discard();
        created.reset();
        EXPECT_EQ(host.imbalances(), "") << r.name;
    }
}

}  // namespace
