// Queued tasks are the component's only heap service objects, and a host may add and
// drop references to them on any thread: their count must stay exact under contention
// and the last release alone destroys them.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "host/component_client.h"
#include "host/playlist_callback.h"
#include "standin/arguments.h"
#include "standin/host.h"
#include "standin/published.h"
#include "tests/support/test_heap.h"

extern "C" component_client* foobar2000_get_interface(host_api* host, void* module_instance);

namespace {

TEST(ConcurrentTasks, ReferencesFromManyThreadsBalanceAndTheLastReleaseDestroys) {
    standin::host host;
    component_client& client = *foobar2000_get_interface(&host, nullptr);
    client.set_services_state(true);
    host.playlists().add_playlist("A");
    auto receiver = standin::published<playlist_callback_static>(client, playlist_callback_static::class_guid);
    auto& notifications = static_cast<playlist_callback&>(*receiver);

    constexpr int tasks = 64, threads = 4, rounds = 2000;
    const int64_t live = test_heap::live_blocks();
    for (int i = 0; i < tasks; ++i) notifications.on_items_added(0, 0, standin::no_items(), standin::no_marks());
    EXPECT_EQ(test_heap::live_blocks(), live + tasks);
    {
        // Each thread holds and drops references to every task, many times over.
        std::vector<service_ptr_t<main_thread_callback>> shared;
        while (host.queue().pending() > 0) {
            shared.push_back(host.queue().front());
            host.queue().pop_without_running();
        }
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([&shared] {
                for (int r = 0; r < rounds; ++r) {
                    std::vector<service_ptr_t<main_thread_callback>> mine(shared.begin(), shared.end());
                }
            });
        }
        for (auto& worker : workers) worker.join();
        EXPECT_EQ(test_heap::live_blocks(), live + tasks) << "every task is still held by the host";
        for (auto& task : shared) {
            EXPECT_EQ(task->service_add_ref(), 2);
            EXPECT_EQ(task->service_release(), 1);
        }
    }
    EXPECT_EQ(test_heap::live_blocks(), live) << "the last release destroyed each task";
    receiver.reset();
    client.set_services_state(false);
    foobar2000_get_interface(nullptr, nullptr);
}

}  // namespace
