#include "naming/updater.h"

#include "component/service_lookup.h"
#include "config/settings.h"
#include "host/playlist_service.h"
#include "pfc/format.h"
#include "pfc/handle_list.h"
#include "pfc/item_collection.h"
#include "pfc/string8.h"

namespace {

// Cuts a summary off the end of name: from its last " [" when the name ends in "]".
// Only the brackets are checked, so any bracketed tail after a space counts.
void strip_summary(pfc::string8_t& name) {
    const char* text = name.text_ptr();
    const uint32_t length = name.text_length();
    const uint32_t open = pfc::find_last(text, " [", pfc::not_found);
    const uint32_t close = pfc::find_last(text, "]", pfc::not_found);
    if (open != pfc::not_found && close != pfc::not_found && close == length - 1 && open < length) {
        name.truncate_to(open);
    }
}

// The total in whole seconds, truncated toward zero. A total at or past 2^63 seconds
// (an infinite length among the items, say) has no signed 64-bit count and saturates.
int64_t whole_seconds(double total) {
    constexpr double limit = 9223372036854775808.0;  // 2^63
    return total < limit ? static_cast<int64_t>(total) : INT64_MAX;
}

void append_summary(pfc::string8_t& name, uint32_t count, double total) {
    char scratch[128];
    name.append_text(" [", whole_text);
    if (cfg_show_total_items.get()) {
        name.append_text(pfc::format_uint(scratch, count, 0, 10), whole_text);
        name.append_text(" / ", whole_text);
    }
    name.append_text(pfc::format_duration(scratch, whole_seconds(total)), whole_text);
    name.append_text("]", whole_text);
}

}  // namespace

void update_playlist_name(uint32_t playlist, bool strip_only) {
    // Declared before the manager so that they go after it, in the order: manager,
    // name, items. Neither allocates until it is used.
    metadb_handle_list items;
    pfc::string8_t name;
    const service_ptr_t<playlist_service> playlists = lookup_service<playlist_service>();

    collect_playlist_items(*playlists, playlist, items);
    const uint32_t count = playlists->get_item_count(playlist);
    playlists->get_name(playlist, name);
    strip_summary(name);
    if (count > 0 && !strip_only) append_summary(name, count, total_length(items));
    playlists->rename(playlist, name.text_ptr(), whole_text);
}
