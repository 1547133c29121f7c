#pragma once

#include <exception>
#include <new>

// Failures of the support library. Every failure carries a fixed message; a host
// catches them as std::exception and reads what().
namespace pfc {

// Memory could not be obtained, or a size computation passed its range.
class bad_alloc : public std::bad_alloc {
public:
    const char* what() const noexcept override { return "bad allocation"; }
};

// The host broke a promise the component relies on (it counted a service but could
// not create it).
class exception_bug_check : public std::exception {
public:
    const char* what() const noexcept override { return "Bug check"; }
};

}  // namespace pfc
