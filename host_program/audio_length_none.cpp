#include "host_program/audio_length.h"

namespace host_program {

bool can_read_audio_lengths() { return false; }

std::optional<double> audio_file_length(const std::string&) { return std::nullopt; }

}  // namespace host_program
