#pragma once

#include <cstdint>

// Brings one playlist's name into its summarised form: cuts the old summary off the
// end of the name and, unless strip_only is set or the playlist is empty, appends a
// new one (" [count / duration]", or " [duration]" with the count switched off). The
// playlist is renamed every time, even when the name does not change.
void update_playlist_name(uint32_t playlist, bool strip_only);
