// tessellon-sim options: shows Wirewright's options dialog as the schematic editor does; the flags become what a
// user does in it (type into the boxes, move the track bar, click OK). Prints the options in force afterwards.
#include "hostsim/cli/Commands.h"
#include "hostsim/cli/PluginRun.h"
#include "hostsim/host/HostError.h"
#include "hostsim/host/RouterPlugin.h"
#include "platform/Folders.h"
#include "platform/Profile.h"

#include <unistd.h>

#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

namespace hostsim {

namespace {

namespace fs = std::filesystem;

struct OptionsFlags {
    std::optional<int> Clearance;
    std::optional<int> TimeOutSeconds;
    std::optional<int> Avoid;
    std::string Answers;
    std::string UserData;
    std::string Plugin;
};

bool AnyValueFlag(const OptionsFlags& flags) {
    return flags.Clearance || flags.TimeOutSeconds || flags.Avoid;
}

// The dialog played as the flags say: each value typed or moved, then OK.
std::string FlagScript(const OptionsFlags& flags) {
    std::ostringstream script;
    if (flags.Clearance)
        script << "set ClearanceEditBox " << *flags.Clearance << "\n";
    if (flags.TimeOutSeconds)
        script << "set TimeOutEditBox " << *flags.TimeOutSeconds << "\n";
    if (flags.Avoid)
        script << "track AvoidWireFrequencyTrackBar " << *flags.Avoid << "\n";
    script << "click OKButton\n";
    return script.str();
}

// The options in force: what Router.ini in the per-user data folder holds, as the router reads them at load.
void PrintOptions(std::ostream& out) {
    const std::string file = (fs::path(platform::PerUserDataFolder()) / "Router.ini").string();
    out << "Router.ini: " << file << "\n";
    for (const auto& [key, fallback] :
         {std::pair<const char*, const char*>{"TimeOut", "3000"}, {"Clearance", "5"}, {"Avoid Wires Position", "1"}})
        out << key << " = " << platform::ReadProfileString(file, "Options", key, fallback) << "\n";
}

int RunOptions(const OptionsFlags& flags) {
    if (!flags.Answers.empty() && AnyValueFlag(flags))
        throw InputError("--answers cannot be combined with --clearance, --timeout or --avoid");
    if (flags.Answers.empty() && !AnyValueFlag(flags) && !isatty(STDIN_FILENO))
        throw InputError("give --clearance, --timeout, --avoid or --answers (or run it at a terminal)");
    UseUserDataFolder(flags.UserData);

    Host host;
    std::unique_ptr<TemporaryDialogScript> flagScript;
    std::optional<std::string> dialogScript;
    if (!flags.Answers.empty() && flags.Answers != "-")
        dialogScript = fs::absolute(flags.Answers).string();
    else if (AnyValueFlag(flags)) {
        flagScript = std::make_unique<TemporaryDialogScript>(FlagScript(flags));
        dialogScript = flagScript->path().string();
    }
    PlayDialogsFrom(dialogScript);

    try {
        RouterPlugin& router = host.loadRouter(FindPlugin(host, "libWirewright.so", "router", flags.Plugin).string());
        router.options();
    } catch (const HostError& error) {
        throw JobError(error.what());
    }
    host.journal().print(std::cout);
    PrintOptions(std::cout);
    return ExitDone;
}

} // namespace

void addOptionsCommand(CommandLine& commandLine) {
    auto flags = std::make_shared<OptionsFlags>();
    CLI::App& command = commandLine.add(
        "options",
        "Show Wirewright's options dialog as the schematic editor does; the flags are typed into it and confirmed "
        "with OK (or --answers plays a dialog script; at a terminal without flags the dialog is shown there). Prints "
        "the options in force afterwards.",
        [flags] { return RunOptions(*flags); });
    command.add_option("--clearance", flags->Clearance, "Clearance around obstacles (the dialog takes 1 to 99)");
    command.add_option("--timeout", flags->TimeOutSeconds, "Search time-out in whole seconds (1 to 99)");
    command.add_option("--avoid", flags->Avoid, "Wire avoidance level, 1 (none) to 10 (strongest)");
    command.add_option("--answers", flags->Answers,
                       "Play the dialog from this dialog script instead of the flags; - plays it on the terminal");
    command.add_option("--user-data", flags->UserData,
                       "The per-user data folder of the host and the plug-ins (Router.ini), instead of the user's own");
    command.add_option("--plugin", flags->Plugin, "The Wirewright library (default: the one built with this program)");
}

} // namespace hostsim
