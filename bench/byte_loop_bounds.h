// Two loops that do a part of the tokenizer's work and nothing else, timed
// beside the fgetc floor: what any reader that takes the file one fgetc at
// a time spends at least, before it keeps a token or builds a record.
#pragma once

#include <string>

namespace marlow {
namespace bench {

// Sorts each byte into blank or not, counting line feeds and the starts of
// blank-free runs, without a branch on the byte: the least a tokenizer does.
// Answers a figure that depends on every byte, so the loop is not dropped.
long long ClassifyBytesByFgetc(const std::string& path);

// Follows the tokenizer's runs (blanks, plain tokens, quoted values,
// comments, the asterisk that may open one) through a state machine with
// no branch on the byte, counting line feeds, and keeps nothing.
long long FollowRunsByFgetc(const std::string& path);

}  // namespace bench
}  // namespace marlow
