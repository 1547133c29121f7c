#pragma once

#include "component/factories.h"
#include "host/componentversion.h"

// The record the host shows for this component: three constant texts and the
// library's file name as the host set it.
class componentversion_impl_simple : public componentversion {
public:
    componentversion_impl_simple(const char* name, const char* version, const char* about) noexcept
        : m_name(name), m_version(version), m_about(about) {}

    void get_file_name(string_base& out) override;
    void get_component_name(string_base& out) override;
    void get_component_version(string_base& out) override;
    void get_about_message(string_base& out) override;

private:
    const char* m_name;
    const char* m_version;
    const char* m_about;
};

// One static object that is both the factory record and the record it publishes.
class componentversion_impl_simple_factory final
    : public service_factory_single_transparent_t<componentversion_impl_simple> {
public:
    componentversion_impl_simple_factory(const char* name, const char* version, const char* about) noexcept
        : service_factory_single_transparent_t(name, version, about) {}
};
