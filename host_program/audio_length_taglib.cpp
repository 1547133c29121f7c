#include <taglib/audioproperties.h>
#include <taglib/fileref.h>

#include <filesystem>

#include "host_program/audio_length.h"

namespace host_program {

bool can_read_audio_lengths() { return true; }

std::optional<double> audio_file_length(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const TagLib::FileRef file(path.c_str(), true, TagLib::AudioProperties::Accurate);
    if (file.isNull() || file.audioProperties() == nullptr) return std::nullopt;
    return file.audioProperties()->lengthInMilliseconds() / 1000.0;
}

}  // namespace host_program
