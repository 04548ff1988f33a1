// The console driver: shows what is showing modally as text (FormText.h) and reads the user's actions
// (Actions.h) line by line. A line that cannot be done is answered with the reason and asked again; the end of
// the input closes what is showing, as the window's close box would.
#pragma once

#include "platform/forms/Driver.h"

#include <iosfwd>

namespace platform::forms {

class ConsoleDriver : public Driver {
public:
    // Reads from In and writes to Out; both must outlive the driver.
    ConsoleDriver(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

    void RunModal(Form& form) override;
    std::optional<std::string> RunFileDialog(const FileDialog& dialog) override;

private:
    // The next action line; nullopt at the end of the input.
    std::optional<std::string> ReadLine();

    std::istream& in_;
    std::ostream& out_;
};

} // namespace platform::forms
