#pragma once

#include <cstdint>
#include <string>

#include "standin/host.h"

// What the same job costs a host with no component at all, computed by the benchmark
// host itself. Both floors read every item's length inside the database lock, sum the
// positive ones, build the same name with the same summary, and rename the playlist.
namespace floors {

// The least any component must ask of the host: per item one reference, one lock and
// unlock, one read of the length.
void minimal_update(standin::host& host, uint32_t playlist);

// The host calls the component's algorithm makes, with the component's own work free:
// enumeration through the host's receiver into a pre-sized vector (one counted copy),
// then per item a second counted copy and a reference while the length is read
// inside one lock and unlock.
void replay_update(standin::host& host, uint32_t playlist);

// The summary a host would append, made with snprintf.
std::string summary(uint32_t count, double total, bool show_count);

}  // namespace floors
