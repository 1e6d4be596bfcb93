#include "json_writer.h"

namespace marlow::host {

std::string QuoteJson(const std::string& utf8) {
    std::string quoted = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\b': quoted += "\\b"; break;
        case '\f': quoted += "\\f"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char escape[8];
                std::snprintf(escape, sizeof(escape), "\\u%04X", byte);
                quoted += escape;
            } else {
                quoted.push_back(c);  // UTF-8 sequences pass as they are
            }
        }
    }
    return quoted + "\"";
}

void JsonWriter::StartValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!filled_.empty()) {
        *out_ += filled_.back() ? ",\n" : "\n";
        filled_.back() = true;
        out_->append(2 * filled_.size(), ' ');
    }
}

void JsonWriter::Close(char bracket) {
    const bool wasFilled = !filled_.empty() && filled_.back();
    if (!filled_.empty()) filled_.pop_back();
    if (wasFilled) {
        *out_ += "\n";
        out_->append(2 * filled_.size(), ' ');
    }
    out_->push_back(bracket);
    if (filled_.empty()) *out_ += "\n";
}

void JsonWriter::BeginObject() {
    StartValue();
    *out_ += "{";
    filled_.push_back(false);
}

void JsonWriter::EndObject() { Close('}'); }

void JsonWriter::BeginArray() {
    StartValue();
    *out_ += "[";
    filled_.push_back(false);
}

void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(const std::string& key) {
    StartValue();
    *out_ += QuoteJson(key) + ": ";
    afterKey_ = true;
}

void JsonWriter::String(const std::string& utf8) {
    StartValue();
    *out_ += QuoteJson(utf8);
}

void JsonWriter::Number(long long value) {
    StartValue();
    *out_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
    StartValue();
    *out_ += value ? "true" : "false";
}

void JsonWriter::Field(const std::string& key, const std::string& utf8) {
    Key(key);
    String(utf8);
}

void JsonWriter::Field(const std::string& key, long long value) {
    Key(key);
    Number(value);
}

}  // namespace marlow::host
