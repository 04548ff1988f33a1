// A host with one small sheet open and current, and the calls a plug-in makes to reach it.
#pragma once

#include "hostkit/RT_ClientServerInterface.h"
#include "hostsim/host/Host.h"
#include "hostsim/host/ServerDocument.h"
#include "hostsim/plexa/Document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace hostsim {

class HostFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The sheet (fileName in the fixture's folder): a wire (100,100)-(200,100), a junction at (100,100), a net label
    // "FAR" at (400,400) and a rectangle (0,0)-(600,600); its library holds "RES", a part with two pins.
    std::filesystem::path writeSheet(const std::string& fileName) const;
    // A file of some text in the fixture's folder.
    std::filesystem::path writeFile(const std::string& fileName, const std::string& text) const;

    // The client as a plug-in gets it: ClientAPI_GetClientInterface looked up in the main program.
    hostkit::IClient* pluginClient() const;
    // IProcessLauncher slot 4, reached through the client's query-interface as a plug-in does.
    int32_t launch(const char* process, char* buffer, int32_t size, hostkit::IServerDocumentView* context) const;

    Document& sheet() const { return *host->sheetOf(*document); }
    // The objects of the sheet that are selected, by kind name.
    std::vector<std::string> selectedKinds() const;

    std::filesystem::path folder;
    std::unique_ptr<Host> host;
    ServerDocument* document = nullptr; // the sheet, open and current
};

} // namespace hostsim
