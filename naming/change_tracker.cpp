#include "naming/change_tracker.h"

#include "component/module.h"
#include "component/service_impl.h"
#include "component/service_lookup.h"
#include "host/main_thread.h"
#include "naming/updater.h"

namespace {

// A deferred update of one playlist, by index. The index is not checked when the task
// runs: whatever playlist has it then is updated.
class p_callback : public main_thread_callback {
public:
    explicit p_callback(uint32_t playlist) noexcept : m_playlist(playlist) {}

    void callback_run() override { update_playlist_name(m_playlist, false); }

private:
    uint32_t m_playlist;
};

// Queues an update of the playlist on the host's main thread. Dropped while the host
// starts up: its start-up pass covers every playlist.
void schedule_update(uint32_t playlist) {
    if (host_is_initializing()) return;
    const service_ptr_t<main_thread_queue> queue = lookup_service<main_thread_queue>();
    const service_ptr_t<main_thread_callback> task(new service_impl_t<p_callback>(playlist));
    queue->add_callback(task);
}

}  // namespace

void tallymere::on_items_added(uint32_t playlist, uint32_t, const handle_list_const&, const selection_mask&) {
    schedule_update(playlist);
}

void tallymere::on_items_removed(uint32_t playlist, const selection_mask&, uint32_t, uint32_t) {
    schedule_update(playlist);
}

void tallymere::on_items_modified(uint32_t playlist, const selection_mask&) { schedule_update(playlist); }

void tallymere::on_items_replaced(uint32_t playlist, const selection_mask&,
                                  const pfc::list_base_const_t<item_replacement>&) {
    schedule_update(playlist);
}

void tallymere::on_playlist_created(uint32_t playlist, const char*, uint32_t) { schedule_update(playlist); }
