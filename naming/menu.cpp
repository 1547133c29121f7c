#include "naming/menu.h"

#include "component/module.h"
#include "component/service_lookup.h"
#include "config/settings.h"
#include "host/playlist_service.h"
#include "naming/updater.h"

namespace {

constexpr GUID group_guid = {0x4c962708, 0x82e3, 0x4841, {0x8e, 0xcf, 0x7f, 0x80, 0x1f, 0x1a, 0x1d, 0xc7}};
// The host's Edit menu.
constexpr GUID edit_group_guid = {0x8cda6b10, 0x0613, 0x4cfd, {0x87, 0x30, 0x3b, 0x9c, 0xbf, 0x4c, 0x6a, 0x39}};
constexpr uint32_t sort_priority = 0x80000000;

struct command_texts {
    GUID guid;
    const char* name;
    const char* description;
};

// Indexed by command number.
constexpr command_texts commands[foo_mainmenu_commands::command_count] = {
    {{0xf070333e, 0x856f, 0x46c6, {0x90, 0xed, 0x19, 0x1c, 0xce, 0x5a, 0x11, 0x1f}},
     "Show total items",
     "Show number of total items"},
    {{0xcb639e78, 0xa614, 0x4804, {0x9a, 0x81, 0xe7, 0xc2, 0x1c, 0x00, 0x75, 0x4f}},
     "Restore names",
     "Restore original names"},
};

}  // namespace

GUID foo_mainmenu_group_popup::get_guid() { return group_guid; }

GUID foo_mainmenu_group_popup::get_parent() { return edit_group_guid; }

uint32_t foo_mainmenu_group_popup::get_sort_priority() { return sort_priority; }

void foo_mainmenu_group_popup::get_display_string(string_base& out) { out.assign_text("Tallymere", whole_text); }

uint32_t foo_mainmenu_commands::get_command_count() { return command_count; }

GUID foo_mainmenu_commands::get_command(uint32_t index) {
    return index < command_count ? commands[index].guid : null_guid;
}

void foo_mainmenu_commands::get_name(uint32_t index, string_base& out) {
    if (index < command_count) out.assign_text(commands[index].name, whole_text);
}

bool foo_mainmenu_commands::get_description(uint32_t index, string_base& out) {
    if (index >= command_count) return false;
    out.assign_text(commands[index].description, whole_text);
    return true;
}

GUID foo_mainmenu_commands::get_parent() { return group_guid; }

uint32_t foo_mainmenu_commands::get_sort_priority() { return sort_priority; }

bool foo_mainmenu_commands::get_display(uint32_t index, string_base& text, uint32_t& flags) {
    flags = index == command_show_total_items && cfg_show_total_items.get() ? flag_checked : 0;
    get_name(index, text);
    return true;
}

void foo_mainmenu_commands::execute(uint32_t index, service_ptr_t<service_base> callback) {
    if (!host_is_main_thread()) return;
    {
        const service_ptr_t<playlist_service> playlists = lookup_service<playlist_service>();
        const uint32_t count = playlists->get_playlist_count();
        // After the lookup, so that a failed lookup leaves the switch alone.
        if (index == command_show_total_items) cfg_show_total_items.toggle();
        for (uint32_t i = 0; i < count; ++i) update_playlist_name(i, index == command_restore_names);
    }
    callback.reset();
}
