// The strict JSON check that the lint fuzzer trusts: it accepts what the
// lint prints and refuses each way text can fail to be JSON.
#include "support/strict_json.h"

#include <gtest/gtest.h>

#include <string>

namespace marlow {
namespace {

TEST(StrictJson, AcceptsWellFormedValues) {
    for (const char* text : {
             "{\"findings\": []}\n",
             "{\"findings\": [\n  {\"line\": 12, \"category\": \"early-end\", \"message\": \"a \\\"b\\\" \\u00e9\"},\n"
             "  {\"line\": null, \"category\": \"missing-feature\", \"message\": \"x\"}\n]}\n",
             "[1, -0, 0.5, 2e10, -3.25E-2, true, false, null, \"\"]", "\"caf\xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x98\x80\"",
             "\"\\ud83d\\ude00 \\/ \\b\\f\\n\\r\\t\"", " 0 "}) {
        std::string problem;
        EXPECT_TRUE(IsStrictJson(text, &problem)) << text << ": " << problem;
    }
}

TEST(StrictJson, RefusesWhatIsNotJson) {
    for (const char* text : {
             "", "{", "{\"a\": 1,}", "[1,]", "[1 2]", "{\"a\" 1}", "{a: 1}", "01", "1.", ".5", "1e", "+1",
             "tru", "nul", "\"open", "\"tab\there\"", "\"\\x41\"", "\"\\u12\"", "\"\\ud800\"", "\"\\udc00\"",
             "\"\\ud800\\u0041\"", "\"\x80\"", "\"\xC0\xAF\"", "\"\xED\xA0\x80\"", "\"\xF5\x80\x80\x80\"",
             "\"\xE6\x97\"", "{} {}", "{\"line\": 1}x", "[NaN]"}) {
        EXPECT_FALSE(IsStrictJson(text)) << text;
    }
    // Nesting beyond the bound is refused, not followed down the stack.
    EXPECT_FALSE(IsStrictJson(std::string(100000, '[') + std::string(100000, ']')));
    EXPECT_TRUE(IsStrictJson(std::string(100, '[') + std::string(100, ']')));
}

}  // namespace
}  // namespace marlow
