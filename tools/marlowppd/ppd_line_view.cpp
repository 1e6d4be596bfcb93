#include "ppd_line_view.h"

namespace marlow {

namespace {

bool IsLineEnd(unsigned char c) { return c == '\n' || c == '\r'; }
bool IsBlank(unsigned char c) { return c == ' ' || c == '\t'; }

std::string TrimBlanks(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(static_cast<unsigned char>(text[first]))) {
        ++first;
    }
    while (last > first && IsBlank(static_cast<unsigned char>(text[last - 1]))) {
        --last;
    }
    return text.substr(first, last - first);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Translation strings may give bytes as hex pairs between '<' and '>'.
std::string DecodeHex(const std::string& text) {
    std::string decoded;
    bool bHex = false;
    int pending = -1;
    for (char c : text) {
        if (!bHex && c == '<') {
            bHex = true;
            pending = -1;
        } else if (bHex && c == '>') {
            bHex = false;
        } else if (!bHex) {
            decoded += c;
        } else if (HexValue(c) >= 0) {
            if (pending < 0) {
                pending = HexValue(c);
            } else {
                decoded += static_cast<char>(pending * 16 + HexValue(c));
                pending = -1;
            }
        }
    }
    return decoded;
}

class LineScanner {
public:
    explicit LineScanner(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    unsigned char Peek(std::size_t ahead = 0) const {
        return pos_ + ahead < bytes_.size() ? bytes_[pos_ + ahead] : 0;
    }
    std::int64_t Line() const { return line_; }

    void Take() {
        if (bytes_[pos_] == '\n') {
            ++line_;
        }
        ++pos_;
    }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(Peek())) {
            Take();
        }
    }
    void SkipLine() {
        while (!AtEnd() && !IsLineEnd(Peek())) {
            Take();
        }
        while (!AtEnd() && IsLineEnd(Peek())) {
            const bool bFeed = Peek() == '\n';
            Take();
            if (bFeed) {
                break;
            }
        }
    }
    // Up to (not including) one of the stop characters or the line end.
    std::string TakeUntil(const char* stops) {
        std::string text;
        while (!AtEnd() && !IsLineEnd(Peek()) && !IsStop(Peek(), stops)) {
            text += static_cast<char>(Peek());
            Take();
        }
        return text;
    }
    // After the opening quote: up to the closing one, which is consumed.
    std::string TakeQuoted() {
        std::string text;
        while (!AtEnd() && Peek() != '"') {
            text += static_cast<char>(Peek());
            Take();
        }
        if (!AtEnd()) {
            Take();
        }
        return text;
    }

private:
    static bool IsStop(unsigned char c, const char* stops) {
        for (; *stops != 0; ++stops) {
            if (c == static_cast<unsigned char>(*stops)) {
                return true;
            }
        }
        return false;
    }

    const std::vector<unsigned char>& bytes_;
    std::size_t pos_ = 0;
    std::int64_t line_ = 1;
};

void SplitOption(const std::string& part, PpdLineStatement& statement) {
    const std::size_t slash = part.find('/');
    statement.bHasSlash = slash != std::string::npos;
    statement.option = TrimBlanks(part.substr(0, slash));
    if (statement.bHasSlash) {
        statement.translation = TrimBlanks(DecodeHex(part.substr(slash + 1)));
    }
}

PpdLineStatement ReadStatement(LineScanner& scanner) {
    PpdLineStatement statement;
    statement.nLine = scanner.Line();
    statement.keyword = scanner.TakeUntil(" \t:");
    scanner.SkipBlanks();
    if (!scanner.AtEnd() && scanner.Peek() != ':' && !IsLineEnd(scanner.Peek())) {
        SplitOption(scanner.TakeUntil(":"), statement);
    }
    if (scanner.Peek() != ':') {
        return statement;
    }
    statement.bHasColon = true;
    scanner.Take();
    scanner.SkipBlanks();
    if (scanner.Peek() == '"') {
        scanner.Take();
        statement.bQuoted = true;
        statement.value = scanner.TakeQuoted();
    } else {
        statement.value = TrimBlanks(scanner.TakeUntil(""));
    }
    return statement;
}

}  // namespace

std::vector<PpdLineStatement> ReadPpdLines(const std::vector<unsigned char>& bytes) {
    std::vector<PpdLineStatement> statements;
    LineScanner scanner(bytes);
    while (!scanner.AtEnd()) {
        if (scanner.Peek() == '*' && scanner.Peek(1) != '%') {
            statements.push_back(ReadStatement(scanner));
        }
        scanner.SkipLine();
    }
    return statements;
}

std::vector<std::string> SplitValueTokens(const std::string& value) {
    std::vector<std::string> tokens;
    std::string token;
    for (char c : value) {
        if (IsBlank(static_cast<unsigned char>(c)) || IsLineEnd(static_cast<unsigned char>(c))) {
            if (!token.empty()) {
                tokens.push_back(token);
                token.clear();
            }
        } else {
            token += c;
        }
    }
    if (!token.empty()) {
        tokens.push_back(token);
    }
    return tokens;
}

}  // namespace marlow
