#include "strict_json.h"

#include <cstdint>

namespace marlow {
namespace {

constexpr int kMaxDepth = 256;

class JsonChecker {
public:
    explicit JsonChecker(const std::string& text) : text_(text) {}

    bool Check(std::string* problem) {
        SkipBlanks();
        const bool bValue = Value(0);
        SkipBlanks();
        if (bValue && pos_ != text_.size()) Fail("text after the value");
        if (!problem_.empty() && problem != nullptr) {
            *problem = "byte " + std::to_string(pos_) + ": " + problem_;
        }
        return problem_.empty();
    }

private:
    bool Fail(const char* why) {
        if (problem_.empty()) problem_ = why;
        return false;
    }
    bool AtEnd() const { return pos_ >= text_.size(); }
    unsigned char Peek() const { return AtEnd() ? 0 : static_cast<unsigned char>(text_[pos_]); }
    void SkipBlanks() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) ++pos_;
    }
    bool Expect(char c) {
        if (Peek() != static_cast<unsigned char>(c)) return Fail("unexpected character");
        ++pos_;
        return true;
    }

    bool Value(int depth) {
        if (depth > kMaxDepth) return Fail("nested too deeply");
        switch (Peek()) {
        case '{': return Object(depth);
        case '[': return Array(depth);
        case '"': return String();
        case 't': return Literal("true");
        case 'f': return Literal("false");
        case 'n': return Literal("null");
        default: return Number();
        }
    }

    bool Literal(const char* word) {
        for (const char* p = word; *p != 0; ++p) {
            if (Peek() != static_cast<unsigned char>(*p)) return Fail("misspelt literal");
            ++pos_;
        }
        return true;
    }

    bool Digits() {
        if (Peek() < '0' || Peek() > '9') return Fail("digit expected");
        while (Peek() >= '0' && Peek() <= '9') ++pos_;
        return true;
    }

    bool Number() {
        if (Peek() == '-') ++pos_;
        if (Peek() == '0') {
            ++pos_;
        } else if (Peek() >= '1' && Peek() <= '9') {
            Digits();
        } else {
            return Fail("value expected");
        }
        if (Peek() == '.') {
            ++pos_;
            if (!Digits()) return false;
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++pos_;
            if (Peek() == '+' || Peek() == '-') ++pos_;
            if (!Digits()) return false;
        }
        return true;
    }

    bool Hex4(std::uint32_t* value) {
        *value = 0;
        for (int i = 0; i < 4; ++i) {
            const unsigned char c = Peek();
            std::uint32_t digit;
            if (c >= '0' && c <= '9') digit = c - '0';
            else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            else return Fail("bad \\u escape");
            *value = *value * 16 + digit;
            ++pos_;
        }
        return true;
    }

    bool Escape() {
        ++pos_;  // the backslash
        const unsigned char c = Peek();
        ++pos_;
        switch (c) {
        case '"': case '\\': case '/': case 'b': case 'f': case 'n': case 'r': case 't':
            return true;
        case 'u': {
            std::uint32_t unit;
            if (!Hex4(&unit)) return false;
            if (unit >= 0xDC00 && unit <= 0xDFFF) return Fail("unpaired low surrogate");
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                if (Peek() != '\\') return Fail("unpaired high surrogate");
                ++pos_;
                if (Peek() != 'u') return Fail("unpaired high surrogate");
                ++pos_;
                std::uint32_t low;
                if (!Hex4(&low)) return false;
                if (low < 0xDC00 || low > 0xDFFF) return Fail("unpaired high surrogate");
            }
            return true;
        }
        default:
            return Fail("unknown escape");
        }
    }

    // One UTF-8 sequence: shortest form, no surrogates, at most U+10FFFF.
    bool Utf8() {
        const unsigned char lead = Peek();
        int trailing;
        std::uint32_t codePoint;
        if (lead < 0x80) {
            ++pos_;
            return true;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            trailing = 1;
            codePoint = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            trailing = 2;
            codePoint = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            trailing = 3;
            codePoint = lead & 0x07;
        } else {
            return Fail("not UTF-8");
        }
        ++pos_;
        for (int i = 0; i < trailing; ++i) {
            if ((Peek() & 0xC0) != 0x80) return Fail("not UTF-8");
            codePoint = (codePoint << 6) | (Peek() & 0x3F);
            ++pos_;
        }
        const std::uint32_t least = trailing == 1 ? 0x80 : trailing == 2 ? 0x800 : 0x10000;
        if (codePoint < least) return Fail("overlong UTF-8");
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return Fail("surrogate in UTF-8");
        if (codePoint > 0x10FFFF) return Fail("beyond U+10FFFF");
        return true;
    }

    bool String() {
        ++pos_;  // the opening quote
        for (;;) {
            if (AtEnd()) return Fail("unclosed string");
            const unsigned char c = Peek();
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20) return Fail("raw control character in a string");
            if (c == '\\') {
                if (!Escape()) return false;
            } else if (!Utf8()) {
                return false;
            }
        }
    }

    bool Array(int depth) {
        ++pos_;
        SkipBlanks();
        if (Peek() == ']') {
            ++pos_;
            return true;
        }
        for (;;) {
            SkipBlanks();
            if (!Value(depth + 1)) return false;
            SkipBlanks();
            if (Peek() == ']') {
                ++pos_;
                return true;
            }
            if (!Expect(',')) return false;
        }
    }

    bool Object(int depth) {
        ++pos_;
        SkipBlanks();
        if (Peek() == '}') {
            ++pos_;
            return true;
        }
        for (;;) {
            SkipBlanks();
            if (Peek() != '"') return Fail("member name expected");
            if (!String()) return false;
            SkipBlanks();
            if (!Expect(':')) return false;
            SkipBlanks();
            if (!Value(depth + 1)) return false;
            SkipBlanks();
            if (Peek() == '}') {
                ++pos_;
                return true;
            }
            if (!Expect(',')) return false;
        }
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    std::string problem_;
};

}  // namespace

bool IsStrictJson(const std::string& text, std::string* problem) {
    return JsonChecker(text).Check(problem);
}

}  // namespace marlow
