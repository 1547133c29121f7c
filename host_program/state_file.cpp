#include "host_program/state_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace host_program {

namespace {

[[noreturn]] void fail(const std::string& what, const std::filesystem::path& path, int error) {
    throw std::runtime_error(what + " " + path.string() + ": " + std::strerror(error));
}

}  // namespace

std::filesystem::path default_state_path() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path folder;
    if (config != nullptr && *config != 0) {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(home != nullptr ? home : ".") / ".config";
    }
    return folder / "tallymere" / "state.bin";
}

std::optional<std::vector<uint8_t>> read_state(const std::filesystem::path& path) {
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in || in.bad() || std::filesystem::is_directory(path)) fail("cannot read state file", path, errno);
    return bytes;
}

void write_state(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) fail("cannot create the folder of", path, error.value());

    const std::filesystem::path temporary = path.string() + ".tmp-" + std::to_string(getpid());
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) fail("cannot write state file", temporary, errno);
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int cause = n < 0 ? errno : ENOSPC;
            close(fd);
            unlink(temporary.c_str());
            fail("cannot write state file", temporary, cause);
        }
        written += static_cast<size_t>(n);
    }
    const bool synced = fsync(fd) == 0;
    const int sync_error = errno;
    const bool closed = close(fd) == 0;
    if (!synced || !closed) {
        const int cause = synced ? errno : sync_error;
        unlink(temporary.c_str());
        fail("cannot flush state file", temporary, cause);
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        const int cause = errno;
        unlink(temporary.c_str());
        fail("cannot replace state file", path, cause);
    }
}

std::filesystem::path keep_aside(const std::filesystem::path& path) {
    std::filesystem::path aside = path.string() + ".rejected";
    for (int n = 1; std::filesystem::exists(aside); ++n) aside = path.string() + ".rejected." + std::to_string(n);
    std::error_code error;
    std::filesystem::rename(path, aside, error);
    if (error) fail("cannot move aside", path, error.value());
    return aside;
}

}  // namespace host_program
