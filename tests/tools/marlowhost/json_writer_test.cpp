// The report's JSON: nesting, commas and indentation, and strings escaped
// as JSON requires (quotes, backslashes, control characters; UTF-8 as it is).
#include "json_writer.h"

#include <gtest/gtest.h>

namespace marlow::host {
namespace {

TEST(JsonWriter, EscapesWhatJsonRequiresAndPassesUtf8Through) {
    struct Case {
        const char* text;
        const char* quoted;
    };
    const Case cases[] = {
        {"plain", "\"plain\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"C:\\path\\file", "\"C:\\\\path\\\\file\""},
        {"a\nb\tc\rd\be\ff", "\"a\\nb\\tc\\rd\\be\\ff\""},
        {"bell\x07 unit\x1F del\x7F", "\"bell\\u0007 unit\\u001F del\\u007F\""},
        {"Rotate By 180\xC2\xB0 \xE6\x8B\xA1\xE5\xBC\xB5", "\"Rotate By 180\xC2\xB0 \xE6\x8B\xA1\xE5\xBC\xB5\""},
        {"", "\"\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.quoted, QuoteJson(c.text)) << "text: " << c.text;
    }
}

TEST(JsonWriter, NestsObjectsAndArraysWithCommasBetweenValues) {
    std::string out;
    JsonWriter json(&out);
    json.BeginObject();
    json.Field("sheet", "document");
    json.Key("pages");
    json.BeginArray();
    json.String("Advanced");
    json.String("Layout");
    json.EndArray();
    json.Key("empty");
    json.BeginArray();
    json.EndArray();
    json.Key("calls");
    json.BeginArray();
    json.BeginObject();
    json.Field("answer", -1LL);
    json.Key("closed");
    json.Bool(true);
    json.EndObject();
    json.EndArray();
    json.EndObject();
    EXPECT_EQ("{\n"
              "  \"sheet\": \"document\",\n"
              "  \"pages\": [\n"
              "    \"Advanced\",\n"
              "    \"Layout\"\n"
              "  ],\n"
              "  \"empty\": [],\n"
              "  \"calls\": [\n"
              "    {\n"
              "      \"answer\": -1,\n"
              "      \"closed\": true\n"
              "    }\n"
              "  ]\n"
              "}\n",
              out);
}

TEST(JsonWriter, EscapesKeysAsWell) {
    std::string out;
    JsonWriter json(&out);
    json.BeginObject();
    json.Field("a\"b", 4LL);
    json.EndObject();
    EXPECT_EQ("{\n  \"a\\\"b\": 4\n}\n", out);
}

}  // namespace
}  // namespace marlow::host
