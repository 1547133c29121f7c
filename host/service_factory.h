#pragma once

#include "component/service.h"

// One record of the component's list of published services. The host walks the list
// from the head and reads the two fields directly, so their order is fixed: table
// pointer, next record, class GUID reference. Whatever follows belongs to the record's
// owner (the component embeds the service object there).
class service_factory_base {
public:
    // Slot 1: assigns the published service to out (a counted assignment).
    virtual void instance_create(service_ptr_t<service_base>& out) = 0;

    // The next record, none at the end of the list.
    service_factory_base* const next;
    // The class under which this record publishes its service.
    const GUID& class_guid;

protected:
    service_factory_base(const GUID& published_class, service_factory_base* next_record) noexcept
        : next(next_record), class_guid(published_class) {}
    ~service_factory_base() = default;
};
