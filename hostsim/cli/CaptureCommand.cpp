// tessellon-sim capture SHEET ...: runs the Snapscribe command "CreateSchMacro" on a sheet, as a user would from the
// menu. The wizard is played from the flags (a dialog script built from them), from an answers file, or from the
// terminal; the region and the reference point the editor asks for come from the flags. Prints the host's journal.
#include "hostsim/cli/Commands.h"
#include "hostsim/cli/PluginRun.h"
#include "hostsim/host/Host.h"
#include "hostsim/host/HostError.h"
#include "hostsim/host/ServerPlugin.h"

#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

namespace hostsim {

namespace {

namespace fs = std::filesystem;

struct CaptureOptions {
    std::string Sheet;
    std::string Region;    // X1,Y1,X2,Y2
    std::string Reference; // X,Y
    std::string Language = "basic";
    std::string Script;
    bool View = false;
    bool Run = false;
    std::string Answers; // a dialog script, or "-" for the terminal
    std::string Plugin;
};

std::vector<int32_t> ReadNumbers(const std::string& text, size_t count, const char* flag) {
    const std::string expected = std::string(flag) + " takes " + std::to_string(count) + " numbers separated by commas";
    std::vector<int32_t> numbers;
    std::istringstream in(text);
    std::string item;
    while (std::getline(in, item, ','))
        numbers.push_back(readSheetCoordinate(item, flag, expected));
    if (numbers.size() != count)
        throw InputError(expected);
    return numbers;
}

// The wizard played as the flags say: language, the two file names (confirming an existing script's overwrite),
// the region and point steps, the finish options, then OK on the boxes that report the outcome.
std::string FlagScript(const CaptureOptions& options, const fs::path& sheet, const fs::path& script) {
    std::ostringstream s;
    s << "click " << (options.Language == "pascal" ? "rbClientPascal" : "rbClientBasic") << "\n"
      << "click Button_Next\n"
      << "set ebSchematicFileName " << sheet.string() << "\n"
      << "set ebMacroFileName " << script.string() << "\n"
      << "click Button_Next\n";
    if (fs::exists(script))
        s << "answer OK\n";
    s << "click Button_Next\n"
      << "click Button_Next\n"
      << "check cbLoadMacro " << (options.View ? "on" : "off") << "\n"
      << "check cbRunMacro " << (options.Run ? "on" : "off") << "\n"
      << "click Button_Next\n"
      << "answer OK\n"
      << "answer OK\n";
    return s.str();
}

struct FileStamp {
    bool Exists = false;
    fs::file_time_type Written;
};

FileStamp StampOf(const fs::path& file) {
    std::error_code error;
    const auto written = fs::last_write_time(file, error);
    return error ? FileStamp{} : FileStamp{true, written};
}

int RunCapture(const CaptureOptions& options) {
    if (options.Language != "basic" && options.Language != "pascal")
        throw InputError("--language: basic or pascal");
    const fs::path sheet = fs::absolute(options.Sheet);
    const fs::path script = fs::absolute(options.Script);
    const bool fromFlags = options.Answers.empty();
    if (fromFlags && (options.Region.empty() || options.Reference.empty())) {
        if (!isatty(STDIN_FILENO))
            throw InputError("--region and --ref are needed (or --answers)");
    }

    Host host;
    if (!options.Region.empty()) {
        const auto r = ReadNumbers(options.Region, 4, "--region");
        host.input().pushRegion({{r[0], r[1]}, {r[2], r[3]}});
    }
    if (!options.Reference.empty()) {
        const auto p = ReadNumbers(options.Reference, 2, "--ref");
        host.input().pushPoint({p[0], p[1]});
    }
    try {
        ServerDocument& document = host.openDocument(sheet, "Sch");
        host.showDocument(document);
    } catch (const HostError& error) {
        throw InputError(error.what());
    }
    const fs::path plugin = FindPlugin(host, "libSnapscribe.so", "capture", options.Plugin);

    std::unique_ptr<TemporaryDialogScript> flagScript;
    std::optional<std::string> dialogScript;
    if (!fromFlags && options.Answers != "-")
        dialogScript = fs::absolute(options.Answers).string();
    else if (fromFlags && !options.Region.empty() && !options.Reference.empty()) {
        flagScript = std::make_unique<TemporaryDialogScript>(FlagScript(options, sheet, script));
        dialogScript = flagScript->path().string();
    }
    // Without a script the dialogs are played on the terminal.
    PlayDialogsFrom(dialogScript);

    const FileStamp before = StampOf(script);
    try {
        ServerPlugin& server = host.loadServer(plugin.string());
        host.launchCommand(server, "CreateSchMacro");
    } catch (const HostError& error) {
        host.journal().print(std::cout);
        throw JobError(error.what());
    }
    host.journal().print(std::cout);
    const FileStamp after = StampOf(script);
    const bool written = after.Exists && (!before.Exists || after.Written != before.Written);
    std::cout << (written ? "Script written: " : "No script written: ") << script.string() << std::endl;
    return written ? ExitDone : ExitFailed;
}

} // namespace

void addCaptureCommand(CommandLine& commandLine) {
    auto options = std::make_shared<CaptureOptions>();
    CLI::App& command = commandLine.add(
        "capture",
        "Capture a region of a sheet into a ClientBasic or ClientPascal script with the Snapscribe plug-in: the "
        "capture wizard is played from the flags (or from --answers), the editor's region and reference point come "
        "from --region and --ref. Prints what the host was asked to do; exit 0 when the script was written.",
        [options] { return RunCapture(*options); });
    command.add_option("SHEET", options->Sheet, "The sheet file (.sch)")->required();
    command.add_option("--region", options->Region, "The region dragged on the sheet: X1,Y1,X2,Y2");
    command.add_option("--ref", options->Reference, "The reference point clicked on the sheet: X,Y");
    command.add_option("--language", options->Language, "The script language: basic (default) or pascal");
    command.add_option("-o,--output", options->Script, "The script file to write")->required();
    command.add_flag("--view", options->View, "Open the script in the host afterwards");
    command.add_flag("--run", options->Run, "Run the script afterwards");
    command.add_option("--answers", options->Answers,
                       "Play the wizard and boxes from this dialog script instead of the flags; - plays them on "
                       "the terminal (standard input), printing each dialog");
    command.add_option("--plugin", options->Plugin,
                       "The Snapscribe library (default: the one built with this program)");
}

} // namespace hostsim
