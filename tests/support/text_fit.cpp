#include "text_fit.h"

#include "host/utf8_text.h"
#include "platform/win32_handles.h"

namespace marlow::test {
namespace {

enum class TextKind { kNone, kStatic, kCheck, kGroup };

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

}  // namespace

std::vector<ClippedText> FindClippedTexts(HWND page) {
    std::vector<ClippedText> clipped;
    const UniqueWindowDc dc = GetWindowDc(page);
    for (HWND control = GetWindow(page, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const TextKind kind = ClassifyControl(control);
        const std::wstring text = ReadText(control);
        if (kind == TextKind::kNone || text.empty() || !IsWindowVisible(control)) {
            continue;
        }
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
        if (needed.cx > available.cx || needed.cy > available.cy) {
            clipped.push_back({GetDlgCtrlID(control), text, needed, available});
        }
    }
    return clipped;
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
