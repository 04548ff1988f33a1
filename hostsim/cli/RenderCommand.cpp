// tessellon-sim render SHEET -o OUT.svg: a picture of the sheet with its selection.
#include <memory>

#include "hostsim/cli/Commands.h"
#include "hostsim/render/SheetRenderer.h"

namespace hostsim {

void addRenderCommand(CommandLine& commandLine) {
    struct Arguments {
        std::string sheet;
        std::string output;
        RenderOptions options;
    };
    auto arguments = std::make_shared<Arguments>();
    CLI::App& command = commandLine.add(
        "render",
        "Draw a sheet as an SVG picture: parts, pins, wires, junctions, labels, ports, graphics, the title "
        "block and the selection.",
        [arguments] {
            const Document& document = openSheet(arguments->sheet);
            writeOutput(arguments->output, renderSheet(document, arguments->options));
            return ExitDone;
        });
    command.add_option("SHEET", arguments->sheet, "The sheet file (.sch)")->required();
    command.add_option("-o,--output", arguments->output, "The picture to write (.svg)")->required();
    command.add_option("--max-pixels", arguments->options.maxPixels, "The longer side of the picture at most")
        ->check(CLI::PositiveNumber)
        ->capture_default_str();
}

} // namespace hostsim
