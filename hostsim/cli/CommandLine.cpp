#include "hostsim/cli/CommandLine.h"

#include <charconv>
#include <iostream>

#include "hostsim/plexa/DocumentStore.h"
#include "hostsim/plexa/JsonFile.h"

namespace hostsim {

CommandLine::CommandLine()
    : app_("A simulated Tessellon host: sheets, pictures, and the plug-ins at work.", "tessellon-sim") {
    app_.require_subcommand(1);
}

CLI::App& CommandLine::add(const std::string& name, const std::string& description, std::function<int()> action) {
    CLI::App* command = app_.add_subcommand(name, description);
    command->callback([this, action = std::move(action)] { chosen_ = action; });
    return *command;
}

int CommandLine::run(int argc, char** argv) {
    try {
        app_.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app_.exit(help) == 0 ? ExitDone : ExitBadInput;
    } catch (const CLI::CallForAllHelp& help) {
        return app_.exit(help) == 0 ? ExitDone : ExitBadInput;
    } catch (const CLI::ParseError& error) {
        app_.exit(error);
        return ExitBadInput;
    }
    if (!chosen_)
        return ExitBadInput;
    try {
        return chosen_();
    } catch (const InputError& error) {
        std::cerr << "tessellon-sim: " << error.what() << "\n";
        return ExitBadInput;
    } catch (const std::exception& error) {
        std::cerr << "tessellon-sim: " << error.what() << "\n";
        return ExitFailed;
    }
}

int32_t readSheetCoordinate(std::string_view item, const std::string& context, const std::string& expected) {
    const std::string written(item);
    const size_t first = item.find_first_not_of(" \t");
    const std::string_view number = first == std::string_view::npos
                                        ? std::string_view()
                                        : item.substr(first, item.find_last_not_of(" \t") - first + 1);
    // Read without a pattern matcher: no length of text can exhaust the stack, and a long number is out of range
    // rather than malformed.
    int32_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || end != number.data() + number.size())
        throw InputError(context + ": \"" + written + "\" is not a sheet coordinate; " + expected);
    if (error != std::errc())
        throw InputError(context + ": \"" + written + "\" is out of the range of sheet coordinates");
    return value;
}

Document& openSheet(const std::filesystem::path& file) {
    try {
        DocumentStore& store = DocumentStore::instance();
        Document& document = store.open(file);
        store.setCurrent(&document);
        return document;
    } catch (const SheetError& error) {
        throw InputError(error.what());
    }
}

void writeOutput(const std::filesystem::path& file, const std::string& text) {
    try {
        writeTextFile(file, text);
    } catch (const SheetError& error) {
        throw JobError(error.what());
    }
}

} // namespace hostsim
