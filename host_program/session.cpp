#include "host_program/session.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>

#include "host_program/audio_length.h"
#include "host_program/state_file.h"
#include "standin/arguments.h"
#include "standin/published.h"
#include "standin/streams.h"
#include "standin/text_buffer.h"

namespace host_program {

namespace {

// The component protocol revision this host speaks.
constexpr uint32_t host_client_version = 71;

// A read-only list over a vector, for the lists a player hands to notifications.
template <class T>
class vector_view final : public pfc::list_base_const_t<T> {
public:
    explicit vector_view(const std::vector<T>& items) : m_items(items) {}
    uint32_t count() const override { return static_cast<uint32_t>(m_items.size()); }
    void copy_item(T& out, uint32_t index) const override { out = m_items.at(index); }

private:
    const std::vector<T>& m_items;
};

std::optional<double> number_of(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<uint32_t> index_of(const std::string& text) {
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

[[noreturn]] void bad(const std::string& message) { throw std::invalid_argument(message); }

}  // namespace

std::vector<std::string> split_words(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool in_word = false;
    char quote = 0;
    for (char c : line) {
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            } else {
                word += c;
            }
        } else if (c == '"' || c == '\'') {
            quote = c;
            in_word = true;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (in_word) words.push_back(word);
            word.clear();
            in_word = false;
        } else {
            word += c;
            in_word = true;
        }
    }
    if (quote != 0) bad(std::string("unclosed ") + quote + " quote");
    if (in_word) words.push_back(word);
    return words;
}

std::vector<std::string> split_commands(const std::string& script) {
    std::vector<std::string> commands;
    std::string current;
    auto finish = [&] {
        const auto first = current.find_first_not_of(" \t");
        commands.push_back(first == std::string::npos ? std::string() : current.substr(first));
        current.clear();
    };
    char quote = 0;
    for (char c : script) {
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            finish();
            continue;
        }
        current += c;
    }
    finish();
    return commands;
}

std::string format_time(double seconds) {
    const auto total = static_cast<unsigned long long>(seconds > 0 && std::isfinite(seconds) ? seconds : 0);
    char out[48];
    if (total >= 3600) {
        std::snprintf(out, sizeof out, "%llu:%02llu:%02llu", total / 3600, total / 60 % 60, total % 60);
    } else {
        std::snprintf(out, sizeof out, "%llu:%02llu", total / 60, total % 60);
    }
    return out;
}

session::session(const std::string& library_path, std::optional<std::filesystem::path> state_path, std::ostream& out,
                 std::ostream& err)
    : m_out(out), m_err(err), m_library_path(library_path), m_state_path(std::move(state_path)) {
    connect();
    load_state();
}

session::~session() {
    // Everything the component handed out goes back before the library is unloaded.
    m_version.reset();
    m_menu_group.reset();
    m_commands.reset();
    m_receiver.reset();
    m_start_up.reset();
    m_host.queue().discard();
}

void session::connect() {
    m_library.reset();
    m_library = std::make_unique<standin::component_library>(m_library_path);
    m_client = &m_library->connect(m_host);
    const uint32_t version = m_client->client_version();
    if (version != host_client_version) {
        throw std::runtime_error(m_library_path + " answers client version " + std::to_string(version) +
                                 "; this host speaks version " + std::to_string(host_client_version));
    }
    const std::filesystem::path path = std::filesystem::absolute(m_library_path);
    m_client->set_module_path(path.string().c_str(), path.filename().string().c_str());
}

void session::load_state() {
    if (!m_state_path) return;
    try {
        const auto bytes = read_state(*m_state_path);
        if (!bytes) return;
        standin::memory_input_stream in(*bytes);
        standin::never_abort abort;
        m_client->load_configuration(in, abort);
    } catch (const std::exception& e) {
        m_err << "state file " << m_state_path->string() << " rejected: " << e.what() << "\n";
        try {
            m_err << "kept aside as " << keep_aside(*m_state_path).string() << "; going on with the defaults\n";
        } catch (const std::exception& aside) {
            m_err << aside.what() << "; going on with the defaults\n";
        }
        // A fresh load of the library is the only way back to the defaults: the
        // component keeps whatever it read before it stopped.
        connect();
    }
}

void session::save_state() {
    if (!m_state_path) return;
    standin::memory_output_stream out;
    standin::never_abort abort;
    m_client->save_configuration(out, abort);
    write_state(*m_state_path, out.bytes());
}

