#pragma once

#include "component/service.h"
#include "host/string_base.h"

// What the host shows about an installed component. Each operation assigns one text
// to the host's buffer.
class componentversion : public service_base {
public:
    static constexpr GUID class_guid = {0x10bb3ebd, 0xddf7, 0x4975, {0xa3, 0xcc, 0x23, 0x08, 0x48, 0x29, 0x45, 0x3e}};
    using interface_class = componentversion;
    using parent_class = service_base;
    using service_class = componentversion;

    // Slot 4: the library's file name.
    virtual void get_file_name(string_base& out) = 0;
    // Slot 5: the component's name.
    virtual void get_component_name(string_base& out) = 0;
    // Slot 6: the version text.
    virtual void get_component_version(string_base& out) = 0;
    // Slot 7: the about text.
    virtual void get_about_message(string_base& out) = 0;

protected:
    ~componentversion() = default;
};
