#include "host/keystrokes.h"

#include <cwctype>

namespace marlow::host {
namespace {

struct NamedKey {
    const wchar_t* name;
    UINT virtualKey;
    bool extended;  // one of the keys beside the typing block
};

constexpr NamedKey kNamedKeys[] = {
    {L"tab", VK_TAB, false},      {L"enter", VK_RETURN, false}, {L"esc", VK_ESCAPE, false},
    {L"space", VK_SPACE, false},  {L"backspace", VK_BACK, false}, {L"down", VK_DOWN, true},
    {L"up", VK_UP, true},         {L"left", VK_LEFT, true},     {L"right", VK_RIGHT, true},
    {L"home", VK_HOME, true},     {L"end", VK_END, true},       {L"pgup", VK_PRIOR, true},
    {L"pgdn", VK_NEXT, true},     {L"del", VK_DELETE, true},    {L"f4", VK_F4, false},
};

std::wstring Trim(const std::wstring& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::iswspace(text[begin])) ++begin;
    while (end > begin && std::iswspace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::wstring ToLower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

bool IsExtendedKey(UINT virtualKey) {
    for (const NamedKey& key : kNamedKeys) {
        if (key.virtualKey == virtualKey) return key.extended;
    }
    return false;
}

// The keyboard state with Shift and Ctrl (left and either) down or up.
void HoldModifiers(bool shift, bool control) {
    BYTE state[256] = {};
    if (!GetKeyboardState(state)) return;
    const BYTE shiftState = shift ? 0x80 : 0;
    const BYTE controlState = control ? 0x80 : 0;
    state[VK_SHIFT] = state[VK_LSHIFT] = shiftState;
    state[VK_CONTROL] = state[VK_LCONTROL] = controlState;
    state[VK_MENU] = state[VK_LMENU] = 0;
    SetKeyboardState(state);
}

LPARAM MakeKeyData(UINT virtualKey, bool alt, bool up) {
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    DWORD data = 1 | ((scanCode & 0xFF) << 16);
    if (IsExtendedKey(virtualKey)) data |= 1u << 24;
    if (alt) data |= 1u << 29;
    if (up) data |= (1u << 30) | (1u << 31);
    return static_cast<LPARAM>(static_cast<LONG>(data));
}

}  // namespace

bool ParseKeyChord(const std::wstring& name, KeyChord* chord) {
    KeyChord parsed;
    std::wstring rest = name;
    for (;;) {
        const std::size_t plus = rest.find(L'+', 1);  // "+" alone is no chord
        if (plus == std::wstring::npos) break;
        const std::wstring modifier = ToLower(Trim(rest.substr(0, plus)));
        if (modifier == L"shift") {
            parsed.shift = true;
        } else if (modifier == L"ctrl") {
            parsed.control = true;
        } else if (modifier == L"alt") {
            parsed.alt = true;
        } else {
            return false;
        }
        rest = rest.substr(plus + 1);
    }
    const std::wstring key = ToLower(Trim(rest));
    if (key.size() == 1 && std::iswalnum(key[0]) && key[0] < 0x80) {
        parsed.virtualKey = static_cast<UINT>(std::towupper(key[0]));
    } else {
        for (const NamedKey& named : kNamedKeys) {
            if (key == named.name) parsed.virtualKey = named.virtualKey;
        }
    }
    if (parsed.virtualKey == 0) return false;
    *chord = parsed;
    return true;
}

std::wstring NameKeyChord(const KeyChord& chord) {
    std::wstring name;
    if (chord.control) name += L"Ctrl+";
    if (chord.alt) name += L"Alt+";
    if (chord.shift) name += L"Shift+";
    for (const NamedKey& named : kNamedKeys) {
        if (named.virtualKey == chord.virtualKey) {
            std::wstring key = named.name;
            key[0] = static_cast<wchar_t>(std::towupper(key[0]));
            return name + key;
        }
    }
    return name + static_cast<wchar_t>(chord.virtualKey);
}

void PostKeyChord(HWND fallback, const KeyChord& chord) {
    HWND target = GetFocus();
    if (target == nullptr || (target != fallback && !IsChild(fallback, target))) target = fallback;
    HoldModifiers(chord.shift, chord.control);
    // With Alt held a keyboard brings the system key messages; the loop's
    // TranslateMessage makes WM_SYSCHAR of them, which the dialog manager
    // takes for an accelerator.
    const UINT down = chord.alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    const UINT up = chord.alt ? WM_SYSKEYUP : WM_KEYUP;
    PostMessageW(target, down, chord.virtualKey, MakeKeyData(chord.virtualKey, chord.alt, false));
    PostMessageW(target, up, chord.virtualKey, MakeKeyData(chord.virtualKey, chord.alt, true));
}

void ReleaseModifierKeys() { HoldModifiers(false, false); }

}  // namespace marlow::host
