#include "host_program/playlist_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using host_program::playlist_entry;

struct expected_entry {
    std::string location;
    std::optional<double> length;
};

struct parse_case {
    const char* name;
    bool pls;
    std::string text;
    std::vector<expected_entry> entries;  // when the text is well formed
    std::string error = {};               // otherwise: the message, which names file and line
};

const parse_case cases[] = {
    {"extended M3U",
     false,
     "#EXTM3U\n#EXTINF:241,Artist - Title\na.flac\n#EXTINF:12.5,x\n/abs/b.mp3\n",
     {{"/music/a.flac", 241}, {"/abs/b.mp3", 12.5}}},
    {"plain paths and comments",
     false,
     "# a comment\na.mp3\n\n  b.mp3  \n",
     {{"/music/a.mp3", {}}, {"/music/b.mp3", {}}}},
    {"byte-order mark and CRLF", false, "\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:60,T\r\nc.ogg\r\n", {{"/music/c.ogg", 60}}},
    {"unknown length", false, "#EXTINF:-1,Stream\nhttp://radio.invalid/x\n", {{"http://radio.invalid/x", {}}}},
    {"EXTINF applies to the next entry only", false, "#EXTINF:5,a\na\nb\n", {{"/music/a", 5}, {"/music/b", {}}}},
    {"empty M3U", false, "", {}},
    {"EXTINF without a comma", false, "#EXTM3U\n#EXTINF:241 Title\na\n", {}, "list.m3u:2: #EXTINF has no comma"},
    {"EXTINF length not a number", false, "#EXTINF:abc,T\na\n", {}, "list.m3u:1: #EXTINF length is not a number"},
    {"PLS",
     true,
     "[playlist]\nFile1=a.mp3\nTitle1=A\nLength1=200\nFile2=/b.mp3\nLength2=-1\nNumberOfEntries=2\nVersion=2\n",
     {{"/music/a.mp3", 200}, {"/b.mp3", {}}}},
    {"PLS in any case, entries in number order",
     true,
     "\xEF\xBB\xBF[Playlist]\r\nfile2=b\r\nFILE1=a\r\n",
     {{"/music/a", {}}, {"/music/b", {}}}},
    {"PLS without its header", true, "File1=a\n", {}, "list.pls:1: a PLS file starts with [playlist]"},
    {"PLS line without =", true, "[playlist]\nFile1 a\n", {}, "list.pls:2: expected KEY=VALUE"},
    {"PLS entry without a number", true, "[playlist]\nFile=a\n", {}, "list.pls:2: \"File\" has no entry number"},
    {"PLS length not a number", true, "[playlist]\nFile1=a\nLength1=long\n", {}, "list.pls:3: Length1 is not"},
    {"PLS length without a file", true, "[playlist]\nFile1=a\nLength2=5\n", {}, "list.pls:3: entry 2 has no File2"},
    {"PLS duplicate file", true, "[playlist]\nFile1=a\nFile1=b\n", {}, "list.pls:3: File1 appears twice"},
    {"PLS count that disagrees",
     true,
     "[playlist]\nFile1=a\nNumberOfEntries=3\n",
     {},
     "list.pls:3: NumberOfEntries says 3 but the file has 1"},
    {"empty PLS", true, "", {}, "list.pls:1: a PLS file starts with [playlist]"},
};

TEST(PlaylistFile, ParsesWellFormedFilesAndNamesTheBadLine) {
    for (const parse_case& c : cases) {
        const std::string source = c.pls ? "list.pls" : "list.m3u";
        try {
            const std::vector<playlist_entry> entries = c.pls ? host_program::parse_pls(c.text, source, "/music")
                                                              : host_program::parse_m3u(c.text, source, "/music");
            EXPECT_TRUE(c.error.empty()) << c.name << ": should have failed";
            ASSERT_EQ(entries.size(), c.entries.size()) << c.name;
            for (size_t i = 0; i < entries.size(); ++i) {
                EXPECT_EQ(entries[i].location, c.entries[i].location) << c.name << " entry " << i;
                EXPECT_EQ(entries[i].length, c.entries[i].length) << c.name << " entry " << i;
            }
        } catch (const host_program::playlist_error& e) {
            ASSERT_FALSE(c.error.empty()) << c.name << ": " << e.what();
            EXPECT_EQ(std::string(e.what()).rfind(c.error, 0), 0u) << c.name << ": " << e.what();
        }
    }
}

TEST(PlaylistFile, RefusesWhatIsNotAPlaylistFile) {
    EXPECT_TRUE(host_program::is_playlist_file("a/B.M3U8"));
    EXPECT_FALSE(host_program::is_playlist_file("a/b.txt"));
    EXPECT_THROW(host_program::read_playlist_file("/nonexistent/list.m3u"), host_program::playlist_error);
    EXPECT_THROW(host_program::read_playlist_file("notes.txt"), host_program::playlist_error);
}

}  // namespace
