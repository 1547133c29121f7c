#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/playlist_service.h"
#include "standin/handles.h"
#include "standin/host_object.h"

namespace standin {

// The stand-in host's playlist manager: named playlists of item handles, each slot
// holding one reference to its handle for as long as the item is in the playlist.
class playlist_manager final : public host_object<playlist_service> {
public:
    // How get_name writes into the component's buffer: a player may use any of the
    // buffer's operations.
    enum class name_writer { assign, append, open_buffer };

    struct playlist {
        std::string name;
        std::vector<service_ptr_t<metadb_handle>> items;
    };

    uint32_t get_playlist_count() override;
    uint32_t get_item_count(uint32_t index) override;
    bool enumerate_items(uint32_t index, item_receiver& receiver, const selection_mask& mask) override;
    bool get_name(uint32_t index, string_base& out) override;
    bool rename(uint32_t index, const char* name, uint32_t length) override;

    // Host-side changes; they do not notify anybody by themselves.
    uint32_t add_playlist(std::string name);
    void add_item(uint32_t index, item_handle& handle);
    void remove_items(uint32_t index, uint32_t first, uint32_t count);
    void replace_item(uint32_t index, uint32_t position, item_handle& handle);
    void remove_playlist(uint32_t index);

    void set_name_writer(name_writer writer) noexcept { m_writer = writer; }

    const std::string& name(uint32_t index) const { return m_playlists.at(index).name; }
    const std::vector<playlist>& playlists() const noexcept { return m_playlists; }
    uint64_t rename_calls() const noexcept { return m_renames; }

    // The references the manager itself holds on a handle.
    int32_t held_references(const item_handle& handle) const;

private:
    std::vector<playlist> m_playlists;
    name_writer m_writer = name_writer::assign;
    uint64_t m_renames = 0;
};

}  // namespace standin
