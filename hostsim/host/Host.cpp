#include "hostsim/host/Host.h"

#include "hostkit/HostText.h"
#include "hostsim/host/HostClient.h"
#include "hostsim/host/HostProcesses.h"
#include "hostsim/host/LoadedLibrary.h"
#include "hostsim/host/RouterPlugin.h"
#include "hostsim/host/ServerDocument.h"
#include "hostsim/host/ServerPlugin.h"
#include "hostsim/plexa/DocumentStore.h"
#include "platform/AsciiText.h"
#include "platform/Help.h"
#include "platform/Module.h"
#include "platform/Screen.h"

#include <algorithm>

namespace hostsim {

namespace {

Host* LiveHost = nullptr;

constexpr std::string_view SchematicKind = "Sch";

bool IsSchematicKind(std::string_view kind) {
    return platform::EqualIgnoringAsciiCase(kind, SchematicKind);
}

std::filesystem::path RunningProgramFolder() {
    return std::filesystem::path(platform::ModuleFileName(platform::MainProgramModule())).parent_path();
}

// Two names of one file compare equal.
std::filesystem::path Normal(const std::filesystem::path& fileName) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(fileName, error).lexically_normal();
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, error);
    return error ? absolute : canonical;
}

} // namespace

Host::Host(HostSettings settings) : settings_(std::move(settings)) {
    if (LiveHost != nullptr)
        throw std::logic_error("only one host may exist at a time");
    programFolder_ = settings_.ProgramFolder.empty() ? RunningProgramFolder() : settings_.ProgramFolder;
    mainWindow_ = platform::CreateStandInWindow({0, 0, 1920, 1040});
    platform::SetWindowClassName(mainWindow_, MainWindowClassName);
    platform::SetActiveWindow(mainWindow_);
    client_ = std::make_unique<HostClient>(*this);
    RegisterHostProcesses(*this);
    LiveHost = this;
}

Host::~Host() {
    // Plug-ins go first: their modules may still hold documents and call the client while they are released.
    routers_.clear();
    servers_.clear();
    while (!documents_.empty())
        closeDocument(ServerDocument::Of(documents_.back().Get()));
    schematicServer_.reset();
    platform::DestroyStandInWindow(mainWindow_);
    LiveHost = nullptr;
}

Host* Host::Current() {
    return LiveHost;
}

hostkit::IClient* Host::client() {
    return client_->client();
}

ServerDocument& Host::openDocument(const std::filesystem::path& fileName, std::string_view kind) {
    if (ServerDocument* open = findDocument(fileName))
        return *open;
    uint32_t sheet = 0;
    if (IsSchematicKind(kind)) {
        startSchematicServer();
        try {
            Document& opened = DocumentStore::instance().open(fileName);
            // The editor shows the sheet in a window of its own, which takes the editor's messages.
            opened.showIn(platform::CreateStandInWindow({0, 0, 1920, 1040}));
            sheet = opened.handle();
        } catch (const std::exception& error) {
            throw HostError(error.what());
        }
    } else {
        std::error_code ignored;
        if (!std::filesystem::is_regular_file(fileName, ignored))
            throw HostError(fileName.string() + ": no such file");
    }
    const std::string kindText = IsSchematicKind(kind) ? std::string(SchematicKind) : std::string(kind);
    ServerDocument* document = ServerDocument::Create(fileName.string(), kindText, sheet);
    documents_.emplace_back(document->document());
    journal_.record(JournalKind::DocumentOpened, document->fileName() + " (" + kindText + ")");
    return *document;
}

void Host::showDocument(ServerDocument& document) {
    current_ = &document;
    if (document.sheet() != 0)
        DocumentStore::instance().setCurrent(sheetOf(document));
    journal_.record(JournalKind::DocumentShown, document.fileName());
}

void Host::closeDocument(ServerDocument& document) {
    auto found = std::find_if(documents_.begin(), documents_.end(),
                              [&](const auto& open) { return open.Get() == document.document(); });
    if (found == documents_.end())
        return;
    journal_.record(JournalKind::DocumentClosed, document.fileName());
    if (current_ == &document)
        current_ = nullptr;
    if (Document* sheet = sheetOf(document)) {
        platform::DestroyStandInWindow(sheet->window());
        DocumentStore::instance().close(sheet->handle());
    }
    documents_.erase(found); // may free the document when no plug-in holds it
}

ServerDocument* Host::openDocumentOf(hostkit::IServerDocumentView* view) const {
    for (const auto& open : documents_)
        if (ServerDocument::Of(open.Get()).view() == view)
            return &ServerDocument::Of(open.Get());
    return nullptr;
}

ServerDocument* Host::openDocumentOf(hostkit::IServerDocument* document) const {
    for (const auto& open : documents_)
        if (open.Get() == document)
            return &ServerDocument::Of(open.Get());
    return nullptr;
}

