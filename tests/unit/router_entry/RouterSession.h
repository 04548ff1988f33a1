// A sheet open and current in the simulated host, with the built Wirewright loaded as the schematic editor loads
// it, and the wires the editor starts while the user draws.
#pragma once

#include "hostsim/host/Host.h"
#include "hostsim/host/RouterPlugin.h"
#include "hostsim/plexa/Document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

class RouterSession : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a sheet of tests/fixtures/router (or any sheet file), makes it current and loads the router.
    void Open(const std::filesystem::path& sheetFile);
    // Router.ini in the session's own per-user folder (before Open).
    void WriteRouterIni(const std::string& text) const;

    // A new wire on the sheet with these vertices, the last being the loose end.
    hostsim::SheetObject& DrawWire(std::vector<hostsim::Point> vertices);
    // Routes Start to Goal into Wire as the editor asks for it.
    bool Route(const hostsim::SheetObject& wire, hostsim::Point start, hostsim::Point goal);
    // Wires of the schematic server that lie on no sheet (the router's temporary wires).
    size_t LooseWires() const;

    hostsim::Document& Sheet() const { return *sheet; }

    std::filesystem::path folder;
    std::unique_ptr<hostsim::Host> host;
    hostsim::RouterPlugin* router = nullptr;
    hostsim::Document* sheet = nullptr;
};

} // namespace e2e
