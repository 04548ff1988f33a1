// The capture command from the host's menu to the written script: what it asks of the host, the boxes it shows.
#include "CaptureFixture.h"

#include "platform/Sound.h"
#include "tests/ReadFile.h"

#include <fstream>
#include <sstream>

namespace snapscribe::testing {
namespace {

using ::testing::HasSubstr;

class CaptureCommandTest : public CaptureFixture {};

struct FinishCase {
    bool View, Run;
    bool Opened, Ran, SuccessBox;
};

TEST_F(CaptureCommandTest, ViewAndRunChoicesDecideWhatTheHostIsAskedAfterTheScriptIsWritten) {
    CopyTemplates();
    const FinishCase cases[] = {
        {true, false, true, false, true},
        {true, true, true, true, false},
        {false, false, false, false, true},
        {false, true, false, true, false},
    };
    for (const FinishCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "view " << c.View << " run " << c.Run);
        host->journal().clear();
        const auto script = folder / ("out" + std::to_string(c.View) + std::to_string(c.Run) + ".bas");
        const auto shown =
            RunCommand(ToFinishPage("ClientBasic", script) + "check cbLoadMacro " + (c.View ? "on" : "off") +
                       "\ncheck cbRunMacro " + (c.Run ? "on" : "off") + "\nclick Button_Next\nanswer OK\n");
        ASSERT_TRUE(std::filesystem::exists(script));
        const auto processes = Processes();
        EXPECT_EQ(Contains(processes,
                           "Client:OpenDocument FileName=" + script.string() + " | Project=False | DocumentType=Text"),
                  c.Opened);
        EXPECT_EQ(Contains(processes, "Client:ConfigureEDAEditorTabs Tab=Sch"), c.Ran);
        EXPECT_EQ(Contains(processes, "Macro:RunMacro FileName=" + script.string()), c.Ran);
        EXPECT_EQ(shown.back().Message == script.string() + " successfully created.", c.SuccessBox);
        EXPECT_EQ(processes.front(), "Client:SetupEDAServers Server=Sch | Action=Start");
        EXPECT_TRUE(Contains(processes, "Sch:DeselectAllObjects")) << "the capture leaves nothing selected";
    }
}

TEST_F(CaptureCommandTest, ScriptIsWrittenInTheChosenLanguageFromTheSelection) {
    CopyTemplates();
    for (const char* language : {"ClientBasic", "ClientPascal"}) {
        const auto script = folder / (std::string(language) + ".txt");
        RunCommand(ToFinishPage(language, script) + "check cbLoadMacro off\nclick Button_Next\nanswer OK\n");
        const std::string text = testsupport::ReadFile(script);
        EXPECT_THAT(text, HasSubstr("Sch:PlaceWire")) << language;
        EXPECT_THAT(text, HasSubstr(std::string(language) == "ClientBasic" ? "Sub " : "Procedure ")) << language;
    }
}

TEST_F(CaptureCommandTest, OverwriteConfirmationCancelKeepsTheFileAndOkReplacesIt) {
    CopyTemplates();
    const auto script = writeFile("kept.bas", "old contents");
    host->input().pushRegion({{50, 50}, {250, 150}});
    host->input().pushPoint({100, 100});
    const auto cancelled = RunCommand("click Button_Next\nset ebMacroFileName " + script.string() +
                                      "\nclick Button_Next\nanswer Cancel\nclick Button_Cancel\n");
    EXPECT_EQ(cancelled.back().Message, script.string() + " already exists.\rDo you want to overwrite it?");
    EXPECT_EQ(testsupport::ReadFile(script), "old contents");
    EXPECT_FALSE(Contains(Processes(), "Sch:SelectObjectsInsideArea")) << "Cancel stays on the names page";

    RunCommand("click Button_Next\nset ebMacroFileName " + script.string() +
               "\nclick Button_Next\nanswer OK\nclick Button_Next\nclick Button_Next\ncheck cbLoadMacro off\n"
               "click Button_Next\nanswer OK\n");
    EXPECT_NE(testsupport::ReadFile(script), "old contents");
}

TEST_F(CaptureCommandTest, MissingSchematicIsReportedAndTheWizardStays) {
    const auto missing = (folder / "nowhere.sch").string();
    const int beeps = platform::BeepCount();
    const auto shown = RunCommand("click Button_Next\nset ebSchematicFileName  " + missing +
                                  " \nclick Button_Next\nanswer OK\nclick Button_Cancel\n");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].Caption, "Error");
    EXPECT_EQ(shown[1].Message, missing + " cannot be found.");
    EXPECT_EQ(platform::BeepCount(), beeps + 1);
    EXPECT_FALSE(Contains(Processes(), "Sch:SelectObjectsInsideArea"));
}

