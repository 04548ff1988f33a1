// tessellon-sim route through the real Wirewright library: connections on the example sheet routed as the editor asks
// for them and read back by the host, failures that leave no wire behind, the per-user settings folder, and bad
// usage that writes nothing.
#include "HostProgram.h"
#include "tests/ReadFile.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

namespace e2e {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

struct Point {
    long X = 0;
    long Y = 0;
    bool operator==(const Point&) const = default;
};
using Wire = std::vector<Point>;

std::ostream& operator<<(std::ostream& out, const Point& p) {
    return out << "(" << p.X << "," << p.Y << ")";
}

struct Box {
    long Left, Bottom, Right, Top;
};

// The wires and part rectangles of a sheet, in the host's order.
struct SheetContent {
    std::vector<Wire> Wires;
    std::vector<Box> Parts;
};

// One line the command prints per connection.
struct Report {
    Point Start, Goal;
    bool Routed = false;
    size_t Vertices = 0;
};

std::vector<long> Numbers(const std::string& text) {
    static const std::regex number(R"(-?\d+)");
    std::vector<long> numbers;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
        numbers.push_back(std::stol(it->str()));
    return numbers;
}

// The sheet as the host reads it back (`inspect`: one JSON line per object).
SheetContent Inspect(const fs::path& sheet) {
    const ProgramRun run = RunHostProgram({"inspect", sheet.string()});
    EXPECT_EQ(run.ExitCode, 0) << run;
    static const std::regex wire(R"("name":"wire".*"vertices":(\[[^"]*\]))");
    static const std::regex part(R"("name":"part","bounds":(\[[^\]]*\]))");
    SheetContent content;
    std::istringstream lines(run.Out);
    std::smatch m;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, m, wire)) {
            const std::vector<long> n = Numbers(m[1]);
            Wire& vertices = content.Wires.emplace_back();
            for (size_t i = 0; i + 1 < n.size(); i += 2)
                vertices.push_back({n[i], n[i + 1]});
        } else if (std::regex_search(line, m, part)) {
            const std::vector<long> n = Numbers(m[1]);
            content.Parts.push_back({n.at(0), n.at(1), n.at(2), n.at(3)});
        }
    }
    return content;
}

std::vector<Report> Reports(const std::string& out) {
    static const std::regex line(
        R"(connection \d+ \((-?\d+),(-?\d+)\) to \((-?\d+),(-?\d+)\): (routed|failed), (\d+) vertices, [0-9.]+ ms)");
    std::vector<Report> reports;
    for (auto it = std::sregex_iterator(out.begin(), out.end(), line); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        reports.push_back({{std::stol(m[1]), std::stol(m[2])},
                           {std::stol(m[3]), std::stol(m[4])},
                           m[5] == "routed",
                           std::stoul(m[6])});
    }
    return reports;
}

// True when the closed span Lo..Hi (a point when Lo = Hi) meets the open span A..B.
bool MeetsOpen(long lo, long hi, long a, long b) {
    return lo == hi ? a < lo && lo < b : std::max(lo, a) < std::min(hi, b);
}

// A routed wire runs from Start to Goal in horizontal and vertical segments and never through the inside of a part
// (running along its edge to or from a pin end is allowed).
void ExpectSoundRoute(const Wire& wire, Point start, Point goal, const std::vector<Box>& parts) {
    ASSERT_GE(wire.size(), 2u);
    EXPECT_EQ(wire.front(), start);
    EXPECT_EQ(wire.back(), goal);
    for (size_t i = 1; i < wire.size(); ++i) {
        const Point a = wire[i - 1], b = wire[i];
        EXPECT_TRUE(a.X == b.X || a.Y == b.Y) << "slanted segment " << a << " " << b;
        for (const Box& part : parts) {
            EXPECT_FALSE(MeetsOpen(std::min(a.X, b.X), std::max(a.X, b.X), part.Left, part.Right) &&
                         MeetsOpen(std::min(a.Y, b.Y), std::max(a.Y, b.Y), part.Bottom, part.Top))
                << "segment " << a << " " << b << " runs through the part at " << Point{part.Left, part.Bottom};
        }
    }
}

