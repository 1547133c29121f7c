// tallymere-host: a headless player that loads the component, runs it over playlist
// files and lets a script or a person change the playlists as a player would.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "host_program/audio_length.h"
#include "host_program/playlist_file.h"
#include "host_program/session.h"
#include "host_program/state_file.h"

namespace {

const char usage[] =
    "usage: tallymere-host [OPTION]... [PLAYLIST-FILE-OR-FOLDER]...\n"
    "Loads the Tallymere component, gives it the playlists (.m3u, .m3u8, .pls) and runs\n"
    "it as a player does: start-up, then the commands given.\n"
    "\n"
    "  --library PATH   the component library (default: foo_tallymere.so beside this program)\n"
    "  --state FILE     where the component's configuration is kept between runs\n"
    "                   (default: $XDG_CONFIG_HOME/tallymere/state.bin or ~/.config/...)\n"
    "  --no-state       keep no configuration\n"
    "  --run SCRIPT     run the commands of SCRIPT, separated by ';'\n"
    "  -, --interactive read commands from standard input, one per line\n"
    "  --version        say the version and whether audio files can be read\n"
    "  --help           this text\n"
    "\n"
    "commands: list | new NAME | add PLAYLIST ITEM... | remove PLAYLIST POSITION... |\n"
    "  modify PLAYLIST POSITION SECONDS | replace PLAYLIST POSITION ITEM |\n"
    "  rename PLAYLIST NAME | delete PLAYLIST | menu [COMMAND] | about | save | quit\n"
    "A PLAYLIST is an index or a name; an ITEM is SECONDS, TITLE=SECONDS or an audio file;\n"
    "positions count from 0.\n";

std::string default_library() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return ((error ? std::filesystem::path(".") : self.parent_path()) / "foo_tallymere.so").string();
}

// The playlist files an argument names: the file itself, or a folder's playlist files
// in name order.
std::vector<std::filesystem::path> files_of(const std::string& argument) {
    std::error_code error;
    if (!std::filesystem::is_directory(argument, error)) return {argument};
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(argument, error)) {
        if (entry.is_regular_file() && host_program::is_playlist_file(entry.path())) files.push_back(entry.path());
    }
    if (error) std::cerr << "skipped: " << argument << ": " << error.message() << "\n";
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    std::string library = default_library();
    std::optional<std::filesystem::path> state = host_program::default_state_path();
    std::optional<std::string> script;
    bool interactive = false;
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::cerr << "tallymere-host: " << arg << " needs a value\n" << usage;
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--library") {
            library = value();
        } else if (arg == "--state") {
            state = value();
        } else if (arg == "--no-state") {
            state.reset();
        } else if (arg == "--run") {
            script = value();
        } else if (arg == "-" || arg == "--interactive") {
            interactive = true;
        } else if (arg == "--version") {
            std::cout << "tallymere-host 1.2; audio file lengths: "
                      << (host_program::can_read_audio_lengths() ? "read with TagLib" : "not available") << "\n";
            return 0;
        } else if (arg == "--help") {
            std::cout << usage;
            return 0;
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::cerr << "tallymere-host: unknown option " << arg << "\n" << usage;
            return 2;
        } else {
            inputs.push_back(arg);
        }
    }

    std::vector<std::filesystem::path> files;
    for (const std::string& input : inputs) {
        for (auto& file : files_of(input)) files.push_back(std::move(file));
    }

    try {
        host_program::session run(library, state, std::cout, std::cerr);
        const bool progress = isatty(STDERR_FILENO) && files.size() > 1;
        for (size_t i = 0; i < files.size(); ++i) {
            if (progress && (i % 16 == 0 || i + 1 == files.size())) {
                std::cerr << "\rloading playlists: " << i + 1 << "/" << files.size() << std::flush;
            }
            try {
                run.add_playlist(host_program::read_playlist_file(files[i]));
            } catch (const host_program::playlist_error& e) {
                if (progress) std::cerr << "\r\033[K";
                std::cerr << "skipped: " << e.what() << "\n";
            }
        }
        if (progress) std::cerr << "\r\033[K" << std::flush;

        run.start();
        bool going = true;
        if (script) {
            for (const std::string& command : host_program::split_commands(*script)) {
                if (!going) break;
                std::cout << "> " << command << "\n";
                going = run.run_command(command);
            }
        }
        if (interactive && going) {
            const bool prompt = isatty(STDIN_FILENO);
            std::string line;
            while (going) {
                if (prompt) std::cout << "> " << std::flush;
                if (!std::getline(std::cin, line)) break;
                going = run.run_command(line);
            }
        }
        run.finish();
    } catch (const std::exception& e) {
        std::cerr << "tallymere-host: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
