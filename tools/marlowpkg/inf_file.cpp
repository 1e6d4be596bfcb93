#include "inf_file.h"

#include <cstddef>
#include <map>

#include "utf8_append.h"

namespace marlow {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerCase(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) {
        c = LowerAscii(c);
    }
    return lower;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string DecodeUtf16(const std::vector<unsigned char>& bytes, bool bBigEndian) {
    std::string out;
    const std::size_t units = (bytes.size() - 2) / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const unsigned char a = bytes[2 + 2 * i];
        const unsigned char b = bytes[3 + 2 * i];
        std::uint32_t unit = bBigEndian ? (a << 8 | b) : (b << 8 | a);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < units) {
            const unsigned char c = bytes[4 + 2 * i];
            const unsigned char d = bytes[5 + 2 * i];
            const std::uint32_t low = bBigEndian ? (c << 8 | d) : (d << 8 | c);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            } else {
                unit = 0xFFFD;
            }
        } else if (unit >= 0xD800 && unit < 0xE000) {
            unit = 0xFFFD;
        }
        AppendUtf8(out, unit);
    }
    return out;
}

// A logical line: physical lines joined where one ended in '\'.
struct RawLine {
    int nLine;
    std::string text;
};

// Where the line's content ends: at a ';' outside quotes, or its end.
std::size_t FindContentEnd(const std::string& text) {
    bool bInQuote = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            bInQuote = !bInQuote;
        } else if (text[i] == ';' && !bInQuote) {
            return i;
        }
    }
    return text.size();
}

std::vector<RawLine> SplitLines(const std::string& text) {
    std::vector<RawLine> lines;
    std::string pending;
    int nPendingLine = 0;
    int nLine = 1;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string physical = text.substr(start, end - start);
        if (pending.empty()) {
            nPendingLine = nLine;
        }
        const std::size_t contentEnd = FindContentEnd(physical);
        std::size_t last = contentEnd;
        while (last > 0 && IsBlank(physical[last - 1])) {
            --last;
        }
        if (last > 0 && physical[last - 1] == '\\' && contentEnd == physical.size()) {
            pending += physical.substr(0, last - 1);
        } else {
            pending += physical;
            lines.push_back({nPendingLine, pending});
            pending.clear();
        }
        if (end == text.size()) {
            break;
        }
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
        ++nLine;
    }
    if (!pending.empty()) {
        lines.push_back({nPendingLine, pending});
    }
    return lines;
}

using StringTable = std::map<std::string, std::string>;  // lower-case name -> value

// Splits one entry into key and fields, substituting strings when a table
// is given.
class EntryScanner {
public:
    EntryScanner(const StringTable* pStrings, int nLine, std::vector<InfProblem>& problems)
        : pStrings_(pStrings), nLine_(nLine), problems_(problems) {}

    InfLine Scan(const std::string& text) {
        InfLine line;
        line.nLine = nLine_;
        bool bInQuote = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '"') {
                if (bInQuote && i + 1 < text.size() && text[i + 1] == '"') {
                    AppendProtected("\"");
                    ++i;
                } else {
                    bInQuote = !bInQuote;
                    bQuoted_ = true;
                    protectedLength_ = token_.size();
                }
            } else if (c == '%' && pStrings_ != nullptr) {
                i = Substitute(text, i);
            } else if (bInQuote) {
                AppendProtected(std::string(1, c));
            } else if (c == ';') {
                break;
            } else if (c == '=' && !line.bHasKey && line.fields.empty()) {
                line.bHasKey = true;
                line.key = TakeToken();
            } else if (c == ',') {
                line.quoted.push_back(bQuoted_);
                line.fields.push_back(TakeToken());
            } else if (!(IsBlank(c) && token_.empty())) {
                token_ += c;
            }
        }
        if (bInQuote) {
            problems_.push_back({nLine_, "a quoted string is not closed on this line"});
        }
        if (!token_.empty() || bQuoted_ || !line.fields.empty() || line.bHasKey) {
            line.quoted.push_back(bQuoted_);
            line.fields.push_back(TakeToken());
        }
        return line;
    }

