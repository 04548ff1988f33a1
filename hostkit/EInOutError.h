// The runtime's input/output error: the one exception of the kit. It is raised by failing file operations of the
// script generator and caught by the command that started them, which shows it in its error box.
#pragma once

#include <stdexcept>
#include <string>

namespace hostkit {

class EInOutError : public std::runtime_error {
public:
    // Message names the file and what failed; Code is the system's error number (0 when unknown).
    EInOutError(const std::string& message, int code = 0) : std::runtime_error(message), Code_(code) {}

    int ErrorCode() const { return Code_; }

private:
    int Code_;
};

} // namespace hostkit