TEST_F(CaptureCommandTest, BackFromThePointPageAndNextAgainSelectsTheRegionAfresh) {
    CopyTemplates();
    host->input().pushRegion({{50, 50}, {250, 150}});
    host->input().pushRegion({{50, 50}, {250, 150}});
    host->input().pushPoint({100, 100});
    RunCommand("click Button_Next\nset ebMacroFileName " + (folder / "again.bas").string() +
               "\nclick Button_Next\nclick Button_Next\nclick Button_Prev\nclick Button_Next\nclick Button_Next\n"
               "click Button_Next\nanswer OK\n");
    const auto processes = Processes();
    EXPECT_EQ(CountStarting(processes, "Sch:SelectObjectsInsideArea"), 2);
    // A fresh deselection before each selection, one at the end.
    EXPECT_EQ(CountStarting(processes, "Sch:DeselectAllObjects"), 3);
}

TEST_F(CaptureCommandTest, CancelledWizardWritesNothingAndSecondRunStartsFromThePresets) {
    CopyTemplates();
    host->input().pushRegion({{50, 50}, {250, 150}});
    const auto script = folder / "never.trp";
    const auto first = RunCommand("click rbClientPascal\nclick Button_Next\nset ebMacroFileName " + script.string() +
                                  "\nclick Button_Next\nclick Button_Next\nclick Button_Cancel\n");
    EXPECT_FALSE(std::filesystem::exists(script));
    EXPECT_FALSE(Contains(Processes(), "Client:OpenDocument"));
    const auto second = RunCommand("click Button_Cancel\n");
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].Page, "PgSelectLanguage");
    EXPECT_TRUE(second[0].BasicChecked);
    EXPECT_TRUE(second[0].ViewChecked);
}

TEST_F(CaptureCommandTest, MissingTemplateShowsInformationThenErrorAndWritesNoScript) {
    const auto script = folder / "orphan.bas";
    const auto shown = RunCommand(ToFinishPage("ClientBasic", script) + "click Button_Next\nanswer OK\nanswer OK\n");
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1].Caption, "Tessellon Information");
    EXPECT_EQ(shown[2].Caption, "Tessellon Error");
    EXPECT_FALSE(std::filesystem::exists(script));
    EXPECT_FALSE(Contains(Processes(), "Client:OpenDocument"));
    EXPECT_TRUE(Contains(Processes(), "Sch:DeselectAllObjects")) << "the selection is cleared on failure too";
}

TEST_F(CaptureCommandTest, OpenDocumentTextIsCutTo255Characters) {
    CopyTemplates();
    // A script path that fits the record but not the OpenDocument text.
    const auto deep = folder / std::string(200 - folder.string().size(), 'd');
    std::filesystem::create_directories(deep);
    const auto script = deep / (std::string(40, 's') + ".bas");
    ASSERT_LE(script.string().size(), 255u);
    RunCommand(ToFinishPage("ClientBasic", script) + "click Button_Next\nanswer OK\n");
    const auto processes = Processes();
    const auto open = std::find_if(processes.begin(), processes.end(),
                                   [](const std::string& t) { return t.rfind("Client:OpenDocument", 0) == 0; });
    ASSERT_NE(open, processes.end());
    EXPECT_EQ(open->size(), std::string("Client:OpenDocument ").size() + 255);
}

} // namespace
} // namespace snapscribe::testing
