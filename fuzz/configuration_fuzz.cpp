// The configuration loader on arbitrary stored bytes: it never crashes, never reads
// past the data, leaks nothing, and what it saves afterwards loads back to the same.
#include <cstdint>
#include <exception>
#include <vector>

#include "config/settings.h"
#include "fuzz/fuzz_check.h"
#include "host/component_client.h"
#include "standin/host.h"
#include "standin/streams.h"
#include "tests/support/test_heap.h"

extern "C" component_client* foobar2000_get_interface(host_api* host, void* module_instance);

namespace {

std::vector<uint8_t> save(component_client& client) {
    standin::memory_output_stream out;
    standin::never_abort abort;
    client.save_configuration(out, abort);
    return out.bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static standin::host host;
    static component_client& client = *foobar2000_get_interface(&host, nullptr);
    standin::never_abort abort;
    if (!cfg_show_total_items.get()) cfg_show_total_items.toggle();

    const int64_t live = test_heap::live_blocks();
    standin::memory_input_stream in(std::vector<uint8_t>(data, data + size));
    try {
        client.load_configuration(in, abort);
    } catch (const std::exception&) {
        // A stream that ends inside a chunk is reported; nothing else may escape.
    }
    FUZZ_CHECK(in.position() <= size);
    FUZZ_CHECK(test_heap::live_blocks() == live);

    const std::vector<uint8_t> first = save(client);
    FUZZ_CHECK(first.size() == 21);
    standin::memory_input_stream again(first);
    client.load_configuration(again, abort);
    FUZZ_CHECK(save(client) == first);
    return 0;
}
