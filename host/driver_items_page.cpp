#include "host/driver_items_page.h"

#include "host/item_array.h"
#include "platform/win32_handles.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <cwctype>

namespace marlow::host {
namespace {

constexpr int kProblemLength = 256;

// A choice asked for by a message (ChooseItemOptionInSheet): plain
// characters only, since the page may live in another module.
struct ItemChoiceRequest {
    const wchar_t* item;
    const wchar_t* choice;
    bool bChosen;
    wchar_t problem[kProblemLength];
};

const UINT kChooseItemMessage = RegisterWindowMessageW(L"marlow.host.ChooseItemOption");

constexpr wchar_t kPageTitle[] = L"Advanced";
constexpr int kIntroId = 100;
constexpr int kLogLabelId = 104;
constexpr int kIndentPerLevel = 14;  // pixels per tree level

// Template units of the page: as large as the plug-in's pages.
constexpr short kPageWidth = 320;
constexpr short kPageHeight = 346;

// A dialog template in memory: no controls (they are made at init), the
// sheet's usual font.
std::vector<WORD> MakePageTemplate() {
    DLGTEMPLATE head = {};
    head.style = DS_SETFONT | WS_CHILD | WS_DISABLED | WS_CAPTION;
    head.cx = kPageWidth;
    head.cy = kPageHeight;
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD));
    std::memcpy(words.data(), &head, sizeof(DLGTEMPLATE));
    words.push_back(0);  // no menu
    words.push_back(0);  // the dialog class
    words.push_back(0);  // no caption: the page record carries the title
    words.push_back(8);  // point size
    for (const wchar_t* c = L"MS Shell Dlg"; ; ++c) {
        words.push_back(static_cast<WORD>(*c));
        if (*c == L'\0') break;
    }
    return words;
}

std::wstring ToLower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

const OPTPARAM* FindParams(const OPTITEM& item) {
    return item.pOptType != nullptr ? item.pOptType->pOptParam : nullptr;
}

WORD CountParams(const OPTITEM& item) {
    return FindParams(item) != nullptr ? item.pOptType->Count : 0;
}

bool IsSelectionMarked(const OPTITEM& item) {
    const OPTPARAM* params = FindParams(item);
    return params != nullptr && item.Sel >= 0 && item.Sel < CountParams(item) &&
           (params[item.Sel].Flags & OPTPF_OVERLAY_WARNING_ICON) != 0;
}

int CountMarkedParams(const OPTITEM& item) {
    int marked = 0;
    for (WORD i = 0; i < CountParams(item); ++i) {
        marked += (FindParams(item)[i].Flags & OPTPF_OVERLAY_WARNING_ICON) != 0 ? 1 : 0;
    }
    return marked;
}

// What the list shows behind an item: the plug-in's marks in words.
std::wstring DescribeMarks(const OPTITEM& item) {
    std::wstring marks;
    if (item.Flags & OPTIF_HIDE) marks += L"  [hidden]";
    if (item.Flags & OPTIF_DISABLED) marks += L"  [disabled]";
    if (item.Flags & OPTIF_CHANGEONCE) marks += L"  [changed]";
    const int marked = CountMarkedParams(item);
    if (marked != 0) marks += L"  [" + std::to_wstring(marked) + L" ruled out]";
    return marks;
}

