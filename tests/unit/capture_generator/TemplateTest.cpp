#include "capture/Sch2ScptTemplate.h"
#include "capture/Sch2ScptTextFile.h"

#include <gtest/gtest.h>

#include <map>

namespace snapscribe {
namespace {

TEST(Placeholders, TheFirstOneInTheirOrderWins) {
    EXPECT_EQ(FindPlaceholder("    ' $Place Circuit Code"), phCircuitCode);
    EXPECT_EQ(FindPlaceholder("{$Place Dialog Code}{$Place Global Variables}"), phGlobalVariables);
    EXPECT_EQ(FindPlaceholder("x$Place Variables Initialisation Codex"), phVariablesInitialisation);
    EXPECT_EQ(FindPlaceholder("$Place Dialog Declaration"), phDialogDeclaration);
    EXPECT_EQ(FindPlaceholder("' $place circuit code"), phNone);
    EXPECT_EQ(FindPlaceholder("' $Place Circuit"), phNone);
}

TEST(Placeholders, IndentationIsTheRunOfLeadingBlanksUpTo80) {
    EXPECT_EQ(LeadingBlanks("    ' $Place Circuit Code"), "    ");
    EXPECT_EQ(LeadingBlanks("  \t  x"), "  ");
    EXPECT_EQ(LeadingBlanks("x  "), "");
    EXPECT_EQ(LeadingBlanks(std::string(100, ' ') + "x"), std::string(80, ' '));
    EXPECT_EQ(LeadingBlanks("   "), "   ");
}

TEST(Placeholders, TemplateNames) {
    EXPECT_EQ(TemplateName(false), "TEMPLATE.BAS");
    EXPECT_EQ(TemplateName(true), "TEMPLATE.TRP");
}

// The shipped templates hold each placeholder once, on a comment line of their language, since the placeholder
// line itself stays in the script.
TEST(ShippedTemplates, HoldEachPlaceholderOnceInAComment) {
    for (const bool isPascal : {false, true}) {
        TTextFileReader source(std::string(TESSELLON_DATA_DIR) + "/" + TemplateName(isPascal));
        std::map<TPlaceholder, int> seen;
        std::string line;
        while (source.ReadLine(line)) {
            const TPlaceholder placeholder = FindPlaceholder(line);
            if (placeholder == phNone)
                continue;
            ++seen[placeholder];
            const std::string_view text = std::string_view(line).substr(LeadingBlanks(line).size());
            if (isPascal)
                EXPECT_TRUE(text.starts_with("{ ") && text.ends_with("}")) << line;
            else
                EXPECT_TRUE(text.starts_with("' ")) << line;
        }
        EXPECT_EQ(seen.size(), std::size_t{phNone}) << TemplateName(isPascal);
        for (const auto& [placeholder, count] : seen)
            EXPECT_EQ(count, 1) << TemplateName(isPascal) << " placeholder " << placeholder;
    }
}

} // namespace
} // namespace snapscribe
