#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace host_program {

// One entry of a playlist file: where the item is, and its length when the file
// states one (an unknown length is none).
struct playlist_entry {
    std::string location;
    std::optional<double> length;
};

struct playlist_file {
    std::string name;  // the file's name without its extension
    std::vector<playlist_entry> entries;
};

// A playlist file that cannot be read or understood; what() names the file and, where
// there is one, the line.
class playlist_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The contents of an M3U or M3U8 file, or of a PLS file. Relative locations are
// resolved against folder. A malformed line raises playlist_error naming source and
// the line number.
std::vector<playlist_entry> parse_m3u(std::string_view text, const std::string& source,
                                      const std::filesystem::path& folder);
std::vector<playlist_entry> parse_pls(std::string_view text, const std::string& source,
                                      const std::filesystem::path& folder);

// Whether the path has a playlist file's extension (.m3u, .m3u8, .pls, any case).
bool is_playlist_file(const std::filesystem::path& path);

// Reads and parses one playlist file.
playlist_file read_playlist_file(const std::filesystem::path& path);

}  // namespace host_program
