#include "host_program/session.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host_program/audio_length.h"
#include "host_program/playlist_file.h"

namespace {

namespace fs = std::filesystem;

// A fresh folder for one test, removed afterwards.
class scratch_folder {
public:
    scratch_folder() {
        std::string pattern = (fs::temp_directory_path() / "tallymere-test-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    ~scratch_folder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

void write_file(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class Session : public ::testing::Test {
protected:
    std::unique_ptr<host_program::session> open(const std::string& library = TALLYMERE_LIBRARY) {
        out.str("");
        err.str("");
        return std::make_unique<host_program::session>(library, state, out, err);
    }

    static host_program::playlist_file playlist(const std::string& name, std::vector<double> lengths) {
        host_program::playlist_file file{name, {}};
        for (double length : lengths) file.entries.push_back({"x", length});
        return file;
    }

    scratch_folder folder;
    fs::path state = folder.path() / "config" / "state.bin";
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(Session, ScriptedCommandsRaiseTheNotificationsAPlayerWould) {
    auto run = open();
    run->add_playlist(playlist("Rock", {200, 100}));
    run->add_playlist(playlist("Empty", {}));
    run->start();
    EXPECT_NE(out.str().find("  0  Rock [2 / 5:00]  (2 items, 5:00)\n"), std::string::npos) << out.str();

    struct step {
        const char* command;
        const char* printed;  // what the output holds afterwards
        const char* error;    // what the error output holds, or none
    };
    const step steps[] = {
        {"new Fresh", "  (new) -> Fresh\n", nullptr},
        {"add Fresh 60 'Some title=30'", "  Fresh -> Fresh [2 / 1:30]\n", nullptr},
        {"remove Fresh 0", "  Fresh [2 / 1:30] -> Fresh [1 / 0:30]\n", nullptr},
        {"modify Fresh 0 90", "  Fresh [1 / 0:30] -> Fresh [1 / 1:30]\n", nullptr},
        {"replace 2 0 45", "  Fresh [1 / 1:30] -> Fresh [1 / 0:45]\n", nullptr},
        {"rename Fresh Mine", "  Fresh [1 / 0:45] -> Mine\n", nullptr},
        {"add Mine 15", "  Mine -> Mine [2 / 1:00]\n", nullptr},
        {"delete Mine", "  Mine [2 / 1:00] -> (deleted)\n", nullptr},
        {"menu", "  [x] Show total items  -- Show number of total items\n", nullptr},
        {"menu 'show total items'", "  Rock [2 / 5:00] -> Rock [5:00]\n", nullptr},
        {"menu \"Restore names\"", "  Rock [5:00] -> Rock\n", nullptr},
        {"about", "Tallymere 1.2 (foo_tallymere.so)\n\nAppends automatically playlist info", nullptr},
        {"frobnicate", "", "error: unknown command \"frobnicate\""},
        {"add Nowhere 5", "", "error: no playlist named \"Nowhere\""},
        {"add Rock /no/such/file.flac", "", "error: \"/no/such/file.flac\" is neither seconds nor a file"},
        {"remove Rock 9", "", "error: no position 9; the playlist has 2 items"},
        {"rename Rock 'unclosed", "", "error: unclosed ' quote"},
        {"menu Nothing", "", "error: no menu command \"Nothing\""},
    };
    for (const step& s : steps) {
        out.str("");
        err.str("");
        EXPECT_TRUE(run->run_command(s.command)) << s.command;
        EXPECT_NE(out.str().find(s.printed), std::string::npos) << s.command << " printed:\n" << out.str();
        if (s.error != nullptr) {
            EXPECT_NE(err.str().find(s.error), std::string::npos) << s.command << " said:\n" << err.str();
        } else {
            EXPECT_EQ(err.str(), "") << s.command;
        }
    }
    EXPECT_FALSE(run->run_command("quit"));
    run->finish();
}

TEST_F(Session, SwitchSurvivesARestartThroughTheStateFile) {
    {
        auto run = open();
        run->start();
        run->run_command("menu 'Show total items'");
        run->finish();
    }
    ASSERT_TRUE(fs::exists(state));
    EXPECT_EQ(fs::file_size(state), 21u);
    auto run = open();
    run->add_playlist(playlist("Rock", {60}));
    run->start();
    EXPECT_NE(out.str().find("Rock [1:00]"), std::string::npos) << out.str();
    run->finish();
}

TEST_F(Session, RejectedStateFileIsKeptAsideAndTheDefaultsApply) {
    fs::create_directories(state.parent_path());
    // The switch's chunk, cut off inside its payload after a first byte of 00.
    const std::string cut("\xF9\xE1\xFF\xB8\xD3\x07\x43\x46\x84\x07\x06\x74\x6D\x5E\xA5\xB5\x04\x00\x00\x00\x00", 21);
    write_file(state, cut);
    auto run = open();
    EXPECT_NE(err.str().find("state file " + state.string() + " rejected: Unsupported format or corrupted file"),
              std::string::npos)
        << err.str();
    const fs::path aside = state.string() + ".rejected";
    ASSERT_TRUE(fs::exists(aside));
    EXPECT_EQ(fs::file_size(aside), cut.size()) << "the rejected file is kept as it was";
    run->add_playlist(playlist("Rock", {60}));
    run->start();
    EXPECT_NE(out.str().find("Rock [1 / 1:00]"), std::string::npos) << "the defaults apply:\n" << out.str();
    run->finish();
    EXPECT_EQ(fs::file_size(state), 21u) << "a fresh state file is written";
    EXPECT_EQ(fs::file_size(aside), cut.size());
}

TEST_F(Session, LibrariesThatAreNotTheComponentAreRefused) {
    const fs::path text_file = folder.path() / "not-a-library.so";
    write_file(text_file, "hello");
    struct row {
        std::string library;
        std::string message;
    };
    const row rows[] = {
        {"/nonexistent/foo_tallymere.so", "cannot load /nonexistent/foo_tallymere.so: "},
        {text_file.string(), "cannot load " + text_file.string() + ": "},
        {TALLYMERE_NO_ENTRY_LIBRARY, std::string(TALLYMERE_NO_ENTRY_LIBRARY) + " has no foobar2000_get_interface"},
        {TALLYMERE_OLD_LIBRARY, std::string(TALLYMERE_OLD_LIBRARY) + " answers client version 70"},
    };
    for (const row& r : rows) {
        try {
            open(r.library);
            ADD_FAILURE() << r.library << " was accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()).rfind(r.message, 0), 0u) << e.what();
        }
    }
}

// A mono 16-bit PCM WAV file of the given length at 8000 samples a second.
std::string wav(double seconds) {
    const auto samples = static_cast<uint32_t>(seconds * 8000);
    const uint32_t data = samples * 2;
    std::string bytes;
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>(v >> (8 * i));
    };
    auto u16 = [&](uint16_t v) {
        bytes += static_cast<char>(v);
        bytes += static_cast<char>(v >> 8);
    };
    bytes += "RIFF";
    u32(36 + data);
    bytes += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    bytes += "data";
    u32(data);
    bytes.append(data, '\0');
    return bytes;
}

TEST_F(Session, AudioFilesWithoutLengthsAreMeasured) {
    if (!host_program::can_read_audio_lengths()) GTEST_SKIP() << "built without TagLib";
    write_file(folder.path() / "one.wav", wav(1.5));
    write_file(folder.path() / "two.wav", wav(2.0));
    write_file(folder.path() / "three.wav", wav(1.0));
    write_file(folder.path() / "Tones.m3u", "one.wav\ntwo.wav\nthree.wav\nmissing.wav\n");
    auto run = open();
    run->add_playlist(host_program::read_playlist_file(folder.path() / "Tones.m3u"));
    run->start();
    EXPECT_NE(out.str().find("Tones [4 / 0:04]  (4 items, 0:04)"), std::string::npos) << out.str();
    run->finish();
}

}  // namespace
