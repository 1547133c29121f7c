#pragma once

#include <string>

// Declared only, so that the platform's loader code can include this beside the
// platform's own headers (Windows has a GUID of its own).
class component_client;
class host_api;

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
    component_client* (*m_entry)(host_api* host, void* module_instance) = nullptr;
};

}  // namespace standin
