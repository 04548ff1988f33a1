#include "platform/forms/Driver.h"

#include "platform/Environment.h"
#include "platform/forms/ConsoleDriver.h"
#include "platform/forms/ScriptedDriver.h"

#include <iostream>
#include <utility>

namespace platform::forms {

namespace {

std::unique_ptr<Driver>& Installed() {
    static std::unique_ptr<Driver> driver;
    return driver;
}

std::unique_ptr<Driver> DefaultDriver() {
    if (auto script = platform::ReadEnvironmentVariable(DialogScriptVariable))
        return std::make_unique<ScriptedDriver>(ScriptedDriver::FromFile(*script));
    return std::make_unique<ConsoleDriver>(std::cin, std::cout);
}

} // namespace

Driver& CurrentDriver() {
    auto& driver = Installed();
    if (!driver)
        driver = DefaultDriver();
    return *driver;
}

std::unique_ptr<Driver> SetDriver(std::unique_ptr<Driver> driver) {
    return std::exchange(Installed(), std::move(driver));
}

} // namespace platform::forms
