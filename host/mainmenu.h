#pragma once

#include <cstdint>

#include "component/service.h"
#include "host/string_base.h"

// A group of the host's main menu.
class mainmenu_group : public service_base {
public:
    static constexpr GUID class_guid = {0x21656ab9, 0x0255, 0x4f8c, {0x8f, 0xb9, 0x1a, 0x77, 0x48, 0xbc, 0xe9, 0x3a}};
    using interface_class = mainmenu_group;
    using parent_class = service_base;
    using service_class = mainmenu_group;

    // Slot 4: this group's identity.
    virtual GUID get_guid() = 0;
    // Slot 5: the group it sits in.
    virtual GUID get_parent() = 0;
    // Slot 6: its place among its siblings.
    virtual uint32_t get_sort_priority() = 0;

protected:
    ~mainmenu_group() = default;
};

// A group shown as a submenu with a name. Published under mainmenu_group.
class mainmenu_group_popup : public mainmenu_group {
public:
    static constexpr GUID class_guid = {0x2e673a2e, 0xa4ee, 0x419c, {0x94, 0xc8, 0x9c, 0x83, 0x86, 0x60, 0x41, 0x4c}};
    using interface_class = mainmenu_group_popup;
    using parent_class = mainmenu_group;
    using service_class = mainmenu_group;

    // Slot 7: assigns the submenu's name to out.
    virtual void get_display_string(string_base& out) = 0;

protected:
    ~mainmenu_group_popup() = default;
};

// A set of main-menu commands.
class mainmenu_commands : public service_base {
public:
    static constexpr GUID class_guid = {0x35077b8c, 0x6e70, 0x47ba, {0xb9, 0xdd, 0xd5, 0x15, 0x00, 0xe1, 0x2f, 0x2e}};
    using interface_class = mainmenu_commands;
    using parent_class = service_base;
    using service_class = mainmenu_commands;

    // Flag of get_display: the command shows a check mark.
    static constexpr uint32_t flag_checked = 2;

    // Slot 4: how many commands the set has.
    virtual uint32_t get_command_count() = 0;
    // Slot 5: the identity of command index.
    virtual GUID get_command(uint32_t index) = 0;
    // Slot 6: assigns the command's name to out.
    virtual void get_name(uint32_t index, string_base& out) = 0;
    // Slot 7: assigns the command's description to out; false when it has none.
    virtual bool get_description(uint32_t index, string_base& out) = 0;
    // Slot 8: the group the commands sit in.
    virtual GUID get_parent() = 0;
    // Slot 9: their place among their siblings.
    virtual uint32_t get_sort_priority() = 0;
    // Slot 10: the text and flags to show now; false hides the command.
    virtual bool get_display(uint32_t index, string_base& text, uint32_t& flags) = 0;
    // Slot 11: runs the command. The by-value callback reference becomes the
    // component's, which releases it before returning.
    virtual void execute(uint32_t index, service_ptr_t<service_base> callback) = 0;

protected:
    ~mainmenu_commands() = default;
};
