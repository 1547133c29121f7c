#include <cstdlib>

#include "pfc/heap.h"

namespace pfc::heap {

void* obtain(size_t size) { return std::malloc(size); }

void* reobtain(void* block, size_t size) { return std::realloc(block, size); }

void give_back(void* block) { std::free(block); }

}  // namespace pfc::heap