class Route : public TestFolder {
protected:
    void SetUp() override {
        TestFolder::SetUp();
        if (WirewrightFile().empty())
            GTEST_SKIP() << "Wirewright is not part of this build";
        // A written sheet names its library with the path it was read with, relative to its folder: the sheet and
        // every sheet written here sit where that path finds the library.
        sheet = folder / "sheets" / "amplifier.sch";
        routed = folder / "sheets" / "routed.sch";
        picture = folder / "routed.svg";
        fs::create_directories(folder / "sheets");
        fs::copy_file(DataFolder() / "examples" / "amplifier.sch", sheet);
        fs::copy(DataFolder() / "library", folder / "library");
    }

    ProgramRun RunRoute(const std::vector<std::string>& connections, const std::vector<std::string>& extra = {},
                        const std::string& userData = "user") {
        std::vector<std::string> arguments = {"route", sheet.string(), "--user-data", (folder / userData).string()};
        for (const std::string& connection : connections)
            arguments.insert(arguments.end(), {"--connect", connection});
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return RunHostProgram(arguments, folder);
    }

    // Routes Connections writing `routed` and `picture`; the lines printed per connection.
    std::vector<Report> RouteToFiles(const std::vector<std::string>& connections, int exitCode,
                                     const std::string& summary) {
        const ProgramRun run = RunRoute(connections, {"-o", routed.string(), "--svg", picture.string()});
        EXPECT_EQ(run.ExitCode, exitCode) << run;
        EXPECT_THAT(run.Out, HasSubstr(summary)) << run;
        return Reports(run.Out);
    }

    fs::path sheet;   // a copy of the example amplifier
    fs::path routed;  // the -o sheet, beside it
    fs::path picture; // the --svg picture
};

TEST_F(Route, PinToPinConnectionsAllRouteAndTheHostReadsThemBack) {
    const std::vector<Report> reports =
        RouteToFiles({"400,510:220,490", "420,580:460,500", "370,530:150,460"}, 0, "3 of 3 connections routed");
    ASSERT_EQ(reports.size(), 3u);

    const SheetContent before = Inspect(sheet);
    const SheetContent after = Inspect(routed);
    ASSERT_EQ(after.Wires.size(), before.Wires.size() + 3);
    EXPECT_TRUE(std::equal(before.Wires.begin(), before.Wires.end(), after.Wires.begin()));
    for (size_t i = 0; i < reports.size(); ++i) {
        SCOPED_TRACE("connection " + std::to_string(i + 1));
        const Wire& wire = after.Wires[before.Wires.size() + i];
        EXPECT_TRUE(reports[i].Routed);
        EXPECT_EQ(reports[i].Vertices, wire.size());
        ExpectSoundRoute(wire, reports[i].Start, reports[i].Goal, after.Parts);
    }

    const std::string svg = testsupport::ReadFile(picture);
    EXPECT_TRUE(svg.starts_with("<svg") || svg.starts_with("<?xml")) << svg.substr(0, 80);
    EXPECT_THAT(svg, HasSubstr("</svg>"));
}

TEST_F(Route, FailedConnectionsLeaveNoWireAndTheOthersStillRoute) {
    // Start equal to goal, a start inside the amplifier's body, then a connection that routes.
    const std::vector<Report> reports =
        RouteToFiles({"400,510:400,510", "430,500:220,490", "420,580:460,500"}, 1, "1 of 3 connections routed");
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_FALSE(reports[0].Routed);
    EXPECT_FALSE(reports[1].Routed);
    EXPECT_TRUE(reports[2].Routed);

    const SheetContent before = Inspect(sheet);
    const SheetContent after = Inspect(routed);
    ASSERT_EQ(after.Wires.size(), before.Wires.size() + 1);
    ExpectSoundRoute(after.Wires.back(), {420, 580}, {460, 500}, after.Parts);
    EXPECT_TRUE(fs::exists(picture));
}