void session::add_playlist(const playlist_file& file) {
    auto& playlists = m_host.playlists();
    const uint32_t index = playlists.add_playlist(file.name);
    m_ids.push_back(m_next_id++);
    for (const playlist_entry& entry : file.entries) {
        std::optional<double> length = entry.length;
        if (!length) length = audio_file_length(entry.location);
        playlists.add_item(index, m_host.handles().make(length));
    }
}

void session::start() {
    m_start_up = standin::published<initquit>(*m_client, initquit::class_guid);
    m_receiver = standin::published<playlist_callback_static>(*m_client, playlist_callback_static::class_guid);
    m_commands = standin::published<mainmenu_commands>(*m_client, mainmenu_commands::class_guid);
    m_version = standin::published<componentversion>(*m_client, componentversion::class_guid);
    auto group = standin::published<mainmenu_group>(*m_client, mainmenu_group::class_guid);
    if (!m_start_up || !m_receiver || !m_commands || !m_version || !group) {
        throw std::runtime_error(m_library_path + " does not publish every service this host needs");
    }
    service_ptr_t<service_base> popup;
    if (group->service_query(popup, mainmenu_group_popup::class_guid)) {
        m_menu_group.adopt(static_cast<mainmenu_group_popup*>(popup.detach()));
    }
    m_flags = m_receiver->get_flags();

    m_client->set_services_state(true);
    m_started = true;
    try {
        m_start_up->on_init();
        m_host.queue().run_all();
    } catch (const std::exception& e) {
        m_err << "error: start-up: " << e.what() << "\n";
    }
    m_out << "after start-up:\n";
    command_list();
}

void session::finish() {
    if (m_finished) return;
    m_finished = true;
    try {
        save_state();
    } catch (const std::exception& e) {
        m_err << "error: " << e.what() << "\n";
    }
    if (m_started) {
        try {
            m_start_up->on_quit();
        } catch (const std::exception& e) {
            m_err << "error: shut-down: " << e.what() << "\n";
        }
    }
    m_client->set_services_state(false);
}

bool session::run_command(const std::string& line) {
    try {
        const std::vector<std::string> words = split_words(line);
        if (words.empty()) return true;
        if (words[0] == "quit" || words[0] == "exit") return false;
        const auto before = snapshot();
        try {
            execute(words);
        } catch (...) {
            settle(before);
            throw;
        }
        settle(before);
    } catch (const std::exception& e) {
        m_err << "error: " << e.what() << "\n";
    }
    return true;
}

void session::execute(const std::vector<std::string>& words) {
    const std::string& name = words[0];
    if (name == "list") return command_list();
    if (name == "new") return command_new(words);
    if (name == "add") return command_add(words);
    if (name == "remove") return command_remove(words);
    if (name == "modify") return command_modify(words);
    if (name == "replace") return command_replace(words);
    if (name == "rename") return command_rename(words);
    if (name == "delete") return command_delete(words);
    if (name == "menu") return command_menu(words);
    if (name == "about") return command_about();
    if (name == "save") {
        save_state();
        if (m_state_path) m_out << "saved to " << m_state_path->string() << "\n";
        return;
    }
    bad("unknown command \"" + name +
        "\"; commands: list new add remove modify replace rename delete menu about save "
        "quit");
}

template <class Deliver>
void session::notify(int number, Deliver deliver) {
    if ((m_flags & (1u << (number - 1))) != 0) deliver(static_cast<playlist_callback&>(*m_receiver));
}

std::vector<std::pair<uint64_t, std::string>> session::snapshot() const {
    std::vector<std::pair<uint64_t, std::string>> names;
    for (size_t i = 0; i < m_ids.size(); ++i) names.emplace_back(m_ids[i], m_host.playlists().playlists()[i].name);
    return names;
}

void session::settle(const std::vector<std::pair<uint64_t, std::string>>& before) {
    try {
        m_host.queue().run_all();
    } catch (const std::exception& e) {
        m_err << "error: " << e.what() << "\n";
    }
    std::map<uint64_t, std::string> old_names(before.begin(), before.end());
    for (const auto& [id, name] : snapshot()) {
        const auto old = old_names.find(id);
        if (old == old_names.end()) {
            m_out << "  (new) -> " << name << "\n";
            continue;
        }
        if (old->second != name) m_out << "  " << old->second << " -> " << name << "\n";
        old_names.erase(old);
    }
    for (const auto& [id, name] : before) {
        if (old_names.count(id) != 0) m_out << "  " << name << " -> (deleted)\n";
    }
}

