#include "monkey.h"

#include "control_lookup.h"

#include "host/compstui_sheet.h"
#include "platform/property_sheet.h"

#include <algorithm>
#include <cwctype>

namespace marlow::host {
namespace {

// Keys a user presses, as the key step names them. Enter and Esc close the
// sheet like OK and Cancel.
const wchar_t* const kKeys[] = {L"Tab",  L"Shift+Tab", L"Ctrl+Tab", L"Down",  L"Up",    L"Left",  L"Right",
                                L"Home", L"End",       L"PgUp",     L"PgDn",  L"Space", L"Enter", L"Esc",
                                L"Backspace", L"Del",  L"A",     L"7",     L"Alt+B", L"Alt+K",
                                L"Alt+O", L"Alt+S",    L"Alt+W",    L"Alt+R", L"Alt+E"};

// Pieces of text a user types or pastes.
const wchar_t* const kWords[] = {L"anna", L"Quarterly", L"1234", L"0", L"job 7", L"s3cret!", L"\"q\"", L"50%",
                                 L"caf\u00e9", L"\u65e5\u672c\u8a9e", L"\u0416\u0443\u043a", L"\U0001F600",
                                 L"\t", L"\r\n", L"\u0003\u0016\u0018", L"\u0008", L"  ", L"~`!@#$^&*()"};

std::wstring ReadClass(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    std::wstring text = name;
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

struct PageControls {
    std::vector<HWND> buttons, choices, edits;
};

BOOL CALLBACK NoteControl(HWND window, LPARAM data) {
    auto& controls = *reinterpret_cast<PageControls*>(data);
    if (GetDlgCtrlID(window) <= 0 || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    const std::wstring name = ReadClass(window);
    if (name == L"button") {
        const LONG style = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
        if (style != BS_GROUPBOX) controls.buttons.push_back(window);
    } else if (name == L"combobox" || name == L"comboboxex32") {
        controls.choices.push_back(window);
    } else if (name == L"edit") {
        controls.edits.push_back(window);
    }
    return TRUE;
}

// The page's own controls (its direct children).
PageControls FindPageControls(HWND page) {
    PageControls controls;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        NoteControl(child, reinterpret_cast<LPARAM>(&controls));
    }
    return controls;
}

std::wstring NameById(HWND control) { return std::to_wstring(GetDlgCtrlID(control)); }

std::wstring ToLower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

}  // namespace

Monkey::Monkey(std::uint32_t seed, unsigned long steps) : engine_(seed), budget_(steps) {}

void Monkey::UseSheet(HostSheet& records, DriverItemsPage& itemsPage) {
    records_ = &records;
    itemsPage_ = &itemsPage;
}

ScriptStep Monkey::MakeStep(const std::wstring& verb, std::vector<std::wstring> arguments) {
    ScriptStep step;
    step.verb = verb;
    step.arguments = std::move(arguments);
    step.text = WriteScriptLine(step.verb, step.arguments);
    return step;
}

ScriptStep Monkey::TakeNewSheet() { return MakeStep(L"new-sheet", {}); }

std::wstring Monkey::MakeText() {
    std::wstring text;
    const std::uint32_t kind = Below(10);
    if (kind == 0) return text;  // an empty field
    const std::uint32_t pieces = kind < 8 ? 1 + Below(3) : 6 + Below(12);  // now and then far too long
    for (std::uint32_t i = 0; i < pieces; ++i) {
        if (Chance(50)) {
            text += kWords[Below(sizeof(kWords) / sizeof(kWords[0]))];
        } else {
            const std::uint32_t length = 1 + Below(8);
            for (std::uint32_t c = 0; c < length; ++c) {
                const std::uint32_t roll = Below(10);
                text.push_back(roll < 4   ? static_cast<wchar_t>(L'a' + Below(26))
                               : roll < 6 ? static_cast<wchar_t>(L'0' + Below(10))
                               : roll < 7 ? L' '
                               : roll < 8 ? static_cast<wchar_t>(0x21 + Below(0x5E))
                               : roll < 9 ? static_cast<wchar_t>(0xA0 + Below(0x2000))
                                          : static_cast<wchar_t>(1 + Below(0x1F)));
            }
        }
    }
    return text;
}

bool Monkey::TakeItemStep(ScriptStep* step) {
    ItemArray& items = records_->Items();
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < items.Count(); ++i) {
        const OPTITEM& item = items[i];
        if (item.pOptType == nullptr || item.pOptType->Count == 0) continue;
        // The items page finds an item by its name: the first of that name.
        const std::wstring name = ToLower(ItemArray::DescribeName(item));
        bool bFirst = true;
        for (std::size_t j = 0; j < i; ++j) bFirst = bFirst && ToLower(ItemArray::DescribeName(items[j])) != name;
        if (bFirst && (item.Flags & (OPTIF_HIDE | OPTIF_DISABLED)) == 0) open.push_back(i);
    }
    if (open.empty()) return false;
    const OPTITEM& item = items[open[Below(static_cast<std::uint32_t>(open.size()))]];
    const WORD choice = static_cast<WORD>(Below(item.pOptType->Count));
    *step = MakeStep(L"item", {ItemArray::DescribeName(item), ItemArray::DescribeText(item.pOptType->pOptParam[choice].pData)});
    return true;
}

bool Monkey::TakeControlStep(HWND page, ScriptStep* step) {
    const PageControls controls = FindPageControls(page);
    const std::uint32_t total =
        static_cast<std::uint32_t>(controls.buttons.size() + controls.choices.size() + controls.edits.size());
    if (total == 0) return false;
    std::uint32_t pick = Below(total);
    if (pick < controls.buttons.size()) {
        *step = MakeStep(L"click", {NameById(controls.buttons[pick])});
        return true;
    }
    pick -= static_cast<std::uint32_t>(controls.buttons.size());
    if (pick < controls.choices.size()) {
        const std::vector<std::wstring> entries = ReadEntries(controls.choices[pick]);
        if (entries.empty()) return false;
        *step = MakeStep(L"select", {NameById(controls.choices[pick]),
                                     entries[Below(static_cast<std::uint32_t>(entries.size()))]});
        return true;
    }
    pick -= static_cast<std::uint32_t>(controls.choices.size());
    *step = MakeStep(Chance(20) ? L"paste" : L"type", {NameById(controls.edits[pick]), MakeText()});
    return true;
}

bool Monkey::TakeStep(HWND sheet, ScriptStep* step) {
    if (!HasStepsLeft()) return false;
    ++taken_;
    const std::uint32_t roll = Below(1000);
    const std::vector<std::wstring> titles = ReadTabTitles(sheet);
    if (roll < 100 && !titles.empty()) {
        *step = MakeStep(L"page", {titles[Below(static_cast<std::uint32_t>(titles.size()))]});
        return true;
    }
    if (roll < 140) {
        *step = MakeStep(L"apply", {});
        return true;
    }
    if (roll < 155) {
        *step = MakeStep(L"ok", {});
        return true;
    }
    if (roll < 170) {
        *step = MakeStep(L"cancel", {});
        return true;
    }
    if (roll < 240) {
        *step = MakeStep(L"key", {kKeys[Below(sizeof(kKeys) / sizeof(kKeys[0]))]});
        return true;
    }
    HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (page != nullptr && itemsPage_ != nullptr && page == itemsPage_->Window()) {
        if (TakeItemStep(step)) return true;
    } else if (page != nullptr && TakeControlStep(page, step)) {
        return true;
    }
    *step = MakeStep(L"apply", {});
    return true;
}

}  // namespace marlow::host
