#pragma once

#include <cstdint>

#include "component/service.h"

// The host's opaque handle for one service class; only the host knows what it is.
struct service_class_ref_t;
using service_class_ref = service_class_ref_t*;

// The host's own interface, handed to the entry function. A plain table: it is not
// reference counted.
class host_api {
public:
    // Slot 1: the host's handle for the class with this GUID.
    virtual service_class_ref find_class(const GUID& class_guid) = 0;
    // Slot 2: creates service number index of the class into out, holding one
    // reference; false when it cannot.
    virtual bool create_service(service_ptr_t<service_base>& out, service_class_ref class_ref, uint32_t index) = 0;
    // Slot 3: how many services of the class exist.
    virtual uint32_t service_count(service_class_ref class_ref) = 0;
    // Slot 4: whether the caller runs on the host's main thread.
    virtual bool is_main_thread() = 0;
    // Slot 5: true while the host is still starting up.
    virtual bool is_initializing() = 0;

protected:
    ~host_api() = default;
};
