#include "capture/Sch2ScptStatements.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace snapscribe {
namespace {

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// The statement forms of both languages, character for character; the reference point is (100, 50).
TEST(StatementWriter, WritesEachStatementInBothLanguages) {
    const struct {
        bool IsPascal;
        const char* Reset;
        const char* String;
        const char* X;
        const char* Y;
        const char* Process;
    } cases[] = {
        {true, "ResetParameters;", "AddStringParameter(\"Color\", \"128\");",
         "AddIntegerParameter(\"Location.X\",-40 + X);", "AddIntegerParameter(\"Location.Y\",150 + Y);",
         "RunProcess(\"Sch:PlaceWire\");"},
        {false, "Call ResetParameters ", "Call AddStringParameter(\"Color\", \"128\") ",
         "Call AddIntegerParameter(\"Location.X\",-40 + X) ", "Call AddIntegerParameter(\"Location.Y\",150 + Y) ",
         "Call RunProcess(\"Sch:PlaceWire\") "},
    };
    for (const auto& c : cases) {
        TStatementWriter out(c.IsPascal, 100, 50);
        out.ResetParameters();
        out.AddIntegerValue("Color", 128);
        out.AddLocationParameter("Location", 60, 200);
        out.RunProcess("PlaceWire");
        out.EndBlock();
        EXPECT_EQ(out.Code(), Lines({c.Reset, c.String, c.X, c.Y, c.Process, ""}));
    }
}

TEST(StatementWriter, WritesValuesInTheFormatOfTheirWidth) {
    TStatementWriter out(true, 0, 0);
    out.AddIntegerValue("Color", -1);
    out.AddByteValue("LineWidth", 255);
    out.AddAngleValue("StartAngle", *TReal48::FromDouble(90));
    out.AddAngleValue("EndAngle", TReal48{});
    for (const std::uint8_t flag : {1, 0, 2, 255})
        out.AddBooleanParameter(flag, "IsSolid");
    out.AddTextParameter("S", "a\"b");
    EXPECT_EQ(out.Code(),
              Lines({"AddStringParameter(\"Color\", \"-1\");", "AddStringParameter(\"LineWidth\", \"255\");",
                     "AddStringParameter(\"StartAngle\", \" 9.00000000000000E+0001\");",
                     "AddStringParameter(\"EndAngle\", \" 0.00000000000000E+0000\");",
                     "AddStringParameter(\"IsSolid\", \"True\");", "AddStringParameter(\"IsSolid\", \"False\");",
                     "AddStringParameter(\"IsSolid\", \"False\");", "AddStringParameter(\"IsSolid\", \"False\");",
                     "AddStringParameter(\"S\", \"a\"\"b\");"}));
}

TEST(StatementWriter, LocationsAreOffsetsFromTheReferencePointWithoutOverflow) {
    constexpr auto Min = std::numeric_limits<std::int32_t>::min();
    constexpr auto Max = std::numeric_limits<std::int32_t>::max();
    TStatementWriter out(true, 7, Max);
    out.AddLocationParameter("Corner", 7, Min);
    EXPECT_EQ(out.Code(), Lines({"AddIntegerParameter(\"Corner.X\",0 + X);",
                                 "AddIntegerParameter(\"Corner.Y\",-4294967295 + Y);"}));
}

TEST(StatementWriter, NamesVerticesLocation1Onwards) {
    std::vector<TSchPoint> vertices;
    for (std::int32_t i = 1; i <= 10; ++i)
        vertices.push_back({i, -i});
    TStatementWriter out(false, 0, 0);
    out.AddVertexParameters(vertices);
    std::string expected;
    for (int i = 1; i <= 10; ++i) {
        const std::string n = std::to_string(i);
        expected += Lines({"Call AddIntegerParameter(\"Location" + n + ".X\"," + n + " + X) ",
                           "Call AddIntegerParameter(\"Location" + n + ".Y\",-" + n + " + Y) "});
    }
    EXPECT_EQ(out.Code(), expected);

    TStatementWriter none(false, 0, 0);
    none.AddVertexParameters({});
    EXPECT_EQ(none.Code(), "");
}

} // namespace
} // namespace snapscribe
