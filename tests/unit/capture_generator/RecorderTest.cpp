#include "FakeHost.h"
#include "ScratchFolder.h"

#include "capture/Sch2Scpt.h"
#include "hostkit/EInOutError.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace snapscribe {
namespace {

namespace fs = std::filesystem;
using test::TFakeObject;
using Strings = std::vector<std::string>;

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

const std::string GenerationFailed = "error: A problem occurred while creating script.";

class Recorder : public ::testing::Test {
protected:
    Recorder() {
        fs::create_directories(folder_.PathOf("templates"));
        host_.TemplateFolder = folder_.PathOf("templates");
    }

    void WriteTemplate(const std::string& name, const std::string& text) { folder_.Write("templates/" + name, text); }

    TSetUpInfo Settings(const std::string& language, const std::string& script) {
        TSetUpInfo settings;
        settings.MacroType = language;
        settings.MacroFileName = script;
        settings.DocumentView = hostkit::TInterfaceRef<hostkit::IServerDocumentView>(host_.View());
        settings.LocationX = 100;
        settings.LocationY = 100;
        return settings;
    }

    // Runs a recorder to its end; the temporary file it used must be gone afterwards.
    bool Run(const TSetUpInfo& settings) {
        std::string tempFile;
        bool written = false;
        {
            TMacroRecorder recorder(settings, messages_);
            tempFile = recorder.TempFileName();
            EXPECT_TRUE(fs::exists(tempFile));
            written = recorder.Execute();
        }
        EXPECT_FALSE(fs::exists(tempFile));
        EXPECT_EQ(sheet_.IteratorsOpen, 0);
        return written;
    }

    TFakeObject Wire(std::initializer_list<TSchPoint> vertices, std::uint8_t selection = 1) {
        TFakeObject wire;
        wire.Id = skWire;
        wire.Selection = selection;
        wire.LineWidth = 1;
        wire.Color = 128;
        wire.Vertices = vertices;
        return wire;
    }

    // The files in the scratch folder besides the templates.
    Strings Files() const {
        Strings names;
        for (const auto& entry : fs::directory_iterator(folder_.Path())) {
            if (entry.path().filename() != "templates")
                names.push_back(entry.path().filename().string());
        }
        return names;
    }

