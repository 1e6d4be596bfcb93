#include "text_fit.h"

#include "host/utf8_text.h"
#include "platform/win32_handles.h"

#include <commctrl.h>

#include <cstdint>
#include <vector>

namespace marlow::test {
namespace {

enum class TextKind { kNone, kStatic, kCheck, kGroup, kCombo, kComboEx };

TextKind ClassifyControl(HWND control) {
    WCHAR className[32] = {};
    GetClassNameW(control, className, 32);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (lstrcmpiW(className, L"Static") == 0) {
        switch (style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
        case SS_LEFTNOWORDWRAP:
        case SS_SIMPLE:
            return TextKind::kStatic;
        default:
            return TextKind::kNone;  // frames, icons, pictures
        }
    }
    if (lstrcmpiW(className, L"Button") == 0) {
        switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return TextKind::kCheck;
        case BS_GROUPBOX:
            return TextKind::kGroup;
        default:
            return TextKind::kNone;
        }
    }
    if (lstrcmpiW(className, L"ComboBox") == 0) return TextKind::kCombo;
    if (lstrcmpiW(className, L"ComboBoxEx32") == 0) return TextKind::kComboEx;
    return TextKind::kNone;
}

std::wstring ReadText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, &text[0], length + 1)));
    return text;
}

// The text's size in the control's font; wrapped into width when width > 0.
SIZE MeasureText(HDC dc, const std::wstring& text, int width, UINT prefixFlag) {
    RECT rect = {0, 0, width > 0 ? width : 0, 0};
    const UINT lineFlags = width > 0 ? DT_WORDBREAK | DT_EXPANDTABS : DT_SINGLELINE;
    DrawTextW(dc, text.c_str(), -1, &rect, DT_CALCRECT | lineFlags | prefixFlag);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}


// The entries of a combo box (of an extended one: of its inner combo box).
std::vector<std::wstring> ReadEntries(HWND combo) {
    std::vector<std::wstring> entries;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0 || length > 1000) continue;
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<std::size_t>(length));
        entries.push_back(text);
    }
    return entries;
}

// The entries of an extended combo box, by their own text.
std::vector<std::wstring> ReadExtendedEntries(HWND comboEx) {
    std::vector<std::wstring> entries;
    const LRESULT count = SendMessageW(comboEx, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        WCHAR text[512] = {};
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = 512;
        SendMessageW(comboEx, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        entries.emplace_back(text);
    }
    return entries;
}

// A list's entries against the closed box's item area and the dropped list.
void MeasureEntries(HDC dc, HWND control, bool extended, std::vector<ClippedText>* fits) {
    const HWND combo = extended ? reinterpret_cast<HWND>(SendMessageW(control, CBEM_GETCOMBOCONTROL, 0, 0)) : control;
    if (combo == nullptr) return;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(combo, &info)) return;
    // What an entry shows before its text: the picture and the gap after it.
    int pictureRoom = 0;
    if (extended) {
        const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(control, CBEM_GETIMAGELIST, 0, 0));
        int cx = 0;
        int cy = 0;
        if (images != nullptr && ImageList_GetIconSize(images, &cx, &cy)) pictureRoom = cx + 4;
    }
    constexpr int kTextMargin = 2;  // the item's text starts that far in, on either side
    const int closed = info.rcItem.right - info.rcItem.left;
    // The dropped list: its frame, and a scroll bar when not every entry
    // shows in its height (which the platform reports with or without the
    // closed box above it).
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    const int itemHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    RECT comboRect = {};
    GetWindowRect(combo, &comboRect);
    RECT droppedRect = {};
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&droppedRect));
    int listHeight = droppedRect.bottom - droppedRect.top - 2 * GetSystemMetrics(SM_CYBORDER);
    if (droppedRect.top <= comboRect.top) listHeight -= comboRect.bottom - comboRect.top;
    int dropped = static_cast<int>(SendMessageW(combo, CB_GETDROPPEDWIDTH, 0, 0)) - 2 * GetSystemMetrics(SM_CXBORDER);
    if (itemHeight > 0 && count * itemHeight > listHeight) dropped -= GetSystemMetrics(SM_CXVSCROLL);
    const std::vector<std::wstring> entries = extended ? ReadExtendedEntries(control) : ReadEntries(combo);
    auto font = reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0));
    const UniqueSelection selection = SelectIntoDc(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    for (const std::wstring& entry : entries) {
        const SIZE text = MeasureText(dc, entry, 0, DT_NOPREFIX);
        const int needed = pictureRoom + text.cx + 2 * kTextMargin;
        fits->push_back({GetDlgCtrlID(control), L"entry (closed): " + entry, SIZE{needed, text.cy},
                         SIZE{closed, info.rcItem.bottom - info.rcItem.top}});
        fits->push_back({GetDlgCtrlID(control), L"entry (dropped): " + entry, SIZE{needed, text.cy},
                         SIZE{dropped, itemHeight}});
    }
}

