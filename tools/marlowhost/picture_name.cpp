#include "picture_name.h"

namespace marlow::host {
namespace {

// The letters of U+00C0 to U+00FF in plain lower-case Latin; the two signs
// of the block (multiplication, division) separate words.
constexpr const char* kLatin1Letters[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// The plain lower-case letters c stands for; empty for anything else.
std::string ToPlainLetters(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9')) return std::string(1, char(c));
    if (c >= L'A' && c <= L'Z') return std::string(1, char(c - L'A' + 'a'));
    if (c >= 0x00C0 && c <= 0x00FF) return kLatin1Letters[c - 0x00C0];
    if (c == 0x0152 || c == 0x0153) return "oe";
    return std::string();
}

}  // namespace

std::wstring MakePictureSlug(const std::wstring& title) {
    std::wstring slug;
    for (wchar_t c : title) {
        const std::string letters = ToPlainLetters(c);
        if (!letters.empty()) {
            slug.append(letters.begin(), letters.end());
        } else if (!slug.empty() && slug.back() != L'-') {
            slug.push_back(L'-');
        }
    }
    while (!slug.empty() && slug.back() == L'-') slug.pop_back();
    return slug;
}

}  // namespace marlow::host