TEST_F(Route, NothingRoutedWritesTheSheetAndPictureAsTheyWere) {
    const std::vector<Report> reports = RouteToFiles({"430,500:220,490"}, 1, "0 of 1 connections routed");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_FALSE(reports[0].Routed);

    EXPECT_EQ(RunHostProgram({"inspect", routed.string()}).Out, RunHostProgram({"inspect", sheet.string()}).Out);
    const fs::path plain = folder / "plain.svg";
    ASSERT_EQ(RunHostProgram({"render", sheet.string(), "-o", plain.string()}).ExitCode, 0);
    EXPECT_EQ(testsupport::ReadFile(picture), testsupport::ReadFile(plain));
}

TEST_F(Route, TheRouterReadsItsSettingsFromTheUserDataFolder) {
    const std::string settings = "[Options]\nClearance=10\n";
    fs::create_directories(folder / "wide");
    std::ofstream(folder / "wide" / "Router.ini") << settings;
    const fs::path wide = folder / "sheets" / "wide.sch";

    const ProgramRun usual = RunRoute({"420,580:460,500"}, {"-o", routed.string()});
    const ProgramRun wider = RunRoute({"420,580:460,500"}, {"-o", wide.string()}, "wide");
    ASSERT_EQ(usual.ExitCode, 0) << usual;
    ASSERT_EQ(wider.ExitCode, 0) << wider;

    // The wider clearance keeps the route further from the parts.
    const SheetContent usualSheet = Inspect(routed);
    const SheetContent wideSheet = Inspect(wide);
    ASSERT_FALSE(usualSheet.Wires.empty());
    ASSERT_FALSE(wideSheet.Wires.empty());
    EXPECT_NE(usualSheet.Wires.back(), wideSheet.Wires.back());
    ExpectSoundRoute(wideSheet.Wires.back(), {420, 580}, {460, 500}, wideSheet.Parts);
    // Routing only reads the settings.
    EXPECT_EQ(testsupport::ReadFile(folder / "wide" / "Router.ini"), settings);
    EXPECT_FALSE(fs::exists(folder / "user" / "Router.ini"));
}

TEST_F(Route, BadUsageIsReportedAndWritesNothing) {
    std::ofstream(folder / "broken.sch") << "{ \"objects\": [ { \"kind\": ";
    std::ofstream(folder / "a-file") << "not a folder";
    const std::string example = sheet.string();
    const struct {
        std::vector<std::string> Arguments; // after "route"
        const char* Message;
    } cases[] = {
        {{example, "--connect", "1,2"}, "\"1,2\": expected X1,Y1:X2,Y2"},
        {{example, "--connect", "a,b:c,d"}, "expected X1,Y1:X2,Y2"},
        {{example, "--connect", "1,2:3,4:5,6"}, "expected X1,Y1:X2,Y2"},
        {{example, "--connect", "99999999999,0:0,0"}, "out of the range"},
        {{example, "--connect", "1,2:3,-2147483649"}, "out of the range"},
        {{example, "--connect", "123456789012345678901234567890,0:0,0"}, "out of the range"},
        // A bad connection after a good one: nothing is routed.
        {{example, "--connect", "400,510:220,490", "--connect", "x"}, "\"x\""},
        {{example}, "--connect is required"},
        {{"missing.sch", "--connect", "400,510:220,490"}, "missing.sch"},
        {{"broken.sch", "--connect", "400,510:220,490"}, "broken.sch"},
        {{example, "--connect", "400,510:220,490", "--user-data", "a-file"}, "--user-data a-file"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {"route"};
        arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
        arguments.insert(arguments.end(), {"-o", "out.sch", "--svg", "out.svg"});
        if (std::find(arguments.begin(), arguments.end(), "--user-data") == arguments.end())
            arguments.insert(arguments.end(), {"--user-data", "user"});
        SCOPED_TRACE(::testing::PrintToString(arguments));
        const ProgramRun run = RunHostProgram(arguments, folder);
        EXPECT_EQ(run.ExitCode, 2) << run;
        EXPECT_THAT(run.Err, HasSubstr(c.Message)) << run;
        EXPECT_EQ(run.Out, "");
        EXPECT_FALSE(fs::exists(folder / "out.sch"));
        EXPECT_FALSE(fs::exists(folder / "out.svg"));
    }
}

} // namespace
} // namespace e2e
