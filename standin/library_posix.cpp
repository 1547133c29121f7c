#include <dlfcn.h>

#include <stdexcept>

#include "standin/library.h"

namespace standin {

component_library::component_library(const std::string& path) {
    m_module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_module == nullptr) {
        const char* reason = dlerror();
        throw std::runtime_error("cannot load " + path + ": " + (reason != nullptr ? reason : "unknown reason"));
    }
    m_entry = reinterpret_cast<decltype(m_entry)>(dlsym(m_module, "foobar2000_get_interface"));
    if (m_entry == nullptr) {
        dlclose(m_module);
        throw std::runtime_error(path + " has no foobar2000_get_interface export");
    }
}

component_library::~component_library() { dlclose(m_module); }

}  // namespace standin
