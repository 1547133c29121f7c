#pragma once

#include "component/service.h"

// Start-up and shut-down hook, called once each by the host.
class initquit : public service_base {
public:
    static constexpr GUID class_guid = {0x113773c4, 0xb387, 0x4b48, {0x8b, 0xdf, 0xab, 0x58, 0xbc, 0x6c, 0xe5, 0x38}};
    using interface_class = initquit;
    using parent_class = service_base;
    using service_class = initquit;

    // Slot 4: the host has started and its services are usable.
    virtual void on_init() = 0;
    // Slot 5: the host is about to stop.
    virtual void on_quit() = 0;

protected:
    ~initquit() = default;
};
