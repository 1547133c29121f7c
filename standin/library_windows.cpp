#include <windows.h>

#include <stdexcept>
#include <string>

#include "standin/library.h"

namespace standin {

namespace {

std::string last_error() {
    char* text = nullptr;
    const DWORD code = GetLastError();
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = text != nullptr ? text : "error " + std::to_string(code);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
    return message;
}

}  // namespace

component_library::component_library(const std::string& path) {
    m_module = LoadLibraryA(path.c_str());
    if (m_module == nullptr) throw std::runtime_error("cannot load " + path + ": " + last_error());
    m_entry = reinterpret_cast<decltype(m_entry)>(
        reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_module), "foobar2000_get_interface")));
    if (m_entry == nullptr) {
        FreeLibrary(static_cast<HMODULE>(m_module));
        throw std::runtime_error(path + " has no foobar2000_get_interface export");
    }
}

component_library::~component_library() { FreeLibrary(static_cast<HMODULE>(m_module)); }

}  // namespace standin
