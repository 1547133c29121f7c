#pragma once

#include <atomic>
#include <cstdint>

#include "component/service.h"

namespace standin {

template <class Interface>
concept published_interface = requires {
    Interface::class_guid;
};

// A service object that the stand-in host owns outright (it is never destroyed by a
// release) and whose references it counts, so that a test can tell whether every
// reference handed to the component came back. The count itself is atomic, as a
// player's is; the tallies of calls are plain, read by tests on the host's thread.
template <class Interface>
class host_object : public Interface {
public:
    int32_t service_release() override {
        ++m_releases;
        return --m_count;
    }
    int32_t service_add_ref() override {
        ++m_add_refs;
        return ++m_count;
    }
    bool service_query(service_ptr_t<service_base>& out, const GUID& requested) override {
        if constexpr (published_interface<Interface>) {
            if (implements_class<Interface>(requested)) {
                out.reset(this);
                return true;
            }
        }
        return false;
    }

    // References currently held on the object, by anybody.
    int32_t references() const noexcept { return m_count; }
    uint64_t add_ref_calls() const noexcept { return m_add_refs; }
    uint64_t release_calls() const noexcept { return m_releases; }

protected:
    host_object() = default;
    ~host_object() = default;

private:
    std::atomic<int32_t> m_count{0};
    uint64_t m_add_refs = 0;
    uint64_t m_releases = 0;
};

}  // namespace standin
