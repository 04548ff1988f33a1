#include "HostFixture.h"

#include "hostkit/InterfaceRef.h"
#include "hostsim/plexa/DocumentStore.h"

namespace hostsim {
namespace {

using hostkit::IServerDocument;
using hostkit::IServerDocumentView;
using hostkit::TInterfaceRef;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class HostClient : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        client = pluginClient();
    }
    TInterfaceRef<IServerDocument> open(const char* kind, const std::string& fileName) {
        TInterfaceRef<IServerDocument> result;
        client->Vtbl->OpenDocument(result.Receive(), client, kind, fileName.c_str());
        return result;
    }
    TInterfaceRef<IServerDocumentView> currentView() {
        TInterfaceRef<IServerDocumentView> view;
        client->Vtbl->GetCurrentView(view.Receive(), client);
        return view;
    }

    hostkit::IClient* client = nullptr;
};

TEST_F(HostClient, OpensSheetsAndWalksFromDocumentToViewAndBack) {
    const std::filesystem::path other = writeSheet("other.sch");
    auto opened = open("SCH", other.string());
    ASSERT_TRUE(opened);
    EXPECT_STREQ(opened.Get()->Vtbl->GetFileName(opened.Get()), other.string().c_str());
    EXPECT_STREQ(opened.Get()->Vtbl->GetKind(opened.Get()), "Sch");
    EXPECT_EQ(open("Sch", other.string()).Get(), opened.Get()) << "an open document is answered again";

    TInterfaceRef<IServerDocumentView> view;
    opened.Get()->Vtbl->GetView(view.Receive(), opened.Get(), 0);
    ASSERT_TRUE(view);
    TInterfaceRef<IServerDocument> owner;
    view.Get()->Vtbl->GetOwnerDocument(owner.Receive(), view.Get());
    EXPECT_EQ(owner.Get(), opened.Get());
    TInterfaceRef<IServerDocumentView> second;
    opened.Get()->Vtbl->GetView(second.Receive(), opened.Get(), 1);
    EXPECT_FALSE(second);

    // Opening does not bring it forward; showing does.
    EXPECT_EQ(currentView().Get(), document->view());
    client->Vtbl->ShowDocument(client, opened.Get());
    EXPECT_EQ(currentView().Get(), view.Get());
    EXPECT_EQ(DocumentStore::instance().current(), host->sheetOf(ServerDocument::Of(opened.Get())));
}

TEST_F(HostClient, DocumentsThatCannotBeOpenedAnswerNone) {
    writeFile("broken.sch", "{ not a sheet");
    EXPECT_FALSE(open("Sch", (folder / "missing.sch").string()));
    EXPECT_FALSE(open("Sch", (folder / "broken.sch").string()));
    const auto refusals = host->journal().texts(JournalKind::ProcessRefused);
    ASSERT_EQ(refusals.size(), 2u);
    EXPECT_THAT(refusals[1], HasSubstr("broken.sch"));
}

TEST_F(HostClient, AViewHeldByAPlugInOutlivesItsClosedDocument) {
    TInterfaceRef<IServerDocumentView> held = currentView();
    host->closeDocument(*document);
    EXPECT_FALSE(currentView());
    TInterfaceRef<IServerDocument> owner;
    held.Get()->Vtbl->GetOwnerDocument(owner.Receive(), held.Get());
    EXPECT_STREQ(owner.Get()->Vtbl->GetFileName(owner.Get()), (folder / "small.sch").string().c_str());
}

TEST_F(HostClient, WindowsStatusAndServerFiles) {
    EXPECT_NE(host->mainWindow(), 0u);
    EXPECT_EQ(client->Vtbl->GetApplicationHandle(client), host->mainWindow());
    EXPECT_EQ(client->Vtbl->GetMainWindowHandle(client), host->mainWindow());

    TInterfaceRef<hostkit::IStatusTextItem> item;
    client->Vtbl->SetStatusText(item.Receive(), client, 4, "Current Command - Select region...");
    ASSERT_TRUE(item);
    item.Get()->Vtbl->Update(item.Get());
    client->Vtbl->SetStatusText(item.Receive(), client, -1, "");
    item.Get()->Vtbl->Update(item.Get());
    EXPECT_THAT(host->journal().texts(JournalKind::StatusText),
                ElementsAre("[4] Current Command - Select region...", "cleared"));

    EXPECT_THAT(client->Vtbl->GetServerFileName(client, "Sch:PlaceWire"), HasSubstr("libPlexa.so"));
    EXPECT_THAT(client->Vtbl->GetServerFileName(client, "sch"), HasSubstr("libPlexa.so"));
    EXPECT_STREQ(client->Vtbl->GetServerFileName(client, "Pcb:Route"), "");
    EXPECT_STREQ(client->Vtbl->GetServerFileName(client, nullptr), "");
}

TEST_F(HostClient, AnswersTheProcessLauncherAndNothingElse) {
    auto asInterface = hostkit::AsInterface(client);
    void* found = nullptr;
    ASSERT_EQ(asInterface->Vtbl->QueryInterface(asInterface, &hostkit::IID_IProcessLauncher, &found), hostkit::S_OK);
    auto* launcher = static_cast<hostkit::IProcessLauncher*>(found);
    EXPECT_NE(launcher->Vtbl->LaunchProcess, nullptr);
    EXPECT_EQ(asInterface->Vtbl->QueryInterface(asInterface, &hostkit::IID_IServerModule, &found),
              hostkit::E_NOINTERFACE);
    EXPECT_EQ(found, nullptr);
}

} // namespace
} // namespace hostsim