uint32_t session::playlist_named(const std::string& word) const {
    const auto& playlists = m_host.playlists().playlists();
    if (const auto index = index_of(word)) {
        if (*index < playlists.size()) return *index;
        bad("no playlist " + word + "; there are " + std::to_string(playlists.size()));
    }
    for (uint32_t i = 0; i < playlists.size(); ++i) {
        if (playlists[i].name == word) return i;
    }
    // A name as the user knows it, without the summary the component keeps on it.
    std::optional<uint32_t> found;
    for (uint32_t i = 0; i < playlists.size(); ++i) {
        if (playlists[i].name.rfind(word + " [", 0) == 0) {
            if (found) bad("more than one playlist is named \"" + word + "\"; name it by index");
            found = i;
        }
    }
    if (!found) bad("no playlist named \"" + word + "\"");
    return *found;
}

uint32_t session::position_in(uint32_t playlist, const std::string& word) const {
    const auto position = index_of(word);
    const size_t count = m_host.playlists().playlists()[playlist].items.size();
    if (!position) bad("\"" + word + "\" is not a position");
    if (*position >= count) bad("no position " + word + "; the playlist has " + std::to_string(count) + " items");
    return *position;
}

session::item_spec session::item_from(const std::string& word) const {
    const auto equals = word.rfind('=');
    if (equals != std::string::npos) {
        const auto seconds = number_of(word.substr(equals + 1));
        if (!seconds) bad("\"" + word + "\": the part after = is not a number of seconds");
        return {*seconds};
    }
    if (const auto seconds = number_of(word)) return {*seconds};
    std::error_code error;
    if (!std::filesystem::is_regular_file(word, error)) bad("\"" + word + "\" is neither seconds nor a file");
    return {audio_file_length(word)};
}

standin::item_handle& session::make_item(const item_spec& spec) { return m_host.handles().make(spec.length); }

void session::command_list() {
    const auto& playlists = m_host.playlists().playlists();
    for (size_t i = 0; i < playlists.size(); ++i) {
        double total = 0;
        for (const auto& item : playlists[i].items) {
            const auto length = static_cast<const standin::item_handle*>(item.get())->length();
            if (length && *length > 0) total += *length;
        }
        m_out << "  " << i << "  " << playlists[i].name << "  (" << playlists[i].items.size() << " items, "
              << format_time(total) << ")\n";
    }
}

void session::command_new(const std::vector<std::string>& words) {
    if (words.size() != 2) bad("usage: new NAME");
    const uint32_t index = m_host.playlists().add_playlist(words[1]);
    m_ids.push_back(m_next_id++);
    notify(12, [&](playlist_callback& c) { c.on_playlist_created(index, words[1].c_str(), whole_text); });
}

void session::command_add(const std::vector<std::string>& words) {
    if (words.size() < 3) bad("usage: add PLAYLIST ITEM...");
    const uint32_t playlist = playlist_named(words[1]);
    std::vector<item_spec> specs;
    for (size_t i = 2; i < words.size(); ++i) specs.push_back(item_from(words[i]));
    auto& items = m_host.playlists().playlists()[playlist].items;
    const auto first = static_cast<uint32_t>(items.size());
    std::vector<service_ptr_t<metadb_handle>> added;
    for (const item_spec& spec : specs) {
        standin::item_handle& handle = make_item(spec);
        m_host.playlists().add_item(playlist, handle);
        added.emplace_back(&handle);
    }
    const vector_view<service_ptr_t<metadb_handle>> view(added);
    notify(1, [&](playlist_callback& c) { c.on_items_added(playlist, first, view, standin::marks({})); });
}

void session::command_remove(const std::vector<std::string>& words) {
    if (words.size() < 3) bad("usage: remove PLAYLIST POSITION...");
    const uint32_t playlist = playlist_named(words[1]);
    const auto old_count = static_cast<uint32_t>(m_host.playlists().playlists()[playlist].items.size());
    std::vector<bool> set(old_count, false);
    for (size_t i = 2; i < words.size(); ++i) set[position_in(playlist, words[i])] = true;
    const auto removed = static_cast<uint32_t>(std::count(set.begin(), set.end(), true));
    const standin::marks mask(set);
    const uint32_t new_count = old_count - removed;
    notify(3, [&](playlist_callback& c) { c.on_items_removing(playlist, mask, old_count, new_count); });
    for (uint32_t i = old_count; i > 0; --i) {
        if (set[i - 1]) m_host.playlists().remove_items(playlist, i - 1, 1);
    }
    notify(4, [&](playlist_callback& c) { c.on_items_removed(playlist, mask, old_count, new_count); });
}