// The page's visible controls with their places in its client area, in
// z order.
struct ShownControl {
    int id;
    RECT rect;
};

std::vector<ShownControl> ListShownControls(HWND page) {
    std::vector<ShownControl> shown;
    for (HWND control = GetWindow(page, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        if (!IsWindowVisible(control)) continue;
        RECT rect = {};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
        shown.push_back({GetDlgCtrlID(control), rect});
    }
    return shown;
}

}  // namespace

std::vector<ClippedText> MeasureTextFits(HWND page) {
    std::vector<ClippedText> fits;
    const UniqueWindowDc dc = GetWindowDc(page);
    for (HWND control = GetWindow(page, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const TextKind kind = ClassifyControl(control);
        if (kind == TextKind::kNone || !IsWindowVisible(control)) continue;
        if (kind == TextKind::kCombo || kind == TextKind::kComboEx) {
            MeasureEntries(dc.Get(), control, kind == TextKind::kComboEx, &fits);
            continue;
        }
        const std::wstring text = ReadText(control);
        if (text.empty()) continue;
        auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        const UniqueSelection selection =
            SelectIntoDc(dc.Get(), font != nullptr ? font : GetStockObject(SYSTEM_FONT));
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc.Get(), &metrics);
        RECT client = {};
        GetClientRect(control, &client);
        const SIZE available = {client.right, client.bottom};
        const LONG style = GetWindowLongW(control, GWL_STYLE);

        SIZE needed = {};
        if (kind == TextKind::kStatic) {
            const UINT prefix = (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
            const bool wraps = (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP &&
                               (style & SS_TYPEMASK) != SS_SIMPLE;
            needed = MeasureText(dc.Get(), text, wraps ? available.cx : 0, prefix);
        } else {
            needed = MeasureText(dc.Get(), text, 0, 0);
            if (kind == TextKind::kCheck) {
                // The box or circle, and the gap before the text.
                needed.cx += GetSystemMetrics(SM_CXMENUCHECK) + 2 * GetSystemMetrics(SM_CXEDGE);
            } else {
                // The frame's corner and a space on either side of the title.
                needed.cx += 2 * (metrics.tmAveCharWidth + GetSystemMetrics(SM_CXEDGE));
                needed.cy = 0;  // the title sits on the frame
            }
        }
        fits.push_back({GetDlgCtrlID(control), text, needed, available});
    }
    return fits;
}

std::vector<ClippedText> FindClippedTexts(HWND page) {
    std::vector<ClippedText> clipped;
    for (const ClippedText& fit : MeasureTextFits(page)) {
        if (fit.needed.cx > fit.available.cx || fit.needed.cy > fit.available.cy) clipped.push_back(fit);
    }
    return clipped;
}

std::string DescribeTightestFit(const std::vector<ClippedText>& fits) {
    const ClippedText* tightest = nullptr;
    for (const ClippedText& fit : fits) {
        if (tightest == nullptr ||
            fit.available.cx - fit.needed.cx < tightest->available.cx - tightest->needed.cx) {
            tightest = &fit;
        }
    }
    if (tightest == nullptr) return "nothing measured";
    return "control " + std::to_string(tightest->id) + " \"" + host::ToUtf8(tightest->text) + "\": " +
           std::to_string(tightest->needed.cx) + " of " + std::to_string(tightest->available.cx) + " px";
}

std::string DescribePageOutsideSheetArea(HWND sheet, HWND page) {
    const auto tab = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
    if (tab == nullptr) return "the sheet has no tab control";
    RECT area = {};
    GetClientRect(tab, &area);
    SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tab, sheet, reinterpret_cast<POINT*>(&area), 2);
    RECT shown = {};
    GetWindowRect(page, &shown);
    MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&shown), 2);
    if (shown.left >= area.left && shown.top >= area.top && shown.right <= area.right && shown.bottom <= area.bottom) {
        return "";
    }
    auto describe = [](const RECT& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + " to " + std::to_string(r.right) + "," +
               std::to_string(r.bottom) + " (" + std::to_string(r.right - r.left) + " x " +
               std::to_string(r.bottom - r.top) + ")";
    };
    return "the page " + describe(shown) + " reaches past the sheet's page area " + describe(area);
}

