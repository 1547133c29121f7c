#pragma once

#include <cstdint>

#include "host/host_api.h"
#include "host/service_factory.h"
#include "host/streams.h"

// The object the entry function hands to the host; the host drives the component
// through it. A plain table with no data.
class component_client {
public:
    // Slot 1: the interface revision the component was built for (71).
    virtual uint32_t client_version() = 0;
    // Slot 2: the head of the list of published services.
    virtual service_factory_base* first_factory() = 0;
    // Slot 3: writes every configuration variable to the stream.
    virtual void save_configuration(output_stream& stream, abort_token& abort) = 0;
    // Slot 4: sets the configuration variables from what an earlier save wrote.
    virtual void load_configuration(input_stream& stream, abort_token& abort) = 0;
    // Slot 5: the library's full path and its file name, both copied.
    virtual void set_module_path(const char* full_path, const char* file_name) = 0;
    // Slot 6: whether host services may be used from now on.
    virtual void set_services_state(bool available) = 0;
    // Slot 7: whether this is a debug build (never).
    virtual bool is_debug_build() = 0;

protected:
    ~component_client() = default;
};

// The library's only export, foobar2000_get_interface: an unmangled C function that
// keeps both arguments and answers the client object.
using foobar2000_get_interface_t = component_client* (*)(host_api* host, void* module_instance);
