#include "hostsim/host/ParameterText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace hostsim {
namespace {

TEST(ParameterText, ReadsEntriesAsTheKitWritesThem) {
    struct Case {
        const char* Text;
        const char* Name;
        std::optional<std::string> Expected;
    };
    const Case cases[] = {
        {"Result=True", "result", "True"},
        {"LocationX =  120 | LocationY=-45|Result=True", "LocationY", "-45"},
        {"A=x=y", "A", "x=y"},
        {"A=1 | A=2", "a", "1"},
        {"Flag | A=1", "Flag", std::nullopt},
        {"Flag | A=1", "A", "1"},
        {"=5 | B=", "", std::nullopt},
        {"=5 | B=", "B", ""},
        {"", "A", std::nullopt},
        {"FileName=C:\\a b\\x.bas | Project=False", " filename ", "C:\\a b\\x.bas"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParameterText(c.Text).find(c.Name), c.Expected) << c.Text << " / " << c.Name;
}

TEST(ParameterText, TypedReadersConvertOrRefuse) {
    ParameterText text("X=-40 | Big=2147483648 | W=255 | W2=256 | F=true | G=FALSE | H=yes | "
                       "A= 9.00000000000000E+0001 | N=nan | Bad=12ab | Plus=+7");
    EXPECT_EQ(text.int32("X"), -40);
    EXPECT_EQ(text.int32("Plus"), 7);
    EXPECT_EQ(text.int32("Missing"), std::nullopt);
    EXPECT_EQ(text.byte("W"), 255);
    EXPECT_EQ(text.flag("F"), true);
    EXPECT_EQ(text.flag("G"), false);
    EXPECT_DOUBLE_EQ(*text.real("A"), 90.0);
    EXPECT_THROW(text.int32("Big"), ParameterError);
    EXPECT_THROW(text.int32("Bad"), ParameterError);
    EXPECT_THROW(text.byte("W2"), ParameterError);
    EXPECT_THROW(text.byte("X"), ParameterError);
    EXPECT_THROW(text.flag("H"), ParameterError);
    EXPECT_THROW(text.real("N"), ParameterError);
    try {
        text.byte("W2");
    } catch (const ParameterError& error) {
        EXPECT_STREQ(error.what(), "W2=256: expected a whole number from 0 to 255");
    }
}

TEST(ParameterBuffer, ReadsNoFurtherThanTheDeclaredSize) {
    char unterminated[4] = {'A', '=', '1', '2'};
    EXPECT_EQ(ReadParameterBuffer(unterminated, 4), "A=12");
    EXPECT_EQ(ReadParameterBuffer(unterminated, 3), "A=1");
    EXPECT_EQ(ReadParameterBuffer("", 0), "");
    EXPECT_EQ(ReadParameterBuffer("Tab=Sch", 0), "Tab=Sch");
    EXPECT_EQ(ReadParameterBuffer(nullptr, 256), "");
}

TEST(ResultText, WritesWholeEntriesWithinTheSize) {
    ResultText result;
    result.add("LocationX", 100).add("LocationY", -250).add("Result", "True");
    const std::string whole = "LocationX=100 | LocationY=-250 | Result=True";
    struct Case {
        int32_t Size;
        std::string Expected;
    };
    const Case cases[] = {
        {256, whole},
        {static_cast<int32_t>(whole.size()) + 1, whole},
        {static_cast<int32_t>(whole.size()), "LocationX=100 | LocationY=-250"},
        {14, "LocationX=100"},
        {13, ""},
        {1, ""},
    };
    for (const Case& c : cases) {
        char buffer[300];
        std::memset(buffer, '#', sizeof buffer);
        result.write(buffer, c.Size);
        EXPECT_EQ(std::string(buffer), c.Expected) << c.Size;
        EXPECT_EQ(buffer[c.Size], '#') << "written past size " << c.Size;
    }
}

TEST(ResultText, SizeBelowOneWritesNothing) {
    char buffer[4] = "abc";
    ResultText().add("Result", "False").write(buffer, 0);
    ResultText().add("Result", "False").write(buffer, -5);
    EXPECT_STREQ(buffer, "abc");
}

} // namespace
} // namespace hostsim
