#include "HostFixture.h"

#include "hostkit/InterfaceRef.h"
#include "hostsim/plexa/DocumentStore.h"

#include <cstring>

namespace hostsim {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A 256-byte parameter buffer as the plug-ins pass it, with guard bytes behind it.
struct ParameterBuffer {
    char Bytes[256 + 8];
    char Initial[256 + 8];

    explicit ParameterBuffer(const char* text = "") {
        std::memset(Bytes, '#', sizeof Bytes);
        std::strcpy(Bytes, text);
        std::memcpy(Initial, Bytes, sizeof Bytes);
    }
    std::string text() const { return Bytes; }
    // Nothing at or behind byte Size changed.
    bool guardIntact(int32_t size) const {
        return std::memcmp(Bytes + size, Initial + size, sizeof Bytes - static_cast<size_t>(size)) == 0;
    }
};

using HostProcesses = HostFixture;

TEST_F(HostProcesses, AskForLocationAnswersTheQueuedPointsThenCancels) {
    host->input().pushPoint({120, -45});
    host->input().pushPoint({0, 7});
    const char* expected[] = {"LocationX=120 | LocationY=-45 | Result=True", "LocationX=0 | LocationY=7 | Result=True",
                              "Result=False"};
    for (const char* answer : expected) {
        ParameterBuffer buffer;
        EXPECT_EQ(launch("Sch:AskForXYLocation", buffer.Bytes, 255, document->view()), 1);
        EXPECT_EQ(buffer.text(), answer);
        EXPECT_TRUE(buffer.guardIntact(255));
    }
}

TEST_F(HostProcesses, ResultsStayWithinTheDeclaredSizeAndAreNeverCut) {
    // "LocationX=120 | LocationY=-45 | Result=True" is 43 characters.
    struct Case {
        int32_t Size;
        const char* Expected;
    };
    const Case cases[] = {
        {0, "Stale=1"},
        {1, ""},
        {13, ""},
        {14, "LocationX=120"},
        {30, "LocationX=120 | LocationY=-45"},
        {43, "LocationX=120 | LocationY=-45"},
        {44, "LocationX=120 | LocationY=-45 | Result=True"},
    };
    for (const Case& c : cases) {
        host->input().pushPoint({120, -45});
        ParameterBuffer buffer("Stale=1");
        launch("Sch:AskForXYLocation", buffer.Bytes, c.Size, nullptr);
        EXPECT_EQ(buffer.text(), c.Expected) << c.Size;
        EXPECT_TRUE(buffer.guardIntact(c.Size)) << c.Size;
    }
}

TEST_F(HostProcesses, SelectInsideAreaSelectsWhatLiesWhollyInsideTheQueuedRegion) {
    host->input().pushRegion({{250, 150}, {50, 50}});
    ParameterBuffer buffer;
    ASSERT_EQ(launch("Sch:DeselectAllObjects", buffer.Bytes, 256, document->view()), 1);
    ASSERT_EQ(launch("Sch:SelectObjectsInsideArea", buffer.Bytes, 256, document->view()), 1);
    EXPECT_EQ(buffer.text(), "Result=True");
    EXPECT_THAT(selectedKinds(), ElementsAre("wire", "junction"));

    // Cancelled: the caller reads failure, the selection stays as it was; a deselection clears it.
    ASSERT_EQ(launch("Sch:SelectObjectsInsideArea", buffer.Bytes, 256, document->view()), 1);
    EXPECT_EQ(buffer.text(), "Result=False");
    EXPECT_THAT(selectedKinds(), ElementsAre("wire", "junction"));
    char constantEmpty[] = "";
    ASSERT_EQ(launch("Sch:DeselectAllObjects", constantEmpty, 0, document->view()), 1);
    EXPECT_THAT(selectedKinds(), IsEmpty());
}

TEST_F(HostProcesses, SchematicProcessesNeedAnOpenSheet) {
    host->input().pushPoint({1, 2});
    const std::filesystem::path textFile = writeFile("notes.txt", "hello");
    ServerDocument& text = host->openDocument(textFile, "Text");
    ParameterBuffer buffer("Result=True");
    EXPECT_EQ(launch("Sch:AskForXYLocation", buffer.Bytes, 255, text.view()), 0);
    EXPECT_EQ(buffer.text(), "Result=False");
    EXPECT_EQ(host->input().pendingPoints(), 1u) << "the user was not asked";

    // A view the plug-in still holds after its document was closed acts on nothing.
    hostkit::TInterfaceRef<hostkit::IServerDocumentView> view(document->view());
    host->closeDocument(*document);
    EXPECT_EQ(launch("Sch:DeselectAllObjects", buffer.Bytes, 256, view.Get()), 0);
    EXPECT_EQ(launch("Sch:PlaceJunction", buffer.Bytes, 256, nullptr), 0) << "no current sheet either";
    EXPECT_THAT(host->journal().entries().back().Text, HasSubstr("refused: no schematic document to act on"));
}

TEST_F(HostProcesses, UnknownProcessesAreRefusedAndJournaled) {
    ParameterBuffer buffer("A=1");
    EXPECT_EQ(launch("Sch:Teleport", buffer.Bytes, 256, nullptr), 0);
    EXPECT_EQ(host->journal().entries().back().Text, "Sch:Teleport A=1 -> refused: no such process");
    EXPECT_EQ(buffer.text(), "Result=False");
}

TEST_F(HostProcesses, PlacementsCreateTheirObjectsOnTheActingSheet) {
    const size_t before = sheet().objects().size();
    ParameterBuffer wire("LineWidth=2 | Color=128 | Selection=False | Location1.X=10 | Location1.Y=20 | "
                         "Location2.X=10 | Location2.Y=80");
    EXPECT_EQ(launch("Sch:PlaceWire", wire.Bytes, 256, nullptr), 1);
    ParameterBuffer part("Location.X=300 | Location.Y=300 | Orientation=1 | LibReference=RES | Designator=R7 | "
                         "PartType=10k");
    EXPECT_EQ(launch("sch:placepart", part.Bytes, 256, document->view()), 1);
    ASSERT_EQ(sheet().objects().size(), before + 2);

    const SheetObject& placedWire = *sheet().objects()[before];
    EXPECT_EQ(placedWire.kind, Kind::Wire);
    EXPECT_EQ(placedWire.lineWidth, 2);
    EXPECT_EQ(placedWire.vertices, (std::vector<Point>{{10, 20}, {10, 80}}));
    const SheetObject& placedPart = *sheet().objects()[before + 1];
    ASSERT_TRUE(placedPart.part);
    EXPECT_EQ(placedPart.part->designator->text, "R7");
    EXPECT_EQ(placedPart.part->partType->text, "10k");
    EXPECT_EQ(placedPart.part->pins.size(), 2u) << "pins come from the library";
    EXPECT_THAT(host->journal().entries().back().Text, HasSubstr("-> placed part "));
}

TEST_F(HostProcesses, PlacementsWithUnusableParametersPlaceNothing) {
    const size_t before = sheet().objects().size();
    struct Case {
        const char* Process;
        const char* Parameters;
        const char* Why;
    };
    const Case cases[] = {
        {"Sch:PlacePart", "Location.X=1 | Location.Y=2 | LibReference=NOPE",
         "LibReference=NOPE: not in the sheet's part library"},
        {"Sch:PlaceWire", "Color=1", "Location1.X and Location1.Y are both needed"},
        {"Sch:PlaceJunction", "Location.X=1 | Location.Y=2 | Size=big", "Size=big: expected a whole number"},
    };
    for (const Case& c : cases) {
        ParameterBuffer buffer(c.Parameters);
        EXPECT_EQ(launch(c.Process, buffer.Bytes, 256, nullptr), 0) << c.Process;
        EXPECT_THAT(host->journal().entries().back().Text, HasSubstr(std::string("refused: ") + c.Why));
    }
    EXPECT_EQ(sheet().objects().size(), before);
}

TEST_F(HostProcesses, ClientProcessesOpenCloseAndRecord) {
    const std::filesystem::path script = writeFile("out.bas", "Sub Main\nEnd Sub\n");
    ParameterBuffer open(("FileName=" + script.string() + " | Project=False | DocumentType=Text").c_str());
    ASSERT_EQ(launch("Client:OpenDocument", open.Bytes, 256, nullptr), 1);
    ASSERT_NE(host->currentDocument(), nullptr);
    EXPECT_EQ(host->currentDocument()->fileName(), script.string());
    EXPECT_EQ(host->currentDocument()->kind(), "Text");

    ParameterBuffer tabs("Tab=Sch");
    EXPECT_EQ(launch("Client:ConfigureEDAEditorTabs", tabs.Bytes, 256, nullptr), 1);
    ParameterBuffer run(("FileName=" + script.string()).c_str());
    EXPECT_EQ(launch("Macro:RunMacro", run.Bytes, 256, nullptr), 1);
    EXPECT_THAT(host->journal().texts(JournalKind::MacroRun), ElementsAre(script.string()));

    ParameterBuffer missing("FileName=/no/such/file.bas | DocumentType=Text");
    EXPECT_EQ(launch("Client:OpenDocument", missing.Bytes, 256, nullptr), 0);

    char constantEmpty[] = "";
    hostkit::TInterfaceRef<hostkit::IServerDocumentView> held(document->view()); // as the capture command holds it
    EXPECT_EQ(launch("Client:CloseDocument", constantEmpty, 0, document->view()), 1);
    EXPECT_EQ(host->sheetOf(*document), nullptr);
    EXPECT_THAT(host->journal().texts(JournalKind::DocumentClosed), ElementsAre((folder / "small.sch").string()));
}

TEST_F(HostProcesses, SetupServersStartsOnlyTheSchematicServer) {
    ParameterBuffer start("Server=Sch | Action=Start");
    EXPECT_EQ(launch("Client:SetupEDAServers", start.Bytes, 255, nullptr), 1);
    EXPECT_EQ(launch("Client:SetupEDAServers", start.Bytes, 255, nullptr), 1);
    const auto loaded = host->journal().texts(JournalKind::LibraryLoaded);
    ASSERT_EQ(loaded.size(), 1u) << "started once";
    EXPECT_THAT(loaded[0], HasSubstr("libPlexa.so"));
    ParameterBuffer other("Server=Pcb | Action=Start");
    EXPECT_EQ(launch("Client:SetupEDAServers", other.Bytes, 255, nullptr), 0);
}

TEST_F(HostProcesses, ScriptsRunProcessesWithTextsOfAnyLength) {
    std::string parameters = "Location.X=5 | Location.Y=6 | S=" + std::string(300, 'x');
    ASSERT_TRUE(host->runProcess("Sch:PlaceNetLabel", parameters));
    EXPECT_EQ(sheet().objects().back()->text, std::string(300, 'x'));
}

} // namespace
} // namespace hostsim
