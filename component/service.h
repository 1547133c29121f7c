#pragma once

#include <cstdint>
#include <type_traits>

#include "pfc/guid.h"

template <class T>
class service_ptr_t;

// The root of every service object: a reference count and a query by class GUID.
// Interfaces derived from it append their operations after these three.
class service_base {
public:
    // Drops one reference; answers the new count. The object may be gone afterwards.
    virtual int32_t service_release() = 0;
    // Adds one reference; answers the new count.
    virtual int32_t service_add_ref() = 0;
    // True when the object implements the class: it then assigns itself to out (a
    // counted assignment). False leaves out untouched. service_base has no GUID of its
    // own, so asking for it fails.
    virtual bool service_query(service_ptr_t<service_base>& out, const GUID& requested) = 0;

protected:
    ~service_base() = default;
};

// Holds one reference to a service object, or nothing. Copying adds a reference,
// destruction releases it. The only data member is the pointer, as the boundary
// requires: passed by value, the callee receives its own reference.
template <class T>
class service_ptr_t {
public:
    service_ptr_t() noexcept = default;
    explicit service_ptr_t(T* object) noexcept : m_object(object) {
        if (m_object != nullptr) m_object->service_add_ref();
    }
    service_ptr_t(const service_ptr_t& other) noexcept : service_ptr_t(other.m_object) {}
    template <class U>
    service_ptr_t(const service_ptr_t<U>& other) noexcept : service_ptr_t(other.get()) {}
    service_ptr_t& operator=(const service_ptr_t& other) noexcept {
        reset(other.m_object);
        return *this;
    }
    ~service_ptr_t() {
        if (m_object != nullptr) m_object->service_release();
    }

    // Holds object from now on. The new reference is added before the old one is
    // released, so assigning the object already held is safe.
    void reset(T* object = nullptr) noexcept {
        if (object != nullptr) object->service_add_ref();
        T* old = m_object;
        m_object = object;
        if (old != nullptr) old->service_release();
    }

    // Takes over a reference the caller already owns, without adding one.
    void adopt(T* object) noexcept {
        T* old = m_object;
        m_object = object;
        if (old != nullptr) old->service_release();
    }

    // Hands the held reference to the caller, who must release it; leaves this empty.
    T* detach() noexcept {
        T* object = m_object;
        m_object = nullptr;
        return object;
    }

    // Exchanges the two holders' objects; no reference changes.
    void swap(service_ptr_t& other) noexcept {
        T* object = m_object;
        m_object = other.m_object;
        other.m_object = object;
    }

    T* get() const noexcept { return m_object; }
    T* operator->() const noexcept { return m_object; }
    T& operator*() const noexcept { return *m_object; }
    explicit operator bool() const noexcept { return m_object != nullptr; }

private:
    T* m_object = nullptr;
};

// Whether an object whose most derived interface is Interface implements the class
// with this GUID: the interface's own GUID first, then those of the interfaces it
// extends, down to service_base, which has none.
template <class Interface>
constexpr bool implements_class(const GUID& requested) {
    if (requested == Interface::class_guid) return true;
    using parent = typename Interface::parent_class;
    if constexpr (std::is_same_v<parent, service_base>) {
        return false;
    } else {
        return implements_class<parent>(requested);
    }
}
