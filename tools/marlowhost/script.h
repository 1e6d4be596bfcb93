// The steps of a sheet script, in the words a tester writes:
//
//   # the confidential job
//   page "Extended Settings"
//   click "Reserve Job"
//   type "Job Name" Quarterly
//
// One step a line; blank lines and lines starting with # are skipped; an
// argument with blanks is written in double quotes (inside them, \" is a
// quote, \\ a backslash and \u followed by four hex digits any UTF-16 unit,
// such as \u0003 for a control character).
#pragma once

#include <string>
#include <vector>

namespace marlow::host {

struct ScriptStep {
    int line = 0;       // in its file; 0 for a step given on the command line
    std::wstring text;  // the line as written, without surrounding blanks
    std::wstring verb;  // empty for a blank or comment line
    std::vector<std::wstring> arguments;
};

// Splits one line. False, with the reason, for an unclosed quote.
[[nodiscard]] bool ParseScriptLine(const std::wstring& line, int lineNumber, ScriptStep* step,
                                   std::wstring* problem);

// Reads a UTF-8 file of steps and appends them. False, with the reason
// naming the file (and line), when it cannot be read or a line is broken.
[[nodiscard]] bool LoadScriptFile(const std::wstring& path, std::vector<ScriptStep>* steps,
                                  std::wstring* problem);

// A step as a script line, every argument quoted: what ParseScriptLine
// reads back as the same verb and arguments.
std::wstring WriteScriptLine(const std::wstring& verb, const std::vector<std::wstring>& arguments);

// How a step is named in messages: "line 7 (click Booklet)" or "-e (apply)".
std::wstring NameStep(const ScriptStep& step);

}  // namespace marlow::host
