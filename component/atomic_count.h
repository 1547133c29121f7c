#pragma once

#include <cstdint>

// The platform's atomic increment and decrement of a reference count, each answering
// the new value. Full ordering: the release that reaches 0 must see every write made
// through the other references before the object is destroyed.
namespace platform {

inline int32_t atomic_increment(int32_t& count) noexcept { return __atomic_add_fetch(&count, 1, __ATOMIC_SEQ_CST); }

inline int32_t atomic_decrement(int32_t& count) noexcept { return __atomic_sub_fetch(&count, 1, __ATOMIC_SEQ_CST); }

}  // namespace platform
