#include <optional>

#include "tests/support/loaded_component.h"

namespace {

using bytes = std::vector<uint8_t>;
using standin::memory_input_stream;
using op = memory_input_stream::operation;

const bytes switch_guid = {0xF9, 0xE1, 0xFF, 0xB8, 0xD3, 0x07, 0x43, 0x46,
                           0x84, 0x07, 0x06, 0x74, 0x6D, 0x5E, 0xA5, 0xB5};
// The same GUID with its first three fields in textual (big-endian) order.
const bytes switch_guid_textual = {0xB8, 0xFF, 0xE1, 0xF9, 0x07, 0xD3, 0x46, 0x43,
                                   0x84, 0x07, 0x06, 0x74, 0x6D, 0x5E, 0xA5, 0xB5};
const bytes unknown_guid = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

bytes operator+(bytes a, const bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

bytes size_field(uint32_t n) { return {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)}; }

// A chunk header with a declared payload length, followed by the given payload bytes.
bytes chunk(const bytes& guid, uint32_t declared, const bytes& payload) {
    return guid + size_field(declared) + payload;
}
bytes chunk(const bytes& guid, const bytes& payload) {
    return chunk(guid, static_cast<uint32_t>(payload.size()), payload);
}

bytes filled(size_t count, uint8_t value) { return bytes(count, value); }

class Configuration : public loaded_component {
protected:
    // The switch's stored byte, read back through a save.
    uint8_t stored_switch() {
        const bytes out = saved();
        EXPECT_EQ(out.size(), 21u);
        return out.empty() ? 0xEE : out.back();
    }
};

TEST_F(Configuration, SavesOneChunkInWritesOf16And4And1Bytes) {
    standin::memory_output_stream out;
    client.save_configuration(out, abort);
    EXPECT_EQ(out.bytes(), chunk(switch_guid, {0x01}));
    EXPECT_EQ(out.write_lengths(), (std::vector<uint32_t>{16, 4, 1}));
}

TEST_F(Configuration, FailingWriteReachesTheHostAndChangesNothing) {
    for (size_t failing = 1; failing <= 3; ++failing) {
        standin::memory_output_stream out;
        out.fail_at(failing, standin::stream_failure::io);
        EXPECT_THROW(client.save_configuration(out, abort), foobar2000_io::exception_io) << "write " << failing;
        EXPECT_EQ(out.write_lengths().size(), failing) << "nothing is written after the failure";
    }
    EXPECT_EQ(stored_switch(), 0x01);
}

enum class outcome { returns, truncation, io, other };

struct load_case {
    const char* name;
    bytes stream;
    uint8_t switch_after;
    outcome result = outcome::returns;
    std::optional<std::pair<size_t, standin::stream_failure>> failing_call = std::nullopt;
    std::vector<memory_input_stream::call> calls = {};
};

const load_case load_cases[] = {
    {"empty stream", {}, 0x01},
    {"stored false", chunk(switch_guid, {0x00}), 0x00},
    {"stored true after false", chunk(switch_guid, {0x00}) + chunk(switch_guid, {0x01}), 0x01},
    {"other byte kept as it came", chunk(switch_guid, {0x07}), 0x07},
    {"cut-off header after a chunk", chunk(switch_guid, {0x00}) + filled(10, 0xAA), 0x00},
    {"cut-off size field", chunk(switch_guid, {0x00}) + switch_guid + bytes{1, 0}, 0x00},
    {"empty payload, then the next chunk",
     chunk(switch_guid, {}) + chunk(unknown_guid, {}),
     0x01,
     outcome::returns,
     std::nullopt,
     {{op::read_exact, 16},
      {op::read_exact, 4},
      {op::read, 0},
      {op::read_exact, 16},
      {op::read_exact, 4},
      {op::skip_exact, 0},
      {op::read_exact, 16}}},
    {"longer payload skipped through the chunk",
     chunk(switch_guid, bytes{0x00} + filled(599, 0xFF)) + chunk(unknown_guid, {}),
     0x00,
     outcome::returns,
     std::nullopt,
     {{op::read_exact, 16},
      {op::read_exact, 4},
      {op::read, 1},
      {op::read, 256},
      {op::read, 256},
      {op::read, 87},
      {op::read_exact, 16},
      {op::read_exact, 4},
      {op::skip_exact, 0},
      {op::read_exact, 16}}},
    {"unknown chunk passed over with one skip",
     chunk(unknown_guid, filled(300, 0)) + chunk(switch_guid, {0x00}),
     0x00,
     outcome::returns,
     std::nullopt,
     {{op::read_exact, 16},
      {op::read_exact, 4},
      {op::skip_exact, 300},
      {op::read_exact, 16},
      {op::read_exact, 4},
      {op::read, 1},
      {op::read_exact, 16}}},
    {"textual GUID order is not recognised", chunk(switch_guid_textual, {0x00}), 0x01},
    {"stream ends inside the switch's payload", chunk(switch_guid, 1, {}), 0x01, outcome::truncation},
    {"stream ends after the first payload byte", chunk(switch_guid, 4, {0x00}), 0x00, outcome::truncation},
    {"stream ends inside an unknown chunk", chunk(unknown_guid, 5, {1, 2}), 0x01, outcome::truncation},
    {"header read fails for another reason", chunk(switch_guid, {0x00}) + chunk(switch_guid, {0x01}), 0x00, outcome::io,
     std::pair{size_t{4}, standin::stream_failure::io}},
    {"payload read fails with bad data, loading goes on", chunk(switch_guid, {0x00}) + chunk(switch_guid, {0x07}), 0x07,
     outcome::returns, std::pair{size_t{3}, standin::stream_failure::data}},
    {"payload read fails with something else", chunk(switch_guid, {0x00}), 0x01, outcome::other,
     std::pair{size_t{3}, standin::stream_failure::other}},
};

TEST_F(Configuration, LoadFollowsTheTableOfCases) {
    for (const load_case& c : load_cases) {
        standin::memory_input_stream reset(chunk(switch_guid, {0x01}));
        client.load_configuration(reset, abort);

        memory_input_stream in(c.stream);
        if (c.failing_call) in.fail_at(c.failing_call->first, c.failing_call->second);
        outcome got = outcome::returns;
        try {
            client.load_configuration(in, abort);
        } catch (const foobar2000_io::exception_io_data_truncation& e) {
            got = outcome::truncation;
            EXPECT_STREQ(e.what(), "Unsupported format or corrupted file") << c.name;
        } catch (const foobar2000_io::exception_io&) {
            got = outcome::io;
        } catch (const std::exception&) {
            got = outcome::other;
        }
        EXPECT_EQ(got, c.result) << c.name;
        EXPECT_EQ(stored_switch(), c.switch_after) << c.name;
        if (!c.calls.empty()) {
            EXPECT_EQ(in.calls(), c.calls) << c.name;
            EXPECT_EQ(in.position(), c.stream.size()) << c.name;
        }
    }
}

// The host's stream fails at each of its calls in turn, over a stream of three chunks:
// a failure of the medium always reaches the caller; bad data ends loading at a
// header and is dropped inside a payload; either way the chunks before it stay applied.
TEST_F(Configuration, StreamFailingAtEachCall) {
    const bytes stream = chunk(switch_guid, {0x00}) + chunk(unknown_guid, {1, 2, 3}) + chunk(switch_guid, {0x07});
    memory_input_stream counting(stream);
    client.load_configuration(counting, abort);
    const size_t calls = counting.calls().size();
    for (size_t n = 1; n <= calls; ++n) {
        for (auto failure : {standin::stream_failure::io, standin::stream_failure::data}) {
            load(chunk(switch_guid, {0x01}));
            memory_input_stream in(stream);
            in.fail_at(n, failure);
            const std::string message = failure_of([&] { client.load_configuration(in, abort); });
            const auto failed_op = in.calls()[n - 1].op;
            const uint8_t value = stored_switch();
            if (failure == standin::stream_failure::io) {
                EXPECT_EQ(message, "I/O error") << "call " << n;
            } else if (failed_op == op::read_exact || failed_op == op::read) {
                EXPECT_EQ(message, "") << "call " << n << ": bad data ends loading or is dropped";
            }
            EXPECT_TRUE(value == 0x01 || value == 0x00 || value == 0x07) << "call " << n;
            if (n > 3) {
                EXPECT_NE(value, 0x01) << "call " << n << ": the first chunk stays applied";
            }
        }
    }
}

TEST_F(Configuration, LoadedByteIsSavedBackUnchanged) {
    load(chunk(switch_guid, {0x80}));
    standin::memory_output_stream out;
    client.save_configuration(out, abort);
    EXPECT_EQ(out.bytes(), chunk(switch_guid, {0x80}));
}

}  // namespace
