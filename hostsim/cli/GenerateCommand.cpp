// tessellon-sim generate --parts N --seed S -o SHEET: a random but realistic sheet, the same for the same seed.
#include <iostream>
#include <memory>

#include "hostsim/cli/Commands.h"
#include "hostsim/plexa/DocumentStore.h"
#include "hostsim/plexa/JsonFile.h"
#include "hostsim/sheetgen/SheetGenerator.h"

namespace hostsim {

void addGenerateCommand(CommandLine& commandLine) {
    struct Arguments {
        GenerateOptions options;
        std::string output;
        std::string library = shippedLibraryFile().string();
    };
    auto arguments = std::make_shared<Arguments>();
    CLI::App& command = commandLine.add(
        "generate",
        "Write a random but realistic sheet: library parts on the grid with their pins, wires between facing pins, "
        "junctions, net labels, power objects and ports. The same seed gives the same sheet.",
        [arguments] {
            Document* document = nullptr;
            try {
                document = &generateSheet(arguments->library, arguments->options, arguments->output);
            } catch (const SheetError& error) {
                throw InputError(error.what());
            }
            const size_t count = document->objects().size();
            try {
                DocumentStore::instance().save(*document, arguments->output);
            } catch (const SheetError& error) {
                throw JobError(error.what());
            }
            std::cout << arguments->output << ": " << arguments->options.parts << " parts, " << count << " objects\n";
            return ExitDone;
        });
    command.add_option("--parts", arguments->options.parts, "How many parts")
        ->check(CLI::Range(1, 1000000))
        ->capture_default_str();
    command.add_option("--seed", arguments->options.seed, "The seed of the random choices")->capture_default_str();
    command.add_option("-o,--output", arguments->output, "The sheet file to write (.sch)")->required();
    command.add_flag("--select-all", arguments->options.selectAll, "Every object comes selected");
    command.add_option("--library", arguments->library, "The part library to draw parts from")->capture_default_str();
}

} // namespace hostsim
