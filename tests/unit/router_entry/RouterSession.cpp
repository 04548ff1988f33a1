#include "RouterSession.h"

#include "HostProgram.h"
#include "hostsim/host/ServerDocument.h"
#include "hostsim/plexa/DocumentStore.h"
#include "platform/Clock.h"
#include "platform/Cursor.h"
#include "platform/Folders.h"
#include "platform/MessageQueue.h"
#include "platform/Sound.h"

#include <fstream>

namespace e2e {

void RouterSession::SetUp() {
    folder = std::filesystem::temp_directory_path() /
             ("router_e2e_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "user");
    platform::SetUserDataFolderOverride((folder / "user").string());
    platform::ResetBeepCount();
    platform::ResetCursor();
    platform::ClearMessageQueues();
    host = std::make_unique<hostsim::Host>();
}

void RouterSession::TearDown() {
    host.reset();
    platform::SetTickSource(nullptr);
    platform::ClearMessageQueues();
    platform::SetUserDataFolderOverride("");
    std::filesystem::remove_all(folder);
}

void RouterSession::Open(const std::filesystem::path& sheetFile) {
    hostsim::ServerDocument& document = host->openDocument(sheetFile, "Sch");
    host->showDocument(document);
    sheet = host->sheetOf(document);
    router = &host->loadRouter(WirewrightFile().string());
}

void RouterSession::WriteRouterIni(const std::string& text) const {
    std::ofstream(folder / "user" / "Router.ini") << text;
}

hostsim::SheetObject& RouterSession::DrawWire(std::vector<hostsim::Point> vertices) {
    auto wire = hostsim::makeObject(hostsim::Kind::Wire);
    wire->location = vertices.front();
    wire->vertices = std::move(vertices);
    return sheet->add(std::move(wire));
}

bool RouterSession::Route(const hostsim::SheetObject& wire, hostsim::Point start, hostsim::Point goal) {
    return router->execute(wire.handle, start.x, start.y, goal.x, goal.y);
}

size_t RouterSession::LooseWires() const {
    // Handles are a slot index in the low 24 bits and the slot's generation above them.
    const hostsim::DocumentStore& store = hostsim::DocumentStore::instance();
    size_t loose = 0;
    for (uint32_t index = 1; index <= 4096; ++index)
        for (uint32_t generation = 0; generation < 256; ++generation) {
            const hostsim::SheetObject* object = store.object(generation << 24 | index);
            if (object != nullptr && object->kind == hostsim::Kind::Wire && object->document == nullptr &&
                object->owner == nullptr)
                ++loose;
        }
    return loose;
}

} // namespace e2e
