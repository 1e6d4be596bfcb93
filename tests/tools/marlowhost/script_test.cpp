// Script lines as testers write them: words and quoted arguments, comments
// and blank lines, broken quotes; and a file read with its line numbers.
#include "script.h"

#include "temp_file.h"

#include <gtest/gtest.h>

namespace marlow::host {
namespace {

TEST(ScriptLine, SplitsWordsAndQuotedArguments) {
    struct Case {
        const wchar_t* line;
        const wchar_t* verb;
        std::vector<std::wstring> arguments;
    };
    const Case cases[] = {
        {L"apply", L"apply", {}},
        {L"  click   Booklet  ", L"click", {L"Booklet"}},
        {L"select \"Print on Both Sides\" \"Flip on Long Efge\"", L"select",
         {L"Print on Both Sides", L"Flip on Long Efge"}},
        {L"type \"Job Name\" \"\"", L"type", {L"Job Name", L""}},
        {L"type 10018 \"say \\\"hi\\\" \\\\ there\"", L"type", {L"10018", L"say \"hi\" \\ there"}},
        {L"type 10018 a\\b", L"type", {L"10018", L"a\\b"}},
        {L"item \"Paper Source\"\"Cassette 3\"", L"item", {L"Paper Source", L"Cassette 3"}},
        {L"expect-message job name\r", L"expect-message", {L"job", L"name"}},
    };
    for (const Case& c : cases) {
        ScriptStep step;
        std::wstring problem;
        ASSERT_TRUE(ParseScriptLine(c.line, 3, &step, &problem)) << c.line;
        EXPECT_EQ(c.verb, step.verb) << c.line;
        EXPECT_EQ(c.arguments, step.arguments) << c.line;
        EXPECT_EQ(3, step.line);
    }
}

TEST(ScriptLine, LeavesCommentsAndBlankLinesWithoutAStep) {
    for (const wchar_t* line : {L"", L"   ", L"# a comment", L"   # indented \"comment"}) {
        ScriptStep step;
        std::wstring problem;
        ASSERT_TRUE(ParseScriptLine(line, 1, &step, &problem)) << line;
        EXPECT_TRUE(step.verb.empty()) << line;
    }
}

TEST(ScriptLine, RefusesAnUnclosedQuote) {
    for (const wchar_t* line : {L"click \"Booklet", L"type \"Job Name\" \"Quarterly", L"click \"a\\\""}) {
        ScriptStep step;
        std::wstring problem;
        EXPECT_FALSE(ParseScriptLine(line, 1, &step, &problem)) << line;
        EXPECT_EQ(L"a quote is not closed", problem) << line;
    }
}

TEST(ScriptFile, KeepsEachStepsLineNumberAndNamesTheBrokenLine) {
    test::TempFile file("\xEF\xBB\xBF# tour\r\npage Layout\r\n\r\ntype \"Job Name\" Quartal\xC3\xA9\n", L".txt");
    std::vector<ScriptStep> steps;
    std::wstring problem;
    ASSERT_TRUE(LoadScriptFile(file.Path(), &steps, &problem)) << problem.c_str();
    ASSERT_EQ(2u, steps.size());
    EXPECT_EQ(2, steps[0].line);
    EXPECT_EQ(L"line 2 (page Layout)", NameStep(steps[0]));
    EXPECT_EQ(4, steps[1].line);
    EXPECT_EQ(L"Quartal\u00e9", steps[1].arguments[1]);

    ASSERT_TRUE(file.Write("apply\nclick \"Booklet\nok\n"));
    steps.clear();
    EXPECT_FALSE(LoadScriptFile(file.Path(), &steps, &problem));
    EXPECT_NE(std::wstring::npos, problem.find(L" line 2: a quote is not closed"));
}

TEST(ScriptFile, NamesAFileThatCannotBeOpened) {
    std::vector<ScriptStep> steps;
    std::wstring problem;
    EXPECT_FALSE(LoadScriptFile(L"Z:\\no\\such\\script.txt", &steps, &problem));
    EXPECT_EQ(L"cannot open the script Z:\\no\\such\\script.txt", problem);
    EXPECT_TRUE(steps.empty());
}

}  // namespace
}  // namespace marlow::host