void session::command_modify(const std::vector<std::string>& words) {
    if (words.size() != 4) bad("usage: modify PLAYLIST POSITION SECONDS");
    const uint32_t playlist = playlist_named(words[1]);
    const uint32_t position = position_in(playlist, words[2]);
    const auto seconds = number_of(words[3]);
    if (!seconds) bad("\"" + words[3] + "\" is not a number of seconds");
    auto& items = m_host.playlists().playlists()[playlist].items;
    static_cast<standin::item_handle*>(items[position].get())->set_length(*seconds);
    std::vector<bool> set(items.size(), false);
    set[position] = true;
    notify(7, [&](playlist_callback& c) { c.on_items_modified(playlist, standin::marks(set)); });
}

void session::command_replace(const std::vector<std::string>& words) {
    if (words.size() != 4) bad("usage: replace PLAYLIST POSITION ITEM");
    const uint32_t playlist = playlist_named(words[1]);
    const uint32_t position = position_in(playlist, words[2]);
    const item_spec spec = item_from(words[3]);
    const auto& items = m_host.playlists().playlists()[playlist].items;
    std::vector<item_replacement> records(1);
    records[0].index = position;
    records[0].old_handle = items[position];
    standin::item_handle& handle = make_item(spec);
    records[0].new_handle.reset(&handle);
    m_host.playlists().replace_item(playlist, position, handle);
    std::vector<bool> set(items.size(), false);
    set[position] = true;
    const vector_view<item_replacement> view(records);
    notify(9, [&](playlist_callback& c) { c.on_items_replaced(playlist, standin::marks(set), view); });
}

void session::command_rename(const std::vector<std::string>& words) {
    if (words.size() != 3) bad("usage: rename PLAYLIST NAME");
    const uint32_t playlist = playlist_named(words[1]);
    m_host.playlists().rename(playlist, words[2].c_str(), whole_text);
    notify(16, [&](playlist_callback& c) { c.on_playlist_renamed(playlist, words[2].c_str(), whole_text); });
}

void session::command_delete(const std::vector<std::string>& words) {
    if (words.size() != 2) bad("usage: delete PLAYLIST");
    const uint32_t playlist = playlist_named(words[1]);
    const auto old_count = static_cast<uint32_t>(m_ids.size());
    std::vector<bool> set(old_count, false);
    set[playlist] = true;
    const standin::marks mask(set);
    notify(14, [&](playlist_callback& c) { c.on_playlists_removing(mask, old_count, old_count - 1); });
    m_host.playlists().remove_playlist(playlist);
    m_ids.erase(m_ids.begin() + playlist);
    notify(15, [&](playlist_callback& c) { c.on_playlists_removed(mask, old_count, old_count - 1); });
}

void session::command_menu(const std::vector<std::string>& words) {
    if (words.size() > 2) bad("usage: menu [COMMAND]");
    const uint32_t count = m_commands->get_command_count();
    if (words.size() == 1) {
        standin::text_buffer group;
        if (m_menu_group) m_menu_group->get_display_string(group);
        m_out << "Edit > " << group.str() << "\n";
        for (uint32_t i = 0; i < count; ++i) {
            standin::text_buffer text, description;
            uint32_t flags = 0;
            if (!m_commands->get_display(i, text, flags)) continue;
            m_commands->get_description(i, description);
            m_out << "  [" << ((flags & mainmenu_commands::flag_checked) != 0 ? 'x' : ' ') << "] " << text.str()
                  << "  -- " << description.str() << "\n";
        }
        return;
    }
    for (uint32_t i = 0; i < count; ++i) {
        standin::text_buffer name;
        m_commands->get_name(i, name);
        if (lower(name.str()) == lower(words[1])) {
            m_commands->execute(i, service_ptr_t<service_base>());
            return;
        }
    }
    bad("no menu command \"" + words[1] + "\"; see: menu");
}

void session::command_about() {
    standin::text_buffer file, name, version, about;
    m_version->get_file_name(file);
    m_version->get_component_name(name);
    m_version->get_component_version(version);
    m_version->get_about_message(about);
    m_out << name.str() << " " << version.str() << " (" << file.str() << ")\n\n" << about.str() << "\n";
}

}  // namespace host_program
