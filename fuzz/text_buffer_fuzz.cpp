// The text buffer driven by a random sequence of its operations, against a plain
// string and the capacity rule computed on the side.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/input.h"
#include "pfc/empty_text.h"
#include "pfc/string8.h"

namespace {

// The capacity rule, written out again from its statement.
uint32_t model_capacity(uint32_t capacity, uint64_t need) {
    if (capacity < need) return static_cast<uint32_t>(need + 16);
    if (capacity > need + 32) return static_cast<uint32_t>(need);
    return capacity;
}

std::string taken(const char* text, uint32_t maximum) {
    std::string out;
    for (uint32_t i = 0; i < maximum && text[i] != 0; ++i) out += text[i];
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_input in(data, size);
    pfc::string8_t buffer;
    string_base& host_view = buffer;
    std::string model;
    uint32_t capacity = 0;
    while (!in.empty()) {
        const uint8_t op = in.byte() % 7;
        const uint32_t maximum = in.byte() % 4 == 0 ? whole_text : in.byte();
        const std::string source = in.bytes(in.byte() % 64) + '\0';
        switch (op) {
            case 0:
                host_view.append_text(source.c_str(), maximum);
                model += taken(source.c_str(), maximum);
                capacity = model_capacity(capacity, model.size() + 1);
                break;
            case 1:
                host_view.assign_text(source.c_str(), maximum);
                model = taken(source.c_str(), maximum);
                capacity = model_capacity(capacity, model.size() + 1);
                break;
            case 2: {
                const uint32_t length = maximum % 80;
                host_view.truncate_to(length);
                if (length < model.size()) {
                    model.resize(length);
                    capacity = model_capacity(capacity, length + 1);
                }
                break;
            }
            case 3: {
                // A tail of the buffer's own text, appended or assigned back.
                if (model.empty()) break;
                const uint32_t offset = maximum % model.size();
                const std::string tail = taken(host_view.text_ptr() + offset, whole_text);
                // Appending its own text doubles a buffer: only while it is short.
                if (in.byte() % 2 == 0 && model.size() < 2048) {
                    host_view.append_text(host_view.text_ptr() + offset, whole_text);
                    model += tail;
                } else {
                    host_view.assign_text(host_view.text_ptr() + offset, whole_text);
                    model = tail;
                }
                capacity = model_capacity(capacity, model.size() + 1);
                break;
            }
            case 4: {
                const uint32_t room = maximum % 100;
                char* area = host_view.open_buffer(room);
                capacity = model_capacity(capacity, uint64_t{room} + 1);
                FUZZ_CHECK(buffer.capacity() == capacity);
                for (uint32_t i = 0; i < capacity; ++i) FUZZ_CHECK(area[i] == 0);
                const std::string written = source.substr(0, std::min<size_t>(room, source.size()));
                std::memcpy(area, written.data(), written.size());
                host_view.close_buffer();
                model = taken(written.c_str(), whole_text);
                capacity = model_capacity(capacity, model.size() + 1);
                break;
            }
            case 5: {
                // Any need that still holds the text and its terminator.
                const uint64_t need = model.size() + 1 + maximum % 100;
                buffer.fit_capacity(need);
                capacity = model_capacity(capacity, need);
                break;
            }
            default:
                break;
        }
        FUZZ_CHECK(host_view.text_length() == model.size());
        FUZZ_CHECK(std::memcmp(host_view.text_ptr(), model.c_str(), model.size() + 1) == 0);
        FUZZ_CHECK(model.empty() == (host_view.text_ptr() == pfc::empty_text));
        FUZZ_CHECK(buffer.capacity() == capacity);
    }
    return 0;
}
