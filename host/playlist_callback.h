#pragma once

#include <cstdint>

#include "component/service.h"
#include "host/metadb_handle.h"
#include "host/selection_mask.h"
#include "pfc/list_base.h"

// One replaced item of the items-replaced notification.
struct item_replacement {
    uint32_t index;
    service_ptr_t<metadb_handle> old_handle;
    service_ptr_t<metadb_handle> new_handle;
};

// The host's playlist notifications, in the host's fixed order. Notification k is
// delivered only when bit k - 1 of the receiver's flags word is set.
class playlist_callback {
public:
    // 1: items were added at first_position.
    virtual void on_items_added(uint32_t playlist, uint32_t first_position, const handle_list_const& items,
                                const selection_mask& selection) = 0;
    // 2: the items were reordered.
    virtual void on_items_reordered(uint32_t playlist, const uint32_t* order, uint32_t count) = 0;
    // 3: the masked items are about to be removed.
    virtual void on_items_removing(uint32_t playlist, const selection_mask& mask, uint32_t old_count,
                                   uint32_t new_count) = 0;
    // 4: the masked items were removed.
    virtual void on_items_removed(uint32_t playlist, const selection_mask& mask, uint32_t old_count,
                                  uint32_t new_count) = 0;
    // 5: the selection changed.
    virtual void on_items_selection_change(uint32_t playlist, const selection_mask& affected,
                                           const selection_mask& state) = 0;
    // 6: the focus moved.
    virtual void on_item_focus_change(uint32_t playlist, uint32_t old_focus, uint32_t new_focus) = 0;
    // 7: the masked items' information changed.
    virtual void on_items_modified(uint32_t playlist, const selection_mask& mask) = 0;
    // 8: the masked items' information changed during playback.
    virtual void on_items_modified_fromplayback(uint32_t playlist, const selection_mask& mask,
                                                uint32_t display_level) = 0;
    // 9: the masked items were replaced by other handles.
    virtual void on_items_replaced(uint32_t playlist, const selection_mask& mask,
                                   const pfc::list_base_const_t<item_replacement>& records) = 0;
    // 10: the item should be made visible.
    virtual void on_item_ensure_visible(uint32_t playlist, uint32_t item) = 0;
    // 11: another playlist became the active one.
    virtual void on_playlist_activate(uint32_t old_index, uint32_t new_index) = 0;
    // 12: a playlist was created at index playlist.
    virtual void on_playlist_created(uint32_t playlist, const char* name, uint32_t name_length) = 0;
    // 13: the playlists were reordered.
    virtual void on_playlists_reorder(const uint32_t* order, uint32_t count) = 0;
    // 14: the masked playlists are about to be removed.
    virtual void on_playlists_removing(const selection_mask& mask, uint32_t old_count, uint32_t new_count) = 0;
    // 15: the masked playlists were removed.
    virtual void on_playlists_removed(const selection_mask& mask, uint32_t old_count, uint32_t new_count) = 0;
    // 16: a playlist was renamed.
    virtual void on_playlist_renamed(uint32_t playlist, const char* name, uint32_t name_length) = 0;
    // 17: the default title format changed.
    virtual void on_default_format_changed() = 0;
    // 18: the playback order changed.
    virtual void on_playback_order_changed(uint32_t new_order_index) = 0;
    // 19: a playlist was locked or unlocked.
    virtual void on_playlist_locked(uint32_t playlist, bool locked) = 0;

protected:
    ~playlist_callback() = default;
};

// A service that receives the playlist notifications for the module's life. Its
// object carries the service table first and the notification table second; a host
// reaches the second by converting to playlist_callback*.
class playlist_callback_static : public service_base, public playlist_callback {
public:
    static constexpr GUID class_guid = {0x242d9341, 0x211a, 0x4637, {0xa6, 0x9f, 0xf6, 0x68, 0x4b, 0x52, 0xf9, 0xd6}};
    using interface_class = playlist_callback_static;
    using parent_class = service_base;
    using service_class = playlist_callback_static;

    // Slot 4: bit k asks for notification k + 1.
    virtual uint32_t get_flags() = 0;

protected:
    ~playlist_callback_static() = default;
};
