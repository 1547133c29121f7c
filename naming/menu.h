#pragma once

#include <cstdint>

#include "host/mainmenu.h"

// The "Tallymere" submenu of the host's Edit menu.
class foo_mainmenu_group_popup : public mainmenu_group_popup {
public:
    GUID get_guid() override;
    GUID get_parent() override;
    uint32_t get_sort_priority() override;
    void get_display_string(string_base& out) override;
};

// The submenu's two commands: "Show total items" (a check item that switches the
// item count in the summaries) and "Restore names" (strips every summary).
class foo_mainmenu_commands : public mainmenu_commands {
public:
    enum : uint32_t { command_show_total_items = 0, command_restore_names = 1, command_count = 2 };

    uint32_t get_command_count() override;
    GUID get_command(uint32_t index) override;
    void get_name(uint32_t index, string_base& out) override;
    bool get_description(uint32_t index, string_base& out) override;
    GUID get_parent() override;
    uint32_t get_sort_priority() override;
    bool get_display(uint32_t index, string_base& text, uint32_t& flags) override;
    void execute(uint32_t index, service_ptr_t<service_base> callback) override;
};
