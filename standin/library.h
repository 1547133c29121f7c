#pragma once

#include <string>

#include "host/component_client.h"

namespace standin {

// The component library, loaded by path as a player loads it and reached only through
// its one export. Unloading it runs its static destructors; everything the component
// handed out must be released before.
class component_library {
public:
    // Throws std::runtime_error naming the path when the library cannot be loaded or
    // lacks the export.
    explicit component_library(const std::string& path);
    component_library(const component_library&) = delete;
    component_library& operator=(const component_library&) = delete;
    ~component_library();

    // Calls the export with the host interface and answers the client object.
    component_client& connect(host_api& host, void* module_instance = nullptr);

private:
    void* m_module = nullptr;
    foobar2000_get_interface_t m_entry = nullptr;
};

}  // namespace standin
