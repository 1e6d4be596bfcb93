#include "host/printer_ppd.h"

#include "platform/win32_handles.h"

#include <map>

namespace marlow::host {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsSpace(text[first])) ++first;
    while (last > first && IsSpace(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::string WithoutAsterisk(const std::string& keyword) {
    return !keyword.empty() && keyword[0] == '*' ? keyword.substr(1) : keyword;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A translation string may carry bytes as hex pairs between angle brackets
// ("Rotate By 180<B0>").
std::string DecodeHexSubstrings(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '<') {
            bytes.push_back(text[i]);
            continue;
        }
        const std::size_t close = text.find('>', i);
        if (close == std::string::npos) {
            bytes.append(text, i, std::string::npos);
            break;
        }
        int high = -1;
        for (std::size_t k = i + 1; k < close; ++k) {
            const int digit = HexValue(text[k]);
            if (digit < 0) continue;  // spaces may separate the pairs
            if (high < 0) {
                high = digit;
            } else {
                bytes.push_back(static_cast<char>(high * 16 + digit));
                high = -1;
            }
        }
        i = close;
    }
    return bytes;
}

// One statement line: "*Main Option/Translation: Value" or "*Main: Value".
struct Statement {
    std::string main;         // without asterisk
    std::string option;       // may be empty
    std::string translation;  // raw bytes, hex pairs decoded; may be empty
    std::string value;        // trimmed
};

Statement ParseStatement(const std::string& line) {
    Statement statement;
    std::size_t i = 1;
    while (i < line.size() && !IsSpace(line[i]) && line[i] != ':') ++i;
    statement.main = line.substr(1, i - 1);
    const std::size_t colon = line.find(':', i);
    const std::string key = Trim(line.substr(i, colon == std::string::npos ? std::string::npos : colon - i));
    const std::size_t slash = key.find('/');
    statement.option = Trim(key.substr(0, slash));
    if (slash != std::string::npos) {
        statement.translation = DecodeHexSubstrings(key.substr(slash + 1));
    }
    if (colon != std::string::npos) {
        statement.value = Trim(line.substr(colon + 1));
    }
    return statement;
}

// Whether a value opens a quoted string that the line does not close.
bool OpensMultiLineValue(const std::string& value) {
    if (value.empty() || value[0] != '"') return false;
    return value.find('"', 1) == std::string::npos;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + ' ') {
        if (IsSpace(c)) {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    return words;
}

// "*F1 O1 *F2 O2", either option may be left out.
bool ParseConstraint(const std::string& value, PpdUiConstraint& constraint) {
    const std::vector<std::string> words = SplitWords(value);
    std::string* fields[] = {&constraint.feature1, &constraint.option1, &constraint.feature2,
                             &constraint.option2};
    std::size_t field = 0;
    for (const std::string& word : words) {
        if (word[0] == '*') {
            if (field % 2 == 1) ++field;  // the previous feature had no option
            if (field > 2) return false;
            *fields[field++] = word.substr(1);
        } else {
            if (field % 2 == 0) return false;  // an option before its feature
            *fields[field++] = word;
        }
    }
    return !constraint.feature1.empty() && !constraint.feature2.empty();
}

class PpdLineReader {
public:
    PrinterPpd Read(const std::string& bytes) {
        for (const std::string& line : SplitLines(bytes)) {
            ReadLine(line);
        }
        for (PpdUiFeature& feature : ppd_.features) {
            const auto found = defaults_.find(feature.keyword);
            if (found != defaults_.end()) feature.defaultChoice = found->second;
        }
        return std::move(ppd_);
    }

private:
    void ReadLine(const std::string& line) {
        if (inQuotedValue_) {
            if (line.find('"') != std::string::npos) inQuotedValue_ = false;
            return;
        }
        if (line.size() < 2 || line[0] != '*' || line[1] == '%') {
            return;  // blank, comment, or not a statement
        }
        const Statement statement = ParseStatement(line);
        inQuotedValue_ = OpensMultiLineValue(statement.value);
        Apply(statement);
    }

    void Apply(const Statement& s) {
        if (s.main == "OpenGroup") {
            groups_.push_back(Trim(s.value.substr(0, s.value.find('/'))));
        } else if (s.main == "CloseGroup") {
            if (!groups_.empty()) groups_.pop_back();
        } else if (s.main == "OpenUI" || s.main == "JCLOpenUI") {
            OpenBlock(s);
        } else if (s.main == "CloseUI" || s.main == "JCLCloseUI") {
            openBlock_ = -1;
        } else if (s.main == "UIConstraints") {
            PpdUiConstraint constraint;
            if (ParseConstraint(s.value, constraint)) ppd_.constraints.push_back(constraint);
        } else if (s.main.compare(0, 7, "Default") == 0 && s.option.empty()) {
            defaults_[s.main.substr(7)] = s.value;  // the last one counts
        } else if (openBlock_ >= 0 && !s.option.empty() &&
                   s.main == ppd_.features[static_cast<std::size_t>(openBlock_)].keyword) {
            PpdChoice choice;
            choice.keyword = s.option;
            choice.translation = DecodeAnsiText(s.translation.empty() ? s.option : s.translation);
            ppd_.features[static_cast<std::size_t>(openBlock_)].choices.push_back(choice);
        }
    }

    void OpenBlock(const Statement& s) {
        PpdUiFeature feature;
        feature.keyword = WithoutAsterisk(s.option);
        if (feature.keyword.empty()) {
            openBlock_ = -1;
            return;
        }
        feature.translation =
            DecodeAnsiText(s.translation.empty() ? feature.keyword : s.translation);
        feature.group = groups_.empty() ? std::string() : groups_.back();
        ppd_.features.push_back(feature);
        openBlock_ = static_cast<int>(ppd_.features.size()) - 1;
    }

    PrinterPpd ppd_;
    std::vector<std::string> groups_;
    std::map<std::string, std::string> defaults_;
    int openBlock_ = -1;
    bool inQuotedValue_ = false;
};

}  // namespace

int PpdUiFeature::DefaultIndex() const {
    const int index = FindChoice(defaultChoice);
    return index < 0 ? 0 : index;
}

int PpdUiFeature::FindChoice(const std::string& keyword) const {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].keyword == keyword) return static_cast<int>(i);
    }
    return -1;
}

const PpdUiFeature* PrinterPpd::FindFeature(const std::string& keyword) const {
    for (const PpdUiFeature& feature : features) {
        if (feature.keyword == keyword) return &feature;
    }
    return nullptr;
}

const PpdUiFeature* PrinterPpd::FindFeatureByTranslation(const std::wstring& translation) const {
    for (const PpdUiFeature& feature : features) {
        if (feature.translation == translation) return &feature;
    }
    return nullptr;
}

std::wstring DecodeAnsiText(const std::string& bytes) {
    if (bytes.empty()) return std::wstring();
    const int size = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0) MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, &text[0], units);
    return text;
}

PrinterPpd ParsePrinterPpd(const std::string& bytes) { return PpdLineReader().Read(bytes); }

bool ReadPrinterPpd(const std::wstring& path, PrinterPpd& ppd) {
    const UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    ppd = ParsePrinterPpd(bytes);
    return true;
}

}  // namespace marlow::host
