#pragma once

#include "host/component_client.h"

namespace standin {

// The service the component publishes under class_guid, used as Interface directly,
// as a host uses the objects of the classes it knows; empty when there is none.
template <class Interface>
service_ptr_t<Interface> published(component_client& client, const GUID& class_guid) {
    service_ptr_t<Interface> result;
    for (service_factory_base* f = client.first_factory(); f != nullptr; f = f->next) {
        if (f->class_guid != class_guid) continue;
        service_ptr_t<service_base> created;
        f->instance_create(created);
        result.adopt(static_cast<Interface*>(created.detach()));
        break;
    }
    return result;
}

}  // namespace standin
