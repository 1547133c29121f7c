#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace host_program {

// The default place of the component's stored configuration: under $XDG_CONFIG_HOME,
// or ~/.config, in a folder of the program's own.
std::filesystem::path default_state_path();

// The file's bytes; none when it does not exist. Raises std::runtime_error naming the
// file when it exists but cannot be read.
std::optional<std::vector<uint8_t>> read_state(const std::filesystem::path& path);

// Replaces the file with bytes atomically: a temporary file beside it is written,
// flushed to disk and renamed over it, so the file is never half-written. Raises
// std::runtime_error naming the file on failure, leaving the old file as it was.
void write_state(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// Moves a rejected file aside to a name that does not exist yet (path.rejected,
// path.rejected.1, ...) and answers that name.
std::filesystem::path keep_aside(const std::filesystem::path& path);

}  // namespace host_program
