#pragma once

#include <cstddef>

// The heap beneath the memory-block helpers. It is the one door through which the
// component obtains memory; the shipped library links the system heap, and tests
// link a heap that counts calls and can refuse a chosen one. Each operation answers
// none when the memory cannot be had, and never throws.
namespace pfc::heap {

// A new block of size bytes (size > 0), or none.
void* obtain(size_t size);

// The block grown or shrunk to size bytes (size > 0), contents kept up to the smaller
// size; it may move. None on failure, with the old block still valid and unchanged.
void* reobtain(void* block, size_t size);

// Frees a block obtained above; none is ignored.
void give_back(void* block);

}  // namespace pfc::heap
