#include "script.h"

#include "platform/unique_c_file.h"
#include "platform/windows_sdk.h"

#include <cstdio>

namespace marlow::host {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

std::wstring TrimBlanks(const std::wstring& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::wstring DecodeUtf8(const std::string& bytes) {
    if (bytes.empty()) return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                                           nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], length);
    return text;
}

// Four hex digits at text[at]: one UTF-16 unit.
bool ReadHexUnit(const std::wstring& text, std::size_t at, unsigned* unit) {
    if (at + 4 > text.size()) return false;
    *unit = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        const wchar_t c = text[i];
        const int digit = c >= L'0' && c <= L'9' ? c - L'0'
                          : c >= L'a' && c <= L'f' ? c - L'a' + 10
                          : c >= L'A' && c <= L'F' ? c - L'A' + 10
                                                    : -1;
        if (digit < 0) return false;
        *unit = *unit * 16 + static_cast<unsigned>(digit);
    }
    return true;
}

}  // namespace

std::wstring WriteScriptLine(const std::wstring& verb, const std::vector<std::wstring>& arguments) {
    static const wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring line = verb;
    for (const std::wstring& argument : arguments) {
        line += L" \"";
        for (wchar_t c : argument) {
            if (c == L'"' || c == L'\\') {
                line += L'\\';
                line += c;
            } else if (c < 0x20 || c == 0x7F || (c >= 0xD800 && c <= 0xDFFF)) {
                line += L"\\u";
                for (int shift = 12; shift >= 0; shift -= 4) line += kHex[(c >> shift) & 0xF];
            } else {
                line += c;
            }
        }
        line += L'"';
    }
    return line;
}

bool ParseScriptLine(const std::wstring& line, int lineNumber, ScriptStep* step,
                     std::wstring* problem) {
    *step = ScriptStep();
    step->line = lineNumber;
    step->text = TrimBlanks(line);
    if (step->text.empty() || step->text[0] == L'#') return true;

    std::vector<std::wstring> words;
    const std::wstring& text = step->text;
    for (std::size_t i = 0; i < text.size();) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        std::wstring word;
        if (text[i] == L'"') {
            std::size_t j = i + 1;
            for (; j < text.size() && text[j] != L'"'; ++j) {
                unsigned unit = 0;
                if (text[j] == L'\\' && j + 1 < text.size() && text[j + 1] == L'u' && ReadHexUnit(text, j + 2, &unit)) {
                    word.push_back(static_cast<wchar_t>(unit));
                    j += 5;
                    continue;
                }
                if (text[j] == L'\\' && j + 1 < text.size() && (text[j + 1] == L'"' || text[j + 1] == L'\\')) ++j;
                word.push_back(text[j]);
            }
            if (j >= text.size()) {
                *problem = L"a quote is not closed";
                return false;
            }
            i = j + 1;
        } else {
            for (; i < text.size() && !IsBlank(text[i]); ++i) word.push_back(text[i]);
        }
        words.push_back(word);
    }
    step->verb = words.front();
    step->arguments.assign(words.begin() + 1, words.end());
    return true;
}

bool LoadScriptFile(const std::wstring& path, std::vector<ScriptStep>* steps, std::wstring* problem) {
    const UniqueCFile file(_wfopen(path.c_str(), L"rb"));
    if (!file) {
        *problem = L"cannot open the script " + path;
        return false;
    }
    std::string bytes;
    for (int c = std::fgetc(file.Get()); c != EOF; c = std::fgetc(file.Get())) {
        bytes.push_back(static_cast<char>(c));
    }
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
    const std::wstring text = DecodeUtf8(bytes);
    int lineNumber = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        ++lineNumber;
        ScriptStep step;
        std::wstring lineProblem;
        if (!ParseScriptLine(text.substr(start, end - start), lineNumber, &step, &lineProblem)) {
            *problem = path + L" line " + std::to_wstring(lineNumber) + L": " + lineProblem;
            return false;
        }
        if (!step.verb.empty()) steps->push_back(step);
        start = end + 1;
    }
    return true;
}

std::wstring NameStep(const ScriptStep& step) {
    const std::wstring where = step.line > 0 ? L"line " + std::to_wstring(step.line) : L"-e";
    return where + L" (" + step.text + L")";
}

}  // namespace marlow::host