std::string DescribeControlsOutsideTemplate(HWND page, int cx, int cy) {
    RECT area = {0, 0, cx, cy};
    MapDialogRect(page, &area);
    std::string outside;
    for (const ShownControl& control : ListShownControls(page)) {
        const RECT& rect = control.rect;
        if (rect.left < 0 || rect.top < 0 || rect.right > area.right || rect.bottom > area.bottom) {
            outside += "control " + std::to_string(control.id) + " reaches " + std::to_string(rect.right) +
                       "," + std::to_string(rect.bottom) + " past the template's " + std::to_string(area.right) +
                       " x " + std::to_string(area.bottom) + " px\n";
        }
    }
    return outside;
}

namespace {

// A window's font: its face, and the dialog base units it gives (the mean
// width of the 52 letters, rounded, and the cell height).
std::string DescribeDialogFont(HWND window) {
    const UniqueWindowDc dc = GetWindowDc(window);
    auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    const UniqueSelection selection = SelectIntoDc(dc.Get(), font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    WCHAR face[LF_FACESIZE] = {};
    GetTextFaceW(dc.Get(), LF_FACESIZE, face);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc.Get(), &metrics);
    SIZE letters = {};
    const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    GetTextExtentPoint32W(dc.Get(), kLetters, 52, &letters);
    // The face that draws it, where the prefix substitutes another.
    std::wstring drawnWith;
    const UINT size = GetOutlineTextMetricsW(dc.Get(), 0, nullptr);
    if (size >= sizeof(OUTLINETEXTMETRICW)) {
        std::vector<BYTE> buffer(size);
        auto* outline = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
        if (GetOutlineTextMetricsW(dc.Get(), size, outline) != 0) {
            drawnWith = reinterpret_cast<const wchar_t*>(buffer.data() +
                                                         reinterpret_cast<std::uintptr_t>(outline->otmpFamilyName));
        }
    }
    return host::ToUtf8(face) + (drawnWith.empty() || drawnWith == face ? "" : " (" + host::ToUtf8(drawnWith) + ")") +
           " " + std::to_string((letters.cx / 26 + 1) / 2) + " x " + std::to_string(metrics.tmHeight);
}

std::string DescribeSize(LONG cx, LONG cy) { return std::to_string(cx) + " x " + std::to_string(cy); }

}  // namespace

std::string DescribePageSizing(HWND sheet, HWND page, int cx, int cy) {
    RECT inPageFont = {0, 0, cx, cy};
    MapDialogRect(page, &inPageFont);
    RECT inSheetFont = {0, 0, cx, cy};
    MapDialogRect(sheet, &inSheetFont);
    RECT shown = {};
    GetWindowRect(page, &shown);
    return "sheet font " + DescribeDialogFont(sheet) + ", page font " + DescribeDialogFont(page) +
           " (dialog base units, px); the page's window " +
           DescribeSize(shown.right - shown.left, shown.bottom - shown.top) + " px; its template " +
           DescribeSize(cx, cy) + " units: " + DescribeSize(inPageFont.right, inPageFont.bottom) +
           " px in its own font, " + DescribeSize(inSheetFont.right, inSheetFont.bottom) + " px in the sheet's";
}

int ReadScreenDpi() {
    const UniqueWindowDc screen = GetWindowDc(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSX);
}

std::string DescribeControlsOutsidePage(HWND page) {
    RECT client = {};
    GetClientRect(page, &client);
    std::string outside;
    for (const ShownControl& control : ListShownControls(page)) {
        const RECT& rect = control.rect;
        if (rect.left < 0 || rect.top < 0 || rect.right > client.right || rect.bottom > client.bottom) {
            outside += "control " + std::to_string(control.id) + " at " + std::to_string(rect.left) +
                       "," + std::to_string(rect.top) + " to " + std::to_string(rect.right) + "," +
                       std::to_string(rect.bottom) + " in a page of " + std::to_string(client.right) + " x " +
                       std::to_string(client.bottom) + " px\n";
        }
    }
    return outside;
}

std::string DescribeClippedTexts(const std::vector<ClippedText>& clipped) {
    std::string description;
    for (const ClippedText& c : clipped) {
        description += "control " + std::to_string(c.id) + " \"" + host::ToUtf8(c.text) +
                       "\": needs " + std::to_string(c.needed.cx) + " x " +
                       std::to_string(c.needed.cy) + " px, has " + std::to_string(c.available.cx) +
                       " x " + std::to_string(c.available.cy) + " px\n";
    }
    return description;
}

}  // namespace marlow::test
