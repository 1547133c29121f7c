#include "host/componentversion.h"
#include "tests/support/loaded_component.h"

namespace {

constexpr GUID group_guid = {0x4c962708, 0x82e3, 0x4841, {0x8e, 0xcf, 0x7f, 0x80, 0x1f, 0x1a, 0x1d, 0xc7}};
constexpr GUID edit_group_guid = {0x8cda6b10, 0x0613, 0x4cfd, {0x87, 0x30, 0x3b, 0x9c, 0xbf, 0x4c, 0x6a, 0x39}};

using Menu = running_component;

TEST_F(Menu, GroupPlacesTheSubmenuUnderEdit) {
    auto group = service<mainmenu_group_popup>(mainmenu_group::class_guid);
    EXPECT_EQ(group->get_guid(), group_guid);
    EXPECT_EQ(group->get_parent(), edit_group_guid);
    EXPECT_EQ(group->get_sort_priority(), 0x80000000u);
    standin::text_buffer out;
    group->get_display_string(out);
    EXPECT_EQ(out.str(), "Tallymere");
}

TEST_F(Menu, CommandsDescribeThemselves) {
    struct row {
        uint32_t index;
        GUID guid;
        const char* name;  // none: the buffer stays untouched
        const char* description;
    };
    const row rows[] = {
        {0,
         {0xf070333e, 0x856f, 0x46c6, {0x90, 0xed, 0x19, 0x1c, 0xce, 0x5a, 0x11, 0x1f}},
         "Show total items",
         "Show number of total items"},
        {1,
         {0xcb639e78, 0xa614, 0x4804, {0x9a, 0x81, 0xe7, 0xc2, 0x1c, 0x00, 0x75, 0x4f}},
         "Restore names",
         "Restore original names"},
        {2, null_guid, nullptr, nullptr},
        {0xFFFFFFFF, null_guid, nullptr, nullptr},
    };
    EXPECT_EQ(commands->get_command_count(), 2u);
    EXPECT_EQ(commands->get_parent(), group_guid);
    EXPECT_EQ(commands->get_sort_priority(), 0x80000000u);
    for (const row& r : rows) {
        EXPECT_EQ(commands->get_command(r.index), r.guid) << r.index;
        standin::text_buffer name("untouched"), description("untouched");
        commands->get_name(r.index, name);
        EXPECT_EQ(name.str(), r.name != nullptr ? r.name : "untouched") << r.index;
        EXPECT_EQ(commands->get_description(r.index, description), r.description != nullptr) << r.index;
        EXPECT_EQ(description.str(), r.description != nullptr ? r.description : "untouched") << r.index;
    }
}

TEST_F(Menu, DisplayStateShowsTheSwitchAsACheckMark) {
    struct row {
        uint32_t index;
        uint32_t flags_on;
        uint32_t flags_off;
        const char* text;
    };
    const row rows[] = {{0, 2, 0, "Show total items"}, {1, 0, 0, "Restore names"}, {7, 0, 0, ""}};
    for (bool on : {true, false}) {
        for (const row& r : rows) {
            standin::text_buffer text;
            uint32_t flags = 0xDEAD;
            EXPECT_TRUE(commands->get_display(r.index, text, flags));
            EXPECT_EQ(flags, on ? r.flags_on : r.flags_off) << r.index;
            EXPECT_EQ(text.str(), r.text) << r.index;
        }
        run_command(0);
    }
}

TEST_F(Menu, ShowTotalItemsFlipsTheSwitchAndRewritesEverySummary) {
    const uint32_t full = add_playlist("Full", 3, 180);
    const uint32_t empty = add_playlist("Empty [9 / 9:99]", 0, 0);
    run_command(0);
    EXPECT_EQ(name(full), "Full [3:00]");
    EXPECT_EQ(name(empty), "Empty");
    run_command(0);
    EXPECT_EQ(name(full), "Full [3 / 3:00]");
}

TEST_F(Menu, RestoreNamesStripsEverySummaryAndKeepsTheSwitch) {
    const uint32_t full = add_playlist("Full [3 / 3:00]", 3, 180);
    const uint32_t empty = add_playlist("Empty [x]", 0, 0);
    run_command(1);
    EXPECT_EQ(name(full), "Full");
    EXPECT_EQ(name(empty), "Empty");
    EXPECT_EQ(saved().back(), 0x01);
    notifications.on_items_added(full, 0, no_items(), no_marks());
    host.queue().run_all();
    EXPECT_EQ(name(full), "Full [3 / 3:00]") << "the next update brings the summary back";
}

TEST_F(Menu, OtherCommandIndexRefreshesWithoutTouchingTheSwitch) {
    const uint32_t index = add_playlist("Any", 1, 2);
    run_command(5);
    EXPECT_EQ(name(index), "Any [1 / 0:02]");
    EXPECT_EQ(saved().back(), 0x01);
}

TEST_F(Menu, WithoutPlaylistsTheSwitchStillFlips) {
    run_command(1);
    run_command(0);
    EXPECT_EQ(host.playlists().rename_calls(), 0u);
    EXPECT_EQ(saved().back(), 0x00);
}

TEST_F(Menu, OffTheMainThreadNothingHappens) {
    const uint32_t index = add_playlist("Any", 1, 2);
    host.set_main_thread(false);
    standin::task_queue callback;  // any service object will do as the host's callback
    commands->execute(0, service_ptr_t<service_base>(&callback));
    EXPECT_EQ(callback.references(), 0) << "the callback reference is released";
    EXPECT_EQ(name(index), "Any");
    EXPECT_EQ(saved().back(), 0x01);
}

TEST_F(Menu, CallbackIsReleasedOnEveryPath) {
    add_playlist("Any", 1, 2);
    standin::task_queue callback;
    commands->execute(1, service_ptr_t<service_base>(&callback));
    EXPECT_EQ(callback.references(), 0);
    host.clear_services(playlist_service::class_guid);
    EXPECT_EQ(failure_of([&] { commands->execute(0, service_ptr_t<service_base>(&callback)); }), "Service not found");
    EXPECT_EQ(callback.references(), 0);
    EXPECT_EQ(saved().back(), 0x01) << "a failed lookup leaves the switch alone";
}

TEST_F(Menu, LookupFailingInsideTheLoopLeavesTheRestAsTheyWere) {
    for (int i = 0; i < 4; ++i) add_playlist("P" + std::to_string(i), 1, 1);
    host.limit_creations(playlist_service::class_guid, 3);  // the command's own, then two updates
    standin::task_queue callback;
    EXPECT_EQ(failure_of([&] { commands->execute(0, service_ptr_t<service_base>(&callback)); }), "Bug check");
    EXPECT_EQ(callback.references(), 0);
    EXPECT_EQ(name(0), "P0 [0:01]");
    EXPECT_EQ(name(1), "P1 [0:01]");
    EXPECT_EQ(name(2), "P2");
    EXPECT_EQ(name(3), "P3");
    EXPECT_EQ(saved().back(), 0x00) << "the switch stays inverted";
}

TEST_F(Menu, WithServicesUnavailableTheMainThreadIsAssumed) {
    const uint32_t index = add_playlist("Any", 1, 2);
    host.set_main_thread(false);
    client.set_services_state(false);
    run_command(5);
    EXPECT_EQ(host.main_thread_queries(), 0u);
    EXPECT_EQ(name(index), "Any [1 / 0:02]");
}

TEST_F(Menu, SwitchSurvivesASaveAndAFreshLoad) {
    run_command(0);
    const std::vector<uint8_t> stored = saved();
    EXPECT_EQ(stored.back(), 0x00);
    standin::text_buffer text;
    uint32_t flags = 0;
    set_switch(true);
    commands->get_display(0, text, flags);
    EXPECT_EQ(flags, 2u);
    load(stored);
    commands->get_display(0, text, flags);
    EXPECT_EQ(flags, 0u);
}

TEST_F(Menu, ToggleTurnsAnyStoredByteIntoZero) {
    load({0xF9, 0xE1, 0xFF, 0xB8, 0xD3, 0x07, 0x43, 0x46, 0x84, 0x07, 0x06,
          0x74, 0x6D, 0x5E, 0xA5, 0xB5, 1,    0,    0,    0,    0x5A});
    EXPECT_EQ(saved().back(), 0x5A);
    run_command(0);
    EXPECT_EQ(saved().back(), 0x00);
    run_command(0);
    EXPECT_EQ(saved().back(), 0x01);
}

using VersionRecord = loaded_component;

TEST_F(VersionRecord, TextsAreExact) {
    auto version = service<componentversion>(componentversion::class_guid);
    standin::text_buffer name, number, about;
    version->get_component_name(name);
    version->get_component_version(number);
    version->get_about_message(about);
    EXPECT_EQ(name.str(), "Tallymere");
    EXPECT_EQ(number.str(), "1.2");
    EXPECT_EQ(about.str(),
              "Appends automatically playlist info (\"items / length\") to all playlist names.\n"
              "\n"
              "Each time a playlist is modified, it checks if the playlist name matches \"<name> [<info>]\".\n"
              "If it does, it replaces the <info> part with the new info.\n"
              "If it doesn't, it appends \" [<info>]\".\n"
              "\n"
              "NOTE: it only checks for left and right bracket, so be careful if you have "
              "\"[<something_other_than_info>]\" at the end...\n"
              "\n"
              "2 menu items are available:\n"
              "Edit -> Tallymere -> Show total items (default is checked)\n"
              "Edit -> Tallymere -> Restore names (if you click it by mistake, just restart foobar2000)\n"
              "\n"
              "v1.2 (30 May 2006)");
    EXPECT_EQ(about.str().find('\r'), std::string::npos);
    EXPECT_NE(about.str().back(), '\n');
}

}  // namespace
