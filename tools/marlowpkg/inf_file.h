// A setup information (INF) file as the printer class installer reads it:
// sections of lines, each line an optional key before an unquoted '=' and a
// list of comma-separated fields. ';' starts a comment outside quotes; a
// quoted string keeps commas, '=' and ';', and "" inside it is one quote; a
// '\' that ends a line joins the next line to it; %name% is replaced by the
// value of name in [Strings] (%% is one percent sign). Section names, keys
// and string names compare without regard to ASCII case, as Windows does.
//
// The bytes may be ANSI, UTF-8 or UTF-16 with a byte-order mark; texts come
// out in UTF-8. Reading never fails: what cannot be understood is kept as it
// stands and reported in the file's problems, each with its line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace marlow {

struct InfLine {
    int nLine = 0;                    // 1-based line in the file where the line starts
    bool bHasKey = false;             // an unquoted '=' separates a key from the fields
    std::string key;                  // strings substituted, outer blanks taken off
    std::vector<std::string> fields;  // the same; quotes removed
    std::vector<bool> quoted;         // per field: it was written in quotes, wholly or in part
};

struct InfSection {
    std::string name;  // as written between the brackets
    int nLine = 0;     // line of the header
    std::vector<InfLine> lines;
};

struct InfProblem {
    int nLine = 0;
    std::string message;  // one sentence
};

class InfFile {
public:
    // The first section of that name; null when there is none.
    const InfSection* FindSection(const std::string& name) const;
    // The first line with that key in that section; null when there is none.
    const InfLine* FindLine(const std::string& section, const std::string& key) const;
    // Every section, in the order they appear (a name may appear twice).
    const std::vector<InfSection>& GetSections() const { return sections_; }
    // References to undefined strings, unterminated quotes, malformed headers.
    const std::vector<InfProblem>& GetProblems() const { return problems_; }

private:
    friend InfFile ReadInfFile(const std::vector<unsigned char>& bytes);
    std::vector<InfSection> sections_;
    std::vector<InfProblem> problems_;
};

InfFile ReadInfFile(const std::vector<unsigned char>& bytes);

// Equal when they are equal but for ASCII letter case.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);

// The bytes of a text file as UTF-8: UTF-16 (little or big endian) with a
// byte-order mark converted, a UTF-8 byte-order mark dropped, other bytes as
// they are.
std::string DecodeTextFile(const std::vector<unsigned char>& bytes);

}  // namespace marlow