// The driver's warning overlay, drawn as a sign of its own: a yellow
// triangle with a black edge and an exclamation mark, in a square cell.
void DrawWarningSign(HDC dc, const RECT& cell) {
    const int size = std::min<int>(cell.right - cell.left, cell.bottom - cell.top) - 2;
    if (size < 6) return;
    const int left = cell.left + 1;
    const int top = cell.top + (cell.bottom - cell.top - size) / 2;
    const POINT corners[3] = {{left + size / 2, top}, {left + size, top + size}, {left, top + size}};
    const UniqueGdiObject<HBRUSH> yellow(CreateSolidBrush(RGB(255, 204, 0)));
    const UniqueGdiObject<HPEN> edge(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    const UniqueSelection brushSelection = SelectIntoDc(dc, yellow.Get());
    const UniqueSelection penSelection = SelectIntoDc(dc, edge.Get());
    Polygon(dc, corners, 3);
    const int stem = std::max(1, size / 8);
    const int x = left + size / 2 - stem / 2;
    RECT bar = {x, top + size * 3 / 8, x + stem + 1, top + size * 3 / 4};
    FillRect(dc, &bar, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT dot = {x, top + size * 13 / 16, x + stem + 1, top + size * 13 / 16 + stem + 1};
    FillRect(dc, &dot, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

HWND MakeControl(HWND page, const wchar_t* className, const wchar_t* text, DWORD style, int id,
                 RECT units) {
    MapDialogRect(page, &units);
    HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, units.left,
                                   units.top, units.right - units.left, units.bottom - units.top,
                                   page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, SendMessageW(page, WM_GETFONT, 0, 0), FALSE);
    return control;
}

}  // namespace

DriverItemsPage::DriverItemsPage(HostSheet& sheet, RecordingDriverUI& driverUI)
    : sheet_(sheet), driverUI_(driverUI), template_(MakePageTemplate()) {}

const wchar_t* DriverItemsPage::Title() const { return kPageTitle; }

PROPSHEETPAGEW DriverItemsPage::Describe() {
    PROPSHEETPAGEW page = {};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    page.hInstance = GetModuleHandleW(nullptr);
    page.pResource = reinterpret_cast<PROPSHEETPAGE_RESOURCE>(template_.data());
    page.pszTitle = kPageTitle;
    page.pfnDlgProc = HandleMessage;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CALLBACK DriverItemsPage::HandleMessage(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* page = reinterpret_cast<DriverItemsPage*>(reinterpret_cast<PROPSHEETPAGEW*>(lParam)->lParam);
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        page->window_ = window;
        page->current_ = page->FindInitialItem();
        page->CreateControls();
        page->FillItemList();
        return TRUE;
    }
    auto* page = reinterpret_cast<DriverItemsPage*>(GetWindowLongPtrW(window, DWLP_USER));
    if (page == nullptr) return FALSE;
    if (message == kChooseItemMessage && lParam != 0) {
        auto* request = reinterpret_cast<ItemChoiceRequest*>(lParam);
        std::wstring problem;
        request->bChosen = page->ChooseItemOption(request->item, request->choice, &problem);
        lstrcpynW(request->problem, problem.c_str(), kProblemLength);
        SetWindowLongPtrW(window, DWLP_MSGRESULT, 1);
        return TRUE;
    }
    switch (message) {
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const int fontHeight = HIWORD(GetDialogBaseUnits());
        measure->itemHeight = static_cast<UINT>(std::max(16, fontHeight + 4));
        return TRUE;
    }
    case WM_DRAWITEM:
        page->DrawListEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kItemsListId && HIWORD(wParam) == LBN_SELCHANGE) {
            page->FillChoiceBox();
        } else if (LOWORD(wParam) == kChoiceBoxId && HIWORD(wParam) == LBN_SELCHANGE) {
            page->ApplyChosenOption();
        }
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == PSN_SETACTIVE) {
            page->FillItemList();  // another page may have changed the items
        } else if (header->code == PSN_APPLY) {
            page->ApplySheet();
            SetWindowLongPtrW(window, DWLP_MSGRESULT, PSNRET_NOERROR);
            return TRUE;
        }
        return FALSE;
    }
    case WM_DESTROY:
        page->window_ = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

// The item the tree shows first, as the plug-in chose it (OPTIF_INITIAL_TVITEM).
int DriverItemsPage::FindInitialItem() {
    for (DWORD i = 0; i < sheet_.Items().Count(); ++i) {
        if (sheet_.Items()[i].Flags & OPTIF_INITIAL_TVITEM) return static_cast<int>(i);
    }
    return -1;
}

void DriverItemsPage::CreateControls() {
    const wchar_t* intro = sheet_.Mode() == OEMCUIP_DOCPROP
                               ? L"The driver's items, as the plug-in left them:"
                               : L"The printer's items, as the plug-in left them:";
    MakeControl(window_, WC_STATICW, intro, SS_LEFT, kIntroId, {6, 6, 314, 15});
    MakeControl(window_, WC_LISTBOXW, L"",
                WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_NOTIFY |
                    LBS_NOINTEGRALHEIGHT,
                kItemsListId, {6, 16, 314, 196});
    MakeControl(window_, WC_STATICW, L"&Choices of the item:", SS_LEFT, kChoiceLabelId, {6, 202, 314, 211});
    MakeControl(window_, WC_LISTBOXW, L"",
                WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                    LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                kChoiceBoxId, {6, 212, 314, 276});
    MakeControl(window_, WC_STATICW, L"What the driver was told:", SS_LEFT, kLogLabelId,
                {6, 282, 314, 291});
    MakeControl(window_, WC_LISTBOXW, L"", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL,
                kHostLogId, {6, 292, 314, 340});
}

