#pragma once

#include <optional>
#include <string>

namespace host_program {

// Whether lengths can be read from audio files (the program was built with TagLib).
bool can_read_audio_lengths();

// The playing time of a readable audio file, in seconds; none when the file is not
// one, cannot be read, or the program cannot read audio files.
std::optional<double> audio_file_length(const std::string& path);

}  // namespace host_program
