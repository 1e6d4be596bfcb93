// A strict check of JSON text (RFC 8259): one value and nothing after it but
// blanks, strings of well-formed UTF-8 with no raw control character and only
// the escapes JSON knows (\u escapes with paired surrogates), numbers in
// JSON's grammar, literals spelled out, no trailing commas. Nesting is
// bounded so that hostile text cannot exhaust the stack.
#pragma once

#include <cstddef>
#include <string>

namespace marlow {

// True when text is one well-formed JSON value. Else false, with where and
// why in problem (when given).
[[nodiscard]] bool IsStrictJson(const std::string& text, std::string* problem = nullptr);

}  // namespace marlow
