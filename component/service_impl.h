#pragma once

#include <cstddef>
#include <utility>

#include "component/atomic_count.h"
#include "component/service.h"
#include "pfc/memory_block.h"

// Answers a query for an object whose most derived interface is T::interface_class.
template <class T>
bool query_as(T* self, service_ptr_t<service_base>& out, const GUID& requested) {
    if (!implements_class<typename T::interface_class>(requested)) return false;
    out.reset(self);
    return true;
}

// Holder of a static singleton that lives as long as the module: counting is not
// needed, so release and add reference do nothing and answer 1.
template <class T>
class service_impl_single_t : public T {
public:
    template <class... Args>
    explicit service_impl_single_t(Args&&... args) : T(std::forward<Args>(args)...) {}

    int32_t service_release() override { return 1; }
    int32_t service_add_ref() override { return 1; }
    bool service_query(service_ptr_t<service_base>& out, const GUID& requested) override {
        return query_as<T>(this, out, requested);
    }
};

// Holder of a heap object owned by its reference count, which starts at 0 and changes
// atomically: references may be dropped on any thread. The release that reaches 0
// destroys the object, so it must be created with new and reached only through
// counted pointers. Its memory comes from the component's heap.
template <class T>
class service_impl_t final : public T {
public:
    template <class... Args>
    explicit service_impl_t(Args&&... args) : T(std::forward<Args>(args)...) {}

    int32_t service_release() override {
        const int32_t count = platform::atomic_decrement(m_count);
        if (count == 0) delete this;
        return count;
    }
    int32_t service_add_ref() override { return platform::atomic_increment(m_count); }
    bool service_query(service_ptr_t<service_base>& out, const GUID& requested) override {
        return query_as<T>(this, out, requested);
    }

    static void* operator new(size_t size) { return pfc::allocate_block(size); }
    static void operator delete(void* block) noexcept { pfc::release_block(block); }

private:
    ~service_impl_t() = default;

    int32_t m_count = 0;
};
