#pragma once

#include <stdexcept>

namespace hostsim {

// A request the host cannot carry out: a document that cannot be opened, a library that cannot be loaded, a
// process without a document to act on. The text says what and why.
class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace hostsim
