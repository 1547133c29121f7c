#include "standin/playlists.h"

#include <cstring>
#include <stdexcept>

namespace standin {

uint32_t playlist_manager::get_playlist_count() { return static_cast<uint32_t>(m_playlists.size()); }

uint32_t playlist_manager::get_item_count(uint32_t index) {
    return index < m_playlists.size() ? static_cast<uint32_t>(m_playlists[index].items.size()) : 0;
}

bool playlist_manager::enumerate_items(uint32_t index, item_receiver& receiver, const selection_mask& mask) {
    if (index >= m_playlists.size()) return false;
    const auto& items = m_playlists[index].items;
    for (uint32_t i = 0; i < items.size(); ++i) {
        if (mask.is_set(i) && !receiver.receive_item(i, items[i], false)) break;
    }
    return true;
}

bool playlist_manager::get_name(uint32_t index, string_base& out) {
    if (index >= m_playlists.size()) return false;
    const std::string& name = m_playlists[index].name;
    const auto length = static_cast<uint32_t>(name.size());
    switch (m_writer) {
        case name_writer::assign:
            out.assign_text(name.c_str(), whole_text);
            break;
        case name_writer::append:
            // In two pieces, the first bounded by its maximum, after emptying the buffer.
            out.truncate_to(0);
            out.append_text(name.c_str(), length / 2);
            out.append_text(name.c_str() + length / 2, whole_text);
            break;
        case name_writer::open_buffer:
            std::memcpy(out.open_buffer(length), name.data(), length);
            out.close_buffer();
            break;
    }
    if (out.text_length() != length || name != out.text_ptr()) throw std::logic_error("the name buffer lost the name");
    return true;
}

bool playlist_manager::rename(uint32_t index, const char* name, uint32_t length) {
    ++m_renames;
    if (index >= m_playlists.size()) return false;
    const size_t available = name != nullptr ? std::strlen(name) : 0;
    m_playlists[index].name.assign(name != nullptr ? name : "", length < available ? length : available);
    return true;
}

uint32_t playlist_manager::add_playlist(std::string name) {
    m_playlists.push_back({std::move(name), {}});
    return static_cast<uint32_t>(m_playlists.size() - 1);
}

void playlist_manager::add_item(uint32_t index, item_handle& handle) {
    m_playlists.at(index).items.emplace_back(&handle);
}

void playlist_manager::remove_items(uint32_t index, uint32_t first, uint32_t count) {
    auto& items = m_playlists.at(index).items;
    if (first > items.size() || count > items.size() - first) throw std::out_of_range("no such items");
    items.erase(items.begin() + first, items.begin() + first + count);
}

void playlist_manager::replace_item(uint32_t index, uint32_t position, item_handle& handle) {
    m_playlists.at(index).items.at(position).reset(&handle);
}

void playlist_manager::remove_playlist(uint32_t index) {
    if (index >= m_playlists.size()) throw std::out_of_range("no such playlist");
    m_playlists.erase(m_playlists.begin() + index);
}

int32_t playlist_manager::held_references(const item_handle& handle) const {
    int32_t held = 0;
    for (const auto& list : m_playlists) {
        for (const auto& item : list.items) {
            if (item.get() == &handle) ++held;
        }
    }
    return held;
}

}  // namespace standin
