#include "host_program/playlist_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <iterator>
#include <map>

namespace host_program {

namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Lines without their ends (LF or CRLF), the byte-order mark dropped.
std::vector<std::string_view> lines_of(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

[[noreturn]] void malformed(const std::string& source, size_t line, const std::string& message) {
    throw playlist_error(source + ":" + std::to_string(line) + ": " + message);
}

// A length in seconds; negative means unknown. None when the text is not a number.
std::optional<double> seconds_of(std::string_view text) {
    text = trim(text);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> known(double seconds) { return seconds >= 0 ? std::optional<double>(seconds) : std::nullopt; }

std::string resolve(std::string_view location, const std::filesystem::path& folder) {
    const std::string text(location);
    if (text.find("://") != std::string::npos) return text;
    const std::filesystem::path path(text);
    return path.is_absolute() ? text : (folder / path).lexically_normal().string();
}

}  // namespace

std::vector<playlist_entry> parse_m3u(std::string_view text, const std::string& source,
                                      const std::filesystem::path& folder) {
    std::vector<playlist_entry> entries;
    std::optional<double> pending;
    size_t number = 0;
    for (std::string_view raw : lines_of(text)) {
        ++number;
        const std::string_view line = trim(raw);
        if (line.empty()) continue;
        if (line.substr(0, 8) == "#EXTINF:") {
            const auto comma = line.find(',');
            if (comma == std::string_view::npos) malformed(source, number, "#EXTINF has no comma before the title");
            const auto seconds = seconds_of(line.substr(8, comma - 8));
            if (!seconds) malformed(source, number, "#EXTINF length is not a number of seconds");
            pending = known(*seconds);
            continue;
        }
        if (line[0] == '#') continue;  // #EXTM3U, other directives and comments
        entries.push_back({resolve(line, folder), pending});
        pending.reset();
    }
    return entries;
}

std::vector<playlist_entry> parse_pls(std::string_view text, const std::string& source,
                                      const std::filesystem::path& folder) {
    struct slot {
        std::optional<std::string> file;
        std::optional<double> length;
        size_t line = 0;
    };
    std::map<unsigned long, slot> slots;
    std::optional<std::pair<unsigned long, size_t>> declared;  // NumberOfEntries and its line
    bool header = false;
    size_t number = 0;
    for (std::string_view raw : lines_of(text)) {
        ++number;
        const std::string_view line = trim(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (!header) {
            if (lower(line) != "[playlist]") malformed(source, number, "a PLS file starts with [playlist]");
            header = true;
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) malformed(source, number, "expected KEY=VALUE");
        const std::string key = lower(trim(line.substr(0, equals)));
        const std::string_view value = trim(line.substr(equals + 1));
        auto numbered = [&](std::string_view prefix) -> std::optional<unsigned long> {
            if (key.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
            const std::string_view digits = std::string_view(key).substr(prefix.size());
            unsigned long n = 0;
            const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
            if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || n == 0) {
                malformed(source, number, "\"" + std::string(trim(line.substr(0, equals))) + "\" has no entry number");
            }
            return n;
        };
        if (key == "numberofentries") {
            unsigned long n = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
            if (value.empty() || error != std::errc() || end != value.data() + value.size()) {
                malformed(source, number, "NumberOfEntries is not a count");
            }
            declared = {n, number};
        } else if (key == "version") {
            continue;
        } else if (const auto file = numbered("file")) {
            if (slots[*file].file) malformed(source, number, "File" + std::to_string(*file) + " appears twice");
            slots[*file].file = resolve(value, folder);
            slots[*file].line = number;
        } else if (const auto length = numbered("length")) {
            const auto seconds = seconds_of(value);
            if (!seconds) malformed(source, number, "Length" + std::to_string(*length) + " is not a number of seconds");
            slots[*length].length = known(*seconds);
            if (slots[*length].line == 0) slots[*length].line = number;
        } else if (numbered("title")) {
            continue;
        }
    }
    if (!header) malformed(source, number == 0 ? 1 : number, "a PLS file starts with [playlist]");
    std::vector<playlist_entry> entries;
    for (const auto& [n, s] : slots) {
        if (!s.file) malformed(source, s.line, "entry " + std::to_string(n) + " has no File" + std::to_string(n));
        entries.push_back({*s.file, s.length});
    }
    if (declared && declared->first != entries.size()) {
        malformed(source, declared->second,
                  "NumberOfEntries says " + std::to_string(declared->first) + " but the file has " +
                      std::to_string(entries.size()));
    }
    return entries;
}

bool is_playlist_file(const std::filesystem::path& path) {
    const std::string extension = lower(path.extension().string());
    return extension == ".m3u" || extension == ".m3u8" || extension == ".pls";
}

playlist_file read_playlist_file(const std::filesystem::path& path) {
    const std::string source = path.string();
    if (!is_playlist_file(path)) throw playlist_error(source + ": not a playlist file (.m3u, .m3u8 or .pls)");
    std::ifstream in(path, std::ios::binary);
    std::string text;
    if (in) text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in || in.bad() || std::filesystem::is_directory(path)) {
        throw playlist_error(source + ": cannot read: " + std::generic_category().message(errno));
    }
    const std::filesystem::path folder = path.parent_path();
    playlist_file result{path.stem().string(), {}};
    result.entries =
        lower(path.extension().string()) == ".pls" ? parse_pls(text, source, folder) : parse_m3u(text, source, folder);
    return result;
}

}  // namespace host_program