void DriverItemsPage::FillItemList() {
    if (window_ == nullptr) return;
    HWND list = GetDlgItem(window_, kItemsListId);
    const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (DWORD i = 0; i < sheet_.Items().Count(); ++i) {
        SendMessageW(list, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
    }
    if (current_ >= 0) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(current_), 0);
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top > 0 ? top : 0), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    FillChoiceBox();
    FillHostLog();
}

void DriverItemsPage::FillChoiceBox() {
    HWND list = GetDlgItem(window_, kItemsListId);
    HWND box = GetDlgItem(window_, kChoiceBoxId);
    const LRESULT chosen = SendMessageW(list, LB_GETCURSEL, 0, 0);
    current_ = chosen == LB_ERR ? -1 : static_cast<int>(chosen);
    SendMessageW(box, LB_RESETCONTENT, 0, 0);
    if (current_ < 0) {
        EnableWindow(box, FALSE);
        return;
    }
    const OPTITEM& item = sheet_.Items()[static_cast<std::size_t>(current_)];
    for (WORD i = 0; i < CountParams(item); ++i) {
        const std::wstring text = ItemArray::DescribeText(FindParams(item)[i].pData);
        SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(item.Sel), 0);
    EnableWindow(box, CountParams(item) != 0 && (item.Flags & (OPTIF_HIDE | OPTIF_DISABLED)) == 0);
}