    test::TScratchFolder folder_;
    test::TFakeSheet sheet_;
    test::TFakeHost host_;
    test::TRecordedMessages messages_;
};

const std::string WireBlockBasic(const std::string& indent) {
    return Lines({indent + "Call ResetParameters ", indent + "Call AddStringParameter(\"LineWidth\", \"1\") ",
                  indent + "Call AddStringParameter(\"Color\", \"128\") ",
                  indent + "Call AddStringParameter(\"Selection\", \"False\") ",
                  indent + "Call AddIntegerParameter(\"Location1.X\",0 + X) ",
                  indent + "Call AddIntegerParameter(\"Location1.Y\",100 + Y) ",
                  indent + "Call AddIntegerParameter(\"Location2.X\",200 + X) ",
                  indent + "Call AddIntegerParameter(\"Location2.Y\",100 + Y) ",
                  indent + "Call RunProcess(\"Sch:PlaceWire\") ", indent});
}

TEST_F(Recorder, CopiesTheTemplateWithEveryPlaceholderExpandedAtItsIndentation) {
    WriteTemplate("TEMPLATE.BAS", "' head\n"
                                  "' $Place Global Variables\n"
                                  "Sub Main\n"
                                  "  ' $Place Dialog Declaration\n"
                                  "    ' $Place Dialog Code\n"
                                  "  ' $Place Variables Initialisation Code\n"
                                  "    ' $Place Circuit Code\n"
                                  "End Sub\n");
    sheet_.AddPart(100, 100, "RES", "R1", " $R1 = 10k ");
    sheet_.Add(Wire({{100, 200}, {300, 200}}));
    sheet_.Add(Wire({{0, 0}, {10, 0}}, 0));
    for (const std::uint8_t id : {std::uint8_t{skSymbol}, std::uint8_t{57}}) {
        TFakeObject skipped;
        skipped.Id = id;
        sheet_.Add(skipped);
    }

    ASSERT_TRUE(Run(Settings("ClientBasic", folder_.PathOf("out.bas"))));

    const std::string part = Lines({
        "    Call ResetParameters ",
        "    Call AddIntegerParameter(\"Location.X\",0 + X) ",
        "    Call AddIntegerParameter(\"Location.Y\",0 + Y) ",
        "    Call AddStringParameter(\"CompDisplayMode\", \"0\") ",
        "    Call AddStringParameter(\"IsMirrored\", \"False\") ",
        "    Call AddStringParameter(\"Orientation\", \"0\") ",
        "    Call AddStringParameter(\"Selection\", \"False\") ",
        "    Call AddStringParameter(\"PartId\", \"0\") ",
        "    Call AddStringParameter(\"ShowHiddenFields\", \"False\") ",
        "    Call AddStringParameter(\"ShowHiddenPins\", \"False\") ",
        "    Call AddStringParameter(\"LibReference\", \"RES\") ",
        "    Call AddStringParameter(\"FootPrint\", \"\") ",
        "    Call AddStringParameter(\"Designator\", \"R1\") ",
        "    Call AddStringParameter(\"PartType\", Dlg.xR1) ",
        "    Call RunProcess(\"Sch:PlacePart\") ",
        "    ",
    });
    EXPECT_EQ(test::TScratchFolder::Contents(folder_.PathOf("out.bas")),
              Lines({"' head",
                     "' $Place Global Variables",
                     "Dim xR1",
                     "Sub Main",
                     "  ' $Place Dialog Declaration",
                     "  Begin Dialog DlgType 110, 100, 127, 67, \"Circuit Capture Wizard\"",
                     "     GroupBox 8, 8, 111, 36, \"\", .GrpBox1",
                     "     Text    18, 20, 21, 12, \"R1:\"",
                     "     TextBox 39, 20, 70, 12, .xR1",
                     "     OKButton 55, 47, 32, 12",
                     "     CancelButton 87, 47, 32, 12",
                     "  End Dialog",
                     "  ",
                     "  Dim Dlg As DlgType",
                     "    ' $Place Dialog Code",
                     "    Dlg.xR1 = \"10k\"",
                     "    ",
                     "    R = Dialog(Dlg)",
                     "  ' $Place Variables Initialisation Code",
                     "  xR1 = Dlg.xR1",
                     "    ' $Place Circuit Code"}) +
                  part + WireBlockBasic("    ") + Lines({"End Sub"}));
    EXPECT_EQ(messages_.Shown, Strings{});
    EXPECT_EQ(host_.ShownDocuments(), Strings{"/sheets/amplifier.sch"});
}

TEST_F(Recorder, WithoutVariablesWritesTheCommentsAndNoDialog) {
    WriteTemplate("TEMPLATE.TRP", "{ $Place Global Variables }\n"
                                  "{ $Place Dialog Declaration }\n"
                                  "{ $Place Dialog Code }\n"
                                  "{ $Place Variables Initialisation Code }\n"
                                  " { $Place Circuit Code }\n"
                                  "  { $Place Circuit Code } twice\n"
                                  "end.");
    sheet_.Add(Wire({{100, 200}, {300, 200}}));
    WriteTemplate("TEMPLATE.BAS", "' $Place Global Variables\n"
                                  "' $Place Dialog Declaration\n"
                                  "' $Place Dialog Code\n"
                                  "' $Place Variables Initialisation Code\n"
                                  "' $Place Circuit Code\n");

    ASSERT_TRUE(Run(Settings(" clientpascal ", folder_.PathOf("out.trp"))));
    const std::string wire = Lines(
        {"ResetParameters;", "AddStringParameter(\"LineWidth\", \"1\");", "AddStringParameter(\"Color\", \"128\");",
         "AddStringParameter(\"Selection\", \"False\");", "AddIntegerParameter(\"Location1.X\",0 + X);",
         "AddIntegerParameter(\"Location1.Y\",100 + Y);", "AddIntegerParameter(\"Location2.X\",200 + X);",
         "AddIntegerParameter(\"Location2.Y\",100 + Y);", "RunProcess(\"Sch:PlaceWire\");", ""});
    std::string once, twice;
    for (std::size_t start = 0, end; (end = wire.find("\r\n", start)) != std::string::npos; start = end + 2) {
        once += " " + wire.substr(start, end + 2 - start);
        twice += "  " + wire.substr(start, end + 2 - start);
    }
    EXPECT_EQ(test::TScratchFolder::Contents(folder_.PathOf("out.trp")),
              Lines({"{ $Place Global Variables }", "{No global variables found.  No dialog code generated.}",
                     "{ $Place Dialog Declaration }", "{ $Place Dialog Code }",
                     "{ $Place Variables Initialisation Code }", " { $Place Circuit Code }"}) +
                  once + Lines({"  { $Place Circuit Code } twice"}) + twice + Lines({"end."}));

    // Nothing selected: ClientBasic gets its comment twice and no circuit code.
    sheet_.Objects.clear();
    ASSERT_TRUE(Run(Settings("ClientBasic", folder_.PathOf("out.bas"))));
    const std::string comment = "' No global variables found.  No dialog code generated.";
    EXPECT_EQ(test::TScratchFolder::Contents(folder_.PathOf("out.bas")),
              Lines({"' $Place Global Variables", comment, "' $Place Dialog Declaration", "' $Place Dialog Code",
                     "' $Place Variables Initialisation Code", comment, "' $Place Circuit Code"}));
    EXPECT_EQ(messages_.Shown, Strings{});
}

TEST_F(Recorder, ChoosesTheLanguageFromTheMacroType) {
    const struct {
        const char* MacroType;
        bool IsPascal;
    } cases[] = {{"ClientPascal", true},
                 {" clientPASCAL\t", true},
                 {"ClientBasic", false},
                 {"Client Pascal", false},
                 {"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(TMacroRecorder(Settings(c.MacroType, "x"), messages_).IsPascal(), c.IsPascal) << c.MacroType;
}

// Lines longer than the runtime's 255-character strings are copied whole.
TEST_F(Recorder, CopiesLongLinesWhole) {
    const std::string longComment = "' " + std::string(300, 'c');
    WriteTemplate("TEMPLATE.BAS", longComment + "\n' $Place Circuit Code\n");
    const std::string description(250, 'd');
    sheet_.AddPart(100, 100, "RES", "R1", "10k", {description});
    ASSERT_TRUE(Run(Settings("ClientBasic", folder_.PathOf("out.bas"))));
    const std::string script = test::TScratchFolder::Contents(folder_.PathOf("out.bas"));
    EXPECT_TRUE(script.starts_with(longComment + "\r\n"));
    EXPECT_NE(script.find("\r\nCall AddStringParameter(\"PartDescription1\", \"" + description + "\") \r\n"),
              std::string::npos);
}

// More circuit code than the file blocks it is copied in: every line keeps its indentation, none gets another.
TEST_F(Recorder, IndentsEveryLineOfALargeCircuit) {
    WriteTemplate("TEMPLATE.TRP", "   { $Place Circuit Code }\n");
    constexpr int Wires = 4000;
    std::string expected = Lines({"   { $Place Circuit Code }"});
    for (int i = 0; i < Wires; ++i) {
        sheet_.Add(Wire({{100, 200 + i}, {300, 200 + i}}));
        const std::string dy = std::to_string(100 + i);
        expected += Lines(
            {"   ResetParameters;", "   AddStringParameter(\"LineWidth\", \"1\");",
             "   AddStringParameter(\"Color\", \"128\");", "   AddStringParameter(\"Selection\", \"False\");",
             "   AddIntegerParameter(\"Location1.X\",0 + X);",
             "   AddIntegerParameter(\"Location1.Y\"," + dy + " + Y);",
             "   AddIntegerParameter(\"Location2.X\",200 + X);",
             "   AddIntegerParameter(\"Location2.Y\"," + dy + " + Y);", "   RunProcess(\"Sch:PlaceWire\");", "   "});
    }
    ASSERT_GT(expected.size(), std::size_t{1} << 20);
    ASSERT_TRUE(Run(Settings("ClientPascal", folder_.PathOf("out.trp"))));
    EXPECT_TRUE(test::TScratchFolder::Contents(folder_.PathOf("out.trp")) == expected);
}

// The script goes where the user asked: a long path is not cut, and one too long for the settings record gives the
// error box and no file anywhere.
TEST_F(Recorder, WritesTheScriptAtTheWholePathOrNowhere) {
    WriteTemplate("TEMPLATE.BAS", "' $Place Circuit Code\n");
    const std::string folder = folder_.Path() + "/";
    const std::string longPath = folder + std::string(200 - folder.size(), 'a') + ".bas";
    ASSERT_EQ(longPath.size(), 204u);
    ASSERT_TRUE(Run(Settings("ClientBasic", longPath)));
    EXPECT_EQ(Files(), Strings{fs::path(longPath).filename().string()});
    fs::remove(longPath);

    const std::string tooLong = folder + std::string(SetUpTextMaxLength + 1 - folder.size(), 'b');
    EXPECT_FALSE(Run(Settings("ClientBasic", tooLong)));
    EXPECT_EQ(messages_.Shown, Strings{GenerationFailed});
    EXPECT_EQ(Files(), Strings{});
}

TEST_F(Recorder, MissingTemplateShowsBothBoxesAndWritesNothing) {
    EXPECT_FALSE(Run(Settings("ClientPascal", folder_.PathOf("out.trp"))));
    EXPECT_EQ(messages_.Shown, (Strings{"information: TEMPLATE.TRP template file cannot be found.  Process aborted!",
                                        GenerationFailed}));
    EXPECT_EQ(Files(), Strings{});
}

// Without a current document nothing can be captured: that is a failure, and the file at the script's path is left
// as it was.
TEST_F(Recorder, NoDocumentIsAFailureThatLeavesTheScriptAlone) {
    WriteTemplate("TEMPLATE.BAS", "' $Place Circuit Code\n");
    folder_.Write("out.bas", "keep");
    sheet_.Document = 0;
    EXPECT_FALSE(Run(Settings("ClientBasic", folder_.PathOf("out.bas"))));
    EXPECT_EQ(messages_.Shown, Strings{GenerationFailed});
    EXPECT_EQ(test::TScratchFolder::Contents(folder_.PathOf("out.bas")), "keep");
}

TEST_F(Recorder, DocumentWithoutFileNameEndsSilently) {
    WriteTemplate("TEMPLATE.BAS", "' $Place Circuit Code\n");
    test::TFakeHost unnamed("");
    unnamed.TemplateFolder = folder_.PathOf("templates");
    TSetUpInfo settings = Settings("ClientBasic", folder_.PathOf("out.bas"));
    settings.DocumentView = hostkit::TInterfaceRef<hostkit::IServerDocumentView>(unnamed.View());
    EXPECT_FALSE(Run(settings));
    EXPECT_EQ(messages_.Shown, Strings{});
    EXPECT_EQ(Files(), Strings{});
}

// A failing file operation raises the input/output error; the temporary file and the host's iterator still go.
TEST_F(Recorder, FailingFilesRaiseTheErrorAndLeaveNothingBehind) {
    WriteTemplate("TEMPLATE.BAS", "' $Place Circuit Code\n");
    sheet_.Add(Wire({{100, 200}, {300, 200}}));
    Strings scripts = {folder_.PathOf("missing/out.bas")};
    if (fs::exists("/dev/full"))
        scripts.push_back("/dev/full");
    for (const std::string& script : scripts)
        EXPECT_THROW(Run(Settings("ClientBasic", script)), hostkit::EInOutError) << script;
    EXPECT_EQ(messages_.Shown, Strings{});
}

TEST_F(Recorder, ReleasesTheViewAndRemovesTheTemporaryFileWhenDone) {
    WriteTemplate("TEMPLATE.BAS", "' $Place Circuit Code\n");
    {
        TSetUpInfo settings = Settings("ClientBasic", folder_.PathOf("out.bas"));
        TMacroRecorder recorder(settings, messages_);
        EXPECT_EQ(host_.ViewReferences(), 3);
        ASSERT_TRUE(recorder.Execute());
        EXPECT_FALSE(fs::exists(recorder.TempFileName()));
    }
    EXPECT_EQ(host_.ViewReferences(), 1);
}

} // namespace
} // namespace snapscribe
