#pragma once

#include <cstdint>

#include "host/playlist_callback.h"

// Listens to the host's playlist notifications. It asks only for the five that change
// a playlist's items or create a playlist.
class tallymere : public playlist_callback_static {
public:
    // Items added (1), items removed (4), items modified (7), items replaced (9) and
    // playlist created (12).
    static constexpr uint32_t notification_flags = 0x949;

    uint32_t get_flags() override { return notification_flags; }

    void on_items_added(uint32_t playlist, uint32_t, const handle_list_const&, const selection_mask&) override;
    void on_items_reordered(uint32_t, const uint32_t*, uint32_t) override {}
    void on_items_removing(uint32_t, const selection_mask&, uint32_t, uint32_t) override {}
    void on_items_removed(uint32_t playlist, const selection_mask&, uint32_t, uint32_t) override;
    void on_items_selection_change(uint32_t, const selection_mask&, const selection_mask&) override {}
    void on_item_focus_change(uint32_t, uint32_t, uint32_t) override {}
    void on_items_modified(uint32_t playlist, const selection_mask&) override;
    void on_items_modified_fromplayback(uint32_t, const selection_mask&, uint32_t) override {}
    void on_items_replaced(uint32_t playlist, const selection_mask&,
                           const pfc::list_base_const_t<item_replacement>&) override;
    void on_item_ensure_visible(uint32_t, uint32_t) override {}
    void on_playlist_activate(uint32_t, uint32_t) override {}
    void on_playlist_created(uint32_t playlist, const char*, uint32_t) override;
    void on_playlists_reorder(const uint32_t*, uint32_t) override {}
    void on_playlists_removing(const selection_mask&, uint32_t, uint32_t) override {}
    void on_playlists_removed(const selection_mask&, uint32_t, uint32_t) override {}
    // The component's own renames come back here; they must not start another update.
    void on_playlist_renamed(uint32_t, const char*, uint32_t) override {}
    void on_default_format_changed() override {}
    void on_playback_order_changed(uint32_t) override {}
    void on_playlist_locked(uint32_t, bool) override {}
};
