#include "hostkit/Rt_Param.h"

#include <gtest/gtest.h>

namespace hostkit {
namespace {

struct LookUp {
    const char* Text;
    const char* Name;
    bool Found;
    std::string Value;
};

class GetParameterValueTest : public ::testing::TestWithParam<LookUp> {};

TEST_P(GetParameterValueTest, Answers) {
    const LookUp& c = GetParam();
    std::string value = "stale";
    EXPECT_EQ(GetParameterValue(c.Text, c.Name, value), c.Found);
    EXPECT_EQ(value, c.Value);
}

const std::string Long300(300, 'v');
const std::string Padded = "Long=" + Long300;

INSTANTIATE_TEST_SUITE_P(
    ParameterTexts, GetParameterValueTest,
    ::testing::Values(LookUp{"Result=True", "result", true, "True"},
                      LookUp{"LocationX =  120 | LocationY=-45|Result=True", "LocationX", true, "120"},
                      LookUp{"LocationX =  120 | LocationY=-45|Result=True", " locationy ", true, "-45"},
                      LookUp{"LocationX =  120 | LocationY=-45|Result=True", "Result", true, "True"},
                      LookUp{"A=x=y", "A", true, "x=y"},       // the first "=" ends the name
                      LookUp{"A=1 | A=2", "A", true, "1"},     // the first entry wins
                      LookUp{"Flag | A=1", "Flag", false, ""}, // no "=": no entry
                      LookUp{"Flag | A=1", "A", true, "1"},
                      LookUp{"=5 | B=", "", false, ""},    // an empty name is no entry
                      LookUp{"=5 | B=", "B", true, ""},    // present with an empty value
                      LookUp{"A=1||B=2|", "B", true, "2"}, // empty entries between bars
                      LookUp{"Name With Blanks = v | x", "name with blanks", true, "v"},
                      LookUp{"Ä=1", "ä", false, ""}, // only ASCII letters have a case
                      LookUp{Padded.c_str(), "Long", true, Long300.substr(0, 255)}, LookUp{"", "A", false, ""},
                      LookUp{nullptr, "A", false, ""}));

TEST(GetParameterValue, AnEmptyTextLeavesTheLastParsedTextInPlace) {
    std::string value;
    ASSERT_TRUE(GetParameterValue("LocationX=100 | LocationY=-250 | Result=True", "LocationX", value));
    EXPECT_FALSE(GetParameterValue("", "LocationX", value));
    EXPECT_FALSE(GetParameterValue(nullptr, "LocationX", value));
    // The next look-up of the same text finds the list as parsed before.
    EXPECT_TRUE(GetParameterValue("LocationX=100 | LocationY=-250 | Result=True", "LocationY", value));
    EXPECT_EQ(value, "-250");
}

TEST(GetParameterValue, SeesAChangedBufferEvenAtTheSameAddress) {
    char buffer[256] = "Result=False";
    std::string value;
    ASSERT_TRUE(GetParameterValue(buffer, "Result", value));
    EXPECT_EQ(value, "False");
    std::snprintf(buffer, sizeof buffer, "Result=True");
    ASSERT_TRUE(GetParameterValue(buffer, "Result", value));
    EXPECT_EQ(value, "True");
}

// Texts beyond the 64,000-byte cache are cut, not overrun: names that fit are still answered.
TEST(GetParameterValue, AnOverlongTextIsLookedUpInThePartThatFits) {
    std::string text = "First=1 | Big=" + std::string(70000, 'x') + " | Last=2";
    std::string value;
    EXPECT_TRUE(GetParameterValue(text.c_str(), "First", value));
    EXPECT_EQ(value, "1");
    EXPECT_TRUE(GetParameterValue(text.c_str(), "Big", value));
    EXPECT_EQ(value, std::string(255, 'x'));
    EXPECT_FALSE(GetParameterValue(text.c_str(), "Last", value)) << "beyond the limit";

    text = "A=1 | " + std::string(ParameterTextLimit - 11, ' ') + "| B=2";
    ASSERT_EQ(text.size(), ParameterTextLimit);
    EXPECT_TRUE(GetParameterValue(text.c_str(), "B", value)) << "a text of exactly the limit is whole";
}

TEST(TParameterList, KeepsValuesAsWrittenAndCutsOnlyOverlongOnes) {
    TParameterList list;
    const std::string huge(ParameterValueLimit + 10, 'h');
    const std::string text = " A = spaced value |" + std::string(300, 'N') + "=n|H=" + huge;
    list.Parse(text.c_str());
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list[0].Name, "A");
    EXPECT_EQ(list[0].Value, " spaced value ");
    EXPECT_EQ(list[1].Name, std::string(ParameterNameLimit, 'N'));
    EXPECT_EQ(list[2].Value.size(), ParameterValueLimit);
    EXPECT_EQ(list.Find(" a "), &list[0]);
    EXPECT_EQ(list.Find("missing"), nullptr);

    list.Parse("X=1");
    EXPECT_EQ(list.Count(), 1u) << "a new text replaces the list";
    list.AddParameter("  ", "ignored");
    EXPECT_EQ(list.Count(), 1u);
}

} // namespace
} // namespace hostkit