void DriverItemsPage::FillHostLog() {
    HWND log = GetDlgItem(window_, kHostLogId);
    SendMessageW(log, LB_RESETCONTENT, 0, 0);
    for (const UpdateUISettingCall& call : driverUI_.UpdateCalls()) {
        const std::wstring name = call.pOptItem != nullptr ? ItemArray::DescribeName(*call.pOptItem) : L"?";
        const std::wstring line = L"DrvUpdateUISetting: " + name + L" (choice " +
                                  std::to_wstring(call.selAtCall) + L")";
        SendMessageW(log, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    if (sheet_.Mode() == OEMCUIP_DOCPROP) {
        const std::wstring duplex = L"public dmDuplex: " + std::to_wstring(sheet_.PublicDevmode().dmDuplex);
        SendMessageW(log, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(duplex.c_str()));
    }
}

// The user's choice reaches the item; the driver marks it changed and asks
// the plug-in's callback, whose answer may have changed other items.
void DriverItemsPage::ApplyChosenOption() {
    if (current_ < 0) return;
    OPTITEM& item = sheet_.Items()[static_cast<std::size_t>(current_)];
    const LRESULT chosen = SendMessageW(GetDlgItem(window_, kChoiceBoxId), LB_GETCURSEL, 0, 0);
    if (chosen == LB_ERR || chosen == item.Sel) return;
    const LONG oldSel = item.Sel;
    item.Sel = static_cast<LONG>(chosen);
    item.Flags |= OPTIF_CHANGEONCE;
    if (sheet_.Mode() == OEMCUIP_DOCPROP) {
        const LONG answer = sheet_.CallItemCallback(CPSUICB_REASON_SEL_CHANGED, &item, oldSel);
        calls_.push_back({CPSUICB_REASON_SEL_CHANGED, ItemArray::DescribeName(item),
                          ItemArray::DescribeText(FindParams(item)[item.Sel].pData), answer});
    }
    FillItemList();
}

void DriverItemsPage::ApplySheet() {
    if (sheet_.Mode() == OEMCUIP_DOCPROP) {
        const LONG answer = sheet_.CallItemCallback(CPSUICB_REASON_APPLYNOW, nullptr);
        calls_.push_back({CPSUICB_REASON_APPLYNOW, std::wstring(), std::wstring(), answer});
    }
    FillItemList();
}

bool DriverItemsPage::ChooseItemOption(const std::wstring& itemName, const std::wstring& choice,
                                       std::wstring* problem) {
    if (window_ == nullptr) {
        *problem = L"the items page is not open";
        return false;
    }
    ItemArray& items = sheet_.Items();
    for (DWORD i = 0; i < items.Count(); ++i) {
        const OPTITEM& item = items[i];
        if (ToLower(ItemArray::DescribeName(item)) != ToLower(itemName)) continue;
        if (item.Flags & OPTIF_HIDE) {
            *problem = L"the item \"" + itemName + L"\" is hidden";
            return false;
        }
        if (item.Flags & OPTIF_DISABLED) {
            *problem = L"the item \"" + itemName + L"\" is disabled";
            return false;
        }
        for (WORD option = 0; option < CountParams(item); ++option) {
            if (ToLower(ItemArray::DescribeText(FindParams(item)[option].pData)) != ToLower(choice)) continue;
            // As the user does it: the item in the list, then the choice in the box.
            SendMessageW(GetDlgItem(window_, kItemsListId), LB_SETCURSEL, i, 0);
            FillChoiceBox();
            SendMessageW(GetDlgItem(window_, kChoiceBoxId), LB_SETCURSEL, option, 0);
            SendMessageW(window_, WM_COMMAND, MAKEWPARAM(kChoiceBoxId, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(window_, kChoiceBoxId)));
            return true;
        }
        *problem = L"the item \"" + itemName + L"\" has no choice \"" + choice + L"\"";
        return false;
    }
    *problem = L"there is no item \"" + itemName + L"\"";
    return false;
}

void DriverItemsPage::DrawListEntry(const DRAWITEMSTRUCT& draw) const {
    if (draw.itemID == static_cast<UINT>(-1)) return;
    const bool isList = draw.CtlID == kItemsListId;
    const std::size_t index = isList ? static_cast<std::size_t>(draw.itemData)
                                     : static_cast<std::size_t>(current_);
    if (index >= sheet_.Items().Count()) return;
    const OPTITEM& item = sheet_.Items()[index];
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    HDC dc = draw.hDC;
    FillRect(dc, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    RECT cell = draw.rcItem;
    bool marked = false;
    bool grey = false;
    std::wstring text;
    if (isList) {
        cell.left += 2 + kIndentPerLevel * (item.Level > 0 ? item.Level - 1 : 0);
        marked = IsSelectionMarked(item);
        grey = (item.Flags & (OPTIF_HIDE | OPTIF_DISABLED)) != 0;
        text = ItemArray::DescribeName(item);
        if (CountParams(item) != 0 && item.Sel >= 0 && item.Sel < CountParams(item)) {
            text += L" = " + ItemArray::DescribeText(FindParams(item)[item.Sel].pData);
        }
        text += DescribeMarks(item);
    } else {
        if (draw.itemID >= CountParams(item)) return;
        const OPTPARAM& param = FindParams(item)[draw.itemID];
        cell.left += 2;
        marked = (param.Flags & OPTPF_OVERLAY_WARNING_ICON) != 0;
        grey = (param.Flags & OPTPF_HIDE) != 0;
        text = ItemArray::DescribeText(param.pData) + (grey ? L"  [hidden]" : L"");
    }
    RECT sign = {cell.left, cell.top, cell.left + (cell.bottom - cell.top), cell.bottom};
    if (marked) DrawWarningSign(dc, sign);
    cell.left = sign.right + 2;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : grey ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &cell,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (draw.itemState & ODS_FOCUS) DrawFocusRect(dc, &draw.rcItem);
}

}  // namespace marlow::host

namespace marlow::host {

bool ChooseItemOptionInSheet(HWND sheet, const std::wstring& item, const std::wstring& choice,
                             std::wstring* problem) {
    for (WPARAM index = 0;; ++index) {
        const auto page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_INDEXTOHWND, index, 0));
        if (page == nullptr) break;
        if (GetDlgItem(page, kItemsListId) == nullptr || GetDlgItem(page, kChoiceBoxId) == nullptr) continue;
        ItemChoiceRequest request = {item.c_str(), choice.c_str(), false, {}};
        SendMessageW(page, kChooseItemMessage, 0, reinterpret_cast<LPARAM>(&request));
        if (!request.bChosen) *problem = request.problem;
        return request.bChosen;
    }
    *problem = L"the items page is not open";
    return false;
}

}  // namespace marlow::host
