// The driver plays the user's part whenever a form is shown modally or a file dialog runs. Tests and the host
// program install one; without one, the library takes the scripted driver on the file named by the environment
// variable TESSELLON_DIALOG_SCRIPT when it is set, and the console driver on the standard streams otherwise.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform::forms {

class Form;
class FileDialog;

class Driver {
public:
    virtual ~Driver() = default;
    // Works Form, which is showing modally, until it has a modal result.
    virtual void RunModal(Form& form) = 0;
    // Works an open or save dialog: the file chosen, or nullopt when the dialog was cancelled.
    virtual std::optional<std::string> RunFileDialog(const FileDialog& dialog) = 0;
};

// The environment variable naming the action script of the default driver.
constexpr const char* DialogScriptVariable = "TESSELLON_DIALOG_SCRIPT";

// The driver in use; the default one is made on first use.
Driver& CurrentDriver();

// Installs Driver for the forms and dialogs that follow; answers the one it replaces (nullptr for none yet).
std::unique_ptr<Driver> SetDriver(std::unique_ptr<Driver> driver);

// Installs a driver for the life of the scope and then puts the previous one back.
class ScopedDriver {
public:
    explicit ScopedDriver(std::unique_ptr<Driver> driver) : previous_(SetDriver(std::move(driver))) {}
    ~ScopedDriver() { SetDriver(std::move(previous_)); }
    ScopedDriver(const ScopedDriver&) = delete;
    ScopedDriver& operator=(const ScopedDriver&) = delete;

private:
    std::unique_ptr<Driver> previous_;
};

} // namespace platform::forms
