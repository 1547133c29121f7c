#pragma once

#include <cstdint>

// The platform's atomic increment and decrement of a reference count, each answering
// the new value, with full ordering: the release that reaches 0 must see every write
// made through the other references before the object is destroyed. The build picks
// the implementation: the Windows interlocked calls there, compiler atomics elsewhere.
namespace platform {

int32_t atomic_increment(int32_t& count) noexcept;
int32_t atomic_decrement(int32_t& count) noexcept;

}  // namespace platform
