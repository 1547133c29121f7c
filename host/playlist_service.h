#pragma once

#include <cstdint>

#include "component/service.h"
#include "host/metadb_handle.h"
#include "host/selection_mask.h"
#include "host/string_base.h"

// Receives the items the host reports during enumerate_items.
class item_receiver {
public:
    // Slot 1: one item: its index, its handle (the host's pointer, lent for the call)
    // and whether it is selected. Answers whether to go on.
    virtual bool receive_item(uint32_t index, const service_ptr_t<metadb_handle>& handle, bool selected) = 0;

protected:
    ~item_receiver() = default;
};

// The host's playlist manager. Playlists are indexed 0 to count - 1.
class playlist_service : public service_base {
public:
    static constexpr GUID class_guid = {0xd8d51855, 0xd79d, 0x49b8, {0x97, 0xa8, 0x06, 0x57, 0x85, 0xfa, 0x24, 0x26}};
    using interface_class = playlist_service;
    using parent_class = service_base;
    using service_class = playlist_service;

    // Slot 4: how many playlists there are.
    virtual uint32_t get_playlist_count() = 0;
    // Slot 5: how many items the playlist holds.
    virtual uint32_t get_item_count(uint32_t playlist) = 0;
    // Slot 6: calls the receiver for the playlist's items that the mask selects.
    virtual bool enumerate_items(uint32_t playlist, item_receiver& receiver, const selection_mask& mask) = 0;
    // Slot 7: writes the playlist's name into out.
    virtual bool get_name(uint32_t playlist, string_base& out) = 0;
    // Slot 8: gives the playlist a new name (length as for append_text).
    virtual bool rename(uint32_t playlist, const char* name, uint32_t length) = 0;

protected:
    ~playlist_service() = default;
};
