// A small JSON writer for marlowhost's report: objects, arrays, strings
// (UTF-8 in, escaped as JSON requires), integers and booleans, indented two
// spaces a level. The caller nests the calls correctly; keys come before
// each value inside an object.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace marlow::host {

class JsonWriter {
public:
    explicit JsonWriter(std::string* out) : out_(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(const std::string& key);
    void String(const std::string& utf8);
    void Number(long long value);
    void Bool(bool value);

    // A key and its value in one call.
    void Field(const std::string& key, const std::string& utf8);
    void Field(const std::string& key, long long value);

private:
    void StartValue();
    void Close(char bracket);

    std::string* out_;
    // One entry per open container: whether it already holds a value.
    std::vector<bool> filled_;
    bool afterKey_ = false;
};

// The text as a JSON string literal, quotes included.
std::string QuoteJson(const std::string& utf8);

}  // namespace marlow::host
