// Sheet files: read and written without loss, and a malformed file refused with the file, the place and the fault,
// leaving nothing behind.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "hostsim/plexa/ObjectCodec.h"
#include "hostsim/plexa/SheetFile.h"
#include "hostsim/sheetgen/SheetGenerator.h"
#include "tests/ReadFile.h"
#include "tests/unit/hostsim/StoreFixture.h"

namespace hostsim::test {
namespace {

class SheetFileTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        folder = std::filesystem::temp_directory_path() /
                 ("sheetfile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder / "library");
        // Sheets sit beside the library folder, as the examples do.
        folder /= "examples";
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(sourceDir() / "data/library/parts.lib", folder / "../library/parts.lib");
    }
    void TearDown() override {
        StoreTest::TearDown();
        std::filesystem::remove_all(folder.parent_path());
    }

    std::filesystem::path write(const std::string& name, const std::string& content) const {
        const auto file = folder / name;
        std::ofstream(file) << content;
        return file;
    }

    // Every object as the file codec sees it: equal lists mean nothing was lost.
    static Json content(const Document& document) {
        Json objects = Json::array();
        for (const auto& object : document.objects())
            objects.push_back(writeObject(*object, document.library()));
        return objects;
    }

    std::filesystem::path folder;
};

TEST_F(SheetFileTest, ExamplesAndGeneratedSheetsSurviveARoundTrip) {
    generateSheet(shippedLibraryFile(), {60, 7, true}, folder / "generated.sch");
    store().save(*store().find(folder / "generated.sch"), folder / "generated.sch");
    for (const auto& file : {example("amplifier.sch"), example("board.sch"), folder / "generated.sch"}) {
        store().reset();
        std::filesystem::copy_file(file, folder / "in.sch", std::filesystem::copy_options::overwrite_existing);
        const Document& first = store().open(folder / "in.sch");
        store().save(first, folder / "out.sch");
        const std::string written = testsupport::ReadFile(folder / "out.sch");
        const Json before = content(first);
        const DocumentOptions options = first.options();
        store().reset();
        const Document& second = store().open(folder / "out.sch");
        EXPECT_EQ(before, content(second)) << file;
        EXPECT_TRUE(options == second.options()) << file;
        store().save(second, folder / "again.sch");
        EXPECT_EQ(written, testsupport::ReadFile(folder / "again.sch")) << file;
    }
}

TEST_F(SheetFileTest, ASheetWrittenElsewhereStillFindsItsLibrary) {
    std::filesystem::copy_file(example("amplifier.sch"), folder / "amplifier.sch");
    const std::filesystem::path elsewhere = folder.parent_path() / "out" / "deeper";
    std::filesystem::create_directories(elsewhere);
    for (const auto& file : {elsewhere / "copy.sch", folder / "same.sch"}) {
        store().reset();
        const size_t components = store().open(folder / "amplifier.sch").library().components.size();
        ASSERT_GT(components, 0u);
        store().save(*store().find(folder / "amplifier.sch"), file);
        store().reset();
        EXPECT_EQ(components, store().open(file).library().components.size()) << file;
    }
    EXPECT_NE(std::string::npos, testsupport::ReadFile(folder / "same.sch").find("\"../library/parts.lib\""))
        << "a sheet written beside the one read names its library as that one does";
}

TEST_F(SheetFileTest, ValuesOnlyTheHostCallsExchangeAreKept) {
    std::filesystem::copy_file(example("board.sch"), folder / "board.sch");
    Document& board = store().open(folder / "board.sch");
    SheetObject& part = find(board, Kind::Part, "U1A");
    part.selection = 2;
    part.tag = -5;
    part.part->extraTexts[7] = "last";
    part.part->extraValue3 = 123456;
    part.part->component.configuration = "cfg";
    part.part->descriptions[15]->text = "sixteenth";
    part.part->designator->location = {1, 2};
    part.part->pins[0]->pin->hiddenNetName = "NET";
    SheetObject& arc = find(board, Kind::Arc);
    arc.startAngle = *Real48::fromDouble(12.345678);
    board.options().fontName = "Mono";
    const Real48 angle = arc.startAngle;
    const Json before = content(board);
    store().save(board, folder / "board.sch");
    store().reset();
    const Document& again = store().open(folder / "board.sch");
    EXPECT_EQ(before, content(again));
    EXPECT_EQ("Mono", again.options().fontName);
    EXPECT_EQ(angle, find(again, Kind::Arc).startAngle);
}

struct Malformed {
    const char* content;
    const char* place;
    const char* fault;
};

class MalformedSheetTest : public SheetFileTest, public ::testing::WithParamInterface<Malformed> {};

TEST_P(MalformedSheetTest, IsRefusedNamingFilePlaceAndFault) {
    const auto file = write("bad.sch", GetParam().content);
    try {
        store().open(file);
        FAIL() << "read a malformed sheet";
    } catch (const SheetError& error) {
        const std::string message = error.what();
        EXPECT_NE(std::string::npos, message.find(file.string())) << message;
        EXPECT_NE(std::string::npos, message.find(GetParam().place)) << message;
        EXPECT_NE(std::string::npos, message.find(GetParam().fault)) << message;
    }
    EXPECT_TRUE(store().documents().empty()) << "nothing half-loaded";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, MalformedSheetTest,
    ::testing::Values(
        Malformed{"{\n  \"objects\": [\n    {\"kind\": \"wire\",, }\n  ]\n}", "line 3, column 21", "syntax error"},
        Malformed{"", "line 1, column 1", "unexpected end of input"}, Malformed{"[]", ": /:", "expected an object"},
        Malformed{"{\"options\": {}}", ": /:", "needs an \"objects\" list"},
        Malformed{"{\"objects\": [{\"kind\": \"wire\"}, {\"kind\": \"gizmo\"}]}", "/objects/1/kind", "\"gizmo\""},
        Malformed{"{\"objects\": [{\"location\": [0, 0]}]}", "/objects/0", "has no \"kind\""},
        Malformed{"{\"objects\": [{\"kind\": \"pin\"}]}", "/objects/0/kind", "not a kind of object a sheet holds"},
        Malformed{"{\"objects\": [{\"kind\": \"wire\", \"lineWidth\": 256}]}", "/objects/0/lineWidth",
                  "an integer from 0 to 255"},
        Malformed{"{\"objects\": [{\"kind\": \"junction\", \"location\": [1]}]}", "/objects/0/location",
                  "expected a point [x, y]"},
        Malformed{"{\"objects\": [{\"kind\": \"junction\", \"location\": [1, 2147483648]}]}", "/objects/0/location/1",
                  "a 32-bit integer"},
        Malformed{"{\"objects\": [{\"kind\": \"wire\", \"vertices\": [[0, 0], \"x\"]}]}", "/objects/0/vertices/1",
                  "expected a point"},
        Malformed{"{\"objects\": [{\"kind\": \"netLabel\", \"txt\": \"A\"}]}", "/objects/0/txt",
                  "unknown field \"txt\""},
        Malformed{"{\"objects\": [{\"kind\": \"arc\", \"startAngle\": \"90\"}]}", "/objects/0/startAngle",
                  "six-byte real"},
        Malformed{"{\"objects\": [{\"kind\": \"part\", \"designator\": {\"text\": 5}}]}", "/objects/0/designator/text",
                  "expected a text"},
        Malformed{"{\"objects\": [{\"kind\": \"part\", \"descriptions\": [{},{},{},{},{},{},{},{},{},{},{},{},{},{},"
                  "{},{},{}]}]}",
                  "/objects/0/descriptions", "at most 16"},
        Malformed{"{\"options\": {\"gridSize\": \"ten\"}, \"objects\": []}", "/options/gridSize", "32-bit integer"},
        Malformed{"{\"version\": 2, \"objects\": []}", "/version", "reads version 1"},
        Malformed{"{\"library\": \"missing.lib\", \"objects\": []}", "/library", "missing.lib: cannot be opened"},
        Malformed{"{\"library\": {\"components\": [{\"libReference\": \"A\"}, {\"libReference\": \"a\"}]}, "
                  "\"objects\": []}",
                  "/library/components/1", "is there twice"},
        Malformed{"{\"library\": {\"components\": [{\"libReference\": \"A\", \"parts\": [{\"items\": [{\"kind\": "
                  "\"part\"}]}]}]}, \"objects\": []}",
                  "/library/components/0/parts/0/items/0/kind", "library part is drawn with"}));

TEST_F(SheetFileTest, AFailedWriteLeavesThePreviousFile) {
    const auto file = write("keep.sch", "{\"objects\": []}");
    Document& document = store().open(file);
    document.add(makeObject(Kind::Junction));
    std::filesystem::create_directory(folder / "keep.sch.writing"); // the temporary name is taken
    EXPECT_THROW(store().save(document, file), SheetError);
    EXPECT_EQ("{\"objects\": []}", testsupport::ReadFile(file));
    EXPECT_THROW(store().save(document, folder / "no/such/folder/x.sch"), SheetError);
}

} // namespace
} // namespace hostsim::test