ServerDocument* Host::findDocument(const std::filesystem::path& fileName) const {
    const std::filesystem::path wanted = Normal(fileName);
    for (const auto& open : documents_)
        if (Normal(ServerDocument::Of(open.Get()).fileName()) == wanted)
            return &ServerDocument::Of(open.Get());
    return nullptr;
}

Document* Host::sheetOf(const ServerDocument& document) const {
    if (document.sheet() == 0 || openDocumentOf(document.document()) == nullptr)
        return nullptr;
    return DocumentStore::instance().find(document.sheet());
}

bool Host::runProcess(std::string_view name, char* buffer, int32_t size, hostkit::IServerDocumentView* context) {
    const std::string text = ReadParameterBuffer(buffer, size);
    const size_t entry = journal_.record(JournalKind::Process, std::string(name) + (text.empty() ? "" : " " + text));
    auto refuse = [&](const std::string& why) {
        journal_.append(entry, " -> refused: " + why);
        // A reader of the buffer must not take what it held before for this process's result.
        ResultText().add("Result", "False").write(buffer, size);
        return false;
    };
    const ProcessHandler* handler = processes_.find(name);
    if (handler == nullptr)
        return refuse("no such process");
    ServerDocument* acting = nullptr;
    if (context != nullptr && (acting = openDocumentOf(context)) == nullptr)
        return refuse("the view's document is not open");
    const ParameterText parameters(text);
    ProcessRequest request{name, parameters, buffer, size, acting};
    try {
        const bool ran = (*handler)(request);
        if (!request.Note.empty())
            journal_.append(entry, " -> " + request.Note);
        return ran;
    } catch (const std::exception& error) {
        return refuse(error.what());
    }
}

bool Host::runProcess(std::string_view name, std::string_view parameters) {
    std::vector<char> buffer(std::max(hostkit::ShortTextBufferSize, parameters.size() + 1));
    hostkit::CopyToHostBuffer(buffer.data(), buffer.size(), parameters);
    return runProcess(name, buffer.data(), static_cast<int32_t>(buffer.size()), nullptr);
}

void Host::startSchematicServer() {
    if (!schematicServerFile_.empty())
        return;
    platform::ModuleHandle loaded = platform::FindLoadedModule(settings_.SchematicServer);
    if (loaded == nullptr) {
        schematicServer_ = std::make_unique<LoadedLibrary>((programFolder_ / settings_.SchematicServer).string());
        loaded = schematicServer_->handle();
    }
    schematicServerFile_ = platform::ModuleFileName(loaded);
    journal_.record(JournalKind::LibraryLoaded, std::string(SchematicKind) + " (" + schematicServerFile_ + ")");
}

ServerPlugin& Host::loadServer(const std::string& fileName) {
    servers_.push_back(std::make_unique<ServerPlugin>(fileName, client()));
    ServerPlugin& server = *servers_.back();
    journal_.record(JournalKind::LibraryLoaded, server.moduleName() + " (" + server.library().fileName() + ")");
    return server;
}

int32_t Host::launchCommand(ServerPlugin& server, const std::string& command, const std::string& parameters) {
    auto* context = current_ != nullptr ? hostkit::AsInterface(current_->view()) : nullptr;
    const int32_t answer = server.launchCommand(command, parameters, context);
    collectSystemRequests();
    return answer;
}

RouterPlugin& Host::loadRouter(const std::string& fileName) {
    routers_.push_back(std::make_unique<RouterPlugin>(fileName));
    journal_.record(JournalKind::LibraryLoaded, "wire router (" + routers_.back()->library().fileName() + ")");
    return *routers_.back();
}

std::string Host::serverFileName(std::string_view name) const {
    const std::string_view server = platform::TrimBlanks(name.substr(0, name.find(':')));
    if (IsSchematicKind(server))
        return schematicServerFile_;
    for (const auto& plugin : servers_)
        if (platform::EqualIgnoringAsciiCase(plugin->moduleName(), server))
            return plugin->library().fileName();
    return {};
}

void Host::idle() {
    for (const auto& server : servers_)
        server->idle();
    collectSystemRequests();
}

void Host::collectSystemRequests() {
    for (const platform::HelpRequest& request : platform::HelpRequests())
        journal_.record(JournalKind::HelpRequest, request.File + ", command " + std::to_string(request.Command) +
                                                      ", topic " + std::to_string(request.Data));
    platform::ClearHelpRequests();
}

void Host::setStatusText(int32_t index, std::string text) {
    pendingStatus_ = {index, std::move(text)};
}

void Host::updateStatusBar() {
    if (!pendingStatus_)
        return;
    auto [index, text] = *std::exchange(pendingStatus_, std::nullopt);
    journal_.record(JournalKind::StatusText,
                    index == -1 && text.empty() ? "cleared" : "[" + std::to_string(index) + "] " + text);
}

} // namespace hostsim
