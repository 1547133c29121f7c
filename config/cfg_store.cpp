#include "config/cfg_store.h"

#include <cstdint>
#include <cstring>

#include "config/bounded_reader.h"
#include "config/cfg_var.h"
#include "config/save_buffer.h"

namespace {

constexpr uint32_t guid_size = 16;

// The GUID's in-memory layout on a little-endian machine, whatever this one is.
void guid_to_bytes(const GUID& guid, uint8_t (&out)[guid_size]) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(guid.Data1 >> (8 * i));
    for (int i = 0; i < 2; ++i) out[4 + i] = static_cast<uint8_t>(guid.Data2 >> (8 * i));
    for (int i = 0; i < 2; ++i) out[6 + i] = static_cast<uint8_t>(guid.Data3 >> (8 * i));
    std::memcpy(out + 8, guid.Data4, 8);
}

void uint32_to_bytes(uint32_t value, uint8_t (&out)[4]) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t uint32_from_bytes(const uint8_t (&in)[4]) {
    return uint32_t{in[0]} | uint32_t{in[1]} << 8 | uint32_t{in[2]} << 16 | uint32_t{in[3]} << 24;
}

// The first registered variable whose stored GUID bytes are these.
cfg_var* find_variable(const uint8_t (&stored)[guid_size]) {
    for (cfg_var* var = cfg_var::list_head(); var != nullptr; var = var->next()) {
        uint8_t bytes[guid_size];
        guid_to_bytes(var->guid(), bytes);
        if (std::memcmp(bytes, stored, guid_size) == 0) return var;
    }
    return nullptr;
}

}  // namespace

void cfg_var_save_all(output_stream& stream, abort_token& abort) {
    save_buffer buffer;
    for (cfg_var* var = cfg_var::list_head(); var != nullptr; var = var->next()) {
        buffer.clear();
        memory_writer writer(buffer);
        var->write_payload(writer, abort);
        uint8_t guid[guid_size];
        guid_to_bytes(var->guid(), guid);
        stream.write(guid, guid_size, abort);
        uint8_t size[4];
        uint32_to_bytes(buffer.size(), size);
        stream.write(size, 4, abort);
        if (buffer.size() != 0) stream.write(buffer.data(), buffer.size(), abort);
    }
}

void cfg_var_load_all(input_stream& stream, abort_token& abort) {
    for (;;) {
        uint8_t guid[guid_size];
        uint8_t size_bytes[4];
        try {
            stream.read_exact(guid, guid_size, abort);
            stream.read_exact(size_bytes, 4, abort);
        } catch (const foobar2000_io::exception_io_data&) {
            return;  // the data ended at, or inside, a chunk header: the normal end
        }
        const uint32_t size = uint32_from_bytes(size_bytes);
        cfg_var* target = find_variable(guid);
        if (target == nullptr) {
            stream.skip_exact(size, abort);
            continue;
        }
        bounded_reader payload(stream, size);
        try {
            target->read_payload(payload, size, abort);
        } catch (const foobar2000_io::exception_io_data&) {
            // A short or malformed payload leaves the variable as it was.
        }
        // Outside the protection above: a stream that ends inside the payload raises.
        if (payload.remaining() != 0) payload.skip_exact(payload.remaining(), abort);
    }
}
