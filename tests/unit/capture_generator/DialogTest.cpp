#include "capture/Dlg.h"
#include "capture/Sch2ScptDialog.h"

#include <gtest/gtest.h>

namespace snapscribe {
namespace {

using Strings = std::vector<std::string>;

TStrList List(std::initializer_list<const char*> entries) {
    TStrList list;
    for (const char* entry : entries)
        list.Add(entry);
    return list;
}

// The documented example: one variable xR1 with default 10k.
TEST(Dialog, BasicDialogForOneVariableWithAverageWidth7) {
    TStrList declaration;
    TStrList code;
    BuildBasicDialog(List({"xR1=10k"}), 7, declaration, code);
    EXPECT_EQ(declaration.Lines(),
              (Strings{"Begin Dialog DlgType 110, 100, 127, 67, \"Circuit Capture Wizard\"",
                       "   GroupBox 8, 8, 111, 36, \"\", .GrpBox1", "   Text    18, 20, 21, 12, \"R1:\"",
                       "   TextBox 39, 20, 70, 12, .xR1", "   OKButton 55, 47, 32, 12",
                       "   CancelButton 87, 47, 32, 12", "End Dialog", "", "Dim Dlg As DlgType"}));
    EXPECT_EQ(code.Lines(), (Strings{"Dlg.xR1 = \"10k\"", "", "R = Dialog(Dlg)"}));
}

TEST(Dialog, PascalFormForOneVariableWithMaximumWidth14) {
    TStrList declaration;
    BuildPascalDialog(List({"xR1=10k"}), 14, declaration);
    EXPECT_EQ(declaration.Lines(),
              (Strings{"CreateForm ('DlgForm', 'Circuit Capture Wizard', 100, 100, 184, 32);",
                       "AddStatic  ('DlgForm', 'xR1:', 11, 11, 42, 9);",
                       "AddEditBox ('DlgForm', 'xR1', 'xR1', 42, 11, 70, 9);", "R := FormDialog('DlgForm')"}));
}

// The widest name sizes the fields; each further variable moves down one step; a one-letter label stays.
TEST(Dialog, LaysOutSeveralVariables) {
    const TStrList variables = List({"xA=", "xGain=2 = x", "xA=1"});
    TStrList basic;
    TStrList code;
    BuildBasicDialog(variables, 7, basic, code);
    EXPECT_EQ(basic.Lines(), (Strings{"Begin Dialog DlgType 110, 100, 141, 91, \"Circuit Capture Wizard\"",
                                      "   GroupBox 8, 8, 125, 60, \"\", .GrpBox1", "   Text    18, 20, 35, 12, \"A:\"",
                                      "   TextBox 53, 20, 70, 12, .xA", "   Text    18, 33, 35, 12, \"Gain:\"",
                                      "   TextBox 53, 33, 70, 12, .xGain", "   Text    18, 46, 35, 12, \"A:\"",
                                      "   TextBox 53, 46, 70, 12, .xA", "   OKButton 69, 71, 32, 12",
                                      "   CancelButton 101, 71, 32, 12", "End Dialog", "", "Dim Dlg As DlgType"}));
    EXPECT_EQ(code.Lines(),
              (Strings{"Dlg.xA = \"\"", "Dlg.xGain = \"2 = x\"", "Dlg.xA = \"1\"", "", "R = Dialog(Dlg)"}));

    TStrList pascal;
    BuildPascalDialog(variables, 14, pascal);
    EXPECT_EQ(
        pascal.Lines(),
        (Strings{"CreateForm ('DlgForm', 'Circuit Capture Wizard', 100, 100, 212, 52);",
                 "AddStatic  ('DlgForm', 'xA:', 11, 11, 70, 9);", "AddEditBox ('DlgForm', 'xA', 'xA', 70, 11, 70, 9);",
                 "AddStatic  ('DlgForm', 'xGain:', 11, 21, 70, 9);",
                 "AddEditBox ('DlgForm', 'xGain', 'xGain', 70, 21, 70, 9);",
                 "AddStatic  ('DlgForm', 'xA:', 11, 31, 70, 9);", "AddEditBox ('DlgForm', 'xA', 'xA', 70, 31, 70, 9);",
                 "R := FormDialog('DlgForm')"}));
}

// Defaults come from the sheet: a quote cannot end the script's string early.
TEST(Dialog, QuotesDefaultsForTheirLanguage) {
    const TStrList variables = List({"xR1=1\"2'3"});
    TStrList declaration;
    TStrList code;
    BuildBasicDialog(variables, 7, declaration, code);
    EXPECT_EQ(code.Lines().front(), "Dlg.xR1 = \"1\"\"2'3\"");
    EXPECT_EQ(GlobalVariableLines(variables, true, true), Strings{"xR1 : ShortString = '1\"2''3';"});
}

TEST(Dialog, DeclaresAndInitialisesVariables) {
    const TStrList variables = List({"xR1=10k", "xC1="});
    EXPECT_EQ(GlobalVariableLines(variables, true, false), (Strings{"Dim xR1", "Dim xC1"}));
    EXPECT_EQ(GlobalVariableLines(variables, true, true),
              (Strings{"xR1 : ShortString = '10k';", "xC1 : ShortString = '';"}));
    EXPECT_EQ(VariablesInitialisationLines(variables, true, false), (Strings{"xR1 = Dlg.xR1", "xC1 = Dlg.xC1"}));
    EXPECT_EQ(VariablesInitialisationLines(variables, true, true), Strings{});
}

TEST(Dialog, WritesTheCommentWhereThereAreNoVariables) {
    const TStrList none;
    const std::string basic = "' No global variables found.  No dialog code generated.";
    const std::string pascal = "{No global variables found.  No dialog code generated.}";
    EXPECT_EQ(GlobalVariableLines(none, false, false), Strings{basic});
    EXPECT_EQ(VariablesInitialisationLines(none, false, false), Strings{basic});
    EXPECT_EQ(GlobalVariableLines(none, false, true), Strings{pascal});
    EXPECT_EQ(VariablesInitialisationLines(none, false, true), Strings{});
}

TEST(Dialog, EntriesAreParsedAndTrimmedAtTheFirstEquals) {
    const TVariableEntry entry = ParseVariableEntry(" xR1 \t= 10 = k ");
    EXPECT_EQ(entry.Name, "xR1");
    EXPECT_EQ(entry.Value, "10 = k");
    EXPECT_EQ(ParseVariableEntry("xC1").Value, "");
}

// The platform's dialog font measures 7 on average and 14 at most: the documented example's widths.
TEST(Dialog, MeasuresTheDialogFont) {
    const TDialogCharWidths widths = MeasureDialogCharWidths();
    EXPECT_EQ(widths.Average, 7);
    EXPECT_EQ(widths.Maximum, 14);
}

TEST(StrList, TracksTheLongestNameAndFindsEntriesIgnoringCase) {
    TStrList list;
    list.Add("no equals at all");
    EXPECT_EQ(list.MaxNameLength(), 0);
    list.Add("xGain=1");
    list.Add("xR=2");
    list.Add("=3");
    EXPECT_EQ(list.MaxNameLength(), 5);
    EXPECT_EQ(list.IndexOf("XGAIN=1"), 1);
    EXPECT_EQ(list.IndexOf("xGain=2"), -1);
    list.AddUnique("xr=2");
    list.AddUnique("xR=3");
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.Lines().back(), "xR=3");
}

} // namespace
} // namespace snapscribe
