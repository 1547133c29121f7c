#include "standin/library.h"

#include <stdexcept>

#include "host/component_client.h"

namespace standin {

component_client& component_library::connect(host_api& host, void* module_instance) {
    component_client* client = m_entry(&host, module_instance);
    if (client == nullptr) throw std::runtime_error("the component answered no client object");
    return *client;
}

}  // namespace standin
