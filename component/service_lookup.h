#pragma once

#include <exception>

#include "component/module.h"
#include "component/service.h"
#include "pfc/exceptions.h"

// The host has no service of the class asked for.
class exception_service_not_found : public std::exception {
public:
    const char* what() const noexcept override { return "Service not found"; }
};

// The host has more than one service of a class the component expects once.
class exception_service_duplicated : public std::exception {
public:
    const char* what() const noexcept override { return "Service duplicated"; }
};

// The one host service of class T. The created object is used as T directly, with
// no query; the result holds the reference the host created.
template <class T>
service_ptr_t<T> lookup_service() {
    const service_class_ref class_ref = host_find_class(T::class_guid);
    const uint32_t count = host_service_count(class_ref);
    if (count == 0) throw exception_service_not_found();
    if (count != 1) throw exception_service_duplicated();
    service_ptr_t<service_base> created;
    if (!host_create_service(created, class_ref, 0)) throw pfc::exception_bug_check();
    service_ptr_t<T> result;
    result.adopt(static_cast<T*>(created.detach()));
    return result;
}
