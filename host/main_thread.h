#pragma once

#include "component/service.h"

// A task the host runs later on its main thread.
class main_thread_callback : public service_base {
public:
    static constexpr GUID class_guid = {0x87d2c583, 0x7afb, 0x4e58, {0xb2, 0x1e, 0xfb, 0xd3, 0xe6, 0xe8, 0xf5, 0xe7}};
    using interface_class = main_thread_callback;
    using parent_class = service_base;
    using service_class = main_thread_callback;

    // Slot 4: does the task's work.
    virtual void callback_run() = 0;

protected:
    ~main_thread_callback() = default;
};

// The host's queue of main-thread tasks.
class main_thread_queue : public service_base {
public:
    static constexpr GUID class_guid = {0x1131d64b, 0x04cb, 0x43ee, {0x95, 0xeb, 0x24, 0xd1, 0x8b, 0x75, 0x32, 0x48}};
    using interface_class = main_thread_queue;
    using parent_class = service_base;
    using service_class = main_thread_queue;

    // Slot 4: keeps the task (the by-value pointer's reference becomes the host's),
    // runs it later on the main thread, then releases it.
    virtual void add_callback(service_ptr_t<main_thread_callback> task) = 0;

protected:
    ~main_thread_queue() = default;
};
