#pragma once

#include <cstddef>
#include <deque>

#include "host/main_thread.h"
#include "standin/host_object.h"

namespace standin {

// The host's main-thread queue: it keeps each task until the host runs it, then
// releases it, as a player does between two messages. A task that anybody else still
// holds after that release is counted as a survivor: the component keeps no task.
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
            const finished done{*this, task};
            task->callback_run();
        }
        return ran;
    }

    // Drops every queued task without running it.
    void discard() {
        while (!m_tasks.empty()) {
            service_ptr_t<main_thread_callback> task = m_tasks.front();
            m_tasks.pop_front();
            const finished done{*this, task};
        }
    }

    size_t pending() const noexcept { return m_tasks.size(); }

    // The oldest task, and taking it off the queue without running it: for tests that
    // hand tasks around themselves.
    const service_ptr_t<main_thread_callback>& front() const { return m_tasks.front(); }
    void pop_without_running() { m_tasks.pop_front(); }
    size_t survivors() const noexcept { return m_survivors; }

private:
    // Releases the host's last reference to a task, whichever way its run ended.
    struct finished {
        task_queue& queue;
        service_ptr_t<main_thread_callback>& task;
        ~finished() {
            if (task.detach()->service_release() != 0) ++queue.m_survivors;
        }
    };

    std::deque<service_ptr_t<main_thread_callback>> m_tasks;
    size_t m_survivors = 0;
};

}  // namespace standin
