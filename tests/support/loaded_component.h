#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/component_client.h"
#include "standin/host.h"
#include "standin/library.h"
#include "standin/streams.h"
#include "standin/text_buffer.h"

// A fresh load of the built library, connected to a fresh stand-in host. Each test
// gets its own load, so module-wide state starts zeroed as in a new process. After
// each test the host must be balanced: every reference back, every lock unlocked.
class loaded_component : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(host.imbalances(), ""); }

    // The factory record publishing under class_guid, or none.
    service_factory_base* factory_for(const GUID& class_guid) {
        for (service_factory_base* f = client.first_factory(); f != nullptr; f = f->next) {
            if (f->class_guid == class_guid) return f;
        }
        return nullptr;
    }

    // The service the record for class_guid publishes, as Interface.
    template <class Interface>
    service_ptr_t<Interface> service(const GUID& class_guid) {
        service_ptr_t<service_base> created;
        factory_for(class_guid)->instance_create(created);
        service_ptr_t<Interface> result;
        result.adopt(static_cast<Interface*>(created.detach()));
        return result;
    }

    // The stored configuration as the component writes it.
    std::vector<uint8_t> saved() {
        standin::memory_output_stream out;
        client.save_configuration(out, abort);
        return out.bytes();
    }

    void load(std::vector<uint8_t> bytes) {
        standin::memory_input_stream in(std::move(bytes));
        client.load_configuration(in, abort);
    }

    // Declared first, so it is unloaded last: the host releases what it holds first.
    standin::component_library library{TALLYMERE_LIBRARY};
    standin::host host;
    standin::never_abort abort;
    component_client& client = library.connect(host);
};
