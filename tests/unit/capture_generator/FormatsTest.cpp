#include "capture/Sch2ScptFormats.h"

#include <gtest/gtest.h>

namespace snapscribe {
namespace {

TEST(FormatReal, WritesTheRuntimesTwentyThreeCharacterField) {
    const struct {
        double Value;
        const char* Text;
    } cases[] = {
        {90, " 9.00000000000000E+0001"},      {0, " 0.00000000000000E+0000"},
        {-45.5, "-4.55000000000000E+0001"},   {1.0 / 3, " 3.33333333333333E-0001"},
        {0.00125, " 1.25000000000000E-0003"}, {359.99999999999, " 3.59999999999990E+0002"},
        {1.5e38, " 1.50000000000000E+0038"},  {2.9e-39, " 2.90000000000000E-0039"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatReal(c.Value), c.Text) << c.Value;
        EXPECT_EQ(FormatReal(c.Value).size(), 23u) << c.Value;
    }
}

TEST(ScriptLiterals, PlainTextsStayAsTheyAre) {
    for (const bool isPascal : {false, true}) {
        EXPECT_EQ(DoubleQuotedLiteral("10k", isPascal), "\"10k\"");
        EXPECT_EQ(DoubleQuotedLiteral("", isPascal), "\"\"");
        EXPECT_EQ(DoubleQuotedLiteral("it's $5 & more", isPascal), "\"it's $5 & more\"");
    }
    EXPECT_EQ(SingleQuotedLiteral("10k"), "'10k'");
    EXPECT_EQ(SingleQuotedLiteral(""), "''");
}

// A quote, a line break or another control character must not end the string or the line of the script early.
TEST(ScriptLiterals, QuotesAndControlCharactersCannotEndTheString) {
    const struct {
        const char* Text;
        const char* Basic;
        const char* Pascal;
    } cases[] = {
        {"say \"hi\"", "\"say \"\"hi\"\"\"", "\"say \"\"hi\"\"\""},
        {"\"", "\"\"\"\"", "\"\"\"\""},
        {"a\r\nb", "\"a\" & Chr(13) & Chr(10) & \"b\"", "\"a\" + #13 + #10 + \"b\""},
        {"\tx", "Chr(9) & \"x\"", "#9 + \"x\""},
        {"x\n", "\"x\" & Chr(10)", "\"x\" + #10"},
        {"\n", "Chr(10)", "#10"},
        {"a\x7f", "\"a\" & Chr(127)", "\"a\" + #127"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DoubleQuotedLiteral(c.Text, false), c.Basic) << c.Text;
        EXPECT_EQ(DoubleQuotedLiteral(c.Text, true), c.Pascal) << c.Text;
    }
    EXPECT_EQ(SingleQuotedLiteral("it's"), "'it''s'");
    EXPECT_EQ(SingleQuotedLiteral("'\r"), "'''' + #13");
    EXPECT_EQ(SingleQuotedLiteral("say \"hi\""), "'say \"hi\"'");
}

TEST(ScriptIdentifier, MakesAValidIdentifierThatClashesWithNothing) {
    const struct {
        const char* Name;
        const char* Identifier;
    } cases[] = {
        {"xR1", "xR1"},    {"xR_1", "xR_1"},     {"xR-1", "xR_1"}, {"xR 1.5", "xR_1_5"},
        {"x\"')", "x___"}, {"x\xC4\xB5", "x__"}, {"x", "x_"},      {"X", "X_"},
        {"xor", "xor_"},   {"XOR", "XOR_"},      {"xor1", "xor1"}, {"xx", "xx"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScriptIdentifier(c.Name), c.Identifier) << c.Name;
}

} // namespace
} // namespace snapscribe
