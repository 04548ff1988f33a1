#pragma once

#include "hostkit/InterfaceRef.h"
#include "hostsim/host/HostError.h"
#include "hostsim/host/InputQueue.h"
#include "hostsim/host/Journal.h"
#include "hostsim/host/ProcessTable.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hostsim {

class Document;
class HostClient;
class LoadedLibrary;
class RouterPlugin;
class ServerDocument;
class ServerPlugin;

// The class name of the host's main window: plug-ins look for it to own their dialogs.
inline constexpr const char* MainWindowClassName = "Tessellon Q7 Main Window";

struct HostSettings {
    // The host program's folder, where the client's exe-relative file names point. Empty: the running program's.
    std::filesystem::path ProgramFolder;
    // The schematic server library, loaded when a plug-in asks for the schematic server and it is not loaded yet.
    std::string SchematicServer = "Plexa.dll";
};

// The simulated host application: its client with documents, views and processes as the plug-ins reach them, the
// plug-ins it loaded, what its user answers (the input queue) and what it was asked to do (the journal).
// One host exists at a time; the client functions the program exports serve it.
class Host {
public:
    explicit Host(HostSettings settings = {});
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The live host, or none.
    static Host* Current();

    Journal& journal() { return journal_; }
    InputQueue& input() { return input_; }
    ProcessTable& processes() { return processes_; }
    const std::filesystem::path& programFolder() const { return programFolder_; }

    // The client handed to the plug-ins; it lives as long as the host.
    hostkit::IClient* client();
    // The main window: owner of the plug-ins' dialogs and of help windows.
    uint32_t mainWindow() const { return mainWindow_; }

    // ---- Documents ----
    // The document of Kind ("Sch" or "Text") stored in FileName; opened when it is not open yet, without becoming
    // current. Throws HostError (a missing file, a sheet the schematic server cannot read: the reason in the text).
    ServerDocument& openDocument(const std::filesystem::path& fileName, std::string_view kind);
    // Brings the document forward: it becomes the current one, and for a sheet the schematic editor's current sheet.
    void showDocument(ServerDocument& document);
    // The open document stored in FileName, or none.
    ServerDocument* findDocument(const std::filesystem::path& fileName) const;
    // The current document, or none.
    ServerDocument* currentDocument() const { return current_; }
    // Closes the document; a view a plug-in still holds then acts on nothing.
    void closeDocument(ServerDocument& document);
    // The open document behind a view a plug-in passed in, or none (a view of a closed document included).
    ServerDocument* openDocumentOf(hostkit::IServerDocumentView* view) const;
    ServerDocument* openDocumentOf(hostkit::IServerDocument* document) const;
    // The schematic server's document of a sheet, or none (not a sheet, or closed).
    Document* sheetOf(const ServerDocument& document) const;

    // ---- Processes ----
    // Runs a process as a plug-in asks for it: Buffer holds the parameter text and receives result entries within
    // Size bytes. Answers whether the process ran; unknown processes and unusable arguments answer false and are
    // journaled with the reason.
    bool runProcess(std::string_view name, char* buffer, int32_t size, hostkit::IServerDocumentView* context);
    // The same with a parameter text of the host's own (a script's RunProcess), results discarded.
    bool runProcess(std::string_view name, std::string_view parameters);

    // ---- Servers and plug-ins ----
    // Makes sure the schematic server library is loaded. Throws HostError when it cannot be.
    void startSchematicServer();
    // Loads a server plug-in by file name and creates its server module through its ServerFactory export.
    ServerPlugin& loadServer(const std::string& fileName);
    // Runs Command of a loaded server through its command launcher with the current view as context, as a menu
    // item does, then journals what the plug-in asked of the system. Answers the launcher's answer.
    int32_t launchCommand(ServerPlugin& server, const std::string& command, const std::string& parameters = {});
    // Loads the schematic editor's wire router plug-in by file name.
    RouterPlugin& loadRouter(const std::string& fileName);
    // The file of the server that serves Name ("Sch", a server module's name; a "Server:Process" text names the
    // server before the colon); empty when no loaded server serves it.
    std::string serverFileName(std::string_view name) const;
    // Gives each loaded server module its idle time.
    void idle();
    // Moves what the plug-ins asked of the system (help requests) into the journal.
    void collectSystemRequests();

    // ---- Status bar ----
    void setStatusText(int32_t index, std::string text);
    // Shows the texts set since the last update (journaled).
    void updateStatusBar();

private:
    HostSettings settings_;
    std::filesystem::path programFolder_;
    Journal journal_;
    InputQueue input_;
    ProcessTable processes_;
    uint32_t mainWindow_ = 0;
    std::unique_ptr<HostClient> client_;
    std::vector<hostkit::TInterfaceRef<hostkit::IServerDocument>> documents_;
    ServerDocument* current_ = nullptr;
    std::optional<std::pair<int32_t, std::string>> pendingStatus_;
    std::string schematicServerFile_;
    std::unique_ptr<LoadedLibrary> schematicServer_; // when this host loaded it; unloaded with the host
    std::vector<std::unique_ptr<ServerPlugin>> servers_;
    std::vector<std::unique_ptr<RouterPlugin>> routers_;
};

} // namespace hostsim
