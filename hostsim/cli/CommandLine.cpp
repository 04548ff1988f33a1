#include "hostsim/cli/CommandLine.h"

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
