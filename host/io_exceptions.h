#pragma once

#include <exception>

// Stream failures. They cross the boundary in both directions and are matched across
// modules by their qualified names, so these names must not change.
namespace foobar2000_io {

// Any failure of a stream. The message must be a text that lives as long as the
// program (a literal).
class exception_io : public std::exception {
public:
    explicit exception_io(const char* message = "I/O error") noexcept : m_message(message) {}
    const char* what() const noexcept override { return m_message; }

private:
    const char* m_message;
};

// The data is not what was expected. Loading the configuration treats this family as
// the normal end of the stored data.
class exception_io_data : public exception_io {
public:
    explicit exception_io_data(const char* message = "Unsupported format or corrupted file") noexcept
        : exception_io(message) {}
};

// A stream delivered fewer bytes than required.
class exception_io_data_truncation : public exception_io_data {
public:
    exception_io_data_truncation() noexcept : exception_io_data("Unsupported format or corrupted file") {}
};

}  // namespace foobar2000_io
