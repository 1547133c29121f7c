#pragma once

#include "host/streams.h"

// The stored form of the configuration: one chunk per variable, nothing before,
// between or after them. A chunk is the variable's GUID (16 bytes, its fields
// little-endian), the payload length N (4 bytes, little-endian) and N payload bytes.

// Writes a chunk for every registered variable, from the list head on. Each chunk
// goes out as soon as its payload is complete, in writes of 16, 4 and N bytes (no
// third write when N is 0).
void cfg_var_save_all(output_stream& stream, abort_token& abort);

// Reads chunks until the data ends at or inside a chunk header, handing each to the
// variable with its GUID and passing over the others. A variable whose payload is
// short keeps its value; a stream that ends inside a payload raises.
void cfg_var_load_all(input_stream& stream, abort_token& abort);
