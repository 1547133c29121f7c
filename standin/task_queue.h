#pragma once

#include <cstddef>
#include <deque>

#include "host/main_thread.h"
#include "standin/host_object.h"

namespace standin {

// The host's main-thread queue: it keeps each task until the host runs it, then
// releases it, as a player does between two messages.
class task_queue final : public host_object<main_thread_queue> {
public:
    void add_callback(service_ptr_t<main_thread_callback> task) override { m_tasks.push_back(task); }

    // Runs the tasks queued so far and those they queue, oldest first; answers how
    // many ran. A task that throws is released and the failure passes on.
    size_t run_all() {
        size_t ran = 0;
        while (!m_tasks.empty()) {
            service_ptr_t<main_thread_callback> task = m_tasks.front();
            m_tasks.pop_front();
            ++ran;
            task->callback_run();
        }
        return ran;
    }

    size_t pending() const noexcept { return m_tasks.size(); }
    const std::deque<service_ptr_t<main_thread_callback>>& tasks() const noexcept { return m_tasks; }

    // Drops every queued task without running it.
    void discard() { m_tasks.clear(); }

private:
    std::deque<service_ptr_t<main_thread_callback>> m_tasks;
};

}  // namespace standin
