#include "sheet_checks.h"

#include "control_lookup.h"

#include "host/compstui_sheet.h"
#include "host/page_driving.h"
#include "platform/property_sheet.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace marlow::host {
namespace {

// The Extended Settings page's controls and texts.
constexpr int kReserveJob = 10006;
constexpr int kReprint = 10010;
constexpr int kVerify = 10011;
constexpr int kConfidential = 10012;
constexpr int kJobPassword = 10014;
constexpr int kJobUserName = 10016;
constexpr int kJobName = 10018;
constexpr UINT kErrorCaption = 25001;
constexpr UINT kNamesMissing = 25010;
constexpr UINT kConfidentialMissing = 25011;

// The Layout page's bound controls.
constexpr int kOrientationList = 11004;
constexpr int kDuplexList = 11006;
constexpr int kPageOrderList = 11008;
constexpr int kBookletRadio = 11011;
constexpr int kPagesPerSheetList = 11012;
constexpr int kDirectionList = 11014;
constexpr int kBindingEdgeList = 11016;
constexpr LONG kBookletChoice = 6;

constexpr std::size_t kSectionSize = 172;
constexpr DWORD kSignature = 0x51565053;

DWORD ReadU32(const unsigned char* p) {
    return static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 | static_cast<DWORD>(p[2]) << 16 |
           static_cast<DWORD>(p[3]) << 24;
}

struct TextField {
    std::size_t offset;
    std::size_t units;
    const wchar_t* name;
    bool (*passes)(wchar_t);
};

bool PassesName(wchar_t c) { return c >= 0x20 && c <= 0x7E && c != 0x22 && c != 0x25; }
bool PassesAccessPassword(wchar_t c) { return c >= 0x21 && c <= 0x7E; }
bool PassesJobPassword(wchar_t c) { return c >= L'0' && c <= L'9'; }

const TextField kTextFields[] = {{24, 15, L"job user name", PassesName},
                                 {54, 15, L"job name", PassesName},
                                 {84, 5, L"job password", PassesJobPassword},
                                 {94, 15, L"access user name", PassesName},
                                 {124, 21, L"access password", PassesAccessPassword}};

std::wstring LoadPluginString(HMODULE module, UINT id) {
    wchar_t text[512] = {};
    LoadStringW(module, id, text, 512);
    return text;
}

HWND FindCurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

bool IsChecked(HWND page, int id) { return SendDlgItemMessageW(page, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// The box the Extended Settings page's fields call for when it is left: 0
// when they are complete.
UINT FindDueMessage(HWND page) {
    if (!IsChecked(page, kReserveJob)) return 0;
    const bool bNames = !ReadControlText(page, kJobUserName).empty() && !ReadControlText(page, kJobName).empty();
    if (IsChecked(page, kReprint) || IsChecked(page, kVerify)) return bNames ? 0 : kNamesMissing;
    if (IsChecked(page, kConfidential)) {
        return bNames && !ReadControlText(page, kJobPassword).empty() ? 0 : kConfidentialMissing;
    }
    return 0;
}

std::wstring Describe(const OPTITEM& item) { return L"item \"" + ItemArray::DescribeName(item) + L"\""; }

}  // namespace

SheetChecks::SheetChecks(HostSheet& records, HMODULE pluginModule, MessageBoxCatcher& catcher,
                         std::set<wchar_t>& pastedCharacters)
    : records_(records), pluginModule_(pluginModule), catcher_(catcher), pasted_(pastedCharacters) {}

void SheetChecks::NoteHiddenItems() {
    ItemArray& items = records_.Items();
    for (std::size_t i = 0; i < items.Count(); ++i) {
        if ((items[i].Flags & OPTIF_HIDE) != 0) hidden_.insert(i);
    }
}

void SheetChecks::BeforeStep(HWND sheet, const ScriptStep& step) {
    boxesBefore_ = catcher_.Boxes().size();
    if (step.verb == L"paste" && step.arguments.size() == 2) {
        pasted_.insert(step.arguments[1].begin(), step.arguments[1].end());
    }
    HWND page = FindCurrentPage(sheet);
    const bool bOnJobPage = page != nullptr && GetDlgItem(page, kReserveJob) != nullptr;
    // The host selects a page with PSM_SETCURSEL, which asks the page shown
    // to let go even when it is the page asked for.
    const bool bOtherPage = step.verb == L"page";
    bLeavesJobPage_ = bOnJobPage && (bOtherPage || step.verb == L"apply" || step.verb == L"ok");
    // A key may press a button of the sheet, or switch pages.
    bMayLeaveJobPage_ = bLeavesJobPage_ || (bOnJobPage && step.verb == L"key");
    dueMessage_ = bOnJobPage ? FindDueMessage(page) : 0;
}

std::wstring SheetChecks::CheckBoxes(const ScriptStep& step) const {
    const std::vector<CaughtMessageBox> boxes = catcher_.Boxes();
    const std::size_t shown = boxes.size() - boxesBefore_;
    const std::wstring caption = LoadPluginString(pluginModule_, kErrorCaption);
    const std::wstring due = dueMessage_ != 0 ? LoadPluginString(pluginModule_, dueMessage_) : std::wstring();
    for (std::size_t i = boxesBefore_; i < boxes.size(); ++i) {
        if (boxes[i].caption != caption ||
            (boxes[i].text != LoadPluginString(pluginModule_, kNamesMissing) &&
             boxes[i].text != LoadPluginString(pluginModule_, kConfidentialMissing))) {
            return L"a message box that is not the page's own: \"" + boxes[i].caption + L": " + boxes[i].text + L"\"";
        }
        if (!bMayLeaveJobPage_ || dueMessage_ == 0) {
            return L"the box \"" + boxes[i].text + L"\" although the fields call for none";
        }
        if (boxes[i].text != due) return L"the box \"" + boxes[i].text + L"\" where the fields call for \"" + due + L"\"";
    }
    if (bLeavesJobPage_ && dueMessage_ != 0 && shown != 1) {
        return L"leaving the page with incomplete fields showed " + std::to_wstring(shown) + L" boxes, not one";
    }
    (void)step;
    return std::wstring();
}

std::wstring SheetChecks::CheckPrivateSection() const {
    if (records_.PrivateSectionSize() < kSectionSize) return L"the private section is shorter than 172 bytes";
    const unsigned char* section = records_.PrivateSection();
    if (ReadU32(section) != kSectionSize) return L"the private section's size is " + std::to_wstring(ReadU32(section));
    if (ReadU32(section + 4) != kSignature) return L"the private section's signature is wrong";
    if (ReadU32(section + 8) != 2) return L"the private section's version is " + std::to_wstring(ReadU32(section + 8));
    const DWORD jobType = ReadU32(section + 20);
    if (jobType != 0 && jobType != 1 && jobType != 2 && jobType != 4) {
        return L"the stored-job type is " + std::to_wstring(jobType);
    }
    for (const TextField& field : kTextFields) {
        bool bTerminated = false;
        for (std::size_t i = 0; i < field.units && !bTerminated; ++i) {
            const wchar_t unit = static_cast<wchar_t>(section[field.offset + 2 * i] | section[field.offset + 2 * i + 1] << 8);
            if (unit == 0) {
                bTerminated = true;
            } else if (!field.passes(unit) && pasted_.count(unit) == 0) {
                return std::wstring(L"the ") + field.name + L" holds a character no filter lets through and none was pasted";
            }
        }
        if (!bTerminated) return std::wstring(L"the ") + field.name + L" runs to its field's end without a terminator";
    }
    return std::wstring();
}

std::wstring SheetChecks::CheckItems() const {
    ItemArray& items = records_.Items();
    const OPTITEM* nup = nullptr;
    const OPTITEM* duplex = nullptr;
    for (std::size_t i = 0; i < items.Count(); ++i) {
        const OPTITEM& item = items[i];
        if (item.pOptType != nullptr && item.pOptType->Count > 0 &&
            (item.Sel < 0 || item.Sel >= static_cast<LONG>(item.pOptType->Count))) {
            return Describe(item) + L" stands at choice " + std::to_wstring(item.Sel) + L" of " +
                   std::to_wstring(item.pOptType->Count);
        }
        if (hidden_.count(i) != 0 && (item.Flags & OPTIF_HIDE) == 0) return Describe(item) + L" came out of hiding";
        if (item.DMPubID == DMPUB_NUP && nup == nullptr && item.pOptType != nullptr) nup = &item;
        if (item.DMPubID == DMPUB_DUPLEX && duplex == nullptr && item.pOptType != nullptr) duplex = &item;
    }
    if (nup != nullptr && duplex != nullptr && nup->Sel == kBookletChoice && duplex->Sel == 0) {
        return L"booklet with one-sided printing";
    }
    return std::wstring();
}

std::wstring SheetChecks::CheckLayoutPage(HWND page) const {
    ItemArray& items = records_.Items();
    bool bFullSet = false;
    for (std::size_t i = 0; i < items.Count(); ++i) bFullSet = bFullSet || items[i].DMPubID == DMPUB_PAGEORDER;
    struct Binding {
        BYTE dmPubId;
        int list;
        LONG most;
        const wchar_t* name;
    };
    const Binding bindings[] = {{DMPUB_ORIENTATION, kOrientationList, 3, L"orientation"},
                                {DMPUB_DUPLEX, kDuplexList, 3, L"two-sided"},
                                {DMPUB_PAGEORDER, kPageOrderList, 2, L"page order"},
                                {18 /* DMPUB_NUP_DIRECTION */, kDirectionList, 4, L"pages per sheet layout"},
                                {21 /* DMPUB_BOOKLET_EDGE */, kBindingEdgeList, 2, L"binding edge"}};
    for (const Binding& binding : bindings) {
        const OPTITEM* item = items.FindByDmPubId(binding.dmPubId);
        HWND list = GetDlgItem(page, binding.list);
        if (item == nullptr || item->pOptType == nullptr || list == nullptr || !IsWindowVisible(list)) continue;
        const LONG options = std::min<LONG>(item->pOptType->Count, binding.most);
        // A list that leaves out ruled-out choices shows fewer entries than
        // the item has; only a full list is read position for choice.
        if (SendMessageW(list, CB_GETCOUNT, 0, 0) != options || item->Sel >= options) continue;
        const LRESULT shown = SendMessageW(list, CB_GETCURSEL, 0, 0);
        if (shown != item->Sel) {
            return std::wstring(L"the Layout page's ") + binding.name + L" list shows entry " + std::to_wstring(shown) +
                   L" while the item stands at " + std::to_wstring(item->Sel);
        }
    }
    const OPTITEM* nup = items.FindByDmPubId(DMPUB_NUP);
    if (nup != nullptr && nup->pOptType != nullptr && bFullSet) {
        const bool bBooklet = IsChecked(page, kBookletRadio);
        if (bBooklet != (nup->Sel == kBookletChoice)) {
            return L"the Layout page's booklet button says " + std::wstring(bBooklet ? L"on" : L"off") +
                   L" while pages per sheet stands at " + std::to_wstring(nup->Sel);
        }
        HWND list = GetDlgItem(page, kPagesPerSheetList);
        const LONG entries = std::min<LONG>(nup->pOptType->Count, 6);
        if (!bBooklet && nup->Sel < entries && SendMessageW(list, CB_GETCOUNT, 0, 0) == entries &&
            SendMessageW(list, CB_GETCURSEL, 0, 0) != nup->Sel) {
            return L"the Layout page's pages per sheet list does not show choice " + std::to_wstring(nup->Sel);
        }
    }
    return std::wstring();
}

std::wstring SheetChecks::AfterStep(HWND sheet, const ScriptStep& step) {
    std::wstring problem = CheckBoxes(step);
    if (problem.empty()) problem = CheckPrivateSection();
    if (problem.empty()) problem = CheckItems();
    if (problem.empty() && IsWindow(sheet)) {
        HWND page = FindCurrentPage(sheet);
        if (page != nullptr && GetDlgItem(page, kOrientationList) != nullptr) problem = CheckLayoutPage(page);
    }
    return problem;
}

}  // namespace marlow::host
