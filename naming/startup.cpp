#include "naming/startup.h"

#include "component/service_lookup.h"
#include "host/playlist_service.h"
#include "naming/updater.h"

void foo_initquit::on_init() {
    const service_ptr_t<playlist_service> playlists = lookup_service<playlist_service>();
    const uint32_t count = playlists->get_playlist_count();
    for (uint32_t i = 0; i < count; ++i) update_playlist_name(i, false);
}

// The summaries stay in the names when the host stops.
void foo_initquit::on_quit() {}