private:
    void AppendProtected(const std::string& text) {
        token_ += text;
        protectedLength_ = token_.size();
    }

    // At text[at] == '%': appends what the reference stands for; answers the
    // index of its last character.
    std::size_t Substitute(const std::string& text, std::size_t at) {
        const std::size_t close = text.find('%', at + 1);
        if (close == std::string::npos) {
            AppendProtected("%");
            return at;
        }
        if (close == at + 1) {
            AppendProtected("%");
            return close;
        }
        const std::string name = text.substr(at + 1, close - at - 1);
        const auto found = pStrings_->find(LowerCase(name));
        if (found == pStrings_->end()) {
            problems_.push_back({nLine_, "%" + name + "% is not defined in [Strings]"});
            AppendProtected("%" + name + "%");
        } else {
            AppendProtected(found->second);
        }
        return close;
    }

    std::string TakeToken() {
        std::size_t length = token_.size();
        while (length > protectedLength_ && IsBlank(token_[length - 1])) {
            --length;
        }
        std::string taken = token_.substr(0, length);
        token_.clear();
        protectedLength_ = 0;
        bQuoted_ = false;
        return taken;
    }

    const StringTable* pStrings_;
    int nLine_;
    std::vector<InfProblem>& problems_;
    std::string token_;
    std::size_t protectedLength_ = 0;
    bool bQuoted_ = false;
};

bool IsEmptyEntry(const std::string& text) {
    const std::size_t end = FindContentEnd(text);
    for (std::size_t i = 0; i < end; ++i) {
        if (!IsBlank(text[i])) {
            return false;
        }
    }
    return true;
}

// "[name]" with nothing but blanks or a comment after it; false when the
// line is no section header.
bool ReadHeader(const RawLine& raw, std::string& name, std::vector<InfProblem>& problems) {
    std::size_t at = 0;
    while (at < raw.text.size() && IsBlank(raw.text[at])) {
        ++at;
    }
    if (at == raw.text.size() || raw.text[at] != '[') {
        return false;
    }
    const std::size_t close = raw.text.find(']', at);
    if (close == std::string::npos) {
        problems.push_back({raw.nLine, "the section header has no closing ']'"});
        name = raw.text.substr(at + 1);
        return true;
    }
    name = raw.text.substr(at + 1, close - at - 1);
    if (!IsEmptyEntry(raw.text.substr(close + 1))) {
        problems.push_back({raw.nLine, "text follows the section header [" + name + "]"});
    }
    return true;
}

}  // namespace

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::string DecodeTextFile(const std::vector<unsigned char>& bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        return DecodeUtf16(bytes, false);
    }
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        return DecodeUtf16(bytes, true);
    }
    std::size_t skip = 0;
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        skip = 3;
    }
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(skip), bytes.end());
}

const InfSection* InfFile::FindSection(const std::string& name) const {
    for (const InfSection& section : sections_) {
        if (EqualsIgnoringCase(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

const InfLine* InfFile::FindLine(const std::string& section, const std::string& key) const {
    const InfSection* found = FindSection(section);
    if (found == nullptr) {
        return nullptr;
    }
    for (const InfLine& line : found->lines) {
        if (line.bHasKey && EqualsIgnoringCase(line.key, key)) {
            return &line;
        }
    }
    return nullptr;
}

InfFile ReadInfFile(const std::vector<unsigned char>& bytes) {
    const std::vector<RawLine> rawLines = SplitLines(DecodeTextFile(bytes));
    InfFile file;

    // First the strings, which every other line may refer to.
    StringTable strings;
    std::vector<InfProblem> ignored;
    bool bInStrings = false;
    for (const RawLine& raw : rawLines) {
        std::string name;
        if (ReadHeader(raw, name, ignored)) {
            bInStrings = EqualsIgnoringCase(name, "Strings");
        } else if (bInStrings && !IsEmptyEntry(raw.text)) {
            InfLine line = EntryScanner(nullptr, raw.nLine, ignored).Scan(raw.text);
            if (line.bHasKey && !line.fields.empty()) {
                strings.emplace(LowerCase(line.key), line.fields[0]);
            }
        }
    }

    for (const RawLine& raw : rawLines) {
        std::string name;
        if (ReadHeader(raw, name, file.problems_)) {
            file.sections_.push_back({name, raw.nLine, {}});
            continue;
        }
        if (IsEmptyEntry(raw.text)) {
            continue;
        }
        if (file.sections_.empty()) {
            file.problems_.push_back({raw.nLine, "a line outside any section"});
            continue;
        }
        InfSection& section = file.sections_.back();
        const bool bStrings = EqualsIgnoringCase(section.name, "Strings");
        section.lines.push_back(
            EntryScanner(bStrings ? nullptr : &strings, raw.nLine, file.problems_).Scan(raw.text));
    }
    return file;
}

}  // namespace marlow
