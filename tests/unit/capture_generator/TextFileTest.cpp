#include "ScratchFolder.h"

#include "capture/Sch2ScptTextFile.h"
#include "hostkit/EInOutError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace snapscribe {
namespace {

namespace fs = std::filesystem;

class TextFiles : public ::testing::Test {
protected:
    std::string PathOf(const char* name) const { return folder_.PathOf(name); }
    static std::string Contents(const std::string& path) { return test::TScratchFolder::Contents(path); }

private:
    test::TScratchFolder folder_;
};

TEST_F(TextFiles, WritesCrLfLineEnds) {
    TTextFileWriter out(PathOf("a.txt"));
    out.WriteLine("one");
    out.Write("  ");
    out.WriteLine("");
    out.Close();
    EXPECT_EQ(Contents(PathOf("a.txt")), "one\r\n  \r\n");
}

// Lines are read whole, whatever their length or line end: a cut would corrupt the statements they hold.
TEST_F(TextFiles, ReadsLinesWholeWithAnyLineEnd) {
    const std::string longLine(70000, 'x');
    std::ofstream(PathOf("b.txt"), std::ios::binary) << "crlf\r\n" << longLine << "\nlf\n\r\nlast";
    TTextFileReader in(PathOf("b.txt"));
    std::vector<std::string> lines;
    for (std::string line; in.ReadLine(line);)
        lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"crlf", longLine, "lf", "", "last"}));
}

TEST_F(TextFiles, FailuresRaiseTheInputOutputError) {
    EXPECT_THROW(TTextFileWriter(PathOf("missing/a.txt")), hostkit::EInOutError);
    EXPECT_THROW(TTextFileReader(PathOf("missing.txt")), hostkit::EInOutError);
    if (fs::exists("/dev/full")) {
        TTextFileWriter full("/dev/full");
        full.WriteLine("no room");
        EXPECT_THROW(full.Close(), hostkit::EInOutError);
    }
}

TEST_F(TextFiles, TemporaryFilesGoWithTheirOwner) {
    std::ofstream(PathOf("t1")) << "x";
    std::ofstream(PathOf("t2")) << "x";
    {
        const TTemporaryFile dropped(PathOf("t1"));
        TTemporaryFile removed(PathOf("t2"));
        removed.Remove();
        EXPECT_FALSE(fs::exists(PathOf("t2")));
    }
    EXPECT_FALSE(fs::exists(PathOf("t1")));
}

} // namespace
} // namespace snapscribe
