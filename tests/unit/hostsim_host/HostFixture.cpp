#include "HostFixture.h"

#include "hostkit/ClientProcs.h"
#include "hostkit/InterfaceRef.h"
#include "hostsim/plexa/DocumentStore.h"
#include "platform/Module.h"

#include <fstream>
#include <unistd.h>

namespace hostsim {

namespace {

PartLibrary ResistorLibrary() {
    auto part = std::make_unique<LibraryPart>();
    for (int side : {-1, 1}) {
        auto pin = makeObject(Kind::Pin);
        pin->location = {side * 30, 0};
        pin->pin->length = 10;
        pin->pin->orientation = side < 0 ? 2 : 0;
        pin->pin->designator = side < 0 ? "1" : "2";
        part->items.push_back(std::move(pin));
    }
    auto component = std::make_unique<LibraryComponent>();
    component->libReference = "RES";
    component->parts.push_back(std::move(part));
    PartLibrary library;
    library.components.push_back(std::move(component));
    return library;
}

} // namespace

void HostFixture::SetUp() {
    folder = std::filesystem::temp_directory_path() / ("hostsim_host_" + std::to_string(getpid()) + "_" +
                                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
    host = std::make_unique<Host>(HostSettings{folder});
    document = &host->openDocument(writeSheet("small.sch"), "Sch");
    host->showDocument(*document);
}

void HostFixture::TearDown() {
    host.reset();
    std::filesystem::remove_all(folder);
}

std::filesystem::path HostFixture::writeSheet(const std::string& fileName) const {
    const std::filesystem::path file = folder / fileName;
    DocumentStore& store = DocumentStore::instance();
    Document& made = store.create(file);
    made.setLibrary(ResistorLibrary(), "");
    auto wire = makeObject(Kind::Wire);
    wire->vertices = {{100, 100}, {200, 100}};
    wire->location = wire->vertices.front();
    made.add(std::move(wire));
    auto junction = makeObject(Kind::Junction);
    junction->location = {100, 100};
    made.add(std::move(junction));
    auto label = makeObject(Kind::NetLabel);
    label->location = {400, 400};
    label->text = "FAR";
    made.add(std::move(label));
    auto rectangle = makeObject(Kind::Rectangle);
    rectangle->corner = {600, 600};
    made.add(std::move(rectangle));
    store.save(made, file);
    store.close(made.handle());
    return file;
}

std::filesystem::path HostFixture::writeFile(const std::string& fileName, const std::string& text) const {
    const std::filesystem::path file = folder / fileName;
    std::ofstream(file) << text;
    return file;
}

hostkit::IClient* HostFixture::pluginClient() const {
    auto getClient = platform::FindFunctionAs<hostkit::TClientAPI_GetClientInterface>(platform::MainProgramModule(),
                                                                                      "ClientAPI_GetClientInterface");
    hostkit::IClient* client = nullptr;
    getClient(&client);
    return client;
}

int32_t HostFixture::launch(const char* process, char* buffer, int32_t size,
                            hostkit::IServerDocumentView* context) const {
    auto client = hostkit::TInterfaceRef<hostkit::IClient>::Adopt(pluginClient());
    auto launcher = client.Query<hostkit::IProcessLauncher>(hostkit::IID_IProcessLauncher);
    return launcher.Get()->Vtbl->LaunchProcess(launcher.Get(), process, buffer, size, context);
}

std::vector<std::string> HostFixture::selectedKinds() const {
    std::vector<std::string> kinds;
    for (const auto& object : sheet().objects())
        if (object->selection != 0)
            kinds.emplace_back(kindInfo(object->kind).name);
    return kinds;
}

} // namespace hostsim
