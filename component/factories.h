#pragma once

#include <utility>

#include "component/service_impl.h"
#include "host/service_factory.h"

// Head of the module's list of published services: the most recently registered
// factory. Constant-initialised, so it is null before any factory registers.
inline service_factory_base* factory_list_head = nullptr;

// A factory record publishing under Class. Constructing one links it in at the head,
// so the list reads in the reverse order of registration.
template <class Class>
class service_factory_base_t : public service_factory_base {
protected:
    service_factory_base_t() noexcept : service_factory_base(Class::class_guid, factory_list_head) {
        factory_list_head = this;
    }
    ~service_factory_base_t() = default;
};

// A factory whose record embeds its one service object, published under the
// object's service class. Creating an instance hands out that object; nothing new is
// ever made.
template <class T>
class service_factory_single_t : public service_factory_base_t<typename T::service_class> {
public:
    template <class... Args>
    explicit service_factory_single_t(Args&&... args) : m_object(std::forward<Args>(args)...) {}

    void instance_create(service_ptr_t<service_base>& out) override { out.reset(&m_object); }

private:
    service_impl_single_t<T> m_object;
};

// A factory record that is itself the service object: the object follows the
// record's fields in the same static.
template <class T>
class service_factory_single_transparent_t : public service_factory_base_t<typename T::service_class>,
                                             public service_impl_single_t<T> {
public:
    template <class... Args>
    explicit service_factory_single_transparent_t(Args&&... args)
        : service_impl_single_t<T>(std::forward<Args>(args)...) {}

    void instance_create(service_ptr_t<service_base>& out) override { out.reset(static_cast<T*>(this)); }
};

template <class T>
using initquit_factory_t = service_factory_single_t<T>;

template <class T>
using mainmenu_commands_factory_t = service_factory_single_t<T>;
