#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/component_client.h"
#include "host/componentversion.h"
#include "host/initquit.h"
#include "host/mainmenu.h"
#include "host/playlist_callback.h"
#include "host_program/playlist_file.h"
#include "standin/host.h"
#include "standin/library.h"

namespace host_program {

// One run of the component, as a player runs it: the library loaded and connected,
// the stored configuration loaded, playlists added, start-up, then commands that
// change playlists and raise the notifications a player raises, each followed by the
// queued tasks and the names that changed. Failures of the component are caught at
// the host call that started them, printed, and the session goes on.
class session {
public:
    // Loads the library and its stored configuration. Raises std::runtime_error when
    // the library cannot be loaded, lacks the entry function or speaks another client
    // version. A state file the component rejects is reported, kept aside, and the
    // session starts from the defaults.
    session(const std::string& library_path, std::optional<std::filesystem::path> state_path, std::ostream& out,
            std::ostream& err);
    session(const session&) = delete;
    session& operator=(const session&) = delete;
    ~session();

    // Adds a playlist as the player's own stored playlists are, before start-up.
    void add_playlist(const playlist_file& file);

    // Marks services available, runs start-up and the tasks it queued, prints the names.
    void start();

    // Runs one command line; false once it was quit.
    bool run_command(const std::string& line);

    // Saves the configuration, runs shut-down and withdraws services.
    void finish();

private:
    struct item_spec {
        std::optional<double> length;
    };

    void connect();
    void load_state();
    void save_state();

    void execute(const std::vector<std::string>& words);
    uint32_t playlist_named(const std::string& word) const;
    uint32_t position_in(uint32_t playlist, const std::string& word) const;
    item_spec item_from(const std::string& word) const;
    standin::item_handle& make_item(const item_spec& spec);

    void command_list();
    void command_new(const std::vector<std::string>& words);
    void command_add(const std::vector<std::string>& words);
    void command_remove(const std::vector<std::string>& words);
    void command_modify(const std::vector<std::string>& words);
    void command_replace(const std::vector<std::string>& words);
    void command_rename(const std::vector<std::string>& words);
    void command_delete(const std::vector<std::string>& words);
    void command_menu(const std::vector<std::string>& words);
    void command_about();

    // Delivers notification number (counting from 1) if the component asked for it.
    template <class Deliver>
    void notify(int number, Deliver deliver);

    // Runs the queued tasks and prints the names that changed since before.
    void settle(const std::vector<std::pair<uint64_t, std::string>>& before);
    std::vector<std::pair<uint64_t, std::string>> snapshot() const;

    std::ostream& m_out;
    std::ostream& m_err;
    std::string m_library_path;
    std::optional<std::filesystem::path> m_state_path;

    // Declared before everything the component hands out, so that it is unloaded last.
    std::unique_ptr<standin::component_library> m_library;
    standin::host m_host;
    component_client* m_client = nullptr;
    service_ptr_t<initquit> m_start_up;
    service_ptr_t<playlist_callback_static> m_receiver;
    service_ptr_t<mainmenu_commands> m_commands;
    service_ptr_t<mainmenu_group_popup> m_menu_group;
    service_ptr_t<componentversion> m_version;
    uint32_t m_flags = 0;

    // A stable identity per playlist, index for index, to tell renames from moves.
    std::vector<uint64_t> m_ids;
    uint64_t m_next_id = 0;
    bool m_started = false;
    bool m_finished = false;
};

// Splits a line into words: white space separates them, and double or single quotes
// keep a word together. Raises std::runtime_error on an unclosed quote.
std::vector<std::string> split_words(const std::string& line);

// Splits a --run script into command lines at semicolons outside quotes, each without
// its leading white space.
std::vector<std::string> split_commands(const std::string& script);

// A duration as the host program prints it: H:MM:SS, or M:SS below an hour.
std::string format_time(double seconds);

}  // namespace host_program
