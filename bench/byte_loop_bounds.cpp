#include "byte_loop_bounds.h"

#include <cstdint>
#include <cstdio>

#include "platform/unique_c_file.h"
#include "ppd/ppd_char_class.h"

namespace marlow {
namespace bench {

namespace {

struct BlankTable {
    unsigned char bBlank[256];
};

constexpr BlankTable MakeBlankTable() {
    BlankTable table{};
    for (int c = 0; c < 256; ++c) {
        table.bBlank[c] = ClassifyPpdChar(c) == PpdCharClass::kBlank ? 1 : 0;
    }
    return table;
}

constexpr BlankTable kBlanks = MakeBlankTable();

// The runs, each a state numbered by its bit offset in a row: a row holds,
// for one byte, the state that follows each state. The next state is then
// one shift of the byte's row, with no branch and no load that waits on
// the state (a shift-based state machine).
enum RunState : unsigned {
    kBlankRun = 0,
    kAsterisk = 6,  // a token's first character was '*': '%' now opens a comment
    kPlainToken = 12,
    kQuotedToken = 18,
    kComment = 24,
};

struct RunRows {
    std::uint64_t next[256];
};

constexpr std::uint64_t Transition(unsigned from, unsigned to) {
    return static_cast<std::uint64_t>(to) << from;
}

// The same rules as the reader's tokenizer: a token ends at the blank or
// delimiter after it, a quoted value at its closing quote, a comment at the
// line end; '%' where a token would begin, or right after its leading '*',
// opens a comment.
constexpr RunRows MakeRunRows() {
    RunRows rows{};
    for (int c = 0; c < 256; ++c) {
        const bool bEndsToken = (kPpdRunEnds.ends[c] & kEndsPlainToken) != 0;
        const unsigned fromBlank = ClassifyPpdChar(c) == PpdCharClass::kBlank ? kBlankRun
                                   : c == '"'                                 ? kQuotedToken
                                   : c == '%'                                 ? kComment
                                   : c == '*'                                 ? kAsterisk
                                                                              : kPlainToken;
        rows.next[c] = Transition(kBlankRun, fromBlank) |
                       Transition(kAsterisk, c == '%'     ? kComment
                                             : bEndsToken ? kBlankRun
                                                          : kPlainToken) |
                       Transition(kPlainToken, bEndsToken ? kBlankRun : kPlainToken) |
                       Transition(kQuotedToken, c == '"' ? kBlankRun : kQuotedToken) |
                       Transition(kComment, (kPpdRunEnds.ends[c] & kEndsComment) != 0 ? kBlankRun
                                                                                      : kComment);
    }
    return rows;
}

constexpr RunRows kRunRows = MakeRunRows();

}  // namespace

long long ClassifyBytesByFgetc(const std::string& path) {
    UniqueCFile file(std::fopen(path.c_str(), "r"));
    long long lineFeeds = 0;
    long long runs = 0;
    unsigned previousBlank = 1;
    if (file) {
        for (int c = std::fgetc(file.Get()); c != EOF; c = std::fgetc(file.Get())) {
            const unsigned blank = kBlanks.bBlank[c];
            runs += previousBlank & (blank ^ 1);
            previousBlank = blank;
            lineFeeds += c == '\n' ? 1 : 0;
        }
    }
    return lineFeeds + runs;
}

long long FollowRunsByFgetc(const std::string& path) {
    UniqueCFile file(std::fopen(path.c_str(), "r"));
    long long lineFeeds = 0;
    unsigned state = kBlankRun;
    if (file) {
        for (int c = std::fgetc(file.Get()); c != EOF; c = std::fgetc(file.Get())) {
            state = static_cast<unsigned>(kRunRows.next[c] >> state) & 63;
            lineFeeds += c == '\n' ? 1 : 0;
        }
    }
    return lineFeeds + state;
}

}  // namespace bench
}  // namespace marlow
