#include <cmath>
#include <limits>
#include <tuple>

#include "tests/support/loaded_component.h"

namespace {

using writer = standin::playlist_manager::name_writer;

// How an update is started: by the host's start-up, by a notification whose queued
// task the host then runs, or by a menu command.
enum class trigger { start_up, task, menu };

struct naming_case {
    const char* before;
    uint32_t count;
    double total;
    bool show_count;
    bool strip_only;
    const char* after;
};

const double infinity = std::numeric_limits<double>::infinity();

const naming_case naming_cases[] = {
    {"Rock", 57, 13267.4, true, false, "Rock [57 / 3:41:07]"},
    {"Rock [57 / 3:41:07]", 58, 13500, true, false, "Rock [58 / 3:45:00]"},
    {"Rock [58 / 3:45:00]", 58, 13500, false, false, "Rock [3:45:00]"},
    {"Rock [3:45:00]", 58, 13500, true, true, "Rock"},
    {"Rock [1 / 3:00]", 0, 0, true, false, "Rock"},
    {"Live [2005]", 10, 3000, true, false, "Live [10 / 50:00]"},
    {"Mix [old", 3, 600, true, false, "Mix [old [3 / 10:00]"},
    {"Mix [old [3 / 10:00]", 4, 700, true, false, "Mix [old [4 / 11:40]"},
    {"Mix]", 3, 600, true, false, "Mix] [3 / 10:00]"},
    {"Long", 120, 700000, true, false, "Long [120 / 1wk 1d 2:26:40]"},
    {"Day", 20, 86400, true, false, "Day [20 / 1d 0:00:00]"},
    // Edges: a name that is nothing but a summary; truncation, not rounding; no
    // positive length at all; a strip of a non-empty playlist; the empty name.
    {" [anything]", 0, 0, true, false, ""},
    {" [1 / 0:10]", 2, 10, true, false, " [2 / 0:10]"},
    {"Short", 2, 59.9, true, false, "Short [2 / 0:59]"},
    {"Silent", 3, 0, false, false, "Silent [0:00]"},
    {"Kept [5 / 1:00]", 5, 60, false, true, "Kept"},
    {"", 1, 1, true, false, " [1 / 0:01]"},
    // Totals past 2^63 seconds saturate instead of overflowing the conversion.
    {"Endless", 1, infinity, true, false, "Endless [1 / 3150551671wk 3d 15:30:07]"},
    {"Huge", 2, 1e300, false, false, "Huge [3150551671wk 3d 15:30:07]"},
    {"Edge", 1, 9223372036854775808.0, true, false, "Edge [1 / 3150551671wk 3d 15:30:07]"},
    {"Below", 1, 9223372036854774784.0, true, false, "Below [1 / 3150551671wk 3d 15:13:04]"},
};

class Naming : public running_component, public ::testing::WithParamInterface<std::tuple<trigger, writer>> {
protected:
    // Starts an update of the playlist in the row's way; false when the row's strip
    // cannot be started that way.
    bool update(uint32_t index, const naming_case& c) {
        switch (std::get<0>(GetParam())) {
            case trigger::start_up:
                if (c.strip_only) return false;
                set_switch(c.show_count);
                start_up->on_init();
                return true;
            case trigger::task:
                if (c.strip_only) return false;
                set_switch(c.show_count);
                notifications.on_items_added(index, 0, no_items(), no_marks());
                EXPECT_EQ(host.queue().run_all(), 1u);
                return true;
            case trigger::menu:
                if (c.strip_only) {
                    set_switch(c.show_count);
                    run_command(1);
                } else {
                    set_switch(!c.show_count);
                    run_command(0);
                }
                return true;
        }
        return false;
    }
};

TEST_P(Naming, EveryRowGetsItsName) {
    host.playlists().set_name_writer(std::get<1>(GetParam()));
    for (const naming_case& c : naming_cases) {
        const uint32_t index = add_playlist(c.before, c.count, c.total);
        const uint64_t renames = host.playlists().rename_calls();
        if (!update(index, c)) continue;
        EXPECT_EQ(name(index), c.after) << "from \"" << c.before << "\"";
        EXPECT_GE(host.playlists().rename_calls(), renames + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(AllTriggersAndNameWriters, Naming,
                         ::testing::Combine(::testing::Values(trigger::start_up, trigger::task, trigger::menu),
                                            ::testing::Values(writer::assign, writer::append, writer::open_buffer)));

using Updating = running_component;

TEST_F(Updating, OneUpdateCostsThreeReferencesAndOneLockPerItem) {
    const uint32_t index = add_playlist("Big", 200, 1000);
    std::vector<uint64_t> refs_before;
    for (const auto& h : host.handles().all()) refs_before.push_back(h.add_ref_calls());
    notifications.on_items_added(index, 0, no_items(), no_marks());
    host.queue().run_all();
    size_t i = 0;
    for (const auto& h : host.handles().all()) {
        EXPECT_EQ(h.add_ref_calls() - refs_before[i++], 3u);
        EXPECT_EQ(h.lock_calls(), 1u);
        EXPECT_EQ(h.unlock_calls(), 1u);
        EXPECT_EQ(h.references(), 1) << "back to the playlist's own reference";
    }
    EXPECT_EQ(name(index), "Big [200 / 16:40]");
}

TEST_F(Updating, UnchangedPlaylistIsRenamedToTheSameName) {
    const uint32_t index = add_playlist("Same", 2, 90);
    start_up->on_init();
    EXPECT_EQ(name(index), "Same [2 / 1:30]");
    start_up->on_init();
    EXPECT_EQ(name(index), "Same [2 / 1:30]");
    EXPECT_EQ(host.playlists().rename_calls(), 2u);
}

TEST_F(Updating, ItemsWithoutInfoCountButAddNoTime) {
    const uint32_t index = host.playlists().add_playlist("Unknown");
    host.playlists().add_item(index, host.handles().make_without_info());
    host.playlists().add_item(index, host.handles().make(-5));
    host.playlists().add_item(index, host.handles().make(std::nan("")));
    host.playlists().add_item(index, host.handles().make(61));
    start_up->on_init();
    EXPECT_EQ(name(index), "Unknown [4 / 1:01]");
}

TEST_F(Updating, StartUpUpdatesEveryPlaylistInOrder) {
    for (int i = 0; i < 4; ++i) add_playlist("P" + std::to_string(i), i, 60.0 * i);
    start_up->on_init();
    EXPECT_EQ(name(0), "P0");
    EXPECT_EQ(name(1), "P1 [1 / 1:00]");
    EXPECT_EQ(name(2), "P2 [2 / 2:00]");
    EXPECT_EQ(name(3), "P3 [3 / 3:00]");
    start_up->on_quit();
    EXPECT_EQ(name(3), "P3 [3 / 3:00]") << "shut-down leaves the names alone";
}

TEST_F(Updating, LookupFailuresReachTheHost) {
    using standin::creation;
    struct row {
        const char* name;
        std::vector<creation> instances;
        const char* message;
    };
    const row rows[] = {
        {"no playlist manager", {}, "Service not found"},
        {"two playlist managers", {creation::succeeds, creation::succeeds}, "Service duplicated"},
        {"creation fails", {creation::fails_holding_object}, "Bug check"},
    };
    add_playlist("Kept", 1, 1);
    for (const row& r : rows) {
        host.clear_services(playlist_service::class_guid);
        for (creation c : r.instances) host.register_service(playlist_service::class_guid, host.playlists(), c);
        EXPECT_EQ(failure_of([&] { start_up->on_init(); }), r.message) << r.name;
        EXPECT_EQ(name(0), "Kept") << r.name;
        EXPECT_EQ(host.playlists().references(), 0) << r.name;
    }
}

TEST_F(Updating, FailedLookupStopsTheStartUpPass) {
    for (int i = 0; i < 5; ++i) add_playlist("P" + std::to_string(i), 1, 1);
    host.limit_creations(playlist_service::class_guid, 3);  // start-up's own, then two updates
    EXPECT_EQ(failure_of([&] { start_up->on_init(); }), "Bug check");
    EXPECT_EQ(name(0), "P0 [1 / 0:01]");
    EXPECT_EQ(name(1), "P1 [1 / 0:01]");
    for (uint32_t i = 2; i < 5; ++i) EXPECT_EQ(name(i), "P" + std::to_string(i)) << "untouched after the failure";
}

}  // namespace
